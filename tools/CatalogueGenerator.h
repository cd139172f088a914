#pragma once

#include <string>

#include "catalogue/CardTable.h"

namespace svdb {

// A synthetic card list in the card list file format (Shift_JIS bytes, CR LF):
// a "#VERSION " line, then cardsPerSlot cards for each of the seven faction
// slots (at most 501), with every keyword column in use.
std::string GenerateCatalogueBytes(int cardsPerSlot = 501, unsigned seed = 1);

// The full synthetic catalogue (the bytes above with their defaults), loaded
// once and shared by everything that asks.
CardTable& GeneratedCatalogue();

}  // namespace svdb
