#include <gtest/gtest.h>

#include <string>

#include "DeckTestSupport.h"
#include "stats/DeckStats.h"
#include "stats/StatsFaction.h"

namespace svdb {
namespace {

TEST(StatsFactionSlot, PrefixRules) {
    struct Case {
        const char* faction;
        int slot;
    };  // -1: not counted
    const Case cases[] = {
        {"連邦", 0},   {"ジオン", 1},      {"ティターンズ", 2}, {"ティタ", 2}, {"ザンスカール", 2},
        {"ザンス", 2}, {"ティ", 2},        {"ネオジオン", 3},   {"ネオジ", 3}, {"クロスボーン", 3},
        {"クロス", 3}, {"∀", 4},           {"Ｘ", 4},           {"Ｗ", 5},     {"Seed", 5},
        {"その他", 6}, {"ジオン公国", -1}, {"連邦軍", -1},      {"seed", -1},  {"", -1},
        {"謎", -1},
    };
    for (const Case& c : cases) {
        const std::optional<int> slot = StatsFactionSlot(c.faction);
        EXPECT_EQ(slot.value_or(-1), c.slot) << c.faction;
    }
}

class DeckStatsTest : public ::testing::Test {
  protected:
    CardTable table = testing::MakeTestTable();
    DeckStats stats{table};
};

// Which counters one tally moves: type, faction slot and rarity.
TEST_F(DeckStatsTest, CountersOfOneTally) {
    struct Case {
        const char* name;
        const char* faction;
        const char* number;
        CardType type;
        int slot;    // -1: no faction counter
        int rarity;  // -1: none; else Rarity
        bool counted;
    };
    const Case cases[] = {
        {"Generation", "連邦", "G-1", CardType::Generation, 0, 2, true},
        {"Character", "連邦", "CH-1", CardType::Character, 0, 1, true},
        {"SpecialHasNoRarity", "連邦", "C-1", CardType::Command, 0, -1, true},
        {"Operation", "Ｗ", "O-7", CardType::Operation, 5, 1, true},
        {"ShortName", "ティタ", "U-4", CardType::Unit, 2, 1, true},
        {"ShortNameOfSecondFaction", "ザンス", "CH-4", CardType::Character, 2, 0, true},
        {"Other", "その他", "U-9", CardType::Unit, 6, 2, true},
        {"UnrecognisedFaction", "謎", "U-10", CardType::Unit, -1, 2, true},
        {"NotInCatalogue", "連邦", "U-99", CardType::Unit, -1, -1, false},
        {"NumberOfAnotherSlot", "連邦", "U-2", CardType::Unit, -1, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckStats s(table);
        s.TallyCard(c.faction, c.number, 2);
        for (CardType t : {CardType::Generation, CardType::Unit, CardType::Character,
                           CardType::Command, CardType::Operation})
            EXPECT_EQ(s.typeCount(t), c.counted && t == c.type ? 2 : 0);
        for (int slot = 0; slot < 7; ++slot)
            EXPECT_EQ(s.factionCount(slot), slot == c.slot ? 2 : 0) << slot;
        for (Rarity r : {Rarity::Rare, Rarity::Uncommon, Rarity::Common})
            EXPECT_EQ(s.rarityCount(r), static_cast<int>(r) == c.rarity ? 2 : 0);
        s.TallyCard(c.faction, c.number, -2);
        EXPECT_TRUE(s.sameCounts(DeckStats(table)));
    }
}

TEST_F(DeckStatsTest, SegmentsKeepTheOrderOfFirstEntry) {
    stats.TallyCard("ジオン", "U-2", 2);
    stats.TallyCard("連邦", "U-1", 1);
    stats.TallyCard("ジオン", "U-3", 1);
    EXPECT_EQ(stats.barCount(), 2);
    EXPECT_EQ(stats.barOfSlot(1), 1);
    EXPECT_EQ(stats.slotsWithBar(), 0x03);
    auto bar = stats.LayoutFactionBar(100.0, 4);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].slot, 1);
    EXPECT_DOUBLE_EQ(bar[0].left, 0.0);
    EXPECT_DOUBLE_EQ(bar[0].width, 75.0);
    EXPECT_EQ(bar[0].colour, (Rgb{153, 204, 153}));
    EXPECT_EQ(bar[1].slot, 0);
    EXPECT_EQ(bar[1].position, 2);
    EXPECT_DOUBLE_EQ(bar[1].left, 75.0);
    EXPECT_DOUBLE_EQ(bar[1].width, 25.0);

    // The first faction leaves: its segment stays, at zero width.
    stats.TallyCard("ジオン", "U-2", -2);
    stats.TallyCard("ジオン", "U-3", -1);
    bar = stats.LayoutFactionBar(100.0, 1);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_DOUBLE_EQ(bar[0].width, 0.0);
    EXPECT_DOUBLE_EQ(bar[1].left, 0.0);
    EXPECT_DOUBLE_EQ(bar[1].width, 100.0);

    // Coming back does not make a new segment.
    stats.TallyCard("ジオン", "U-2", 1);
    EXPECT_EQ(stats.barCount(), 2);
}

TEST_F(DeckStatsTest, OtherFactionGetsFlagButNoSegment) {
    stats.TallyCard("連邦", "U-1", 1);
    stats.TallyCard("その他", "U-9", 1);
    EXPECT_EQ(stats.factionCount(6), 1);
    EXPECT_EQ(stats.barCount(), 1);
    EXPECT_EQ(stats.slotsWithBar(), 0x81);
    EXPECT_EQ(stats.barOfSlot(6), 0);
    const auto bar = stats.LayoutFactionBar(100.0, 2);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_DOUBLE_EQ(bar[0].width, 50.0);  // the bar covers half its width
}

TEST_F(DeckStatsTest, ShortAndLongNamesShareOneSegment) {
    stats.TallyCard("ティターンズ", "U-4", 1);
    stats.TallyCard("ティタ", "U-4", 1);
    stats.TallyCard("ザンス", "CH-4", 1);
    EXPECT_EQ(stats.factionCount(2), 3);
    EXPECT_EQ(stats.barCount(), 1);
}

TEST_F(DeckStatsTest, ZeroTotalGivesZeroWidths) {
    stats.TallyCard("連邦", "U-1", 3);
    for (int total : {0, -1}) {
        const auto bar = stats.LayoutFactionBar(100.0, total);
        ASSERT_EQ(bar.size(), 1u);
        EXPECT_DOUBLE_EQ(bar[0].width, 0.0);
    }
}

TEST_F(DeckStatsTest, ResetEmptiesEverything) {
    stats.TallyCard("連邦", "U-1", 3);
    stats.TallyCard("その他", "U-9", 1);
    stats.ResetDeckStats();
    EXPECT_TRUE(stats.empty());
    for (int slot = 0; slot < 7; ++slot) EXPECT_EQ(stats.barOfSlot(slot), 0);
    EXPECT_TRUE(stats.LayoutFactionBar(100.0, 4).empty());
}

}  // namespace
}  // namespace svdb
