#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"
#include "text/FileBytes.h"

namespace svdb {
namespace {

const std::string kList = SVDB_TEST_DATA_DIR "/svdeck_cards.csv";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Svdeck(std::vector<std::string> args, std::string programDir = "/nonexistent-dir") {
    std::ostringstream out, err;
    SvdeckCommand command(std::move(programDir), out, err);
    const int status = command.run(args);
    return {status, out.str(), err.str()};
}

// The card numbers of the printed lines (second field).
std::vector<std::string> Numbers(const std::string& out) {
    std::vector<std::string> numbers;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        numbers.push_back(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
    }
    return numbers;
}

TEST(SvdeckCards, PrintsEveryCardInListOrder) {
    const CliRun r = Svdeck({"cards", "--list", kList});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "連邦\tU-001\tベルク\t基本\n"
              "連邦\tCH-001\tリオ\t基本\n"
              "連邦\tO-002\t作戦\t基本\n"
              "ジオン\tU-101\tグラナト\t撃墜王出撃\n"
              "ティターンズ\tC-201\tドロー作戦\t宇宙の記憶\n"
              "ザンスカール\tCH-202\tマルタ\t相剋の軌跡\n"
              "ティターンズ\tSPC-203\t特別命令\t--\n"
              "その他\tG-901\t基地\tその他\n");
}

TEST(SvdeckCards, FilterOptions) {
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        V args;
        V numbers;
    } rows[] = {
        {"黒 lists slot 2", {"--faction", "黒"}, {"C-201", "CH-202", "SPC-203"}},
        {"青 and その他", {"--faction=青,その他"}, {"U-001", "CH-001", "O-002", "G-901"}},
        {"empty faction ticks none", {"--faction", ""}, {}},
        {"SPC- counts as command", {"--type", "COMMAND"}, {"C-201", "SPC-203"}},
        {"unit type passes the character test",
         {"--type", "UNIT", "--char", "F"},
         {"U-001", "U-101"}},
        {"no type, M", {"--char", "M"}, {"CH-001"}},
        {"rarity", {"--rarity", "Rare,Special"}, {"CH-001", "CH-202", "SPC-203"}},
        {"ability", {"--ability", "速攻,砂漠"}, {"U-001", "U-101"}},
        {"expansions 0 and 1", {"--expansion", "0,1"}, {"U-001", "CH-001", "O-002"}},
        {"power range 3..5 skips X", {"--number", "格闘力:3:5"}, {"CH-001", "O-002", "CH-202"}},
        {"power range 3..9 takes X",
         {"--number", "格闘力:3:9"},
         {"CH-001", "O-002", "U-101", "CH-202"}},
        {"resource exact *", {"--number", "資源:*"}, {"CH-001", "C-201", "G-901"}},
        {"a minimum alone is text: power X", {"--number", "格闘力:X"}, {"U-101"}},
        {"a minimum alone is text: 03 is not 3", {"--number", "格闘力:03"}, {}},
        {"text in names", {"--text", "ドロー"}, {"C-201"}},
        {"text in names and texts", {"--text", "ドロー", "--in", "name,text"}, {"CH-001", "C-201"}},
        {"text with no field", {"--text", "ドロー", "--in", ""}, {}},
    };
    for (const auto& row : rows) {
        V args = {"cards", "--list", kList};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun r = Svdeck(args);
        EXPECT_EQ(r.status, 0) << row.name << ": " << r.err;
        EXPECT_EQ(Numbers(r.out), row.numbers) << row.name;
    }
}

