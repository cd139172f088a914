#include "search/FilterPanel.h"

#include "search/FilterCaptions.h"

namespace svdb {

void MakeSeq(const FilterPanel& panel, FilterState& state) {
    const auto& factions = FactionBoxes();
    if (panel.checkColor[0] == kTicked) {
        state.factionMask = kAllFactions;
    } else {
        std::uint8_t mask = 0;
        for (std::size_t i = 1; i < factions.size(); ++i) {
            if (panel.checkColor[i] == kTicked) mask |= static_cast<std::uint8_t>(factions[i].bit);
        }
        state.factionMask = mask;
    }

    std::uint8_t type = 0;
    for (std::size_t i = 0; i < TypeBoxes().size(); ++i) {
        if (panel.cbKind[i] == kTicked) type |= static_cast<std::uint8_t>(TypeBoxes()[i].bit);
    }
    state.typeMask = type;

    std::uint8_t rarity = 0;
    for (std::size_t i = 0; i < RarityBoxes().size(); ++i) {
        if (panel.checkRare[i] == kTicked)
            rarity |= static_cast<std::uint8_t>(RarityBoxes()[i].bit);
    }
    state.rarityMask = rarity;

    // Only the bits of real boxes count.
    std::uint32_t known = 0;
    for (const AbilityBox& box : AbilityBoxes()) known |= box.bit;
    state.abilityMask = panel.frame5Enabled ? (panel.abilityTicks & known) : 0;

    state.genderMask = 0;
    state.ageMask = 0;
    state.kindMask = 0;
    if (panel.toolbarEnabled) {
        for (std::size_t i = 0; i < CharButtons().size(); ++i) {
            if (!panel.toolbarChar[i]) continue;
            const CharButton& b = CharButtons()[i];
            switch (b.mask) {
                case CharMask::Gender:
                    state.genderMask |= b.bit;
                    break;
                case CharMask::Age:
                    state.ageMask |= b.bit;
                    break;
                case CharMask::Kind:
                    state.kindMask |= b.bit;
                    break;
            }
        }
    }
}

void ExcludeFactionBoxes(std::array<int, 8>& checkColor, int clicked) {
    if (clicked < 0 || clicked >= static_cast<int>(checkColor.size())) return;
    if (checkColor[static_cast<std::size_t>(clicked)] != kTicked) return;
    if (clicked != 0) {
        checkColor[0] = kUnticked;
        return;
    }
    for (std::size_t i = 1; i < checkColor.size(); ++i) checkColor[i] = kUnticked;
}

TypeGroups TypeGroupsFor(const std::array<int, 5>& cbKind) {
    constexpr std::size_t kUnitBox = 1, kCharacterBox = 2;
    // Whether a box other than `own` is ticked.
    auto otherTicked = [&cbKind](std::size_t own) {
        for (std::size_t i = 0; i < cbKind.size(); ++i) {
            if (i != own && cbKind[i] == kTicked) return true;
        }
        return false;
    };
    TypeGroups groups;
    groups.characterOnly = cbKind[kCharacterBox] == kTicked || !otherTicked(kCharacterBox);
    groups.unitOnly = cbKind[kUnitBox] == kTicked || !otherTicked(kUnitBox);
    return groups;
}

}  // namespace svdb
