#include <gtest/gtest.h>

#include <string>

#include "MalformedInput.h"
#include "app/SettingsFile.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using testing::Damage;

// What reading a damaged settings file hands on to the boxes: the number of
// lines that set something and the picture path, if any. The window applies
// exactly these and says nothing; a file that was read but sets nothing
// leaves every box as it was built.
TEST(SettingsDamage, EachDamageHasItsOutcome) {
    SettingsValues values;
    values.checkColor = {1, 0, 2, 0, 0, 1, 0, 0};
    values.cbKind = {1, 1, 0, 2, 1};
    values.listPictureLine = "LIST1PICTURE=/絵/一覧.png";
    const std::string good = SettingsBytes(values);  // 13 box lines and the picture line
    struct Row {
        std::string bytes;
        const char* name;
        int steps;
        const char* picture;  // the last step's picture path; nullptr: none
    };
    const auto damaged = [&](Damage d) { return testing::Damaged(good, d); };
    // clang-format off
    const Row rows[] = {
        {damaged(Damage::Empty),           "Empty",           0,  nullptr},
        // Keys and values are ASCII; only the picture path is misread (one of
        // its UTF-8 bytes is no Shift_JIS character).
        {damaged(Damage::Utf8),            "Utf8",            14, "/邨ｵ/荳\xEF\xBF\xBD隕ｧ.png"},
        // Every line after the first begins with a NUL byte: no key matches.
        {damaged(Damage::Utf16WithBom),    "Utf16WithBom",    0,  nullptr},
        {damaged(Damage::RandomBytes),     "RandomBytes",     0,  nullptr},
        {damaged(Damage::CutMidCharacter), "CutMidCharacter", 14, "/絵/一\xEF\xBF\xBD"},
        // Cut right after "LIST1PICTURE=".
        {damaged(Damage::CutMidLine),      "CutMidLine",      14, ""},
        // "ALL=1" followed by NUL ends in no digit, which ends the reading.
        {damaged(Damage::NulBytes),        "NulBytes",        0,  nullptr},
        {damaged(Damage::MegabyteLine),    "MegabyteLine",    14, "/絵/一覧.png"},
        {damaged(Damage::LfOnly),          "LfOnly",          14, "/絵/一覧.png"},
        // A lone CR ends no line: one line beginning "[SEIRYOKU]", ignored.
        {damaged(Damage::CrOnly),          "CrOnly",          0,  nullptr},
        // Only the last character of a value counts.
        {"ALL=12\r\nRENPO=-1\r\nZEON=99999999999\r\n",         "LongNumbers", 2, nullptr},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SettingsRead read = ReadSettingsBytes(r.bytes);
        EXPECT_TRUE(read.opened);
        ASSERT_EQ(read.steps.size(), static_cast<std::size_t>(r.steps));
        const bool picture = !read.steps.empty() &&
                             read.steps.back().kind == SettingsStep::Kind::Picture &&
                             read.steps.back().picturePath;
        ASSERT_EQ(picture, r.picture != nullptr);
        if (picture) {
            EXPECT_EQ(*read.steps.back().picturePath, r.picture);
        }
    }
}

}  // namespace
}  // namespace svdb
