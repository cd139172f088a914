#pragma once

#include <cstdint>
#include <string>

#include "catalogue/CardFace.h"

namespace svdb {

// One card of the catalogue. A record is occupied when its faction is not empty.
struct CardRecord {
    std::string faction;     // as written in the card list, e.g. "ザンスカール"
    std::string cardNumber;  // its prefix gives the card type
    std::string rare;        // "Common", "Uncommon", "Rare" or "Special"
    std::uint8_t nationCost = 0;  // 指定国力
    std::uint8_t allCost = 0;     // 合計国力
    std::string resourceCost;     // 資源: digits, "*" or "X"
    std::string typeDetail;       // unit: terrain; operation: its kind
    std::string shipModifier;     // begins with "艦船用修正" when present
    std::string familyName;       // "家名" for the family-name keyword
    CardFace front;
    CardFace transformed;
    std::string charGender;  // "M" or "F"
    std::string charAge;     // "AD" or "CH", always upper case
    std::string charKind;    // "NT" or "CO"
    std::uint8_t expansion = 0;  // index into ExpansionNames
    bool quick = false;          // クイック
    std::uint8_t preventLevel = 0;  // プリベント: 0 none, 1..8 level, 9 "X"
    bool support = false;           // サポート

    bool occupied() const { return !faction.empty(); }
    // A card has a transformed face when its transformed power is not empty.
    bool hasTransformedFace() const { return !transformed.power.empty(); }
};

}  // namespace svdb
