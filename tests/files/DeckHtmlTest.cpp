#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "files/DeckHtml.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Entry;

std::vector<std::string> Lines(const std::string& bytes) {
    const std::string text = ShiftJisCodec::decode(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// The entries as the list holds them (a short faction, a padded name, a card
// the catalogue lacks); the side deck is not written.
TEST(DeckHtmlTest, MatchesGoldenPage) {
    const CardTable table = testing::MakeTestTable();
    DeckModel deck(table);
    deck.ReplaceDecks(
        {Entry("ジオン", "U-2", " グラナト ", 3), Entry("ティタ", "U-4", "ヘルムート", 1),
         Entry("連邦", "U-999", "幻の<機体>", 1), Entry("Seed", "U-7", "スパーダ", 2)},
        {Entry("連邦", "U-1", "レイヴン", 1)});
    const std::string bytes = DeckHtmlBytes(MainDeckExport(deck, "A&B <星> \"影\""));
    const auto golden = ReadFileBytes(SVDB_TEST_DATA_DIR "/files/export_deck.htm");
    ASSERT_TRUE(golden.has_value());
    EXPECT_EQ(Lines(bytes), Lines(*golden));
    EXPECT_EQ(bytes, *golden);
}

TEST(DeckHtmlTest, EscapesEveryText) {
    struct Case {
        const char* text;
        const char* written;
    };
    // clang-format off
    const Case cases[] = {
        {"",                   ""},
        {"A&B",                "A&amp;B"},
        {"</TITLE><script>",   "&lt;/TITLE&gt;&lt;script&gt;"},
        {"\"引用\" 'と'",      "&quot;引用&quot; 'と'"},
        {"&quot;",             "&amp;quot;"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const DeckEntry entry = Entry(c.text, c.text, c.text, 1);
        const std::vector<std::string> lines = Lines(DeckHtmlBytes({c.text, {&entry, 1}, 1}));
        const std::string w = c.written;
        ASSERT_EQ(lines.size(), 10u) << c.text;
        EXPECT_EQ(lines[0], "<HTML><HEAD><TITLE>" + w + "</TITLE></HEAD><BODY>") << c.text;
        EXPECT_EQ(lines[1], "<H1>" + w + "</H1>") << c.text;
        EXPECT_EQ(lines[4],
                  "<TD>" + w + "</TD><TD>" + w + "</TD><TD>" + w + "</TD><TD>× 1</TD><TR>")
            << c.text;
    }
}

}  // namespace
}  // namespace svdb
