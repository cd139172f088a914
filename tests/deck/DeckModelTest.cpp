#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Ref;

// Both lists hold the rows expected, and each total is the sum of its copies.
void ExpectLists(const DeckModel& m, const std::vector<DeckEntry>& main,
                 const std::vector<DeckEntry>& side) {
    EXPECT_TRUE(testing::SameRows(m.list(0).rows, main)) << testing::Describe(m.list(0).rows);
    EXPECT_TRUE(testing::SameRows(m.list(1).rows, side)) << testing::Describe(m.list(1).rows);
    for (int i : {0, 1}) EXPECT_EQ(m.total(i), SumOfCopies(m.list(i).rows)) << "list " << i;
}

class DeckModelTest : public ::testing::Test {
  protected:
    CardTable table = testing::MakeTestTable();
    DeckModel model{table};
};

// Adding under the copy rules. Each row starts from the given lists (loaded
// wholesale, as a deck file would be), adds the card to the given list and
// checks both lists and the copies reported back.
TEST_F(DeckModelTest, AddRules) {
    const DeckOptions none;
    const DeckOptions noLimit{false, true, false};
    const DeckOptions collect{false, false, true};
    const DeckOptions shortNames{true, false, false};
    const DeckOptions shortCollect{true, false, true};
    const CardRef U1 = Ref("U-1"), G1 = Ref("G-1"), U2 = Ref("U-2"), U3 = Ref("U-3"),
                  U4 = Ref("U-4"), U7 = Ref("U-7");
    auto raven = [](int n) { return Entry("連邦", "U-1", "レイヴン", n); };
    auto gen = [](int n) { return Entry("連邦", "G-1", "連邦G", n); };
    auto granat = [](const char* number, int n) { return Entry("ジオン", number, "グラナト", n); };
    auto helmut = [](const char* faction, int n) { return Entry(faction, "U-4", "ヘルムート", n); };
    struct Case {
        const char* name;
        std::vector<DeckEntry> main, side;
        CardRef card;
        int asked;
        int list;
        DeckOptions options;
        bool added;
        int copiesAfter;
        std::vector<DeckEntry> mainAfter, sideAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"NewCardThreeCopies", {}, {}, U1, 3, 0, none, true, 3, {raven(3)}, {}},
        {"FourthCopyRefusedByName", {raven(3)}, {}, U1, 1, 0, none, false, 1, {raven(3)}, {}},
        {"NoLimitGivesFour", {raven(3)}, {}, U1, 1, 0, noLimit, true, 1, {raven(4)}, {}},
        {"SideCopyBlocksThree", {}, {raven(1)}, U1, 3, 0, none, false, 3, {}, {raven(1)}},
        {"SideCopyAllowsSecond", {raven(1)}, {raven(1)}, U1, 1, 0, none, true, 1, {raven(2)}, {raven(1)}},
        {"SideCopyRefusesThird", {raven(2)}, {raven(1)}, U1, 1, 0, none, false, 1, {raven(2)}, {raven(1)}},
        {"TwoPlusThreeClampsToThree", {raven(2)}, {}, U1, 3, 0, none, true, 1, {raven(3)}, {}},
        {"ClampAlsoWithNoLimit", {raven(2)}, {}, U1, 3, 0, noLimit, true, 1, {raven(3)}, {}},
        {"ClampAlsoForGeneration", {gen(2)}, {}, G1, 3, 0, none, true, 1, {gen(3)}, {}},
        {"GenerationPastFull", {gen(3)}, {}, G1, 3, 0, none, true, 3, {gen(6)}, {}},
        {"NoLimitPastFull", {raven(3)}, {}, U1, 3, 0, noLimit, true, 3, {raven(6)}, {}},
        {"GenerationStillBoundByOtherList", {}, {gen(3)}, G1, 1, 0, noLimit, false, 1, {}, {gen(3)}},
        {"NameCountedOverNumbers", {granat("U-2", 2), granat("U-3", 1)}, {}, U2, 1, 0, none, false, 1, {granat("U-2", 2), granat("U-3", 1)}, {}},
        // The name count is taken before the add, so a second number of the
        // same name still gets its own allowance.
        {"NameCountTakenBeforeAdd", {granat("U-2", 2)}, {}, U3, 3, 0, none, true, 3, {granat("U-2", 2), granat("U-3", 3)}, {}},
        {"OtherFactionEntryIncreased", {Entry("ジオン", "U-1", "レイヴン", 1)}, {}, U1, 1, 0, none, true, 1, {Entry("ジオン", "U-1", "レイヴン", 2)}, {}},
        {"CollectModeAppends", {Entry("ジオン", "U-1", "レイヴン", 1)}, {}, U1, 1, 0, collect, true, 1, {Entry("ジオン", "U-1", "レイヴン", 1), raven(1)}, {}},
        {"OtherFactionInSideGivesNoAllowance", {}, {Entry("ジオン", "U-1", "レイヴン", 3)}, U1, 3, 0, none, true, 3, {raven(3)}, {Entry("ジオン", "U-1", "レイヴン", 3)}},
        {"ShortNameStored", {}, {}, U4, 1, 0, shortNames, true, 1, {helmut("ティタ", 1)}, {}},
        {"ShortNameMatchesInCollectMode", {helmut("ティタ", 1)}, {}, U4, 1, 0, shortCollect, true, 1, {helmut("ティタ", 2)}, {}},
        {"ShortNameAllowanceUsesShortText", {}, {helmut("ティタ", 2)}, U4, 3, 0, shortNames, false, 3, {}, {helmut("ティタ", 2)}},
        {"LongNameStored", {}, {}, U4, 1, 0, none, true, 1, {helmut("ティターンズ", 1)}, {}},
        {"SeedKeepsItsName", {}, {}, U7, 1, 0, shortNames, true, 1, {Entry("Seed", "U-7", "スパーダ", 1)}, {}},
        {"LastIdenticalSideEntryCounts", {}, {raven(2), raven(1)}, U1, 2, 0, none, true, 2, {raven(2)}, {raven(2), raven(1)}},
        {"OverLimitEntryRefused", {raven(5)}, {}, U1, 1, 0, none, false, 1, {raven(5)}, {}},
        {"OverLimitEntryWithNoLimit", {raven(5)}, {}, U1, 1, 0, noLimit, true, 1, {raven(6)}, {}},
        {"DuplicateEntriesFirstIncreased", {raven(1), raven(1)}, {}, U1, 3, 0, none, true, 2, {raven(3), raven(1)}, {}},
        {"SideTargetLimitedByMain", {raven(2)}, {}, U1, 3, 1, none, false, 3, {raven(2)}, {}},
        {"SideTargetGetsTheRest", {raven(2)}, {}, U1, 1, 1, none, true, 1, {raven(2)}, {raven(1)}},
        {"NoCopiesAskedAddsNothing", {}, {}, U1, 0, 0, none, false, 0, {}, {}},
        {"UnknownListAddsNothing", {}, {}, U1, 1, 2, none, false, 1, {}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(c.main, c.side);
        std::int16_t copies = static_cast<std::int16_t>(c.asked);
        EXPECT_EQ(m.AddListItem(c.card, copies, c.list, c.options), c.added);
        EXPECT_EQ(copies, c.copiesAfter);
        ExpectLists(m, c.mainAfter, c.sideAfter);
    }
}

