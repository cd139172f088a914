#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/CardTable.h"
#include "search/CardListRow.h"
#include "search/FilterState.h"
#include "search/SearchTexts.h"

namespace svdb {

// One card that the filter lists: where it stands in the catalogue and the
// texts of its card list row.
struct ListedCard {
    int slot = 0;
    int row = 0;
    CardListRow texts;
};

// What a refill of the card list shows.
struct FilterWalkResult {
    std::vector<ListedCard> cards;  // in list order: slot 0..6, then row
    // Faction group table, indices 0..FactionChangeCount: -1 when unused;
    // entry 0 is 1 when a card is listed, entry g > 0 the 1-based position
    // of the last row of group g - 1. Groups beyond its size are not recorded.
    std::vector<std::int16_t> groupStart;
};

// Walks the catalogue slot by slot (those whose slotColourBit is in
// factionMask) and row by row, and lists every occupied card that passes.
FilterWalkResult WalkFilter(const CardTable& table, const FilterState& state,
                            const SearchTexts& texts);

// The same into a result of an earlier walk, whose storage is reused: a
// window that keeps its last result refills without reallocating its rows.
void WalkFilter(const CardTable& table, const FilterState& state, const SearchTexts& texts,
                FilterWalkResult& result);

}  // namespace svdb
