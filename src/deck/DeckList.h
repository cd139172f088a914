#pragma once

#include <optional>
#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

// One deck list: its entries in list order and its selected row (at most one,
// possibly none). Nothing sorts a list; new entries are appended.
struct DeckList {
    std::vector<DeckEntry> rows;
    std::optional<int> selected;

    int size() const { return static_cast<int>(rows.size()); }
    bool empty() const { return rows.empty(); }

    // The selected row when it names a row of the list, else nothing.
    std::optional<int> selectedRow() const {
        if (selected && *selected >= 0 && *selected < size()) return selected;
        return std::nullopt;
    }
};

}  // namespace svdb
