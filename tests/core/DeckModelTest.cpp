#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Row;

class DeckModelTest : public ::testing::Test {
  protected:
    CardTable table = testing::MakeTestTable();
    DeckModel model{table};

    void ExpectConsistent() {
        for (int i : {0, 1})
            EXPECT_EQ(model.total(i), SumOfCopies(model.list(i).rows)) << "list " << i;
        EXPECT_TRUE(model.stats().sameCounts(testing::Recount(table, model.list(0).rows)));
    }
};

// Adding under the copy rules. Each row starts from the given lists (loaded
// wholesale, as a deck file would be), adds to the given list and checks
// both lists, the copies reported back and that the counters follow.
TEST_F(DeckModelTest, AddRules) {
    const DeckOptions none;
    const DeckOptions noLimit{false, true, false};
    const DeckOptions collect{false, false, true};
    const DeckOptions shortNames{true, false, false};
    const DeckOptions shortCollect{true, false, true};
    const CardListRow raven = Row("連邦", "U-1", "レイヴン");
    const CardListRow gen = Row("連邦", "G-1", "連邦G");
    struct Case {
        const char* name;
        std::vector<DeckEntry> main, side;
        CardListRow card;
        int asked;
        int list;
        DeckOptions options;
        bool added;
        int copiesAfter;
        std::vector<DeckEntry> mainAfter, sideAfter;
    };
    const Case cases[] = {
        {"NewCardThreeCopies",
         {},
         {},
         raven,
         3,
         0,
         none,
         true,
         3,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {}},
        {"FourthCopyRefusedByName",
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {},
         raven,
         1,
         0,
         none,
         false,
         1,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {}},
        {"NoLimitGivesFour",
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {},
         raven,
         1,
         0,
         noLimit,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 4)},
         {}},
        {"SideCopyBlocksThree",
         {},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         raven,
         3,
         0,
         none,
         false,
         3,
         {},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"SideCopyAllowsSecond",
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         raven,
         1,
         0,
         none,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"SideCopyRefusesThird",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         raven,
         1,
         0,
         none,
         false,
         1,
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"TwoPlusThreeClampsToThree",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {},
         raven,
         3,
         0,
         none,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {}},
        {"ClampAlsoWithNoLimit",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {},
         raven,
         3,
         0,
         noLimit,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {}},
        {"ClampAlsoForGeneration",
         {Entry("連邦", "G-1", "連邦G", 2)},
         {},
         gen,
         3,
         0,
         none,
         true,
         1,
         {Entry("連邦", "G-1", "連邦G", 3)},
         {}},
        {"GenerationPastFull",
         {Entry("連邦", "G-1", "連邦G", 3)},
         {},
         gen,
         3,
         0,
         none,
         true,
         3,
         {Entry("連邦", "G-1", "連邦G", 6)},
         {}},
        {"NoLimitPastFull",
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {},
         raven,
         3,
         0,
         noLimit,
         true,
         3,
         {Entry("連邦", "U-1", "レイヴン", 6)},
         {}},
        {"GenerationStillBoundByOtherList",
         {},
         {Entry("連邦", "G-1", "連邦G", 3)},
         gen,
         1,
         0,
         noLimit,
         false,
         1,
         {},
         {Entry("連邦", "G-1", "連邦G", 3)}},
        {"NameCountedOverNumbers",
         {Entry("ジオン", "U-2", "グラナト", 2), Entry("ジオン", "U-3", "グラナト", 1)},
         {},
         Row("ジオン", "U-2", "グラナト"),
         1,
         0,
         none,
         false,
         1,
         {Entry("ジオン", "U-2", "グラナト", 2), Entry("ジオン", "U-3", "グラナト", 1)},
         {}},
        // The name count is taken before the add, so a second number of the
        // same name still gets its own allowance.
        {"NameCountTakenBeforeAdd",
         {Entry("ジオン", "U-2", "グラナト", 2)},
         {},
         Row("ジオン", "U-3", "グラナト"),
         3,
         0,
         none,
         true,
         3,
         {Entry("ジオン", "U-2", "グラナト", 2), Entry("ジオン", "U-3", "グラナト", 3)},
         {}},
        {"OtherFactionEntryIncreased",
         {Entry("ジオン", "U-1", "レイヴン", 1)},
         {},
         raven,
         1,
         0,
         none,
         true,
         1,
         {Entry("ジオン", "U-1", "レイヴン", 2)},
         {}},
        {"CollectModeAppends",
         {Entry("ジオン", "U-1", "レイヴン", 1)},
         {},
         raven,
         1,
         0,
         collect,
         true,
         1,
         {Entry("ジオン", "U-1", "レイヴン", 1), Entry("連邦", "U-1", "レイヴン", 1)},
         {}},
        {"OtherFactionInSideGivesNoAllowance",
         {},
         {Entry("ジオン", "U-1", "レイヴン", 3)},
         raven,
         3,
         0,
         none,
         true,
         3,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {Entry("ジオン", "U-1", "レイヴン", 3)}},
        {"ShortNameStored",
         {},
         {},
         Row("ティターンズ", "U-4", "ヘルムート"),
         1,
         0,
         shortNames,
         true,
         1,
         {Entry("ティタ", "U-4", "ヘルムート", 1)},
         {}},
        {"ShortNameMatchesInCollectMode",
         {Entry("ティタ", "U-4", "ヘルムート", 1)},
         {},
         Row("ティターンズ", "U-4", "ヘルムート"),
         1,
         0,
         shortCollect,
         true,
         1,
         {Entry("ティタ", "U-4", "ヘルムート", 2)},
         {}},
        {"ShortNameAllowanceUsesShortText",
         {},
         {Entry("ティタ", "U-4", "ヘルムート", 2)},
         Row("ティターンズ", "U-4", "ヘルムート"),
         3,
         0,
         shortNames,
         false,
         3,
         {},
         {Entry("ティタ", "U-4", "ヘルムート", 2)}},
        {"SeedKeepsItsName",
         {},
         {},
         Row("Seed", "U-7", "スパーダ"),
         1,
         0,
         shortNames,
         true,
         1,
         {Entry("Seed", "U-7", "スパーダ", 1)},
         {}},
        {"LastIdenticalSideEntryCounts",
         {},
         {Entry("連邦", "U-1", "レイヴン", 2), Entry("連邦", "U-1", "レイヴン", 1)},
         raven,
         2,
         0,
         none,
         true,
         2,
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {Entry("連邦", "U-1", "レイヴン", 2), Entry("連邦", "U-1", "レイヴン", 1)}},
        {"OverLimitEntryRefused",
         {Entry("連邦", "U-1", "レイヴン", 5)},
         {},
         raven,
         1,
         0,
         none,
         false,
         1,
         {Entry("連邦", "U-1", "レイヴン", 5)},
         {}},
        {"OverLimitEntryWithNoLimit",
         {Entry("連邦", "U-1", "レイヴン", 5)},
         {},
         raven,
         1,
         0,
         noLimit,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 6)},
         {}},
        {"DuplicateEntriesFirstIncreased",
         {Entry("連邦", "U-1", "レイヴン", 1), Entry("連邦", "U-1", "レイヴン", 1)},
         {},
         raven,
         3,
         0,
         none,
         true,
         2,
         {Entry("連邦", "U-1", "レイヴン", 3), Entry("連邦", "U-1", "レイヴン", 1)},
         {}},
        {"SideTargetLimitedByMain",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {},
         raven,
         3,
         1,
         none,
         false,
         3,
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {}},
        {"SideTargetGetsTheRest",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {},
         raven,
         1,
         1,
         none,
         true,
         1,
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"NoCopiesAskedAddsNothing", {}, {}, raven, 0, 0, none, false, 0, {}, {}},
        {"UnknownListAddsNothing", {}, {}, raven, 1, 2, none, false, 1, {}, {}},
        {"CardMissingFromCatalogueStillListed",
         {},
         {},
         Row("連邦", "U-99", "幻"),
         2,
         0,
         none,
         true,
         2,
         {Entry("連邦", "U-99", "幻", 2)},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(c.main, c.side);
        const DeckStats before = m.stats();
        std::int16_t copies = static_cast<std::int16_t>(c.asked);
        EXPECT_EQ(m.AddListItem(c.card, copies, c.list, c.options), c.added);
        EXPECT_EQ(copies, c.copiesAfter);
        EXPECT_TRUE(testing::SameRows(m.list(0).rows, c.mainAfter))
            << testing::Describe(m.list(0).rows);
        EXPECT_TRUE(testing::SameRows(m.list(1).rows, c.sideAfter))
            << testing::Describe(m.list(1).rows);
        for (int i : {0, 1}) EXPECT_EQ(m.total(i), SumOfCopies(m.list(i).rows));
        EXPECT_TRUE(m.stats().sameCounts(testing::Recount(table, m.list(0).rows)));
        if (!c.added || c.list != 0) {
            EXPECT_TRUE(m.stats().sameCounts(before));
        }
    }
}

