#pragma once

#include <cstdint>
#include <string>

namespace svdb {

// One row of a deck list. Two entries are identical when faction, card
// number and card name are all equal.
struct DeckEntry {
    std::string faction;     // deck faction text (short form while that option is on)
    std::string cardNumber;
    std::string cardName;
    std::int16_t copies = 0;  // never 0 in a list

    bool identicalTo(const DeckEntry& o) const {
        return faction == o.faction && cardNumber == o.cardNumber && cardName == o.cardName;
    }
};

}  // namespace svdb
