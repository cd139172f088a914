#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/SettingsFile.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using Kind = SettingsStep::Kind;

std::string Steps(const SettingsRead& read) {
    std::string out;
    for (const SettingsStep& s : read.steps) {
        if (s.kind == Kind::Picture) {
            out += "P[";
            out += s.picturePath ? *s.picturePath : std::string("-");
            out += ']';
        } else {
            out += s.kind == Kind::FactionBox ? 'C' : 'K';
            out += std::to_string(s.index);
            out += '=';
            out += std::to_string(s.value);
        }
        out += ' ';
    }
    return out;
}

TEST(SettingsFileTest, ReadsKeysByTheirBeginningAndTheLastCharacter) {
    struct Case {
        const char* lines;
        const char* steps;
    };
    // clang-format off
    const Case cases[] = {
        {"RENPO=1",                        "C1=1 "},
        {"RENPO 1\r\nRENPOXYZ2",           "C1=1 C1=2 "},
        {"NEOZEON=1\r\nZEON=0\r\nALL=1",   "C4=1 C2=0 C0=1 "},
        {"[TYPE]\r\nUNIT=1\r\nOPERATION=2", "K1=1 K4=2 "},
        {"GENERATION=1\nCOMMAND=0",        "K0=1 K3=0 "},            // LF alone ends a line too
        {"\r\n\r\nwing=1\r\nWING=1",       "C6=1 "},                // keys are case-sensitive
        {"ZEON=1\r\nTITA=x\r\nWING=1",     "C2=1 "},                // a non-digit ends reading
        {"ZEON=1\r\nTITA=3\r\nWING=1",     "C2=1 "},                // so does a value no box shows
        {"LIST1PICTURE=/a/b.png",          "P[/a/b.png] "},
        {"LIST1PICTURE=",                  "P[] "},
        {"LIST1PICTURE",                   "P[-] "},
        {"LIST1PICTURE=/a=b.png\r\nALL=1", "P[-] C0=1 "},
    };
    // clang-format on
    for (const Case& c : cases) {
        const SettingsRead read = ReadSettingsBytes(c.lines);
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(Steps(read), c.steps) << c.lines;
    }
}

TEST(SettingsFileTest, WritesTheEighteenLinesAndReadsThemBack) {
    SettingsValues values;
    values.checkColor = {0, 1, 2, 0, 1, 0, 0, 1};
    values.cbKind = {1, 0, 2, 0, 1};
    values.listPictureLine = "LIST1PICTURE=/写真/背景.png";
    const std::string bytes = SettingsBytes(values);
    EXPECT_EQ(ShiftJisCodec::decode(bytes),
              "[SEIRYOKU]\r\nALL=0\r\nRENPO=1\r\nZEON=2\r\nTITA=0\r\nNEOZEON=1\r\nTURNA=0\r\n"
              "WING=0\r\nOTHER=1\r\n\r\n[TYPE]\r\nGENERATION=1\r\nUNIT=0\r\nCHARACTER=2\r\n"
              "COMMAND=0\r\nOPERATION=1\r\n\r\nLIST1PICTURE=/写真/背景.png\r\n");

    SettingsValues back;
    for (const SettingsStep& s : ReadSettingsBytes(bytes).steps) {
        if (s.kind == Kind::FactionBox)
            back.checkColor[static_cast<std::size_t>(s.index)] = s.value;
        if (s.kind == Kind::TypeBox) back.cbKind[static_cast<std::size_t>(s.index)] = s.value;
        if (s.kind == Kind::Picture) back.listPictureLine = s.line;
    }
    EXPECT_EQ(back.checkColor, values.checkColor);
    EXPECT_EQ(back.cbKind, values.cbKind);
    EXPECT_EQ(back.listPictureLine, values.listPictureLine);
}

TEST(SettingsFileTest, AMissingFileIsNotOpenedAndTheFirstSaveCreatesIt) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "svdb_settings_test.ini").string();
    std::filesystem::remove(path);
    EXPECT_FALSE(ReadSettingsFile(path).opened);
    SettingsValues values;
    values.checkColor[0] = 1;
    ASSERT_TRUE(WriteSettingsFile(path, values));
    EXPECT_EQ(Steps(ReadSettingsFile(path)),
              "C0=1 C1=0 C2=0 C3=0 C4=0 C5=0 C6=0 C7=0 K0=0 K1=0 K2=0 K3=0 K4=0 ");
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace svdb