TEST_F(DeckModelTest, AddCardWithoutCurrentRowDoesNothing) {
    std::int16_t copies = 3;
    EXPECT_FALSE(model.AddCard(copies, 0, nullptr, DeckOptions{}));
    EXPECT_TRUE(model.list(0).empty());
    const CardListRow row = Row("連邦", "U-1", "レイヴン");
    EXPECT_TRUE(model.AddCard(copies, 0, &row, DeckOptions{}));
    EXPECT_EQ(model.total(0), 3);
    EXPECT_FALSE(model.list(0).selectedRow());
}

TEST_F(DeckModelTest, AddTalliesOnlyTheCopiesAdded) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2)}, {});
    std::int16_t copies = 3;
    model.AddListItem(Row("連邦", "U-1", "レイヴン"), copies, 0, DeckOptions{});
    EXPECT_EQ(model.stats().typeCount(CardType::Unit), 3);
    EXPECT_EQ(model.stats().rarityCount(Rarity::Rare), 3);
    EXPECT_EQ(model.total(0), 3);
}

TEST_F(DeckModelTest, CountCopiesByNameSumsEveryEntryOfTheName) {
    model.ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 3), Entry("連邦", "U-1", "レイヴン", 1),
                        Entry("その他", "U-3", "グラナト", 40), Entry("ジオン", "U-2", "グラナト", 2)},
                       {Entry("ジオン", "U-2", "グラナト", 1)});
    EXPECT_EQ(model.CountCopiesByName("グラナト", 0), 45);
    EXPECT_EQ(model.CountCopiesByName("グラナト", 1), 1);
    EXPECT_EQ(model.CountCopiesByName("グラナト ", 0), 0);
    EXPECT_EQ(model.CountCopiesByName("グラナト", 5), 0);
}