TEST_F(DeckModelTest, AddCardWithoutCurrentCardDoesNothing) {
    std::int16_t copies = 3;
    EXPECT_FALSE(model.AddCard(copies, 0, std::nullopt, DeckOptions{}));
    EXPECT_TRUE(model.list(0).empty());
    EXPECT_TRUE(model.AddCard(copies, 0, Ref("U-1"), DeckOptions{}));
    EXPECT_EQ(model.total(0), 3);
}

TEST_F(DeckModelTest, CountCopiesByNameSumsEveryEntryOfTheName) {
    model.ReplaceDecks(
        {Entry("ジオン", "U-2", "グラナト", 3), Entry("連邦", "U-1", "レイヴン", 1),
         Entry("その他", "U-3", "グラナト", 40), Entry("ジオン", "U-2", "グラナト", 2)},
        {Entry("ジオン", "U-2", "グラナト", 1)});
    EXPECT_EQ(model.CountCopiesByName("グラナト", 0), 45);
    EXPECT_EQ(model.CountCopiesByName("グラナト", 1), 1);
    EXPECT_EQ(model.CountCopiesByName("グラナト ", 0), 0);
    EXPECT_EQ(model.CountCopiesByName("グラナト", 5), 0);
}

// Moving one copy between the lists, as the two move buttons do.
TEST_F(DeckModelTest, MoveRules) {
    auto raven = [](int n) { return Entry("連邦", "U-1", "レイヴン", n); };
    struct Case {
        const char* name;
        std::vector<DeckEntry> main, side;
        int sourceRow;  // row of the source list that is moved from
        int to;
        bool moved;
        std::vector<DeckEntry> mainAfter, sideAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"SideToEmptyMain", {}, {raven(1)}, 0, 0, true, {raven(1)}, {}},
        {"MainToSideKeepsRestOfEntry", {raven(2)}, {}, 0, 1, true, {raven(1)}, {raven(1)}},
        {"IntoFullRefused", {raven(3)}, {raven(1)}, 0, 0, false, {raven(3)}, {raven(1)}},
        {"GenerationIntoFullGetsFourth", {Entry("連邦", "G-1", "連邦G", 3)}, {Entry("連邦", "G-1", "連邦G", 1)}, 0, 0, true, {Entry("連邦", "G-1", "連邦G", 4)}, {}},
        {"OtherFactionIsNotIdentical", {Entry("ジオン", "U-1", "レイヴン", 3)}, {raven(1)}, 0, 0, true, {Entry("ジオン", "U-1", "レイヴン", 3), raven(1)}, {}},
        {"NameLimitPlaysNoPart", {Entry("ジオン", "U-2", "グラナト", 3)}, {Entry("ジオン", "U-3", "グラナト", 1)}, 0, 0, true, {Entry("ジオン", "U-2", "グラナト", 3), Entry("ジオン", "U-3", "グラナト", 1)}, {}},
        {"RowBeforeListMovesNothing", {}, {raven(1)}, -1, 0, false, {}, {raven(1)}},
        {"RowPastListMovesNothing", {}, {raven(1)}, 1, 0, false, {}, {raven(1)}},
        {"SecondRowMoved", {}, {raven(1), Entry("ジオン", "U-2", "グラナト", 4)}, 1, 0, true, {Entry("ジオン", "U-2", "グラナト", 1)}, {raven(1), Entry("ジオン", "U-2", "グラナト", 3)}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(c.main, c.side);
        EXPECT_EQ(m.MoveOneCopy(c.to, c.sourceRow), c.moved);
        ExpectLists(m, c.mainAfter, c.sideAfter);
    }
}

