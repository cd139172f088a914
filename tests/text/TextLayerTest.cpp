#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "text/FileBytes.h"
#include "text/FileLineReader.h"
#include "text/LineReader.h"
#include "text/LineWriter.h"
#include "text/MemoryPages.h"
#include "text/ShiftJisCodec.h"
#include "text/WrapText.h"

namespace svdb {
namespace {

const std::string kFffd = "\xEF\xBF\xBD";

TEST(ShiftJisCodec, RoundTripsThroughCp932) {
    struct Row {
        const char* name;
        std::string utf8;
        std::string cp932;
    };
    const Row rows[] = {
        {"ascii", "U-12,abc\\r", "U-12,abc\\r"},
        {"wave dash", "～", "\x81\x60"},
        {"circled one", "①", "\x87\x40"},
        {"horizontal bar", "―", "\x81\x5C"},
        {"multiplication", "×", "\x81\x7E"},
        {"kanji with 5C trail", "ソ表", "\x83\x5C\x95\x5C"},
        {"half-width katakana", "ｱｲ", "\xB1\xB2"},
        {"full-width brackets", "【PS装甲】", "\x81\x79PS\x91\x95\x8D\x62\x81\x7A"},
    };
    for (const Row& r : rows) {
        bool lossless = false;
        EXPECT_EQ(ShiftJisCodec::encode(r.utf8, &lossless), r.cp932) << r.name;
        EXPECT_TRUE(lossless) << r.name;
        EXPECT_EQ(ShiftJisCodec::decode(r.cp932), r.utf8) << r.name;
    }
}

TEST(ShiftJisCodec, UndecodableBytesBecomeReplacementCharacter) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Row rows[] = {
        {"truncated lead byte at end", "ab\x83", "ab" + kFffd},
        {"lone lead byte only", "\x81", kFffd},
        {"lead byte before comma keeps the comma", "\x83,x", kFffd + ",x"},
        {"lead byte before CR", "\x95\r", kFffd + "\r"},
        {"undefined single byte", "\xA0z", kFffd + "z"},
        {"undefined high byte", "\xFF\xFF", kFffd + kFffd},
        {"valid after invalid", "\x80\x83\x5C", kFffd + "ソ"},
        {"empty", "", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(ShiftJisCodec::decode(r.bytes), r.utf8) << r.name;
}

TEST(ShiftJisCodec, DecodeSplitNotesSeparatorsOnlyOutsideCharacters) {
    std::string out = "x";
    std::vector<std::size_t> commas(3);
    // 0x83 0x2C is not a character: the lead byte becomes U+FFFD, the comma stays.
    EXPECT_EQ(ShiftJisCodec::decodeSplitAppend("\x83\x5C,a,\x83,", ',', out, commas), 3u);
    EXPECT_EQ(out, "xソ,a," + kFffd + ",");
    EXPECT_EQ(commas, (std::vector<std::size_t>{4, 6, 10}));
}

// A separator below 0x40 after any lead byte stays a separator: the lead byte
// alone becomes U+FFFD and the separator is counted.
TEST(ShiftJisCodec, LeadByteNeverSwallowsALowSeparator) {
    for (const char separator : {',', '\t', ';', '\r'}) {
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (lead >= 0xA0 && lead <= 0xDF) continue;  // single-byte range
            const std::string bytes = {static_cast<char>(lead), separator, 'a'};
            std::string out;
            std::vector<std::size_t> offsets(1);
            ASSERT_EQ(ShiftJisCodec::decodeSplitAppend(bytes, separator, out, offsets), 1u) << lead;
            EXPECT_EQ(out, kFffd + separator + "a") << lead;
            EXPECT_EQ(offsets[0], 3u) << lead;
        }
    }
}

// Separators past the room are counted but not noted; the entries past the
// noted ones, and text after the last separator, leave them as they were.
TEST(ShiftJisCodec, DecodeSplitNotesOnlyWhatItHasRoomFor) {
    std::vector<std::size_t> large(100, 99);
    large[0] = 1;
    struct Row {
        const char* name;
        const char* bytes;
        std::size_t room;
        std::size_t count;
        std::vector<std::size_t> noted;
        std::string out;
    };
    // clang-format off
    const Row rows[] = {
        {"no room",               ",,\x83\x5C,x,",   0,   4, {},                   ",,ソ,x,"},
        {"room for some",         ",,\x83\x5C,x,",   2,   4, {0, 1},               ",,ソ,x,"},
        {"room for all",          ",,\x83\x5C,x,",   4,   4, {0, 1, 5, 7},         ",,ソ,x,"},
        {"room to spare",         ",,\x83\x5C,x,",   6,   4, {0, 1, 5, 7, 99, 99}, ",,ソ,x,"},
        {"text after the last",   ",,\x83\x5C,x,yz", 6,   4, {0, 1, 5, 7, 99, 99}, ",,ソ,x,yz"},
        {"text only",             "abc",             3,   0, {99, 99, 99},         "abc"},
        {"full room, text after", ",a,b,c",          2,   3, {0, 2},               ",a,b,c"},
        {"large room",            "a,b",             100, 1, large,                "a,b"},
    };
    // clang-format on
    for (const Row& r : rows) {
        std::string out;
        std::vector<std::size_t> offsets(r.room, 99);
        EXPECT_EQ(ShiftJisCodec::decodeSplitAppend(r.bytes, ',', out, offsets), r.count) << r.name;
        EXPECT_EQ(offsets, r.noted) << r.name;
        EXPECT_EQ(out, r.out) << r.name;
    }
}

TEST(ShiftJisCodec, CharactersWithoutFormBecomeQuestionMarks) {
    struct Row {
        const char* name;
        std::string utf8;
        std::string cp932;
    };
    const Row rows[] = {
        {"emoji",
         "a\xF0\x9F\x98\x80"
         "b",
         "a?b"},
        {"hangul", "한", "?"},
        {"malformed continuation", "\xE3\x81", "??"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"overlong multiplication sign", "\xE0\x83\x97", "???"},
    };
    for (const Row& r : rows) {
        bool lossless = true;
        EXPECT_EQ(ShiftJisCodec::encode(r.utf8, &lossless), r.cp932) << r.name;
        EXPECT_FALSE(lossless) << r.name;
        EXPECT_EQ(ShiftJisCodec::byteWidth(r.utf8), static_cast<int>(r.cp932.size())) << r.name;
    }
}

TEST(WrapText, CutsIntoPiecesAndRoundsTheirCountHalfToEven) {
    struct Row {
        std::string text;
        int width;
        std::string wrapped;
    };
    const std::string ten = "あいうえおかきくけこ";
    // clang-format off
    const Row rows[] = {
        {ten + ten + "さしすせそ", 10, ten + "\r\n" + ten + "\r\nさしすせそ\r\n"},  // 2.5 -> 2
        {"あいうえおかきくけ",      10, "あいうえおかきくけ\r\n\r\n"},              // 0.9 -> 1
        {"abcd",                    10, "abcd\r\n"},                                // 0.4 -> 0
        {"abcdefghijklmno",         10, "abcdefghij\r\nklmno\r\n\r\n"},           // 1.5 -> 2
        {"",                        40, ""},
    };
    // clang-format on
    for (const Row& r : rows) EXPECT_EQ(WrapText(r.text, r.width), r.wrapped) << r.text;
}

TEST(ShiftJisCodec, ByteWidth) {
    struct Row {
        const char* text;
        int width;
    };
    const Row rows[] = {
        {"", 0},
        {"U-12", 4},
        {"グラナト", 8},
        {"ｸﾞﾗﾅﾄ", 5},
        {"連邦 U-1", 8},
        {"～①―×", 8},
        {"【特殊シールド(2)】", 19},
    };
    for (const Row& r : rows) EXPECT_EQ(ShiftJisCodec::byteWidth(r.text), r.width) << r.text;
}

TEST(LineReader, SplitsAtCrLfAndToleratesLoneLf) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        bool lastTerminated;
    };
    const Row rows[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}, true},
        {"lone lf", "a\nb\n", {"a", "b"}, true},
        {"unterminated last line", "a\r\nb", {"a", "b"}, false},
        {"cut-off crlf at end", "a\r\nb\r", {"a", "b"}, false},
        {"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}, true},
        {"lone cr stays in line", "a\rb\r\n", {"a\rb"}, true},
        {"no input", "", {}, true},
    };
    for (const Row& r : rows) {
        LineReader reader(r.bytes);
        std::vector<std::string> got;
        std::string_view line;
        while (reader.next(line)) got.emplace_back(line);
        EXPECT_EQ(got, r.lines) << r.name;
        EXPECT_EQ(reader.lastLineTerminated(), r.lastTerminated) << r.name;
        EXPECT_EQ(reader.lineNumber(), static_cast<int>(r.lines.size())) << r.name;
    }
}

class TempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("svdb_text_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

using LineFiles = TempDir;

TEST_F(LineFiles, WriterWritesCp932WithCrLfAndReaderReadsItBack) {
    LineWriter writer;
    writer.add("#VERSION 1");
    writer.add("連邦,～①―×,");
    EXPECT_TRUE(writer.lossless());
    ASSERT_TRUE(writer.writeTo(path("out.txt")));
    EXPECT_EQ(*ReadFileBytes(path("out.txt")),
              "#VERSION 1\r\n\x98\x41\x96\x4D,\x81\x60\x87\x40\x81\x5C\x81\x7E,\r\n");

    LineReader reader;
    ASSERT_TRUE(reader.openFile(path("out.txt")));
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(ShiftJisCodec::decode(line), "連邦,～①―×,");
    EXPECT_FALSE(reader.next(line));
}

TEST_F(LineFiles, FailuresAreReported) {
    LineWriter writer;
    writer.add("한");
    EXPECT_FALSE(writer.lossless());
    EXPECT_FALSE(writer.writeTo(path("missing/dir/out.txt")));
    EXPECT_FALSE(writer.writeTo(dir_.string()));  // a folder, not a file

    LineReader reader;
    EXPECT_FALSE(reader.openFile(path("absent.txt")));
    std::string_view line;
    EXPECT_FALSE(reader.next(line));
}

// Read a piece at a time, a file gives the lines the same bytes give at once,
// wherever the pieces happen to cut them.
TEST_F(LineFiles, AFileReadInPiecesSplitsAsItsBytesDo) {
    const std::string piece(64 * 1024, 'x');
    const std::string rows[] = {
        "a\r\nb\r\n",
        "a\nb\r\nc",
        "a\r\nb\r",
        "\r\n\r\nx\r\n",
        "a\rb\r\n",
        "",
        piece.substr(1) + "\r\nnext\r\n",  // CR LF across the first cut
        piece + piece + "\r\n" + piece,    // lines longer than a piece
        std::string(200000, '\n'),         // many empty lines
    };
    for (const std::string& bytes : rows) {
        ASSERT_TRUE(WriteFileBytes(path("lines.txt"), bytes));
        FileLineReader file;
        ASSERT_TRUE(file.open(path("lines.txt")));
        LineReader whole(bytes);
        std::string_view a, b;
        int n = 0;
        for (;;) {
            const bool more = whole.next(a);
            ASSERT_EQ(file.next(b), more) << "line " << n;
            if (!more) break;
            ASSERT_EQ(b, a) << "line " << n;
            ++n;
        }
        EXPECT_EQ(file.lineNumber(), whole.lineNumber());
        EXPECT_EQ(file.readFault().kind, FileReadFault::Kind::None);
    }
    FileLineReader absent;
    FileReadFault fault;
    EXPECT_FALSE(absent.open(path("absent.txt"), &fault));
    EXPECT_EQ(fault.kind, FileReadFault::Kind::System);
    EXPECT_FALSE(absent.open(dir_.string(), &fault));
    EXPECT_EQ(fault.kind, FileReadFault::Kind::Folder);
}

// Making pages present is a hint that never changes what they hold, whatever
// the range: empty, inside one page, or across pages at odd ends.
TEST(MemoryPages, PagesKeepWhatTheyHold) {
    std::string bytes(5 * 4096 + 123, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + 1);
    const std::string before = bytes;
    MakePagesPresent(nullptr, 4096);
    MakePagesPresent(bytes.data(), 0);
    MakePagesPresent(bytes.data() + 1, 10);
    MakePagesPresent(bytes.data() + 17, bytes.size() - 17);
    EXPECT_EQ(bytes, before);
}

}  // namespace
}  // namespace svdb
