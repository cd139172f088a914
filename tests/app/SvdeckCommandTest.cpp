#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;

const std::string kList = SVDB_TEST_DATA_DIR "/svdeck_cards.csv";
const std::string kSampleList = SVDB_SOURCE_DIR "/data/SVANLIST.csv";
const std::string kDeck = SVDB_TEST_DATA_DIR "/files/deck_with_side.txt";

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
        {"unit type passes the character test",
         {"--type", "UNIT", "--char", "F"},
         {"U-001", "U-101"}},
        {"no type, M", {"--char", "M"}, {"CH-001"}},
        {"rarity", {"--rarity", "Rare,Special"}, {"CH-001", "CH-202", "SPC-203"}},
        {"ability", {"--ability", "速攻,砂漠"}, {"U-001", "U-101"}},
        {"expansions 0 and 1", {"--expansion", "0,1"}, {"U-001", "CH-001", "O-002"}},
        {"power range 3..5 skips X", {"--number", "格闘力:3:5"}, {"CH-001", "O-002", "CH-202"}},
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

TEST(SvdeckConvert, WritesEachFormatAndFailsClearly) {
    const fs::path dir = fs::temp_directory_path() / "svdb_convert_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string& deck = kDeck;
    const std::string& list = kSampleList;
    const std::string txt = (dir / "deck.txt").string();

    // Text to text keeps both lists (the summary counts by this card list);
    // the title can be replaced.
    ASSERT_EQ(Svdeck({"convert", deck, txt, "--list", list}).status, 0);
    const std::string before = *ReadFileBytes(deck), after = *ReadFileBytes(txt);
    EXPECT_EQ(after.substr(0, after.rfind("---")), before.substr(0, before.rfind("---")));
    const CliRun retitled = Svdeck({"convert", deck, "-", "--list", list, "--title", "新"});
    ASSERT_EQ(retitled.status, 0);
    EXPECT_TRUE(retitled.out.starts_with("新\n"));
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
        {{"convert", deck, (dir / "no" / "x.xml").string(), "--list", list}, "cannot write"},
        {{"convert", deck, (dir / "x.doc").string(), "--list", list}, "format"},
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

TEST(SvdeckInfo, PrintsTheBlockOfTheFirstCardOfThatNumberAndName) {
    const CliRun r = Svdeck({"info", "U-1", "ノルン宙間戦仕様", "--list", kSampleList});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with(".U-1　ノルン宙間戦仕様\nU-1　ノルン宙間戦仕様\nCommon\n"))
        << r.out;
    EXPECT_NE(r.out.find("\n―変形―\nノルン宙間戦仕様 （強襲形態）\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n―――――――――――――――――\n"));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(SvdeckInfo, ClipAndChanceFailClearly) {
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    // clang-format off
    const Row rows[] = {
        {{"info", "U-1", "別の名前", "--list", kSampleList}, 1, "no card"},
        {{"info", "U-1", "--list", kSampleList}, 2, "NUMBER and NAME"},
        {{"clip", kDeck, "--mode=trade"}, 2, "unknown option"},
        {{"chance", "-1"}, 2, "0..32767"},
        {{"chance", "3x"}, 2, "0..32767"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const CliRun run = Svdeck(r.args);
        EXPECT_EQ(run.status, r.status) << r.says;
        EXPECT_NE(run.err.find(r.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << r.says;
    }
}

TEST(SvdeckClip, PrintsTheDeckCopyInBothModes) {
    const CliRun normal = Svdeck({"clip", kDeck});
    ASSERT_EQ(normal.status, 0) << normal.err;
    EXPECT_TRUE(normal.out.starts_with("-- メインボード --\n連邦 U-1 レイヴン"));
    EXPECT_NE(normal.out.find("\n" + std::string(26, ' ') + "Total 32\n\n-- サイドボード --\n"),
              std::string::npos);
    EXPECT_TRUE(normal.out.ends_with("\n∀ U-6 ソレイユ" + std::string(15, ' ') + " × 2\n"));

    const CliRun trade = Svdeck({"clip", kDeck, "--trade"});
    ASSERT_EQ(trade.status, 0);
    EXPECT_TRUE(trade.out.starts_with("-- 希望 --\n"));
    EXPECT_EQ(trade.out.find("Total"), std::string::npos);
    EXPECT_NE(trade.out.find("\n\n-- 提供 --\n"), std::string::npos);

    // A comma-separated deck with no entry: nothing to copy.
    const std::string empty = (fs::temp_directory_path() / "svdb_clip_empty.csv").string();
    ASSERT_TRUE(WriteFileBytes(empty, "x,y\r\n"));
    const CliRun none = Svdeck({"clip", empty});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("empty"), std::string::npos);
    fs::remove(empty);
}

TEST(SvdeckChance, PrintsTheChanceOfKCopies) {
    EXPECT_EQ(Svdeck({"chance", "3"}).out, "32.43%\n");
    EXPECT_EQ(Svdeck({"chance", "0"}).out, "0.00%\n");
    EXPECT_EQ(Svdeck({"chance", "32767"}).out, "100.00%\n");
}

class SvdeckDrawCosts : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of each test's own: the tests may run side by side.
        dir = fs::temp_directory_path() /
              (std::string("svdb_draw_costs_") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // A comma-separated deck file of these lines (UTF-8 here, Shift_JIS on disk).
    std::string deckCsv(const std::string& name, const std::string& lines) {
        const std::string path = (dir / name).string();
        EXPECT_TRUE(WriteFileBytes(path, ShiftJisCodec::encode(lines)));
        return path;
    }
    // Fifty entries of one copy, 連邦 U-1 名1 .. 連邦 U-50 名50, and one entry less.
    std::string fifty(int entries = 50) {
        std::string lines;
        for (int i = 1; i <= entries; ++i) {
            const std::string n = std::to_string(i);
            lines += "連邦,U-" + n + ",名" + n + ",1\r\n";
        }
        return deckCsv("deck" + std::to_string(entries) + ".CSV", lines);
    }

    fs::path dir;
};

std::string Line(const std::string& out, int index) {
    std::istringstream lines(out);
    std::string line;
    for (int i = 0; i <= index; ++i) std::getline(lines, line);
    return line;
}

TEST_F(SvdeckDrawCosts, DrawPrintsTheOrderAfterEachShuffle) {
    const std::string deck = fifty();
    using V = std::vector<std::string>;
    // clang-format off
    const struct { V shuffles; const char* first; const char* second; } cases[] = {
        {{},                               "連邦 U-1 名1",  "連邦 U-2 名2"},
        {{"--shuffle", "2"},               "連邦 U-11 名11", "連邦 U-21 名21"},
        {{"--shuffle=50"},                 "連邦 U-50 名50", "連邦 U-1 名1"},
        {{"--shuffle", "2", "--shuffle", "2"}, "連邦 U-15 名15", "連邦 U-19 名19"},
    };
    // clang-format on
    for (const auto& c : cases) {
        V args = {"draw", deck};
        args.insert(args.end(), c.shuffles.begin(), c.shuffles.end());
        const CliRun r = Svdeck(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 50);
        EXPECT_EQ(Line(r.out, 0), c.first);
        EXPECT_EQ(Line(r.out, 1), c.second);
    }
}

TEST_F(SvdeckDrawCosts, DrawRefusals) {
    const std::string deck = fifty();
    // clang-format off
    const struct { std::vector<std::string> args; int status; const char* says; } cases[] = {
        {{"draw", fifty(49)},                    1, "デッキは必ず５０枚で構成しなければなりません"},
        {{"draw", deck, "--shuffle", "1"},       2, "bad cut '1'"},
        {{"draw", deck, "--shuffle", "51"},      2, "bad cut '51'"},
        {{"draw", deck, "--shuffle", "x"},       2, "bad cut 'x'"},
        {{"draw", deck, "--shuffle"},            2, "needs a value"},
        {{"draw"},                               2, "needs one DECKFILE"},
        {{"draw", deck, "--cut", "3"},           2, "unknown option '--cut'"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliRun r = Svdeck(c.args);
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_EQ(r.out, "") << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST_F(SvdeckDrawCosts, CostsPrintsTheThreeSections) {
    const std::string deck = deckCsv("costs.csv",
                                     "連邦,U-001,ベルク,3\r\n"
                                     "連邦,CH-001,リオ,2\r\n"
                                     "その他,G-901,基地,5\r\n"
                                     "ティターンズ,SPC-203,特別命令,1\r\n"
                                     "ジオン,U-101,グラナト,1\r\n");
    const CliRun r = Svdeck({"costs", deck, "--list", kList});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "合計国力\n2\t4\n3\t2\n5\t1\n"
              "指定国力\n1\t4\n2\t2\n3\t1\n"
              "資源\n0\t2\n1\t4\n2\t1\n");

    EXPECT_NE(Svdeck({"costs", deck}).err.find("/nonexistent-dir/SVANLIST.csv"), std::string::npos);
}

// Every command refuses a card list or deck file that is a folder, a FIFO,
// a device, too large or gone, at once, with its reason and status 2, and
// writes nothing.
TEST(SvdeckBadFiles, EveryReaderRefusesWhatIsNoFileOfOurs) {
    const fs::path dir =
        fs::temp_directory_path() / ("svdb_svdeck_bad_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    const std::string fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string huge = (dir / "huge.txt").string();
    std::ofstream{huge};
    fs::resize_file(huge, kMaxFileBytes + 1);
    const std::string out = (dir / "out.txt").string();
    struct Bad {
        std::string path;
        const char* reason;
    };
    const Bad bads[] = {
        {(dir / "folder").string(), "Is a directory"},
        {fifo, "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {huge, "File too large (more than 64 MB)"},
        {(dir / "gone.txt").string(), "No such file or directory"},
    };
    for (const Bad& bad : bads) {
        const std::vector<std::vector<std::string>> commands = {
            {"cards", "--list", bad.path},
            {"convert", kDeck, out, "--list", bad.path},
            {"convert", bad.path, out, "--list", kList},
            {"costs", kDeck, "--list", bad.path},
            {"costs", bad.path, "--list", kList},
            {"draw", bad.path},
            {"info", "U-001", "ベルク", "--list", bad.path},
            {"clip", bad.path},
        };
        for (const auto& args : commands) {
            SCOPED_TRACE(args[0] + " " + bad.path);
            const CliRun r = Svdeck(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find(bad.path), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(bad.reason), std::string::npos) << r.err;
            EXPECT_FALSE(fs::exists(out));
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace svdb
