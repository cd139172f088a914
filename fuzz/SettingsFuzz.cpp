// The settings reader over any bytes: every value it hands on is one a box
// can show, and the file written from what was read reads back the same.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "app/SettingsFile.h"

namespace {

// The values after applying the steps read, as the window does.
svdb::SettingsValues Apply(const svdb::SettingsRead& read) {
    svdb::SettingsValues values;
    for (const svdb::SettingsStep& step : read.steps) {
        FUZZ_CHECK(step.value >= 0 && step.value <= 2);
        switch (step.kind) {
            case svdb::SettingsStep::Kind::FactionBox:
                FUZZ_CHECK(step.index >= 0 && step.index < 8);
                values.checkColor[static_cast<std::size_t>(step.index)] = step.value;
                break;
            case svdb::SettingsStep::Kind::TypeBox:
                FUZZ_CHECK(step.index >= 0 && step.index < 5);
                values.cbKind[static_cast<std::size_t>(step.index)] = step.value;
                break;
            case svdb::SettingsStep::Kind::Picture:
                FUZZ_CHECK(step.line.starts_with("LIST1PICTURE"));
                values.listPictureLine = step.line;
                break;
        }
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const svdb::SettingsRead read = svdb::ReadSettingsBytes(bytes);
    FUZZ_CHECK(read.opened);
    const svdb::SettingsValues values = Apply(read);
    const svdb::SettingsValues again = Apply(svdb::ReadSettingsBytes(svdb::SettingsBytes(values)));
    FUZZ_CHECK(again.checkColor == values.checkColor);
    FUZZ_CHECK(again.cbKind == values.cbKind);
    return 0;
}
