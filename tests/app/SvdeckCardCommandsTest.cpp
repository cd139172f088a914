#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"
#include "text/FileBytes.h"

namespace svdb {
namespace {

struct CardRun {
    int status;
    std::string out;
    std::string err;
};

CardRun Svdeck(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    SvdeckCommand command("/nonexistent-dir", out, err);
    const int status = command.run(args);
    return {status, out.str(), err.str()};
}

const std::string kList = SVDB_SOURCE_DIR "/data/SVANLIST.csv";
const std::string kDeck = SVDB_TEST_DATA_DIR "/files/deck_with_side.txt";

TEST(SvdeckInfo, PrintsTheBlockOfTheFirstCardOfThatNumberAndName) {
    const CardRun r = Svdeck({"info", "U-1", "ノルン宙間戦仕様", "--list", kList});
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
        {{"info", "U-1", "別の名前", "--list", kList}, 1, "no card"},
        {{"info", "U-1", "--list", kList}, 2, "NUMBER and NAME"},
        {{"info", "U-1", "ノルン宙間戦仕様", "--list", "/nonexistent/SVANLIST.csv"}, 2, "card list"},
        {{"clip", "/nonexistent/deck.txt"}, 2, "cannot read"},
        {{"clip", kDeck, "--mode=trade"}, 2, "unknown option"},
        {{"chance", "-1"}, 2, "0..32767"},
        {{"chance", "3x"}, 2, "0..32767"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const CardRun run = Svdeck(r.args);
        EXPECT_EQ(run.status, r.status) << r.says;
        EXPECT_NE(run.err.find(r.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << r.says;
    }
}

TEST(SvdeckClip, PrintsTheDeckCopyInBothModes) {
    const CardRun normal = Svdeck({"clip", kDeck});
    ASSERT_EQ(normal.status, 0) << normal.err;
    EXPECT_TRUE(normal.out.starts_with("-- メインボード --\n連邦 U-1 レイヴン"));
    EXPECT_NE(normal.out.find("\n" + std::string(26, ' ') + "Total 32\n\n-- サイドボード --\n"),
              std::string::npos);
    EXPECT_TRUE(normal.out.ends_with("\n∀ U-6 ソレイユ" + std::string(15, ' ') + " × 2\n"));

    const CardRun trade = Svdeck({"clip", kDeck, "--trade"});
    ASSERT_EQ(trade.status, 0);
    EXPECT_TRUE(trade.out.starts_with("-- 希望 --\n"));
    EXPECT_EQ(trade.out.find("Total"), std::string::npos);
    EXPECT_NE(trade.out.find("\n\n-- 提供 --\n"), std::string::npos);

    // A comma-separated deck with no entry: nothing to copy.
    namespace fs = std::filesystem;
    const std::string empty = (fs::temp_directory_path() / "svdb_clip_empty.csv").string();
    ASSERT_TRUE(WriteFileBytes(empty, "x,y\r\n"));
    const CardRun none = Svdeck({"clip", empty});
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

}  // namespace
}  // namespace svdb
