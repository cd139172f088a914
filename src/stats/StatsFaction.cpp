#include "stats/StatsFaction.h"

#include "catalogue/StringTable.h"

namespace svdb {

std::optional<int> StatsFactionSlot(std::string_view f) {
    if (f == StringTable::text(101)) return 0;
    if (f == StringTable::text(102)) return 1;
    if (f.starts_with("ティ") || f.starts_with("ザン")) return 2;
    if (f.starts_with("ネオ") || f.starts_with("クロ")) return 3;
    if (f == StringTable::text(105) || f == StringTable::text(110)) return 4;
    if (f == StringTable::text(106) || f == StringTable::text(111)) return 5;
    if (f == "その他") return 6;
    return std::nullopt;
}

}  // namespace svdb