TEST(SvdeckCards, ErrorsExitWithStatusTwo) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {"no command", {}, "usage: svdeck"},
        {"unknown command", {"deck"}, "unknown command 'deck'"},
        {"unknown option", {"cards", "--colour", "青"}, "unknown option '--colour'"},
        {"missing value", {"cards", "--faction"}, "needs a value"},
        {"unknown faction", {"cards", "--faction", "青,紫"}, "unknown faction '紫'"},
        {"unknown ability", {"cards", "--ability", "飛行"}, "unknown ability '飛行'"},
        {"expansion beyond the mask", {"cards", "--expansion", "32"}, "bad expansion"},
        {"number without minimum", {"cards", "--number", "格闘力"}, "ITEM:MIN"},
        {"number bad minimum of a range", {"cards", "--number", "格闘力:X:9"}, "bad minimum"},
        {"number empty minimum", {"cards", "--number", "格闘力::9"}, "needs a minimum"},
        {"unknown text field", {"cards", "--in", "title"}, "unknown text field"},
        {"missing card list",
         {"cards", "--list", "/nonexistent/list.csv"},
         "cannot read card list"},
        {"default list beside the program", {"cards"}, "/nonexistent-dir/SVANLIST.csv"},
    };
    for (const auto& row : rows) {
        const CliRun r = Svdeck(row.args);
        EXPECT_EQ(r.status, 2) << row.name;
        EXPECT_EQ(r.out, "") << row.name;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << row.name << ": " << r.err;
    }
}

TEST(SvdeckCards, HelpNamesEveryOption) {
    const CliRun top = Svdeck({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("cards"), std::string::npos);

    const CliRun r = Svdeck({"cards", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--list", "--faction", "--type", "--rarity", "--ability", "--char",
                               "--expansion", "--number", "--text", "--in"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
}

TEST(SvdeckCards, DefaultListIsBesideTheProgram) {
    const CliRun r = Svdeck({"cards", "--type", "GENERATION"}, SVDB_TEST_DATA_DIR "/svdeck_home");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Numbers(r.out), std::vector<std::string>{"G-901"});
}

}  // namespace
}  // namespace svdb

namespace svdb {
namespace {

TEST(SvdeckConvert, WritesEachFormatAndFailsClearly) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "svdb_convert_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string deck = SVDB_TEST_DATA_DIR "/files/deck_with_side.txt";
    const std::string list = SVDB_SOURCE_DIR "/data/SVANLIST.csv";
    const std::string txt = (dir / "deck.txt").string();

    // Text to text keeps both lists (the summary counts by this card list);
    // the title can be replaced.
    ASSERT_EQ(Svdeck({"convert", deck, txt, "--list", list}).status, 0);
    const std::string before = *ReadFileBytes(deck), after = *ReadFileBytes(txt);
    EXPECT_EQ(after.substr(0, after.rfind("---")), before.substr(0, before.rfind("---")));
    ASSERT_EQ(Svdeck({"convert", deck, "-", "--list", list, "--title", "新"}).status, 0);
    EXPECT_TRUE(
        Svdeck({"convert", deck, "-", "--list", list, "--title", "新"}).out.starts_with("新\n"));
    for (const char* name : {"deck.csv", "deck.xml", "deck.HTM", "deck.html"}) {
        EXPECT_EQ(Svdeck({"convert", deck, (dir / name).string(), "--list", list}).status, 0)
            << name;
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
    // CSV in, text out: the main deck only.
    ASSERT_EQ(Svdeck({"convert", (dir / "deck.csv").string(), txt, "--list", list}).status, 0);
    EXPECT_EQ(ReadFileBytes(txt)->find("サイド"), std::string::npos);

    struct Bad {
        std::vector<std::string> args;
        const char* says;
    };
    // clang-format off
    const Bad bad[] = {
        {{"convert", (dir / "missing.txt").string(), txt, "--list", list}, "cannot read"},
        {{"convert", deck, (dir / "no" / "x.xml").string(), "--list", list}, "cannot write"},
        {{"convert", deck, (dir / "x.doc").string(), "--list", list}, "format"},
        {{"convert", deck, txt, "--list", (dir / "nolist.csv").string()}, "card list"},
        {{"convert", deck}, "IN and OUT"},
    };
    // clang-format on
    for (const Bad& b : bad) {
        const CliRun r = Svdeck(b.args);
        EXPECT_EQ(r.status, SvdeckCommand::kUsage) << b.says;
        EXPECT_NE(r.err.find(b.says), std::string::npos) << r.err;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace svdb
