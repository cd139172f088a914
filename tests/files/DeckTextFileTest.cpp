#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "GoldenDeck.h"
#include "files/DeckCsvFile.h"
#include "files/DeckTextFile.h"
#include "stats/MainDeckStats.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::Describe;
using testing::Entry;
using testing::GoldenMain;
using testing::SameRows;

std::string DataFile(const char* name) {
    return std::string(SVDB_TEST_DATA_DIR) + "/files/" + name;
}

// The golden files hold GoldenMain() and a side-deck entry (with half-width
// katakana) wider than every main entry.
std::vector<DeckEntry> GoldenSide() {
    return {Entry("ジオン", "U-3", "グラナト", 1), Entry("ザンスカール", "CH-4", "マルタ・ｶｽﾀﾑ", 3),
            Entry("∀", "U-6", "ソレイユ", 2)};
}

class DeckFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("svdb_deckfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    fs::path dir;
};

// The deck as the program holds it, written by SaveDeckText with the
// statistics a load of its rows gives, is the golden file byte for byte; the
// golden file reads back as the same deck.
TEST_F(DeckFileTest, TextGoldenFiles) {
    const CardTable table = testing::MakeTestTable();
    for (const bool withSide : {true, false}) {
        const char* name = withSide ? "deck_with_side.txt" : "deck_without_side.txt";
        SCOPED_TRACE(name);
        const std::vector<DeckEntry> side = withSide ? GoldenSide() : std::vector<DeckEntry>{};
        DeckModel deck(table);
        MainDeckStats stats(deck);
        deck.ReplaceDecks(GoldenMain(), side);

        std::string reason;
        ASSERT_TRUE(
            SaveDeckText(path(name), MakeDeckText("テスト デッキ", deck, stats.stats()), &reason))
            << reason;
        EXPECT_EQ(ReadFileBytes(path(name)), ReadFileBytes(DataFile(name)));

        const DeckTextRead read = LoadDeckText(DataFile(name));
        ASSERT_TRUE(read.opened) << read.reason;
        EXPECT_EQ(read.title, "テスト デッキ");
        EXPECT_TRUE(SameRows(read.mainRows, GoldenMain())) << Describe(read.mainRows);
        EXPECT_TRUE(SameRows(read.sideRows, side)) << Describe(read.sideRows);
    }
}

// A deck whose entries are narrower than "Total" (here none at all) still
// gets its whole file: the total line has no padding rather than failing.
TEST(DeckTextFile, EmptyDeckWritesTheWholeFile) {
    DeckText deck;
    deck.typeCounts = {0, 0, 0, 0, 0};
    const std::string expected = ShiftJisCodec::encode(
        "\r\n-------\r\n-------\r\n-Total 0\r\n-------\r\nデッキ構成\r\n\r\n"
        "UNIT       0枚\r\nCHARACTER  0枚\r\nCOMMAND    0枚\r\nOPERATION  0枚\r\n"
        "GENERATION 0枚\r\n");
    EXPECT_EQ(DeckTextBytes(deck), expected);
    const DeckTextRead read = LoadDeckTextBytes(expected);
    EXPECT_TRUE(read.mainRows.empty() && read.sideRows.empty() && read.title.empty());
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return ShiftJisCodec::encode(text);
}

