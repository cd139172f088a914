#include "search/FilterWalk.h"

#include "catalogue/ExpansionNames.h"
#include "search/CardFilter.h"

namespace svdb {

FilterWalkResult WalkFilter(const CardTable& table, const FilterState& state,
                            const SearchTexts& texts) {
    FilterWalkResult result;
    result.groupStart.assign(static_cast<std::size_t>(table.FactionChangeCount) + 1, -1);
    if (state.factionMask == 0) return result;

    const CardFilter filter(state, texts);
    std::vector<const CardRecord*> passed;
    std::vector<std::pair<int, int>> where;

    // First find the cards, then build the rows once with the exact count.
    std::size_t group = 0;
    const std::string* previous = nullptr;
    for (int slot = 0; slot < CardTable::kSlots; ++slot) {
        if ((state.factionMask & slotColourBit[static_cast<std::size_t>(slot)]) == 0) continue;
        for (int row = 0; row < CardTable::kRows; ++row) {
            const CardRecord& card = table.at(slot, row);
            if (!card.occupied() || !filter.passes(card)) continue;
            if (previous == nullptr) {
                result.groupStart[0] = 1;
            } else if (card.faction != *previous) {
                ++group;
                // A table whose FactionChangeCount is too small: the group
                // goes unrecorded rather than written past the end.
                if (group < result.groupStart.size()) {
                    result.groupStart[group] = static_cast<std::int16_t>(passed.size());
                }
            }
            previous = &card.faction;
            passed.push_back(&card);
            where.emplace_back(slot, row);
        }
    }

    result.cards.resize(passed.size());
    for (std::size_t i = 0; i < passed.size(); ++i) {
        const CardRecord& card = *passed[i];
        ListedCard& out = result.cards[i];
        out.slot = where[i].first;
        out.row = where[i].second;
        out.texts.faction = card.faction;
        out.texts.cardNumber = card.cardNumber;
        out.texts.cardName = card.front.name;
        out.texts.expansionName = ExpansionNameOf(card.expansion);
    }
    return result;
}

}  // namespace svdb
