#pragma once

#include <array>
#include <cstdint>

namespace svdb {

// The filter masks read from the filter panel. A factionMask of 0 lets no
// card through; for every other field 0 means no restriction.
struct FilterState {
    std::uint8_t factionMask = 0;     // colour bits of the ticked faction boxes; 127 for "ALL"
    std::uint8_t typeMask = 0;        // UNIT 16, CHARACTER 8, COMMAND 4, OPERATION 2, GENERATION 1
    std::uint32_t abilityMask = 0;    // one bit per ability box (AbilityBoxes())
    std::uint8_t rarityMask = 0;      // Common 1, Uncommon 2, Rare 4, Special 8
    std::uint8_t genderMask = 0;      // "M" 16, "F" 8
    std::uint8_t ageMask = 0;         // "AD" 4, "CH" 2
    std::uint8_t kindMask = 0;        // "NT" 1, "CO" 32
    std::uint32_t expansionMask = 0;  // bit n = expansion index n wanted; 0 = every expansion

    bool operator==(const FilterState&) const = default;
};

// Type bits of typeMask.
inline constexpr std::uint8_t kTypeUnit = 16;
inline constexpr std::uint8_t kTypeCharacter = 8;
inline constexpr std::uint8_t kTypeCommand = 4;
inline constexpr std::uint8_t kTypeOperation = 2;
inline constexpr std::uint8_t kTypeGeneration = 1;

// factionMask value of the "ALL" box.
inline constexpr std::uint8_t kAllFactions = 127;

// Colour bit of each faction slot: slot 0 16, 1 8, 2 4, 3 2, 4 32, 5 64, 6 1.
inline constexpr std::array<std::uint8_t, 7> slotColourBit = {16, 8, 4, 2, 32, 64, 1};

}  // namespace svdb
