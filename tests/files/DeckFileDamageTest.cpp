#include <gtest/gtest.h>

#include <string>

#include "MalformedInput.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "files/DeckCsvFile.h"
#include "files/DeckTextFile.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Damage;
using testing::Damaged;

std::string Golden(const char* name) {
    return *ReadFileBytes(std::string(SVDB_TEST_DATA_DIR) + "/files/" + name);
}

std::string Sjis(const std::string& utf8) {
    return ShiftJisCodec::encode(utf8);
}

// What reading a damaged deck text file keeps. The window then shows exactly
// these rows (and the title), for the file was read; no message.
TEST(DeckFileDamage, DeckTextKeepsWhatItReadUpToWhereItStopped) {
    const std::string good = Golden("deck_with_side.txt");  // 10 main rows, 3 side rows
    struct Row {
        std::string bytes;
        const char* name;
        int main, side;
        bool titleKept;  // the title is "テスト デッキ"
    };
    const auto damaged = [&](Damage d) { return Damaged(good, d); };
    // clang-format off
    const Row rows[] = {
        {damaged(Damage::Empty),           "Empty",           0,  0, false},
        // The UTF-8 side marker is a rule: the side rows join the main deck.
        {damaged(Damage::Utf8),            "Utf8",            13, 0, false},
        // Every line ends in a NUL byte, not in a count: reading ends at the first.
        {damaged(Damage::Utf16WithBom),    "Utf16WithBom",    0,  0, false},
        {damaged(Damage::RandomBytes),     "RandomBytes",     0,  0, false},
        // The damage is past the first type line, which ends the reading.
        {damaged(Damage::CutMidCharacter), "CutMidCharacter", 10, 3, true},
        {damaged(Damage::CutMidLine),      "CutMidLine",      10, 3, true},
        {damaged(Damage::NulBytes),        "NulBytes",        0,  0, false},
        {damaged(Damage::MegabyteLine),    "MegabyteLine",    10, 3, true},
        {damaged(Damage::LfOnly),          "LfOnly",          10, 3, true},
        // A lone CR ends no line: the whole file is the title.
        {damaged(Damage::CrOnly),          "CrOnly",          0,  0, false},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DeckTextRead read = LoadDeckTextBytes(r.bytes);
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.mainRows.size(), static_cast<std::size_t>(r.main));
        EXPECT_EQ(read.sideRows.size(), static_cast<std::size_t>(r.side));
        EXPECT_EQ(read.title == "テスト デッキ", r.titleKept) << read.title.substr(0, 40);
    }
}

// The same for the comma-separated deck file.
TEST(DeckFileDamage, DeckCsvKeepsWhatItReadUpToWhereItStopped) {
    const std::string good = Golden("deck.csv");  // 10 rows
    struct Row {
        std::string bytes;
        const char* name;
        int main;
    };
    const auto damaged = [&](Damage d) { return Damaged(good, d); };
    // clang-format off
    const Row rows[] = {
        {damaged(Damage::Empty),           "Empty",           0},
        // Commas are commas in UTF-8 too: ten rows of misread names.
        {damaged(Damage::Utf8),            "Utf8",            10},
        // Each count is followed by a NUL byte: reading ends at the first.
        {damaged(Damage::Utf16WithBom),    "Utf16WithBom",    0},
        {damaged(Damage::RandomBytes),     "RandomBytes",     0},
        // The cut last line has fewer than four fields and is skipped.
        {damaged(Damage::CutMidCharacter), "CutMidCharacter", 9},
        {damaged(Damage::CutMidLine),      "CutMidLine",      9},
        {damaged(Damage::NulBytes),        "NulBytes",        0},
        {damaged(Damage::MegabyteLine),    "MegabyteLine",    10},
        {damaged(Damage::LfOnly),          "LfOnly",          10},
        // A lone CR ends no line: one line of 31 fields, skipped.
        {damaged(Damage::CrOnly),          "CrOnly",          0},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DeckCsvRead read = LoadDeckCsvBytes(r.bytes);
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.mainRows.size(), static_cast<std::size_t>(r.main));
    }
}

// The deck the window shows after opening a file holds what its totals can:
// rows of no copies are dropped, and so is the row that would take a list
// past 32767 copies with every row after it.
TEST(DeckFileDamage, TheDeckKeepsWhatItsTotalsHold) {
    const auto names = [](const DeckList& list) {
        std::string out;
        for (const DeckEntry& e : list.rows) out += e.cardName;
        return out;
    };
    const DeckTextRead text = LoadDeckTextBytes(
        Sjis("t\r\n連邦 U-1 A × 30000\r\n連邦 U-1 B × 0\r\n連邦 U-1 C × 2767\r\n"
             "連邦 U-1 D × 1\r\n連邦 U-1 E × 1\r\n-- サイドボード --\r\n連邦 U-1 F × 32767\r\n"
             "連邦 U-1 G × -1\r\n連邦 U-1 H × 1\r\n"));
    const DeckCsvRead csv =
        LoadDeckCsvBytes(Sjis("連邦,U-1,A,30000\r\n連邦,U-1,B,2768\r\n連邦,U-1,C,1\r\n"));
    ASSERT_EQ(text.mainRows.size(), 5u);
    ASSERT_EQ(text.sideRows.size(), 3u);
    ASSERT_EQ(csv.mainRows.size(), 3u);

    CardTable table;
    DeckModel deck(table);
    deck.ReplaceDecks(text.mainRows, text.sideRows);
    EXPECT_EQ(names(deck.list(DeckModel::kMain)), "AC");
    EXPECT_EQ(deck.total(DeckModel::kMain), 32767);
    EXPECT_EQ(names(deck.list(DeckModel::kSide)), "F");
    EXPECT_EQ(deck.total(DeckModel::kSide), 32767);
    deck.ReplaceDecks(csv.mainRows, {});
    EXPECT_EQ(names(deck.list(DeckModel::kMain)), "A");
    EXPECT_EQ(deck.total(DeckModel::kMain), 30000);
}

}  // namespace
}  // namespace svdb
