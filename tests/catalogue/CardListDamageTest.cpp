#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "MalformedInput.h"
#include "catalogue/CardListLoader.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Damage;

// A card line of 53 fields, each followed by a comma, in card-list bytes.
std::string CardLine(const std::string& faction, const std::string& number, const std::string& name,
                     const std::string& cost = "2") {
    std::string line = faction + "," + number + "," + name + ",Common,1," + cost + ",";
    for (int col = 7; col <= 52; ++col) line += ",";
    return ShiftJisCodec::encode(line + "0,\r\n");
}

// The version line and three cards; the last line's last two-byte character
// is in its name.
const std::string kGood = "#VERSION 9\r\n" + CardLine("連邦", "U-1", "ノルン") +
                          CardLine("ジオン", "U-2", "グラナト") +
                          CardLine("ティターンズ", "CH-3", "エリン");

// What loading a damaged card list keeps, and what the window says after
// the path ("Load " + path + the stop message). The table starts from a list
// of version "old" with one card, to show what a load replaces.
TEST(CardListDamage, EachDamageHasItsOutcome) {
    struct Row {
        std::string bytes;
        const char* name;
        int cards;
        std::string version;
        const char* stop;  // LoadStopMessage
    };
    const auto damaged = [](Damage d) { return testing::Damaged(kGood, d); };
    // clang-format off
    const Row rows[] = {
        {damaged(Damage::Empty),           "Empty",           0, "old",  ""},
        // The version line is ASCII; a UTF-8 faction name is no faction name.
        {damaged(Damage::Utf8),            "Utf8",            0, "9",    "2 行目で読み込みを中断しました（勢力名が正しくありません）"},
        {damaged(Damage::Utf16WithBom),    "Utf16WithBom",    0, "old",  "1 行目で読み込みを中断しました（項目が 53 個に足りません）"},
        // The noise's first line happens to begin with "#": a comment.
        {damaged(Damage::RandomBytes),     "RandomBytes",     0, "old",  "2 行目で読み込みを中断しました（項目が 53 個に足りません）"},
        {damaged(Damage::CutMidCharacter), "CutMidCharacter", 2, "9",    "4 行目で読み込みを中断しました（項目が 53 個に足りません）"},
        {damaged(Damage::CutMidLine),      "CutMidLine",      2, "9",    "4 行目で読み込みを中断しました（項目が 53 個に足りません）"},
        // Past the 53rd comma nothing is read; the version keeps its NUL.
        {damaged(Damage::NulBytes),        "NulBytes",        3, std::string("9\0", 2), ""},
        {damaged(Damage::MegabyteLine),    "MegabyteLine",    0, "9",    "2 行目で読み込みを中断しました（項目が 53 個に足りません）"},
        {damaged(Damage::LfOnly),          "LfOnly",          3, "9",    ""},
        // A lone CR ends no line: the whole file is one "#VERSION " line.
        {damaged(Damage::CrOnly),          "CrOnly",          0, "9\r連邦", ""},
        {kGood + CardLine("連邦", "U-4", "X", "256"), "CostAbove255", 3, "9",
                                                     "5 行目で読み込みを中断しました（6 列目が 0～255 の整数ではありません）"},
        {kGood + CardLine("連邦", "U-4", "X", "99999999999999999999"), "HugeCost", 3, "9",
                                                     "5 行目で読み込みを中断しました（6 列目が 0～255 の整数ではありません）"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CardTable table;
        LoadCardListBytes(table, "#VERSION old\r\n" + CardLine("その他", "U-9", "ポッド"));
        const LoadOutcome outcome = LoadCardListBytes(table, r.bytes);
        EXPECT_TRUE(outcome.opened);
        EXPECT_EQ(outcome.cardsLoaded, r.cards);
        EXPECT_EQ(table.occupiedCount(), r.cards);
        EXPECT_EQ(table.ListVersion, r.version);
        EXPECT_EQ(LoadStopMessage(outcome), r.stop);
    }
}

// A load touches only the rows an earlier load, or a caller through at(),
// may have filled, and empties every one of them it does not fill again.
TEST(CardListReload, EmptiesEveryRowFilledBefore) {
    CardTable table;
    LoadCardListBytes(table, kGood);
    table.at(4, 500).faction = "∀";
    EXPECT_EQ(table.filledRows(4), 501);
    LoadCardListBytes(table, CardLine("ジオン", "U-1", "グラナト"));
    EXPECT_EQ(table.occupiedCount(), 1);
    for (int slot = 0; slot < CardTable::kSlots; ++slot) {
        EXPECT_EQ(table.filledRows(slot), slot == 1 ? 1 : 0) << slot;
    }
    EXPECT_FALSE(std::as_const(table).at(4, 500).occupied());
}

}  // namespace
}  // namespace svdb
