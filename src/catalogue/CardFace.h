#pragma once

#include <cstdint>

#include "catalogue/CardText.h"

namespace svdb {

// One face of a card: the normal (front) face or the transformed face.
// Fields marked "front only" have no card-list column on the transformed face
// and stay empty, 0 or false there.
struct CardFace {
    CardText name;                 // transformed face: front name + " " + own part
    CardText text;                 // line breaks stored as the two characters "\r"
    CardText flavor;               // front only
    CardText power;                // 格闘力: digits, "*" or "X"
    CardText toughness;            // 防御力
    CardText shoot;                // 射撃力
    CardText psycommu;             // front only; contains "サイコ"
    CardText atmosphereEntry;      // ends in "大気圏突入"
    CardText areaWeapon;           // contains "範囲兵器"
    CardText transform;            // ends in "変形"; caption of the transform button
    CardText highMobility;         // ends in "高機動"
    bool base = false;             // 拠点
    bool colony = false;           // コロニー (front only)
    bool ship = false;             // 艦船
    bool water = false;            // 水
    bool desert = false;           // 砂漠
    bool assault = false;          // 強襲 (front only)
    bool rapid = false;            // 速攻 (front only)
    CardText tire;                 // front only; contains "タイヤ"
    std::uint8_t shieldLevel = 0;  // level code of 特殊シールド (front only)
    std::uint8_t supplyLevel = 0;  // level code of 補給 (front only)
    bool vulture = false;          // バルチャー
    std::uint8_t psArmor = 0;      // 0 none, 1 "PS装甲", 2 "【PS装甲】" (front only)
};

}  // namespace svdb
