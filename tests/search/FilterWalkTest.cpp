#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/FilterWalk.h"

namespace svdb {
namespace {

void Put(CardTable& t, int slot, int row, std::string faction, std::string number,
         int expansion = 0) {
    CardRecord& c = t.at(slot, row);
    c.faction = std::move(faction);
    c.cardNumber = number;
    c.front.name = "name " + number;
    c.rare = "Common";
    c.expansion = static_cast<std::uint8_t>(expansion);
}

// Slot 0: 連邦 at rows 0 and 2 (row 1 empty); slot 2: ティターンズ,
// ザンスカール, ティターンズ; slot 6: one card.
CardTable SampleTable() {
    CardTable t;
    Put(t, 0, 0, "連邦", "U-1", 2);
    Put(t, 0, 2, "連邦", "CH-2", 99);
    Put(t, 2, 0, "ティターンズ", "U-10");
    Put(t, 2, 1, "ザンスカール", "U-11");
    Put(t, 2, 2, "ティターンズ", "C-12");
    Put(t, 6, 500, "その他", "G-99");
    t.FactionChangeCount = 5;
    return t;
}

FilterState Factions(std::uint8_t mask) {
    FilterState s;
    s.factionMask = mask;
    return s;
}

std::vector<std::string> Numbers(const FilterWalkResult& r) {
    std::vector<std::string> out;
    for (const ListedCard& c : r.cards) out.push_back(c.texts.cardNumber);
    return out;
}

TEST(WalkFilter, ListsBySlotThenRowAndRecordsGroups) {
    const CardTable table = SampleTable();
    const struct {
        const char* name;
        FilterState state;
        std::vector<std::string> numbers;
        std::vector<std::int16_t> groupStart;
    } rows[] = {
        {"ALL",
         Factions(kAllFactions),
         {"U-1", "CH-2", "U-10", "U-11", "C-12", "G-99"},
         {1, 2, 3, 4, 5, -1}},
        {"ALL with every colour bit too",
         Factions(255),
         {"U-1", "CH-2", "U-10", "U-11", "C-12", "G-99"},
         {1, 2, 3, 4, 5, -1}},
        {"no faction box", Factions(0), {}, {-1, -1, -1, -1, -1, -1}},
        {"黒 only: groups change inside the slot",
         Factions(4),
         {"U-10", "U-11", "C-12"},
         {1, 1, 2, -1, -1, -1}},
        {"青 and その他", Factions(16 | 1), {"U-1", "CH-2", "G-99"}, {1, 2, -1, -1, -1, -1}},
        {"unit type within 黒",
         [] {
             FilterState s = Factions(4);
             s.typeMask = kTypeUnit;
             return s;
         }(),
         {"U-10", "U-11"},
         {1, 1, -1, -1, -1, -1}},
        {"empty slot 5 only", Factions(64), {}, {-1, -1, -1, -1, -1, -1}},
    };
    for (const auto& r : rows) {
        const FilterWalkResult result = WalkFilter(table, r.state, SearchTexts{});
        EXPECT_EQ(Numbers(result), r.numbers) << r.name;
        EXPECT_EQ(result.groupStart, r.groupStart) << r.name;
    }
}

TEST(WalkFilter, RowTextsAndPositions) {
    const FilterWalkResult r = WalkFilter(SampleTable(), Factions(16), SearchTexts{});
    ASSERT_EQ(r.cards.size(), 2u);
    EXPECT_EQ(r.cards[0].slot, 0);
    EXPECT_EQ(r.cards[0].row, 0);
    EXPECT_EQ(r.cards[0].texts.faction, "連邦");
    EXPECT_EQ(r.cards[0].texts.cardName, "name U-1");
    EXPECT_EQ(r.cards[0].texts.expansionName, "撃墜王出撃");
    EXPECT_EQ(r.cards[1].row, 2);                     // the empty row 1 is skipped
    EXPECT_EQ(r.cards[1].texts.expansionName, "--");  // index beyond the names
}

TEST(WalkFilter, MoreGroupsThanTheCountSaysStaysInBounds) {
    CardTable table = SampleTable();
    table.FactionChangeCount = 1;  // the list has five changes
    const FilterWalkResult r = WalkFilter(table, Factions(kAllFactions), SearchTexts{});
    EXPECT_EQ(r.cards.size(), 6u);
    EXPECT_EQ(r.groupStart, (std::vector<std::int16_t>{1, 2}));
}

TEST(WalkFilter, RefillIntoAnEarlierResult) {
    const CardTable table = SampleTable();
    FilterWalkResult result;
    const struct {
        const char* name;
        std::uint8_t factions;
    } steps[] = {{"black", 4}, {"all", kAllFactions}, {"blue", 16}, {"none", 0}, {"black", 4}};
    for (const auto& step : steps) {
        WalkFilter(table, Factions(step.factions), SearchTexts{}, result);
        const FilterWalkResult fresh = WalkFilter(table, Factions(step.factions), SearchTexts{});
        EXPECT_EQ(Numbers(result), Numbers(fresh)) << step.name;
        EXPECT_EQ(result.groupStart, fresh.groupStart) << step.name;
        ASSERT_EQ(result.cards.size(), fresh.cards.size());
        for (std::size_t i = 0; i < fresh.cards.size(); ++i) {
            EXPECT_EQ(result.cards[i].row, fresh.cards[i].row) << step.name;
            EXPECT_EQ(result.cards[i].texts.faction, fresh.cards[i].texts.faction) << step.name;
        }
    }
}

}  // namespace
}  // namespace svdb
