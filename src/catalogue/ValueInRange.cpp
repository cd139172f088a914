#include "catalogue/ValueInRange.h"

namespace svdb {

std::optional<int> ParseByte(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 255) return std::nullopt;
    return v;
}

bool ValueInRange(std::string_view low, std::string_view high, std::string_view value) {
    const std::optional<int> lo = low == "*" ? std::optional<int>(0) : ParseByte(low);
    const std::optional<int> hi = ParseByte(high);
    std::optional<int> v;
    if (value == "*") {
        v = 0;
    } else if (value == "X") {
        v = 9;
    } else {
        v = ParseByte(value);
    }
    if (!lo || !hi || !v) return false;
    return *lo <= *v && *v <= *hi;
}

}  // namespace svdb
