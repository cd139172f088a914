#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// The settings file "SVDB.ini" beside the program: the ticks of the faction
// boxes (CheckColor 0..7) and type boxes (CBkind 0..4) from one run to the
// next, and the line naming the card list's background picture. Shift_JIS
// text, lines ended by CR LF.

// A box's value in the file: 0 clear, 1 ticked, 2 greyed.
struct SettingsValues {
    std::array<int, 8> checkColor{};
    std::array<int, 5> cbKind{};
    std::string listPictureLine;  // written back as it was read, or empty
};

// One line of the file that sets something, in the order the file has them.
struct SettingsStep {
    enum class Kind { FactionBox, TypeBox, Picture };
    Kind kind = Kind::FactionBox;
    int index = 0;  // CheckColor or CBkind index
    int value = 0;  // 0, 1 or 2
    // A picture line: the whole line, and the picture's path when the line
    // splits at its "=" signs into exactly two parts.
    std::string line;
    std::optional<std::string> picturePath;
};

struct SettingsRead {
    bool opened = false;  // false: the file could not be read
    // The lines that set something, up to (not including) the first whose
    // value is not a box value: reading ends there.
    std::vector<SettingsStep> steps;
};

// Reads the file's lines. Only a line's beginning and its last character
// matter: "RENPO=1", "RENPO 1" and "RENPOXYZ1" all tick CheckColor 1, and the
// section a line stands in plays no part. Keys are tried in the order RENPO,
// ZEON, TITA, NEOZEON, TURNA, WING, OTHER, ALL, GENERATION, UNIT, CHARACTER,
// COMMAND, OPERATION, LIST1PICTURE; other lines are ignored. A key line whose
// last character is not a digit ends the reading, and so does a digit above
// 2, which no box can show.
SettingsRead ReadSettingsBytes(std::string_view bytes);
SettingsRead ReadSettingsFile(const std::string& path);

// The 18 lines SaveSettings writes: "[SEIRYOKU]", the eight faction values,
// an empty line, "[TYPE]", the five type values under the type captions, an
// empty line and the picture line.
std::string SettingsBytes(const SettingsValues& values);

// Replaces the file with SettingsBytes only once it is written whole. False
// on failure, with the system's reason when asked.
bool WriteSettingsFile(const std::string& path, const SettingsValues& values,
                       std::string* reason = nullptr);

}  // namespace svdb
