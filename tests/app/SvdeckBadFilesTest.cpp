#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"
#include "text/FileBytes.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;

const std::string kList = SVDB_TEST_DATA_DIR "/svdeck_cards.csv";
const std::string kDeck = SVDB_TEST_DATA_DIR "/files/deck_with_side.txt";

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
            std::ostringstream o, e;
            SvdeckCommand command("/nonexistent-dir", o, e);
            const int status = command.run(args);
            SCOPED_TRACE(args[0] + " " + bad.path);
            EXPECT_EQ(status, 2);
            EXPECT_EQ(o.str(), "");
            EXPECT_NE(e.str().find(bad.path), std::string::npos) << e.str();
            EXPECT_NE(e.str().find(bad.reason), std::string::npos) << e.str();
            EXPECT_FALSE(fs::exists(out));
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace svdb
