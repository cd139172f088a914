#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "text/FileBytes.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;
using Kind = FileReadFault::Kind;

// A folder of each test's own: the tests may run side by side.
class FileBytesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("svdb_filebytes_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }
    fs::path dir;
};

// Only a regular file within the bound is read; everything else is refused
// at once (a FIFO without a writer never blocks) with a reason for svdeck and
// a message for the window.
TEST_F(FileBytesTest, ReadsOnlyRegularFilesWithinTheBound) {
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    fs::create_symlink(path("fifo"), path("link_to_fifo"));
    fs::create_directories(path("folder"));
    std::ofstream(path("empty"));
    std::ofstream(path("small")) << "abc";
    // A sparse file one byte past the bound: refused by its size, never read.
    std::ofstream(path("huge"));
    fs::resize_file(path("huge"), kMaxFileBytes + 1);

    struct Row {
        std::string path;
        Kind kind;
        int error;
        const char* message;
    };
    // clang-format off
    const Row rows[] = {
        {path("empty"),        Kind::None,           0,      ""},
        {path("small"),        Kind::None,           0,      ""},
        // A file of the system's that shows no size is read whole all the same.
        {"/proc/self/status",  Kind::None,           0,      ""},
        {path("missing"),      Kind::System,         ENOENT, "ファイルが見つかりません。"},
        {path("folder"),       Kind::Folder,         0,      "フォルダーは読み込めません。"},
        {path("fifo"),         Kind::NotRegularFile, 0,      "通常のファイルではないため読み込めません。"},
        {path("link_to_fifo"), Kind::NotRegularFile, 0,      "通常のファイルではないため読み込めません。"},
        {"/dev/zero",          Kind::NotRegularFile, 0,      "通常のファイルではないため読み込めません。"},
        {"/dev/null",          Kind::NotRegularFile, 0,      "通常のファイルではないため読み込めません。"},
        {path("huge"),         Kind::TooLarge,       0,      "ファイルが大きすぎます（64 MB まで）。"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path);
        FileReadFault fault;
        const std::optional<std::string> bytes = ReadFileBytes(r.path, &fault);
        EXPECT_EQ(bytes.has_value(), r.kind == Kind::None);
        EXPECT_EQ(fault.kind, r.kind);
        EXPECT_EQ(fault.error, r.error);
        EXPECT_EQ(fault.message(), r.message);
        EXPECT_EQ(fault.reason().empty(), r.kind == Kind::None);
    }
    EXPECT_EQ(ReadFileBytes(path("small")), std::string("abc"));
    EXPECT_NE(ReadFileBytes("/proc/self/status")->find("Pid:"), std::string::npos);
}

TEST_F(FileBytesTest, AFileWithoutReadPermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root, which may read any file";
    std::ofstream(path("secret")) << "abc";
    fs::permissions(path("secret"), fs::perms::none);
    FileReadFault fault;
    EXPECT_FALSE(ReadFileBytes(path("secret"), &fault));
    EXPECT_EQ(fault.kind, Kind::System);
    EXPECT_EQ(fault.error, EACCES);
    EXPECT_EQ(fault.message(), "ファイルを読む権限がありません。");
}

TEST_F(FileBytesTest, ReplacesWholeOrLeavesTheOldFile) {
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

// A replaced file is let go after the save returns; however many saves
// there were, none keeps a descriptor open for long.
TEST_F(FileBytesTest, ReplacedFilesAreLetGo) {
    const auto openDescriptors = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    const std::string target = path("deck.txt");
    ASSERT_TRUE(WriteFileReplacing(target, "0"));
    const auto before = openDescriptors();
    for (int i = 1; i <= 50; ++i) ASSERT_TRUE(WriteFileReplacing(target, std::to_string(i)));
    EXPECT_EQ(ReadFileBytes(target), std::string("50"));
    for (int wait = 0; wait < 200 && openDescriptors() > before; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_LE(openDescriptors(), before);  // an earlier test's close may end meanwhile
}

// Whatever stops a save, the previous file stays byte for byte and nothing
// is left beside it: a full disk (its failing write injected), a FIFO or a
// device where the file should go.
TEST_F(FileBytesTest, FailuresLeaveThePreviousFileAndWhatIsInTheWay) {
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
TEST_F(FileBytesTest, AFullDiskLeavesThePreviousFile) {
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