TEST_F(DeckModelTest, AddSideClampsAndReportsCopiesPlaced) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2)},
                       {Entry("連邦", "U-1", "レイヴン", 3)});
    std::int16_t copies = 3;
    EXPECT_TRUE(model.AddSide(copies, 0, 1, 0));
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(model.list(0).rows[0].copies, 3);
    EXPECT_EQ(model.list(1).rows[0].copies, 3);  // the source keeps its copies
    EXPECT_EQ(model.total(0), 3);
    copies = 1;
    EXPECT_FALSE(model.AddSide(copies, 1, 1, 0));  // a list onto itself
}

TEST_F(DeckModelTest, Removals) {
    model.ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 5), Entry("連邦", "U-1", "レイヴン", 2),
                        Entry("連邦", "CH-1", "リオ", 1)},
                       {Entry("連邦", "O-1", "基地", 1)});
    // A row outside the list: nothing happens.
    model.RemoveOneCopy(0, -1);
    model.RemoveEntry(0, 3);
    EXPECT_EQ(model.total(0), 8);

    model.RemoveOneCopy(0, 1);
    EXPECT_EQ(model.list(0).rows[1].copies, 1);
    model.RemoveOneCopy(0, 1);  // the last copy takes the row with it
    EXPECT_EQ(model.list(0).size(), 2);
    EXPECT_EQ(model.total(0), 6);
    EXPECT_EQ(model.total(1), 1);

    model.RemoveEntry(0, 0);  // an entry above three copies goes whole
    ExpectLists(model, {Entry("連邦", "CH-1", "リオ", 1)}, {Entry("連邦", "O-1", "基地", 1)});

    model.RemoveOneCopy(1, 0);
    EXPECT_TRUE(model.list(1).empty());
    EXPECT_EQ(model.total(1), 0);
    model.RemoveOneCopy(1, 0);  // empty list
    model.RemoveEntry(1, 0);
    EXPECT_EQ(model.total(1), 0);
}

