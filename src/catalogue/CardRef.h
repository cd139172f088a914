#pragma once

#include <compare>

namespace svdb {

// A card of the catalogue by where it stands: faction slot 0..6 and row
// 0..500. Everything that hands a card on (the card list, the deck commands,
// the card-information panel) passes this, never the texts a view shows.
struct CardRef {
    int slot = -1;
    int row = -1;

    bool valid() const { return slot >= 0 && row >= 0; }
    friend bool operator==(const CardRef&, const CardRef&) = default;
};

}  // namespace svdb
