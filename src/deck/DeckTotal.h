#pragma once

#include <cstdint>
#include <vector>

#include "deck/DeckEntry.h"
#include "catalogue/FactionColours.h"

namespace svdb {

// The copies of one list, as shown in its total box.
using DeckTotal = std::int16_t;

// Sum of copies over the rows.
DeckTotal SumOfCopies(const std::vector<DeckEntry>& rows);

// True when a total box shows its number in black: at exactly 50.
bool DeckTotalIsComplete(DeckTotal total);

// Text colour of a total box: black at exactly 50, red (255, 0, 0) otherwise.
Rgb DeckTotalColour(DeckTotal total);

}  // namespace svdb