// The lines after the title and the rows they give. A line that ends the
// reading is followed by one that would be read otherwise.
TEST(DeckTextFile, ReadsLines) {
    struct Case {
        std::string body;
        const char* main;
        const char* side;
    };
    // clang-format off
    const Case cases[] = {
        {Lines({"連邦 U-1 レイヴン × 3"}),                          "[連邦 U-1 レイヴン 3]", ""},
        {Lines({"連邦 U-1 レイヴン × 32767"}),                      "[連邦 U-1 レイヴン 32767]", ""},
        {Lines({"連邦 U-1 レイヴン × 007"}),                        "[連邦 U-1 レイヴン 7]", ""},
        {Lines({"連邦 U-1 レイヴン × 3 \t "}),                      "[連邦 U-1 レイヴン 3]", ""},
        {Lines({"連邦 U-1 レイヴン × -2"}),                         "[連邦 U-1 レイヴン -2]", ""},
        {Lines({"連邦 U-1  A  B    × 12"}),                         "[連邦 U-1 A  B 12]", ""},
        {Lines({"連邦  U-1 A × 1"}),                                "[連邦  U-1 A 1]", ""},
        {Lines({"     × 3"}),                                       "[   3]", ""},
        {Lines({"連邦 U-1 × × 3"}),                                 "[連邦 U-1  3]", ""},
        {Lines({"連邦 U-1 A×B C 3"}),                               "[連邦 U-1 A×B C 3]", ""},
        {Lines({"連邦 U-1 A 3", "デッキ構成", "連邦軍　　　　12枚", "", "連邦 U-1 B × 1"}),
                                                                     "[連邦 U-1 B 1]", ""},
        {Lines({"連邦 U-1 A × 32768", "連邦 U-1 B × 1"}),           "", ""},
        {Lines({"連邦 U-1 A × 3枚", "連邦 U-1 B × 1"}),             "", ""},
        {Lines({"連邦 U-1 A × ", "連邦 U-1 B × 1"}),                "", ""},
        {Lines({"連邦 U-1 A × 1", "UNIT       1枚", "連邦 U-1 B × 1"}), "[連邦 U-1 A 1]", ""},
        {Lines({"-- サイドボード --", "連邦 U-1 A × 1", "-", "連邦 U-1 B × 2"}),
                                                                     "[連邦 U-1 B 2]", "[連邦 U-1 A 1]"},
        {Lines({"-- サイドボード -- ", "連邦 U-1 A × 1"}),          "[連邦 U-1 A 1]", ""},
        {Lines({"-連邦 U-1 A × 1"}),                                "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(ShiftJisCodec::decode(c.body));
        const DeckTextRead read = LoadDeckTextBytes(ShiftJisCodec::encode("t\r\n") + c.body);
        EXPECT_EQ(Describe(read.mainRows), c.main);
        EXPECT_EQ(Describe(read.sideRows), c.side);
    }
}

// Random decks survive a save and a load in both formats (the
// comma-separated file holds the main deck only).
TEST(DeckFiles, RandomDecksSurviveSaveAndLoad) {
    const std::vector<std::string> factions = {
        "連邦",   "ジオン",     "ティターンズ", "ティタ",       "ザンスカール",
        "ザンス", "ネオジオン", "ネオジ",       "クロスボーン", "クロス",
        "∀",      "Ｘ",         "Ｗ",           "Seed",         "その他"};
    const std::vector<std::string> prefixes = {"U-", "CH-", "C-", "O-", "G-", "SP-", "SPOL-"};
    const std::vector<std::string> words = {"レイヴン", "Mk-II", "ｶﾞﾝﾅｰ", "ザク改", "Ａ", "08",
                                            "A×B",      "-",     "連邦G", "ﾊﾟｲﾛｯﾄ", "×2"};
    const std::vector<std::string> titleParts = {"-", " ", "デッキ", "12", "×", "ｶﾀ", "A"};
    std::mt19937 rng(1234567);
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto pick = [&below](const std::vector<std::string>& pool) {
        return pool[static_cast<std::size_t>(below(static_cast<int>(pool.size())))];
    };
    auto randomRows = [&](int count) {
        std::vector<DeckEntry> rows;
        for (int i = 0; i < count; ++i) {
            DeckEntry e;
            e.faction = pick(factions);
            e.cardNumber = pick(prefixes) + std::to_string(1 + below(999));
            e.cardName = pick(words);
            for (int w = below(4); w > 0; --w)
                e.cardName +=
                    std::string(static_cast<std::size_t>(1 + below(3)), ' ') + pick(words);
            const int range[] = {3, 999, 32767};
            e.copies = static_cast<std::int16_t>(1 + below(range[below(3)]));
            rows.push_back(std::move(e));
        }
        return rows;
    };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DeckText deck;
        for (int k = below(6); k > 0; --k) deck.title += pick(titleParts);
        deck.mainRows = randomRows(below(40));
        deck.sideRows = randomRows(round % 2 == 0 ? 0 : 1 + below(15));
        deck.mainTotal = SumOfCopies(deck.mainRows);
        for (auto& count : deck.factionCounts) count = static_cast<std::int16_t>(below(200) - 20);
        for (auto& count : deck.typeCounts) count = static_cast<std::int16_t>(below(200));

        const DeckTextRead text = LoadDeckTextBytes(DeckTextBytes(deck));
        EXPECT_EQ(text.title, deck.title);
        EXPECT_TRUE(SameRows(text.mainRows, deck.mainRows)) << Describe(text.mainRows);
        EXPECT_TRUE(SameRows(text.sideRows, deck.sideRows)) << Describe(text.sideRows);

        const DeckCsvRead csv = LoadDeckCsvBytes(DeckCsvBytes(deck.mainRows));
        EXPECT_TRUE(SameRows(csv.mainRows, deck.mainRows)) << Describe(csv.mainRows);
        if (::testing::Test::HasFailure()) break;
    }
}

