#pragma once

#include <string>

namespace svdb {

// One row of the card list: its four texts. Every later use of a row (the
// information panel, the deck commands) works from these texts alone.
struct CardListRow {
    std::string faction;        // "勢力"
    std::string cardNumber;     // "No."
    std::string cardName;       // "カード名": the front name
    std::string expansionName;  // "拡張SET": ExpansionNameOf(expansion)
};

}  // namespace svdb
