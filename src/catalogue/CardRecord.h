#pragma once

#include <cstdint>

#include "catalogue/CardFace.h"

namespace svdb {

// One card of the catalogue. A record is occupied when its faction is not empty.
struct CardRecord {
    CardText faction;             // as written in the card list, e.g. "ザンスカール"
    CardText cardNumber;          // its prefix gives the card type
    CardText rare;                // "Common", "Uncommon", "Rare" or "Special"
    std::uint8_t nationCost = 0;  // 指定国力
    std::uint8_t allCost = 0;     // 合計国力
    CardText resourceCost;        // 資源: digits, "*" or "X"
    CardText typeDetail;          // unit: terrain; operation: its kind
    CardText shipModifier;        // begins with "艦船用修正" when present
    CardText familyName;          // "家名" for the family-name keyword
    CardFace front;
    CardFace transformed;
    CardText charGender;            // "M" or "F"
    CardText charAge;               // "AD" or "CH", always upper case
    CardText charKind;              // "NT" or "CO"
    std::uint8_t expansion = 0;     // index into ExpansionNames
    bool quick = false;             // クイック
    std::uint8_t preventLevel = 0;  // プリベント: 0 none, 1..8 level, 9 "X"
    bool support = false;           // サポート

    bool occupied() const { return !faction.empty(); }
    // A card has a transformed face when its transformed power is not empty.
    bool hasTransformedFace() const { return !transformed.power.empty(); }
};

}  // namespace svdb
