#include <gtest/gtest.h>

#include <string>

#include "catalogue/CardTable.h"
#include "catalogue/CardType.h"
#include "catalogue/ExpansionNames.h"
#include "catalogue/ValueInRange.h"
#include "text/Occurrences.h"
#include "text/Wildcard.h"

namespace svdb {
namespace {

TEST(FactionSlotOf, LongAndShortNames) {
    struct Row {
        const char* name;
        int slot;
    };
    const Row rows[] = {
        {"連邦", 0},
        {"ジオン", 1},
        {"ティターンズ", 2},
        {"ザンスカール", 2},
        {"ティタ", 2},
        {"ザンス", 2},
        {"ネオジオン", 3},
        {"クロスボーン", 3},
        {"ネオジ", 3},
        {"クロス", 3},
        {"∀", 4},
        {"Ｘ", 4},
        {"Ｗ", 5},
        {"Seed", 5},
        {"その他", 6},
        {"ジオン公国", 6},
        {"", 6},
        {"seed", 6},
        {"X", 6},
    };
    for (const Row& r : rows) EXPECT_EQ(FactionSlotOf(r.name), r.slot) << r.name;
}

TEST(CardTypeOf, Prefixes) {
    struct Row {
        const char* number;
        const char* type;
    };
    const Row rows[] = {
        {"U-12", "UNIT"},   {"SP-3", "UNIT"},     {"SPOL-001", "UNIT"}, {"CH-7", "CHARACTER"},
        {"C-1", "COMMAND"}, {"SPC-2", "COMMAND"}, {"O-4", "OPERATION"}, {"G-9", "GENERATION"},
        {"X-1", ""},        {"SPX-1", ""},        {"u-1", ""},          {"", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(CardTypeOf(r.number), r.type) << r.number;
}

TEST(ExpansionNames, IndexBeyondListShowsDashes) {
    EXPECT_EQ(ExpansionNameOf(16), "相剋の軌跡");  // the last name
    EXPECT_EQ(ExpansionNameOf(17), "--");
    EXPECT_EQ(ExpansionNameOf(255), "--");
}

TEST(ValueInRange, Table) {
    struct Row {
        const char* low;
        const char* high;
        const char* value;
        bool in;
    };
    const Row rows[] = {
        {"*", "3", "X", false},  // X counts as 9
        {"0", "9", "*", true},   // * counts as 0
        {"0", "9", "X", true},
        {"3", "5", "3", true},
        {"3", "5", "5", true},
        {"3", "5", "6", false},
        {"3", "5", "2", false},
        {"*", "2", "0", true},
        // Texts that are no number are never in range, and never crash.
        {"3", "5", "", false},
        {"3", "5", "4a", false},
        {"3", "5", "-4", false},
        {"3", "*", "4", false},
        {"", "5", "4", false},
        {"0", "999", "4", false},
        {"0", "255", "255", true},
        {"0", "255", "256", false},
        {"x", "5", "4", false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ValueInRange(r.low, r.high, r.value), r.in)
            << r.low << " " << r.high << " " << r.value;
    }
}

TEST(FindCardRow, NumberAndNameMustBothMatch) {
    CardTable table;
    table.at(2, 0).faction = "ティターンズ";
    table.at(2, 0).cardNumber = "U-1";
    table.at(2, 0).front.name = "甲";
    table.at(2, 1).faction = "ザンスカール";
    table.at(2, 1).cardNumber = "U-1";
    table.at(2, 1).front.name = "乙";
    EXPECT_EQ(FindCardRow(table, 2, "U-1", "乙"), 1);
    EXPECT_EQ(FindCardRow(table, 2, "U-1", "丙"), std::nullopt);
    EXPECT_EQ(FindCardRowByNumber(table, 2, "U-1"), 0);
    EXPECT_EQ(FindCardRow(table, 3, "", ""), std::nullopt);  // empty rows never match
}

TEST(Like, WholeStringWildcard) {
    struct Row {
        const char* text;
        const char* pattern;
        bool match;
    };
    const Row rows[] = {
        {"U-1", "U-*", true},
        {"SPC-1", "SP-*", false},
        {"", "*", true},
        {"", "", true},
        {"a", "", false},
        {"変形", "*変形", true},
        {"可変変形", "*変形", true},
        {"変形する", "*変形", false},
        {"サイコミュ(2)", "*サイコ*", true},
        {"abc", "a*b*c", true},
        {"abc", "ABC", false},
        {"aXbXc", "*X*X*", true},
        {"ab", "a*b*c", false},
        {"艦船用修正+1", "艦船用修正*", true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Like(r.text, r.pattern), r.match) << r.text << " " << r.pattern;
}

TEST(CountOccurrences, NonOverlapping) {
    EXPECT_EQ(CountOccurrences("一\\r二\\r三", "\\r"), 2);
    EXPECT_EQ(CountOccurrences("なし", "\\r"), 0);
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
}

}  // namespace
}  // namespace svdb