// Moving one copy between the lists, as the two move buttons do.
TEST_F(DeckModelTest, MoveRules) {
    struct Case {
        const char* name;
        std::vector<DeckEntry> main, side;
        int sourceRow;  // selected row of the source list, -1 none
        int to;
        bool moved;
        std::vector<DeckEntry> mainAfter, sideAfter;
    };
    const Case cases[] = {
        {"SideToEmptyMain",
         {},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         0,
         0,
         true,
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {}},
        {"MainToSideKeepsRestOfEntry",
         {Entry("連邦", "U-1", "レイヴン", 2)},
         {},
         0,
         1,
         true,
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"IntoFullRefused",
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         0,
         0,
         false,
         {Entry("連邦", "U-1", "レイヴン", 3)},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"GenerationIntoFullGetsFourth",
         {Entry("連邦", "G-1", "連邦G", 3)},
         {Entry("連邦", "G-1", "連邦G", 1)},
         0,
         0,
         true,
         {Entry("連邦", "G-1", "連邦G", 4)},
         {}},
        {"OtherFactionIsNotIdentical",
         {Entry("ジオン", "U-1", "レイヴン", 3)},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         0,
         0,
         true,
         {Entry("ジオン", "U-1", "レイヴン", 3), Entry("連邦", "U-1", "レイヴン", 1)},
         {}},
        {"NameLimitPlaysNoPart",
         {Entry("ジオン", "U-2", "グラナト", 3)},
         {Entry("ジオン", "U-3", "グラナト", 1)},
         0,
         0,
         true,
         {Entry("ジオン", "U-2", "グラナト", 3), Entry("ジオン", "U-3", "グラナト", 1)},
         {}},
        {"NoSelectionMovesNothing",
         {},
         {Entry("連邦", "U-1", "レイヴン", 1)},
         -1,
         0,
         false,
         {},
         {Entry("連邦", "U-1", "レイヴン", 1)}},
        {"EmptySourceMovesNothing",
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {},
         -1,
         0,
         false,
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {}},
        {"SelectedDuplicateMoved",
         {},
         {Entry("連邦", "U-1", "レイヴン", 1), Entry("ジオン", "U-2", "グラナト", 4)},
         1,
         0,
         true,
         {Entry("ジオン", "U-2", "グラナト", 1)},
         {Entry("連邦", "U-1", "レイヴン", 1), Entry("ジオン", "U-2", "グラナト", 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(c.main, c.side);
        if (c.sourceRow >= 0) m.SetSelectedRow(1 - c.to, c.sourceRow);
        EXPECT_EQ(m.MoveOneCopy(c.to), c.moved);
        EXPECT_TRUE(testing::SameRows(m.list(0).rows, c.mainAfter))
            << testing::Describe(m.list(0).rows);
        EXPECT_TRUE(testing::SameRows(m.list(1).rows, c.sideAfter))
            << testing::Describe(m.list(1).rows);
        for (int i : {0, 1}) EXPECT_EQ(m.total(i), SumOfCopies(m.list(i).rows));
        EXPECT_TRUE(m.stats().sameCounts(testing::Recount(table, m.list(0).rows)));
    }
}

TEST_F(DeckModelTest, AddSideClampsAndReportsCopiesPlaced) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2)},
                       {Entry("連邦", "U-1", "レイヴン", 3)});
    model.SetSelectedRow(1, 0);
    std::int16_t copies = 3;
    EXPECT_TRUE(model.AddSide(copies, 0, 1));
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(model.list(0).rows[0].copies, 3);
    EXPECT_EQ(model.list(1).rows[0].copies, 3);  // the source keeps its copies
    EXPECT_EQ(model.stats().typeCount(CardType::Unit), 3);
    copies = 1;
    EXPECT_FALSE(model.AddSide(copies, 1, 1));  // a list onto itself
}

