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

}  // namespace svdb
