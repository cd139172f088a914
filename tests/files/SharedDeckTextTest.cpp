#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "GoldenDeck.h"
#include "files/ClipboardText.h"
#include "files/DeckTextFile.h"
#include "files/SharedDeckText.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Describe;
using testing::Entry;
using testing::SameRows;
using Rows = std::vector<DeckEntry>;

struct Deck {
    const char* what;
    Rows main;
    Rows side;
};

// Decks whose texts test the reading: names with inner blanks, a "×" and a
// trailing number inside, counts beyond the copy limit, a side deck wider
// than the main deck, and no side deck.
const std::vector<Deck>& Decks() {
    static const std::vector<Deck> decks = {
        {"golden",
         testing::GoldenMain(),
         {Entry("ザンスカール", "CH-4", "マルタ・ｶｽﾀﾑ", 3), Entry("∀", "U-6", "ソレイユ", 2)}},
        {"odd names",
         {Entry("連邦", "C-9", "作戦 × 改", 1), Entry("ジオン", "U-3", "ザク 2", 3),
          Entry("Ｗ", "U-8", "ガンダム　改", 40)},
         {}},
        {"one card each side",
         {Entry("連邦", "U-1", "レイヴン", 1)},
         {Entry("謎", "X-1", "カタログにないカード", 2)}},
    };
    return decks;
}

DeckTotal Total(const Rows& rows) {
    int total = 0;
    for (const DeckEntry& e : rows) total += e.copies;
    return static_cast<DeckTotal>(total);
}

// Every text the program writes of a deck reads back as the same deck.
TEST(SharedDeckText, ReadsBackEveryTextTheProgramWrites) {
    for (const Deck& d : Decks()) {
        DeckText file;
        file.title = "速攻 & 対策";
        file.mainRows = d.main;
        file.sideRows = d.side;
        file.mainTotal = Total(d.main);
        file.factionCounts = {5, 3, 0, 1, 0, 2, 1};
        file.typeCounts = {6, 2, 1, 0, 3};
        struct Text {
            const char* writer;
            std::string text;
            std::optional<std::string> title;
        };
        const Text texts[] = {
            {"clipboard", *DeckClipboardText(d.main, d.side, file.mainTotal, DeckCopyMode::Normal),
             std::nullopt},
            {"trade", *DeckClipboardText(d.main, d.side, file.mainTotal, DeckCopyMode::Trade),
             std::nullopt},
            {"deck text file", ShiftJisCodec::decode(DeckTextBytes(file)), file.title},
        };
        for (const Text& t : texts) {
            SCOPED_TRACE(std::string(d.what) + ", " + t.writer);
            const SharedDeckText read = ReadSharedDeckText(t.text);
            EXPECT_TRUE(SameRows(read.mainRows, d.main)) << Describe(read.mainRows);
            EXPECT_TRUE(SameRows(read.sideRows, d.side)) << Describe(read.sideRows);
            EXPECT_EQ(read.title, t.title);
            for (const auto& u : read.unreadable) ADD_FAILURE() << u.lineNumber << ": " << u.text;
        }
    }
}

TEST(SharedDeckText, ReadsHandWrittenLinesWithoutGuessing) {
    const DeckEntry raven = Entry("連邦", "U-1", "レイヴン", 3);
    struct Row {
        const char* line;
        std::optional<DeckEntry> entry;  // none: no entry
        bool unreadable;
    };
    // clang-format off
    const Row rows[] = {
        {"連邦 U-1 レイヴン × 3",             raven, false},
        {"  連邦　U-1　レイヴン　×３  ",        raven, false},
        {"連邦\tU-1\tレイヴン\tx3",           raven, false},
        {"連邦 U-1 レイヴン X 3",             raven, false},
        {"連邦 U-1 レイヴン×3",               raven, false},
        {"連邦 U-1 レイヴン× ３枚",           raven, false},
        {"連邦 U-1 レイヴン 3",               raven, false},
        {"連邦 U-1 レイヴン 3枚",             raven, false},
        {"連邦 U-1 作戦  改 * 2",             Entry("連邦", "U-1", "作戦  改", 2), false},
        {"U-1 レイヴン × 3",                  std::nullopt, true},   // no faction
        {"連邦 U-1 × 3",                      std::nullopt, true},   // no name
        {"連邦 U-1 レイヴン",                 std::nullopt, true},   // no copies
        {"連邦 U-1 レイヴン × 0",             std::nullopt, true},
        {"連邦 U-1 レイヴン × -2",            std::nullopt, true},
        {"連邦 U-1 レイヴン × 32768",         std::nullopt, true},
        {"連邦 U-1 レイヴン × 100003",        std::nullopt, true},
        {"連邦 U-1 レイヴンx3",               std::nullopt, true},   // "x" may end a name
        {"Total 50",                          std::nullopt, false},
        {"-      Total 50",                   std::nullopt, false},
        {"合計：50枚",                        std::nullopt, false},
        {"----------",                        std::nullopt, false},
        {"デッキ構成",                        std::nullopt, false},
        {"【メインデッキ】",                  std::nullopt, false},
        {"連邦軍　　　　12枚",                std::nullopt, true},   // only after デッキ構成
    };
    // clang-format on
    for (const Row& r : rows) {
        const SharedDeckText read = ReadSharedDeckText(r.line);
        SCOPED_TRACE(r.line);
        EXPECT_TRUE(SameRows(read.mainRows, r.entry ? Rows{*r.entry} : Rows{}))
            << Describe(read.mainRows);
        EXPECT_EQ(read.unreadable.size(), r.unreadable ? 1u : 0u);
    }
}

TEST(SharedDeckText, SectionsAndUnreadableLinesOfAPostedList) {
    const std::string text =
        "【メインデッキ】\r\n"
        "連邦 U-1 レイヴン ×3\r\n"
        "よろしくお願いします\n"
        "\n"
        "サイド：\r"
        "ジオン U-2 グラナト x 1\n"
        "ジオン U-2 グラナト\n"
        "合計 4枚";
    const SharedDeckText read = ReadSharedDeckText(text);
    EXPECT_TRUE(SameRows(read.mainRows, {Entry("連邦", "U-1", "レイヴン", 3)}));
    EXPECT_TRUE(SameRows(read.sideRows, {Entry("ジオン", "U-2", "グラナト", 1)}));
    EXPECT_FALSE(read.title);
    ASSERT_EQ(read.unreadable.size(), 2u);
    EXPECT_EQ(read.unreadable[0].lineNumber, 3);
    EXPECT_EQ(read.unreadable[0].text, "よろしくお願いします");
    EXPECT_EQ(read.unreadable[1].lineNumber, 7);

    // Nothing to read.
    for (const char* nothing : {"", "\r\n\r\n", "こんにちは\r\n今日は晴れ"}) {
        EXPECT_FALSE(ReadSharedDeckText(nothing).hasEntries()) << nothing;
    }
}

}  // namespace
}  // namespace svdb