// Input that is not a deck file of ours: neither reader crashes or hangs,
// and each keeps what it read up to where it stopped. -1: any number. (The
// damaged golden files, empty, cut, UTF-8 and so on, are in DeckFileDamageTest.)
TEST(DeckFiles, BadInput) {
    const std::string card = ShiftJisCodec::encode("連邦 U-1 レイヴン × 3\r\n");
    const std::string megabyte(1 << 20, 'A');
    std::string spaced;
    for (int i = 0; i < (1 << 19); ++i) spaced += "A ";
    std::string junk(1 << 16, '\0');
    std::mt19937 rng(99);
    for (char& c : junk) c = static_cast<char>(rng());
    struct Case {
        const char* name;
        std::string bytes;
        int textMain, textSide, csvMain;
    };
    // clang-format off
    const Case cases[] = {
        {"TitleOnlyUnended",   "title",                                                  0, 0, 0},
        {"NulFields",          "t\r\n\0 \0 \0 \0\r\n"s + card,                            1, 0, 0},
        {"NulInEntry",         "t\r\nA\0 U-1 X \x81\x7E 2\r\n"s,                           1, 0, 0},
        {"Junk",               junk,                                                     -1, -1, -1},
        {"LeadByteAtTheEnd",   "t\r\n" + card.substr(0, card.size() - 2) + "\x81",        0, 0, 0},
        {"MegabyteTitle",      megabyte + "\r\n" + card,                                 1, 0, 0},
        {"MegabyteOfFields",   "t\r\n" + spaced + "\x81\x7E 3\r\n" + card,               2, 0, 0},
        {"MegabyteOfSpaces",   "t\r\n" + std::string(1 << 20, ' ') + "\r\n" + card,      0, 0, 0},
        {"MegabyteOfCommas",   std::string(1 << 20, ',') + "\r\nA,B,C,1\r\n",            0, 0, 1},
        {"MegabyteOfDigits",   "A,B,C," + std::string(1 << 20, '1') + "\r\nA,B,C,1\r\n", 0, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DeckTextRead text = LoadDeckTextBytes(c.bytes);
        const DeckCsvRead csv = LoadDeckCsvBytes(c.bytes);
        EXPECT_TRUE(text.opened && csv.opened);
        if (c.textMain >= 0) {
            EXPECT_EQ(text.mainRows.size(), std::size_t(c.textMain));
        }
        if (c.textSide >= 0) {
            EXPECT_EQ(text.sideRows.size(), std::size_t(c.textSide));
        }
        if (c.csvMain >= 0) {
            EXPECT_EQ(csv.mainRows.size(), std::size_t(c.csvMain));
        }
    }
}

// A file that cannot be read is reported with the system's reason, and
// nothing is read.
TEST_F(DeckFileTest, OpenFailure) {
    fs::create_directories(dir / "folder");
    for (const std::string& p : {path("missing.txt"), path("folder")}) {
        SCOPED_TRACE(p);
        const DeckTextRead text = LoadDeckText(p);
        EXPECT_FALSE(text.opened);
        EXPECT_FALSE(text.reason.empty());
        EXPECT_TRUE(text.title.empty() && text.mainRows.empty() && text.sideRows.empty());
        const DeckCsvRead csv = LoadDeckCsv(p);
        EXPECT_FALSE(csv.opened);
        EXPECT_FALSE(csv.reason.empty());
        EXPECT_TRUE(csv.mainRows.empty());
    }
}

}  // namespace
}  // namespace svdb
