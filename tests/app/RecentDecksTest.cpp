#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "MalformedInput.h"
#include "app/AppPaths.h"
#include "app/RecentDecks.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using Paths = std::vector<std::string>;
using testing::Damage;

RecentDecks Made(const Paths& added) {
    RecentDecks recent;
    for (const std::string& p : added) recent.add(p);
    return recent;
}

// Paths as "/d/N.txt" for N in first..last, added oldest first.
Paths Numbered(int first, int last) {
    Paths paths;
    for (int n = first; n <= last; ++n) paths.push_back("/d/" + std::to_string(n) + ".txt");
    return paths;
}

TEST(RecentDecks, AddKeepsTheNewestFirstOnceEachAndAtMostEight) {
    struct Row {
        const char* what;
        Paths added;
        Paths expected;
    };
    // clang-format off
    const Row rows[] = {
        {"newest first", {"/a", "/b", "/c"}, {"/c", "/b", "/a"}},
        {"a path used again moves to the front", {"/a", "/b", "/c", "/a"}, {"/a", "/c", "/b"}},
        {"the first one again changes nothing", {"/a", "/b", "/b"}, {"/b", "/a"}},
        {"an empty path is no deck", {"/a", ""}, {"/a"}},
        {"the ninth pushes the oldest out", Numbered(1, 9),
         {"/d/9.txt", "/d/8.txt", "/d/7.txt", "/d/6.txt", "/d/5.txt", "/d/4.txt", "/d/3.txt",
          "/d/2.txt"}},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_EQ(Made(r.added).paths(), r.expected) << r.what;
    }
    RecentDecks recent = Made({"/a", "/b"});
    EXPECT_FALSE(recent.add("/b"));
    EXPECT_TRUE(recent.add("/a"));
}

TEST(RecentDecks, RemoveMissingAndClear) {
    RecentDecks recent = Made({"/gone1", "/here", "/gone2"});
    EXPECT_FALSE(recent.remove("/elsewhere"));
    EXPECT_TRUE(recent.removeMissing([](const std::string& p) { return !p.starts_with("/gone"); }));
    EXPECT_EQ(recent.paths(), Paths{"/here"});
    EXPECT_FALSE(recent.removeMissing([](const std::string&) { return true; }));
    EXPECT_TRUE(recent.remove("/here"));
    EXPECT_FALSE(recent.clear());
    recent.add("/x");
    EXPECT_TRUE(recent.clear());
    EXPECT_TRUE(recent.empty());
}

TEST(RecentDecks, FileHoldsShiftJisLinesAndMarkedUtf8) {
    // "é" and "한" have no Shift_JIS form: their paths are kept as marked UTF-8.
    const Paths paths = {"/home/利用者/デッキ/速攻.txt", "/tmp/café/a.csv", "/tmp/한.txt",
                         "/x.txt"};
    RecentDecks recent;
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) recent.add(*it);
    const std::string bytes = recent.bytes();
    EXPECT_EQ(bytes,
              ShiftJisCodec::encode("/home/利用者/デッキ/速攻.txt") +
                  "\r\n\xEF\xBB\xBF/tmp/café/a.csv\r\n\xEF\xBB\xBF/tmp/한.txt\r\n/x.txt\r\n");
    EXPECT_EQ(RecentDecks::FromBytes(bytes).paths(), paths);

    // A path with a line end stays for the run but is not written.
    recent.add("/tmp/two\nlines.txt");
    EXPECT_EQ(recent.paths().size(), 5u);
    EXPECT_EQ(recent.bytes(), bytes);

    // Written through a temporary file and read back; a file that is not
    // there reads as an empty list.
    const std::string dir = ::testing::TempDir() + "recent_decks_test";
    std::filesystem::create_directories(dir);
    const std::string file = AppPaths::RecentDecksPath(dir + "/SVDB.ini");
    EXPECT_EQ(file, dir + "/SVDBRECENT.txt");
    ASSERT_TRUE(recent.WriteFile(file));
    EXPECT_EQ(RecentDecks::ReadFile(file).paths(), paths);
    std::filesystem::remove(file);
    EXPECT_TRUE(RecentDecks::ReadFile(file).empty());
    EXPECT_TRUE(RecentDecks::ReadFile(dir).empty());  // a folder
    EXPECT_EQ(AppPaths::RecentDecksPath("SVDB.ini"), "SVDBRECENT.txt");
}

TEST(RecentDecks, DamagedFilesReadAsFarAsTheyMakeSense) {
    const Paths good = {"/d/速攻.txt", "/d/b.csv", "/d/火力"};
    const std::string bytes = Made({good[2], good[1], good[0]}).bytes();
    struct Row {
        Damage damage;
        std::size_t kept;  // paths read, the first ones of good as far as they are equal
        std::size_t equal;
    };
    // clang-format off
    const Row rows[] = {
        {Damage::Empty,           0, 0},
        {Damage::Utf16WithBom,    0, 0},  // a NUL in every line
        {Damage::NulBytes,        0, 0},
        {Damage::CutMidCharacter, 2, 2},  // the cut line does not decode
        {Damage::CutMidLine,      2, 2},  // cut after a lead byte here, as above
        {Damage::MegabyteLine,    3, 3},  // the long line is skipped
        {Damage::LfOnly,          3, 3},
        {Damage::CrOnly,          3, 3},
    };
    // clang-format on
    for (const Row& r : rows) {
        const Paths read = RecentDecks::FromBytes(testing::Damaged(bytes, r.damage)).paths();
        SCOPED_TRACE(testing::DamageName(r.damage));
        ASSERT_EQ(read.size(), r.kept);
        EXPECT_TRUE(
            std::equal(read.begin(), read.begin() + static_cast<long>(r.equal), good.begin()));
    }
    // Noise and UTF-8 read as a list that makes sense, however little.
    for (Damage d : {Damage::RandomBytes, Damage::Utf8}) {
        const Paths read = RecentDecks::FromBytes(testing::Damaged(bytes, d)).paths();
        EXPECT_LE(read.size(), RecentDecks::kMaxEntries) << testing::DamageName(d);
        EXPECT_EQ(std::set<std::string>(read.begin(), read.end()).size(), read.size());
        for (const std::string& p : read) {
            EXPECT_FALSE(p.empty());
            EXPECT_EQ(p.find('\0'), std::string::npos);
            EXPECT_EQ(p.find("\xEF\xBF\xBD"), std::string::npos) << p;
        }
    }
    // A list of many lines, each written twice: the first eight paths.
    std::string many;
    for (int n = 1; n <= 20; ++n) many += "/d/" + std::to_string(n) + ".txt\r\n/d/1.txt\r\n";
    const Paths expected = {"/d/1.txt", "/d/2.txt", "/d/3.txt", "/d/4.txt",
                            "/d/5.txt", "/d/6.txt", "/d/7.txt", "/d/8.txt"};
    EXPECT_EQ(RecentDecks::FromBytes(many).paths(), expected);
    // 2000 half-width katakana bytes decode to 6000 bytes of UTF-8, too long a path.
    EXPECT_TRUE(RecentDecks::FromBytes(std::string(2000, '\xB1')).empty());
    // Marked UTF-8 that is not valid is skipped.
    EXPECT_TRUE(RecentDecks::FromBytes("\xEF\xBB\xBF/a\xC3(.txt\r\n\xEF\xBB\xBF\r\n").empty());
}

}  // namespace
}  // namespace svdb
