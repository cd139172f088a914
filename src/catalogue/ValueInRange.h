#pragma once

#include <optional>
#include <string_view>

namespace svdb {

// Whole number 0..255 written in plain decimal digits, or nothing.
std::optional<int> ParseByte(std::string_view text);

// Answers low <= value <= high, where low "*" is 0, value "*" is 0 and
// value "X" is 9. A text that is none of these and not a whole number
// 0..255 (empty text included) is never in range.
bool ValueInRange(std::string_view low, std::string_view high, std::string_view value);

}  // namespace svdb
