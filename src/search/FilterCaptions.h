#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/CardRecord.h"

namespace svdb {

// A check box or button of the filter panel: its caption and its bit.
struct CaptionBit {
    std::string_view caption;
    std::uint32_t bit;
};

// CheckColor by index: 0 "ALL" (127), 1 "青" 16, 2 "緑" 8, 3 "黒" 4, 4 "赤" 2,
// 5 "茶" 32, 6 "白" 64, 7 "その他" 1.
const std::array<CaptionBit, 8>& FactionBoxes();

// CBkind by index: 0 "GENERATION" 1, 1 "UNIT" 16, 2 "CHARACTER" 8,
// 3 "COMMAND" 4, 4 "OPERATION" 2.
const std::array<CaptionBit, 5>& TypeBoxes();

// CheckRare by index: "Common" 1, "Uncommon" 2, "Rare" 4, "Special" 8.
const std::array<CaptionBit, 4>& RarityBoxes();

// Which mask a character button sets.
enum class CharMask { Gender, Age, Kind };

// ToolbarChar buttons 1..6 (at 0..5): "M", "F", "AD", "CH", "NT", "CO".
struct CharButton {
    std::string_view caption;  // the character code
    std::string_view toolTip;  // e.g. "「男性」を検索"
    CharMask mask;
    std::uint8_t bit;
};
const std::array<CharButton, 6>& CharButtons();

// An ability box of the frame Frame5: the box's objectName, caption, its bit
// in abilityMask and the card test the bit enables.
struct AbilityBox {
    std::string_view objectName;
    std::string_view caption;
    std::uint32_t bit;
    bool (*passes)(const CardRecord& card);
};
// In bit order, from "砂漠" 0x1 to "PS装甲" 0x200000.
const std::array<AbilityBox, 22>& AbilityBoxes();

// An item of the expansion menu ExpansionSub: caption and the expansionMask
// bits it switches.
struct ExpansionMenuItem {
    std::string_view caption;
    std::uint32_t bits;
};
// ExpansionSub items 0..15, from "基本セット" (bits 1 and 2) to "その他" (32).
const std::array<ExpansionMenuItem, 16>& ExpansionMenuItems();

// The search items of ComboSyugo in list order: "指定国力", "合計国力", "資源",
// "格闘力", "射撃力", "防御力".
const std::array<std::string_view, 6>& SearchItemCaptions();

// The text-search presets of ComboFind in list order.
const std::array<std::string_view, 16>& FindPresets();

}  // namespace svdb
