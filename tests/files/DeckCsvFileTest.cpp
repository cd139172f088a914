#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "GoldenDeck.h"
#include "files/DeckCsvFile.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Describe;
using testing::Entry;
using testing::SameRows;

TEST(DeckCsvFile, GoldenFile) {
    const std::string golden = std::string(SVDB_TEST_DATA_DIR) + "/files/deck.csv";
    const std::string target =
        (std::filesystem::temp_directory_path() / "svdb_deckcsv_golden.csv").string();
    std::string reason;
    ASSERT_TRUE(SaveDeckCsv(target, testing::GoldenMain(), &reason)) << reason;
    EXPECT_EQ(ReadFileBytes(target), ReadFileBytes(golden));
    std::filesystem::remove(target);

    const DeckCsvRead read = LoadDeckCsv(golden);
    ASSERT_TRUE(read.opened) << read.reason;
    EXPECT_TRUE(SameRows(read.mainRows, testing::GoldenMain())) << Describe(read.mainRows);
}

// Lines of a comma-separated deck file and the rows they give. A line that
// ends the reading is followed by one that would be read otherwise.
TEST(DeckCsvFile, ReadsLines) {
    struct Case {
        const char* text;
        const char* rows;
    };
    // clang-format off
    const Case cases[] = {
        {"連邦,U-1,レイヴン,3\r\n",               "[連邦 U-1 レイヴン 3]"},
        {"連邦,U-1,レイヴン,123\r\n",             "[連邦 U-1 レイヴン 123]"},
        {"連邦,U-1,レイヴン, 7 \r\n",             "[連邦 U-1 レイヴン 7]"},
        {"連邦, U-1 ,A  B ,1",                    "[連邦  U-1  A  B  1]"},
        {"連邦,U-1,A\r\n連邦,U-1,A,1,2\r\n\r\nX,Y,Z,1\r\n", "[X Y Z 1]"},
        {"連邦,U-1,A,x\r\nX,Y,Z,1\r\n",           ""},
        {"連邦,U-1,A,\r\nX,Y,Z,1\r\n",            ""},
        {"連邦,U-1,A,3枚\r\nX,Y,Z,1\r\n",         ""},
        {"連邦,U-1,A,32768\r\nX,Y,Z,1\r\n",       ""},
        {"連邦,U-1,A,2\r\n,,,\r\nX,Y,Z,1\r\n",    "[連邦 U-1 A 2]"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DeckCsvRead read = LoadDeckCsvBytes(ShiftJisCodec::encode(c.text));
        EXPECT_EQ(Describe(read.mainRows), c.rows);
    }
}

}  // namespace
}  // namespace svdb