TEST_F(DeckModelTest, Removals) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2), Entry("ジオン", "U-2", "グラナト", 5),
                        Entry("連邦", "CH-1", "リオ", 1)},
                       {Entry("連邦", "O-1", "基地", 1)});
    // No selected row: nothing happens.
    model.RemoveOneCopy(0);
    model.RemoveEntry(0);
    EXPECT_EQ(model.total(0), 8);

    model.SetSelectedRow(0, 0);
    model.RemoveOneCopy(0);
    EXPECT_EQ(model.list(0).rows[0].copies, 1);
    EXPECT_EQ(model.list(0).selectedRow(), 0);
    model.RemoveOneCopy(0);  // the last copy takes the row with it
    EXPECT_EQ(model.list(0).size(), 2);
    EXPECT_FALSE(model.list(0).selectedRow());
    model.RemoveOneCopy(0);  // and leaves nothing selected to remove from
    EXPECT_EQ(model.total(0), 6);
    ExpectConsistent();

    model.SetSelectedRow(0, 0);
    model.RemoveEntry(0);  // an entry above three copies goes whole
    EXPECT_TRUE(testing::SameRows(model.list(0).rows, {Entry("連邦", "CH-1", "リオ", 1)}));
    EXPECT_EQ(model.total(0), 1);
    EXPECT_EQ(model.stats().factionCount(1), 0);
    ExpectConsistent();

    const DeckStats before = model.stats();
    model.SetSelectedRow(1, 0);
    model.RemoveOneCopy(1);
    EXPECT_TRUE(model.list(1).empty());
    EXPECT_EQ(model.total(1), 0);
    EXPECT_TRUE(model.stats().sameCounts(before));
    model.RemoveOneCopy(1);  // empty list
    model.RemoveEntry(1);
    EXPECT_EQ(model.total(1), 0);
}

TEST_F(DeckModelTest, ClearDecks) {
    model.ClearDecks();  // already empty
    EXPECT_EQ(model.total(0), 0);
    EXPECT_EQ(model.total(1), 0);
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2), Entry("ジオン", "U-2", "グラナト", 1)},
                       {Entry("連邦", "O-1", "基地", 1)});
    model.SetSelectedRow(0, 1);
    model.ClearDecks();
    EXPECT_TRUE(model.list(0).empty());
    EXPECT_TRUE(model.list(1).empty());
    EXPECT_FALSE(model.list(0).selectedRow());
    EXPECT_EQ(model.total(0), 0);
    EXPECT_EQ(model.total(1), 0);
    EXPECT_TRUE(model.stats().empty());
    EXPECT_TRUE(model.LayoutFactionBar(100).empty());
}

