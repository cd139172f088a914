#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "files/DeckPrintout.h"
#include "stats/MainDeckStats.h"

namespace svdb {
namespace {

using Kind = PrintoutRow::Kind;
using testing::Entry;

PrintoutRow Heading(const char* text) {
    return {Kind::Heading, {}, {}, text, 0};
}
PrintoutRow Card(const char* faction, const char* number, const char* name, int copies) {
    return {Kind::Card, faction, number, name, copies};
}
PrintoutRow Figure(const char* text, int count) {
    return {Kind::Figure, {}, {}, text, count};
}

TEST(DeckPrintout, ShowsBothListsTheirTotalsAndTheTypeCounts) {
    const CardTable table = testing::MakeTestTable();
    DeckModel deck(table);
    MainDeckStats stats(deck);
    deck.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 3), Entry("連邦", "G-1", "連邦G", 2),
                       Entry("連邦", "CH-1", "リオ", 1)},
                      {Entry("Seed", "U-7", "スパーダ", 2)});
    const std::vector<PrintoutRow> common = {
        Heading("メインデッキ"),
        Card("連邦", "U-1", "レイヴン", 3),
        Card("連邦", "G-1", "連邦G", 2),
        Card("連邦", "CH-1", "リオ", 1),
        Figure("合計", 6),
    };
    const std::vector<PrintoutRow> types = {
        Heading("タイプ別枚数"), Figure("UNIT", 3),      Figure("CHARACTER", 1),
        Figure("COMMAND", 0),    Figure("OPERATION", 0), Figure("GENERATION", 2),
    };
    std::vector<PrintoutRow> expected = common;
    expected.push_back(Heading("サイドボード"));
    expected.push_back(Card("Seed", "U-7", "スパーダ", 2));
    expected.push_back(Figure("合計", 2));
    expected.insert(expected.end(), types.begin(), types.end());

    DeckPrintout p = MakeDeckPrintout("速攻", deck, stats.stats());
    EXPECT_EQ(p.title, "速攻");
    EXPECT_EQ(p.rows, expected);

    // Without side-deck entries the side section is left out.
    deck.ReplaceDecks(deck.list(DeckModel::kMain).rows, {});
    expected = common;
    expected.insert(expected.end(), types.begin(), types.end());
    EXPECT_EQ(MakeDeckPrintout("速攻", deck, stats.stats()).rows, expected);
}

TEST(DeckPrintout, AnUntitledDeckGetsATitle) {
    EXPECT_EQ(PrintoutTitle(""), "無題のデッキ");
    EXPECT_EQ(PrintoutTitle(" \t "), "無題のデッキ");
    EXPECT_EQ(PrintoutTitle(" 速攻 "), " 速攻 ");
}

// A heading, then cards; a second heading at index `secondHeading` when not 0.
std::vector<PrintoutRow> Rows(int count, int secondHeading = 0) {
    std::vector<PrintoutRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(i == 0 || i == secondHeading ? Heading("H") : Card("F", "U-1", "N", 1));
    return rows;
}

// Pages of 150 points: 10 rows of 15 points at the full size of 10 points,
// 16 at the smallest of 6; 100 points wide with a gap of 10 between columns.
TEST(DeckPrintout, PlanFitsOnePageBeforeAddingPages) {
    struct Row {
        int rows;
        double rowWidth;
        double fontSize;
        int columns;
        int pages;
    };
    // clang-format off
    const Row cases[] = {
        {10, 4.0, 10.0, 1, 1},   // one column at the full size
        {11, 4.0, 10.0, 2, 1},   // then two
        {20, 4.0, 10.0, 2, 1},
        {21, 4.0,  9.0, 2, 1},   // then a smaller font
        {32, 4.0,  6.0, 2, 1},
        {40, 4.0,  6.0, 2, 2},   // then more pages, never fewer rows
        {11, 6.0,  9.0, 1, 1},   // two columns would be too wide
        {10, 20.0, 5.0, 1, 1},   // too wide even at the smallest size: smaller still
        {40, 20.0, 5.0, 1, 2},
    };
    // clang-format on
    for (const Row& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows of width " + std::to_string(c.rowWidth));
        PrintoutFrame frame;
        frame.bodyWidth = 100;
        frame.bodyHeight = 150;
        frame.rowWidth = c.rowWidth;
        frame.columnGap = 10;
        const std::vector<PrintoutRow> rows = Rows(c.rows);
        const PrintoutPlan plan = PlanPrintout(rows, frame);
        EXPECT_DOUBLE_EQ(plan.fontSize, c.fontSize);
        EXPECT_EQ(plan.columns, c.columns);
        EXPECT_EQ(plan.pages(), c.pages);
        EXPECT_LE(plan.columns * c.rowWidth * plan.fontSize, frame.bodyWidth);
        // Every row is in exactly one column, in order, within the column's room.
        std::size_t next = 0;
        for (const PrintoutPlan::Column& col : plan.filled) {
            EXPECT_EQ(col.begin, next);
            EXPECT_GT(col.end, col.begin);
            EXPECT_LE(col.end - col.begin, static_cast<std::size_t>(plan.rowsPerColumn));
            next = col.end;
        }
        EXPECT_EQ(next, rows.size());
    }
}

TEST(DeckPrintout, AHeadingStartsTheColumnOfItsFirstRow) {
    PrintoutFrame frame;
    frame.bodyWidth = 100;
    frame.bodyHeight = 150;
    frame.rowWidth = 4;
    const std::vector<PrintoutRow> rows = Rows(15, 9);  // the second heading would end column 1
    const std::vector<PrintoutPlan::Column> expected = {{0, 9}, {9, 15}};
    EXPECT_EQ(PlanPrintout(rows, frame).filled, expected);
}

}  // namespace
}  // namespace svdb
