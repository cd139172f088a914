#pragma once

#include <array>
#include <cstdint>

#include "search/FilterState.h"

namespace svdb {

// Tick values of a check box: only kTicked counts as ticked.
inline constexpr int kUnticked = 0;
inline constexpr int kTicked = 1;
inline constexpr int kGreyed = 2;

// A plain snapshot of the filter panel's controls.
struct FilterPanel {
    std::array<int, 8> checkColor{};    // CheckColor 0 "ALL", 1..7 the colour boxes
    std::array<int, 5> cbKind{};        // CBkind 0 "GENERATION", 1 "UNIT", 2 "CHARACTER",
                                        // 3 "COMMAND", 4 "OPERATION"
    std::array<int, 4> checkRare{};     // CheckRare 0 "Common" .. 3 "Special"
    std::uint32_t abilityTicks = 0;     // bits (AbilityBoxes()) of the ticked ability boxes
    bool frame5Enabled = true;          // the ability frame Frame5 is enabled
    std::array<bool, 6> toolbarChar{};  // ToolbarChar buttons 1..6 (at 0..5) pressed
    bool toolbarEnabled = true;         // the character toolbar is enabled
};

// Turns the panel into the filter masks: overwrites every field of the
// state but expansionMask, which only the expansion menu changes.
void MakeSeq(const FilterPanel& panel, FilterState& state);

}  // namespace svdb
