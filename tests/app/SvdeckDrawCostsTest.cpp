#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult Svdeck(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    SvdeckCommand command("/nonexistent-dir", out, err);
    const int status = command.run(args);
    return {status, out.str(), err.str()};
}

class SvdeckDrawCosts : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of each test's own: the tests may run side by side.
        dir = std::filesystem::temp_directory_path() /
              (std::string("svdb_draw_costs_") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

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

    std::filesystem::path dir;
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
        const CliResult r = Svdeck(args);
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
        {{"draw", (dir / "none.txt").string()},  2, "cannot read"},
        {{"draw"},                               2, "needs one DECKFILE"},
        {{"draw", deck, "--cut", "3"},           2, "unknown option '--cut'"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliResult r = Svdeck(c.args);
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
    const CliResult r = Svdeck({"costs", deck, "--list", SVDB_TEST_DATA_DIR "/svdeck_cards.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "合計国力\n2\t4\n3\t2\n5\t1\n"
              "指定国力\n1\t4\n2\t2\n3\t1\n"
              "資源\n0\t2\n1\t4\n2\t1\n");

    EXPECT_EQ(Svdeck({"costs", deck, "--list", (dir / "none.csv").string()}).status, 2);
    EXPECT_NE(Svdeck({"costs", deck}).err.find("/nonexistent-dir/SVANLIST.csv"), std::string::npos);
}

}  // namespace
}  // namespace svdb
