#include "search/FilterWalk.h"

#include "catalogue/ExpansionNames.h"
#include "search/CardFilter.h"

namespace svdb {

FilterWalkResult WalkFilter(const CardTable& table, const FilterState& state,
                            const SearchTexts& texts) {
    FilterWalkResult result;
    WalkFilter(table, state, texts, result);
    return result;
}

void WalkFilter(const CardTable& table, const FilterState& state, const SearchTexts& texts,
                FilterWalkResult& result) {
    result.groupStart.assign(static_cast<std::size_t>(table.FactionChangeCount) + 1, -1);
    std::size_t listed = 0;
    if (state.factionMask == 0) {
        result.cards.clear();
        return;
    }

    const CardFilter filter(state, texts);
    const bool testEach = filter.restricts();
    // Room for every card of the selected slots, so that rows never move.
    int slots = 0;
    for (std::uint8_t bit : slotColourBit) slots += (state.factionMask & bit) != 0 ? 1 : 0;
    result.cards.reserve(static_cast<std::size_t>(slots) * CardTable::kRows);

    std::size_t group = 0;
    const CardText* previous = nullptr;
    for (int slot = 0; slot < CardTable::kSlots; ++slot) {
        if ((state.factionMask & slotColourBit[static_cast<std::size_t>(slot)]) == 0) continue;
        for (int row = 0; row < CardTable::kRows; ++row) {
            const CardRecord& card = table.at(slot, row);
            if (!card.occupied()) continue;
            if (testEach && !filter.passes(card)) continue;
            if (previous == nullptr) {
                result.groupStart[0] = 1;
            } else if (card.faction != *previous) {
                ++group;
                // A table whose FactionChangeCount is too small: the group
                // goes unrecorded rather than written past the end.
                if (group < result.groupStart.size()) {
                    result.groupStart[group] = static_cast<std::int16_t>(listed);
                }
            }
            previous = &card.faction;
            // Rows of the previous walk are overwritten in place, which keeps
            // their text buffers.
            ListedCard& out =
                listed < result.cards.size() ? result.cards[listed] : result.cards.emplace_back();
            ++listed;
            out.slot = slot;
            out.row = row;
            out.texts.faction = card.faction;
            out.texts.cardNumber = card.cardNumber;
            out.texts.cardName = card.front.name;
            out.texts.expansionName = ExpansionNameOf(card.expansion);
        }
    }
    result.cards.resize(listed);
}

}  // namespace svdb
