#include "catalogue/ExpansionNames.h"

namespace svdb {

const std::array<std::string_view, 17>& ExpansionNames() {
    static constexpr std::array<std::string_view, 17> names = {
        "基本",       "基本",         "撃墜王出撃",    "ドラマ１",   "宇宙の記憶", "その他",
        "新しき翼",   "ドラマ２",     "永久の絆",      "一年戦争編", "新世紀の鼓動",
        "ウィング/∀編", "革新の波濤", "BASED",         "月下の戦塵", "ギレンの野望",
        "相剋の軌跡"};
    return names;
}

std::string_view ExpansionNameOf(int expansion) {
    const auto& names = ExpansionNames();
    if (expansion < 0 || expansion >= static_cast<int>(names.size())) return "--";
    return names[static_cast<std::size_t>(expansion)];
}

}  // namespace svdb
