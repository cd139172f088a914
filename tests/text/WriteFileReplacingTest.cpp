#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "text/FileBytes.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;

class WriteFileReplacingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("svdb_replace_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }
    fs::path dir;
};

TEST_F(WriteFileReplacingTest, ReplacesWholeOrLeavesTheOldFile) {
    const std::string target = (dir / "deck.txt").string();
    std::string reason;
    ASSERT_TRUE(WriteFileReplacing(target, "first\r\n", &reason)) << reason;
    EXPECT_EQ(ReadFileBytes(target), std::string("first\r\n"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(target, "second", &reason)) << reason;
    EXPECT_EQ(ReadFileBytes(target), std::string("second"));
    struct stat info;
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);  // the old file's permissions stay

    // A folder in the way of the rename: the write fails, says why, and
    // leaves nothing behind.
    const std::string blocked = (dir / "folder").string();
    fs::create_directories(dir / "folder" / "inside");
    EXPECT_FALSE(WriteFileReplacing(blocked, "third", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(entries(), 2);  // deck.txt and the folder

    EXPECT_FALSE(WriteFileReplacing((dir / "missing" / "deck.txt").string(), "x", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadFileBytes(target), std::string("second"));
}

}  // namespace
}  // namespace svdb
