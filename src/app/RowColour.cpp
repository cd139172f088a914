#include "app/RowColour.h"

namespace svdb {

RowRgb FactionRowColour(std::string_view f) {
    if (f == "連邦") return {0xCC, 0xFF, 0xFF};
    if (f == "ジオン") return {0x99, 0xCC, 0x99};
    if (f == "ティターンズ" || f == "ティタ" || f == "ザンスカール" || f == "ザンス") {
        return {0xCC, 0xCC, 0xCC};
    }
    if (f == "ネオジオン" || f == "クロスボーン" || f == "ネオジ" || f == "クロス") {
        return {0xFF, 0xCC, 0xCC};
    }
    if (f == "∀" || f == "Ｘ") return {0xFF, 0xCC, 0x99};
    if (f == "Ｗ" || f == "Seed") return {0xFF, 0xFF, 0xFF};
    return {0xCC, 0xCC, 0xFF};
}

}  // namespace svdb
