#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
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

// Whatever stops a save, the previous file stays byte for byte and nothing
// is left beside it: a full disk (its failing write injected), a FIFO or a
// device where the file should go.
TEST_F(WriteFileReplacingTest, FailuresLeaveThePreviousFileAndWhatIsInTheWay) {
    const std::string target = (dir / "deck.txt").string();
    const std::string old = "old\r\n\x98\x41\x96\x4D\r\n";
    ASSERT_TRUE(WriteFileReplacing(target, old));
    std::string reason;
    FailFileWritesForTesting(ENOSPC);
    EXPECT_FALSE(WriteFileReplacing(target, "new", &reason));
    FailFileWritesForTesting(0);
    EXPECT_EQ(reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadFileBytes(target), old);
    EXPECT_EQ(entries(), 1);

    const std::string fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& p : {fifo, std::string("/dev/null")}) {
        EXPECT_FALSE(WriteFileReplacing(p, "new", &reason)) << p;
        EXPECT_EQ(reason, "Not a regular file");
    }
    struct stat info;
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(entries(), 2);
}

// A disk that really fills up: a small tmpfs, where the system allows this
// process to mount one.
TEST_F(WriteFileReplacingTest, AFullDiskLeavesThePreviousFile) {
    const fs::path disk = dir / "disk";
    fs::create_directories(disk);
    if (::mount("svdb_full", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno) << ")";
    }
    const std::string target = (disk / "deck.txt").string();
    const std::string old(1000, 'o');
    const bool firstWritten = WriteFileReplacing(target, old);
    std::string reason;
    const bool secondWritten = WriteFileReplacing(target, std::string(1 << 20, 'n'), &reason);
    const std::optional<std::string> kept = ReadFileBytes(target);
    const int left = static_cast<int>(std::distance(fs::directory_iterator(disk), {}));
    ::umount(disk.c_str());
    EXPECT_TRUE(firstWritten);
    EXPECT_FALSE(secondWritten);
    EXPECT_EQ(reason, std::strerror(ENOSPC));
    EXPECT_EQ(kept, old);
    EXPECT_EQ(left, 1);
}

}  // namespace
}  // namespace svdb
