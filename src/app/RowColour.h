#pragma once

#include <cstdint>
#include <string_view>

namespace svdb {

// A background colour as red, green, blue.
struct RowRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const RowRgb&) const = default;
};

// Background colour of a list row from its faction text (long or short
// name): "連邦" CC FF FF, "ジオン" 99 CC 99, slot 2 names CC CC CC, slot 3
// names FF CC CC, "∀"/"Ｘ" FF CC 99, "Ｗ"/"Seed" white, anything else
// (empty and "その他" included) CC CC FF.
RowRgb FactionRowColour(std::string_view faction);

}  // namespace svdb
