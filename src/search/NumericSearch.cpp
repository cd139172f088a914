#include "search/NumericSearch.h"

#include <optional>

#include "catalogue/ValueInRange.h"

namespace svdb {

std::vector<std::string> MaximumChoices(std::string_view minimum) {
    const std::optional<int> low = minimum == "*" ? std::optional<int>(0) : ParseByte(minimum);
    std::vector<std::string> choices;
    if (!low) return choices;
    for (int n = *low; n <= 9; ++n) choices.push_back(std::to_string(n));
    return choices;
}

std::string_view SearchHint(std::string_view searchItem, std::string_view minimum,
                            std::string_view maximum) {
    if (searchItem.empty()) return "検索項目を指定してください。";
    if (minimum.empty()) {
        return maximum.empty() ? "最小値／最大値を指定してください。"
                               : "最小値を指定してください。";
    }
    return maximum.empty() ? "最小値のみで完全一致検索しました。" : "範囲検索しました。";
}

}  // namespace svdb
