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

// The faction boxes once box `clicked` has been clicked into its present
// tick: a ticked colour box unticks "ALL", a ticked "ALL" unticks every
// colour box. Unticking a box never ticks another, so the last box unticked
// leaves none ticked.
void ExcludeFactionBoxes(std::array<int, 8>& checkColor, int clicked);

// The ability boxes that only characters have ("艦船用修正", "家名"); with the
// character toolbar they form the character-only group.
inline constexpr std::uint32_t kCharacterOnlyAbilities = 0x100 | 0x2000;
// The fourteen ability boxes that only units have.
inline constexpr std::uint32_t kUnitOnlyAbilities = 0x1 | 0x4 | 0x8 | 0x10 | 0x20 | 0x40 | 0x80 |
                                                    0x200 | 0x800 | 0x1000 | 0x4000 | 0x8000 |
                                                    0x10000 | 0x40000;

// Which groups the type boxes leave enabled. A group is disabled while its
// type is unticked and some other type is ticked; a disabled group's boxes
// are unticked (the toolbar's buttons keep their state but count for nothing).
struct TypeGroups {
    bool characterOnly = true;  // ToolbarChar, "艦船用修正", "家名"
    bool unitOnly = true;       // the kUnitOnlyAbilities boxes

    bool operator==(const TypeGroups&) const = default;
};
TypeGroups TypeGroupsFor(const std::array<int, 5>& cbKind);

}  // namespace svdb
