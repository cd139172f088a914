#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/FileBytes.h"

namespace svdb {
namespace {

namespace fs = std::filesystem;
using Kind = FileReadFault::Kind;

class FileRefusalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("svdb_refusal_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    fs::path dir;
};

// Only a regular file within the bound is read; everything else is refused
// at once (a FIFO without a writer never blocks) with a reason for svdeck and
// a message for the window.
TEST_F(FileRefusalTest, ReadsOnlyRegularFilesWithinTheBound) {
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

TEST_F(FileRefusalTest, AFileWithoutReadPermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root, which may read any file";
    std::ofstream(path("secret")) << "abc";
    fs::permissions(path("secret"), fs::perms::none);
    FileReadFault fault;
    EXPECT_FALSE(ReadFileBytes(path("secret"), &fault));
    EXPECT_EQ(fault.kind, Kind::System);
    EXPECT_EQ(fault.error, EACCES);
    EXPECT_EQ(fault.message(), "ファイルを読む権限がありません。");
}

}  // namespace
}  // namespace svdb