TEST_F(DeckModelTest, ClearDecks) {
    model.ClearDecks();  // already empty
    EXPECT_EQ(model.total(0), 0);
    EXPECT_EQ(model.total(1), 0);
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2), Entry("ジオン", "U-2", "グラナト", 1)},
                       {Entry("連邦", "O-1", "基地", 1)});
    model.ClearDecks();
    EXPECT_TRUE(model.list(0).empty());
    EXPECT_TRUE(model.list(1).empty());
    EXPECT_EQ(model.total(0), 0);
    EXPECT_EQ(model.total(1), 0);
}

TEST_F(DeckModelTest, Reorder) {
    struct Case {
        const char* name;
        int dragged, target;
        bool moved;
        const char* after;
    };
    // clang-format off
    const Case cases[] = {
        {"LastOntoSecond", 3, 1, true, "ADBC"},
        {"FirstOntoThird", 0, 2, true, "BACD"},
        {"OntoLastRow", 0, 3, true, "BCAD"},
        {"LastOntoFirst", 3, 0, true, "DABC"},
        {"OntoNextRow", 0, 1, false, "ABCD"},
        {"OntoItself", 2, 2, false, "ABCD"},
        {"UpOneRow", 2, 1, true, "ACBD"},
        {"OutOfRange", 1, 4, false, "ABCD"},
        {"NegativeRow", -1, 2, false, "ABCD"},
    };
    // clang-format on
    const std::vector<DeckEntry> rows{Entry("連邦", "U-1", "A", 1), Entry("ジオン", "U-2", "B", 2),
                                      Entry("連邦", "CH-1", "C", 3), Entry("連邦", "G-1", "D", 4)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(rows, {});
        EXPECT_EQ(m.ReorderEntry(0, c.dragged, c.target), c.moved);
        std::string order;
        for (const DeckEntry& e : m.list(0).rows) order += e.cardName;
        EXPECT_EQ(order, c.after);
        EXPECT_EQ(m.total(0), 10);
    }
    DeckModel empty(table);
    EXPECT_FALSE(empty.ReorderEntry(0, 0, 0));
}

TEST_F(DeckModelTest, ShortFactionNamesRewriteBothLists) {
    model.ReplaceDecks(
        {Entry("ティターンズ", "U-4", "ヘルムート", 1), Entry("連邦", "U-1", "レイヴン", 1)},
        {Entry("クロスボーン", "C-5", "海賊", 1), Entry("ザンスカール", "CH-4", "マルタ", 1),
         Entry("ネオジオン", "U-5", "ルキナ", 1)});
    model.ApplyShortFactionNames(true);
    auto factions = [this](int list) {
        std::string s;
        for (const DeckEntry& e : model.list(list).rows) s += e.faction + ",";
        return s;
    };
    EXPECT_EQ(factions(0), "ティタ,連邦,");
    EXPECT_EQ(factions(1), "クロス,ザンス,ネオジ,");
    model.ApplyShortFactionNames(false);
    EXPECT_EQ(factions(0), "ティターンズ,連邦,");
    EXPECT_EQ(factions(1), "クロスボーン,ザンスカール,ネオジオン,");
}

TEST_F(DeckModelTest, ReplaceDecksDropsEmptyEntries) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 7), Entry("ジオン", "U-2", "グラナト", 0),
                        Entry("連邦", "U-99", "幻", 2)},
                       {Entry("ジオン", "U-2", "グラナト", 3)});
    EXPECT_EQ(model.list(0).size(), 2);
    EXPECT_EQ(model.total(0), 9);  // the card missing from the catalogue still counts here
    EXPECT_EQ(model.total(1), 3);
}

TEST(DeckTotal, ColourIsBlackOnlyAtFifty) {
    struct Case {
        int total;
        bool black;
    };
    const Case cases[] = {{50, true}, {49, false}, {51, false}, {0, false}, {-50, false}};
    for (const Case& c : cases) {
        const Rgb colour = DeckTotalColour(static_cast<DeckTotal>(c.total));
        EXPECT_EQ(colour, c.black ? (Rgb{0, 0, 0}) : (Rgb{255, 0, 0})) << c.total;
    }
}

}  // namespace
}  // namespace svdb