TEST_F(DeckModelTest, Reorder) {
    struct Case {
        const char* name;
        int dragged, target;
        bool moved;
        const char* after;
    };
    const Case cases[] = {
        {"LastOntoSecond", 3, 1, true, "ADBC"}, {"FirstOntoThird", 0, 2, true, "BACD"},
        {"OntoLastRow", 0, 3, true, "BCAD"},    {"LastOntoFirst", 3, 0, true, "DABC"},
        {"OntoNextRow", 0, 1, false, "ABCD"},   {"OntoItself", 2, 2, false, "ABCD"},
        {"UpOneRow", 2, 1, true, "ACBD"},       {"OutOfRange", 1, 4, false, "ABCD"},
        {"NegativeRow", -1, 2, false, "ABCD"},
    };
    const std::vector<DeckEntry> rows{Entry("連邦", "U-1", "A", 1), Entry("ジオン", "U-2", "B", 2),
                                      Entry("連邦", "CH-1", "C", 3), Entry("連邦", "G-1", "D", 4)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeckModel m(table);
        m.ReplaceDecks(rows, {});
        m.SetSelectedRow(0, c.dragged);
        const int selectedName = c.dragged >= 0 && c.dragged < 4 ? 'A' + c.dragged : -1;
        const DeckStats before = m.stats();
        EXPECT_EQ(m.ReorderEntry(0, c.dragged, c.target), c.moved);
        std::string order;
        for (const DeckEntry& e : m.list(0).rows) order += e.cardName;
        EXPECT_EQ(order, c.after);
        EXPECT_EQ(m.total(0), 10);
        EXPECT_TRUE(m.stats().sameCounts(before));
        if (selectedName > 0) {  // the dragged entry stays selected
            ASSERT_TRUE(m.list(0).selectedRow());
            EXPECT_EQ(m.list(0).rows[*m.list(0).selectedRow()].cardName,
                      std::string(1, static_cast<char>(selectedName)));
        }
    }
    DeckModel empty(table);
    EXPECT_FALSE(empty.ReorderEntry(0, 0, 0));
}

TEST_F(DeckModelTest, ShortFactionNamesRewriteBothLists) {
    model.ReplaceDecks(
        {Entry("ティターンズ", "U-4", "ヘルムート", 1), Entry("連邦", "U-1", "レイヴン", 1)},
        {Entry("クロスボーン", "C-5", "海賊", 1), Entry("ザンスカール", "CH-4", "マルタ", 1),
         Entry("ネオジオン", "U-5", "ルキナ", 1)});
    const DeckStats before = model.stats();
    model.ApplyShortFactionNames(true);
    auto factions = [this](int list) {
        std::string s;
        for (const DeckEntry& e : model.list(list).rows) s += e.faction + ",";
        return s;
    };
    EXPECT_EQ(factions(0), "ティタ,連邦,");
    EXPECT_EQ(factions(1), "クロス,ザンス,ネオジ,");
    EXPECT_TRUE(model.stats().sameCounts(before));
    model.ApplyShortFactionNames(false);
    EXPECT_EQ(factions(0), "ティターンズ,連邦,");
    EXPECT_EQ(factions(1), "クロスボーン,ザンスカール,ネオジオン,");
}

TEST_F(DeckModelTest, ReplaceDecksTalliesMainOnlyAndDropsEmptyEntries) {
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 7), Entry("ジオン", "U-2", "グラナト", 0),
                        Entry("連邦", "U-99", "幻", 2)},
                       {Entry("ジオン", "U-2", "グラナト", 3)});
    EXPECT_EQ(model.list(0).size(), 2);
    EXPECT_EQ(model.total(0), 9);  // the card missing from the catalogue still counts here
    EXPECT_EQ(model.total(1), 3);
    EXPECT_EQ(model.stats().typeCount(CardType::Unit), 7);
    EXPECT_EQ(model.stats().factionCount(1), 0);
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
