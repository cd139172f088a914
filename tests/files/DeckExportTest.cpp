#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "files/DeckHtml.h"
#include "files/DeckXml.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Entry;

// Three invented cards with every field the document shows: a unit with a
// transformed face, a character and a command.
CardTable ExportTable() {
    CardTable table;
    CardRecord& unit = table.at(1, 0);
    unit.faction = "ジオン";
    unit.cardNumber = "U-101";
    unit.rare = "Rare";
    unit.nationCost = 2;
    unit.allCost = 5;
    unit.resourceCost = " 3 ";
    unit.typeDetail = "宇宙・地球";
    unit.quick = true;
    unit.front.name = "ヴァルナ";
    unit.front.text = "敵軍ユニット１枚に２ダメージを与える。\\r「撃て」 & <退く>";
    unit.front.power = "4";
    unit.front.shoot = "3";
    unit.front.toughness = "5";
    unit.front.highMobility = "高機動";
    unit.front.transform = "変形";
    unit.transformed.name = "ヴァルナ （強行形態）";
    unit.transformed.power = "5";
    unit.transformed.shoot = "*";
    unit.transformed.toughness = "4";
    unit.transformed.transform = "変形";
    unit.transformed.text = "このターン、\\r防御できない。";
    unit.expansion = 16;

    CardRecord& character = table.at(2, 0);
    character.faction = "ティターンズ";
    character.cardNumber = "CH-201";
    character.rare = "Uncommon";
    character.allCost = 3;
    character.resourceCost = "X";
    character.charGender = "F";
    character.charAge = "AD";
    character.charKind = "NT";
    character.preventLevel = 9;
    character.front.name = "エルザ";
    character.front.power = "*";
    character.front.shoot = "2";
    character.front.toughness = "0";
    character.expansion = 3;

    CardRecord& command = table.at(5, 0);
    command.faction = "Seed";
    command.cardNumber = "C-501";
    command.rare = "Common";
    command.nationCost = 1;
    command.allCost = 1;
    command.front.name = "逆襲の号令";
    command.front.text = "A<B";
    command.front.power = "2";
    command.front.shoot = "2";
    command.front.toughness = "2";
    command.expansion = 17;
    return table;
}

std::vector<std::string> Lines(const std::string& bytes) {
    const std::string text = ShiftJisCodec::decode(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// Each export beside its golden file: a side deck (not written), a padded
// name, a short faction text and an entry the catalogue lacks, under a title
// that needs escaping.
TEST(DeckExportTest, MatchesGoldenFiles) {
    const CardTable xmlTable = ExportTable();
    const CardTable htmlTable = testing::MakeTestTable();
    struct Row {
        const char* golden;
        const CardTable& table;
        std::vector<DeckEntry> main;
        DeckEntry side;
        std::string (*bytes)(const DeckExport&);
    };
    const Row rows[] = {
        {"export_deck.xml",
         xmlTable,
         {Entry("ジオン", "U-101", " ヴァルナ ", 3), Entry("ティタ", "CH-201", "エルザ", 1),
          Entry("連邦", "U-999", "幻の機体", 1), Entry("Seed", "C-501", "逆襲の号令", 2)},
         Entry("ジオン", "U-101", "ヴァルナ", 1),
         DeckXmlBytes},
        {"export_deck.htm",
         htmlTable,
         {Entry("ジオン", "U-2", " グラナト ", 3), Entry("ティタ", "U-4", "ヘルムート", 1),
          Entry("連邦", "U-999", "幻の<機体>", 1), Entry("Seed", "U-7", "スパーダ", 2)},
         Entry("連邦", "U-1", "レイヴン", 1),
         DeckHtmlBytes},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.golden);
        DeckModel deck(r.table);
        deck.ReplaceDecks(r.main, {r.side});
        const std::string bytes = r.bytes(MainDeckExport(deck, "A&B <星> \"影\""));
        const auto golden = ReadFileBytes(std::string(SVDB_TEST_DATA_DIR "/files/") + r.golden);
        ASSERT_TRUE(golden.has_value());
        EXPECT_EQ(Lines(bytes), Lines(*golden));
        EXPECT_EQ(bytes, *golden);
    }
}

// A long deck is built in parts: its document holds each entry's card
// element, as a deck of that entry alone has it, in the deck's order, and the
// file written holds the same bytes.
TEST(DeckXmlTest, ALongDeckKeepsItsOrder) {
    const CardTable table = ExportTable();
    const DeckEntry kinds[] = {
        Entry("ジオン", "U-101", "ヴァルナ", 1), Entry("ティタ", "CH-201", "エルザ", 1),
        Entry("連邦", "U-999", "幻の機体", 1), Entry("Seed", "C-501", "逆襲の号令", 1)};
    std::vector<DeckEntry> rows;
    for (int i = 0; i < 1201; ++i) {
        rows.push_back(kinds[i % 4]);
        rows.back().copies = static_cast<std::int16_t>(1 + i % 3);
    }
    const auto body = [](const std::string& document) {
        const std::size_t begin = document.find("<main>\r\n") + 8;
        return document.substr(begin, document.find("</main>") - begin);
    };
    std::string expected;
    for (const DeckEntry& e : rows) expected += body(DeckXmlBytes({"t", {&e, 1}, 1, &table}));
    const DeckExport deck{"t", rows, 2400, &table};
    const std::string whole = DeckXmlBytes(deck);
    EXPECT_TRUE(body(whole) == expected);  // (too long to print)

    const std::string path =
        (std::filesystem::temp_directory_path() / "svdb_long_deck_test.xml").string();
    ASSERT_TRUE(WriteDeckXml(path, deck));
    EXPECT_TRUE(ReadFileBytes(path) == whole);
    std::filesystem::remove(path);
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
