#include "app/SettingsFile.h"

#include <optional>

#include "text/FileBytes.h"
#include "text/LineReader.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

struct Key {
    std::string_view prefix;
    SettingsStep::Kind kind;
    int index;
};

// Tried in this order; the first key the line begins with decides.
constexpr Key kKeys[] = {
    {"RENPO", SettingsStep::Kind::FactionBox, 1},   {"ZEON", SettingsStep::Kind::FactionBox, 2},
    {"TITA", SettingsStep::Kind::FactionBox, 3},    {"NEOZEON", SettingsStep::Kind::FactionBox, 4},
    {"TURNA", SettingsStep::Kind::FactionBox, 5},   {"WING", SettingsStep::Kind::FactionBox, 6},
    {"OTHER", SettingsStep::Kind::FactionBox, 7},   {"ALL", SettingsStep::Kind::FactionBox, 0},
    {"GENERATION", SettingsStep::Kind::TypeBox, 0}, {"UNIT", SettingsStep::Kind::TypeBox, 1},
    {"CHARACTER", SettingsStep::Kind::TypeBox, 2},  {"COMMAND", SettingsStep::Kind::TypeBox, 3},
    {"OPERATION", SettingsStep::Kind::TypeBox, 4},
};

constexpr std::string_view kPictureKey = "LIST1PICTURE";

// The faction keys in CheckColor order, and the type captions in CBkind order.
constexpr std::string_view kFactionKeys[8] = {"ALL",     "RENPO", "ZEON", "TITA",
                                              "NEOZEON", "TURNA", "WING", "OTHER"};
constexpr std::string_view kTypeKeys[5] = {"GENERATION", "UNIT", "CHARACTER", "COMMAND",
                                           "OPERATION"};

// The picture's path when the line splits at "=" into exactly two parts.
std::optional<std::string> PicturePath(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || line.find('=', eq + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(line.substr(eq + 1));
}

}  // namespace

SettingsRead ReadSettingsBytes(std::string_view bytes) {
    SettingsRead read;
    read.opened = true;
    LineReader lines(bytes);
    std::string_view raw;
    while (lines.next(raw)) {
        if (raw.empty()) continue;
        const std::string line = ShiftJisCodec::decode(raw);
        if (line.starts_with(kPictureKey)) {
            SettingsStep step;
            step.kind = SettingsStep::Kind::Picture;
            step.line = line;
            step.picturePath = PicturePath(line);
            read.steps.push_back(std::move(step));
            continue;
        }
        for (const Key& key : kKeys) {
            if (!line.starts_with(key.prefix)) continue;
            const char last = line.back();
            if (last < '0' || last > '2') return read;
            read.steps.push_back(SettingsStep{key.kind, key.index, last - '0', {}, std::nullopt});
            break;
        }
    }
    return read;
}

SettingsRead ReadSettingsFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return SettingsRead{};
    return ReadSettingsBytes(*bytes);
}

std::string SettingsBytes(const SettingsValues& values) {
    std::string text = "[SEIRYOKU]\r\n";
    for (std::size_t i = 0; i < values.checkColor.size(); ++i) {
        text += kFactionKeys[i];
        text += '=';
        text += std::to_string(values.checkColor[i]);
        text += "\r\n";
    }
    text += "\r\n[TYPE]\r\n";
    for (std::size_t i = 0; i < values.cbKind.size(); ++i) {
        text += kTypeKeys[i];
        text += '=';
        text += std::to_string(values.cbKind[i]);
        text += "\r\n";
    }
    text += "\r\n";
    text += values.listPictureLine;
    text += "\r\n";
    return ShiftJisCodec::encode(text);
}

bool WriteSettingsFile(const std::string& path, const SettingsValues& values, std::string* reason) {
    return WriteFileReplacing(path, SettingsBytes(values), reason);
}

}  // namespace svdb
