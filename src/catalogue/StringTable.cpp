#include "catalogue/StringTable.h"

namespace svdb {

std::string_view StringTable::text(int id) {
    switch (id) {
        case 101: return "連邦";
        case 102: return "ジオン";
        case 103: return "ティターンズ";
        case 104: return "ネオジオン";
        case 105: return "∀";
        case 106: return "Ｗ";
        case 108: return "ザンスカール";
        case 109: return "クロスボーン";
        case 110: return "Ｘ";
        case 111: return "Seed";
        // 207..211: keyword rules paragraphs (拠点, 変形, クイック, 艦船, サイコミュ).
        default: return {};
    }
}

}  // namespace svdb
