#pragma once

#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

// One deck list: its entries in list order. Nothing sorts a list; new
// entries are appended.
struct DeckList {
    std::vector<DeckEntry> rows;

    int size() const { return static_cast<int>(rows.size()); }
    bool empty() const { return rows.empty(); }
};

}  // namespace svdb
