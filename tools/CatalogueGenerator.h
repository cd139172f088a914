#pragma once

#include <string>

namespace svdb {

// A synthetic card list in the card list file format (Shift_JIS bytes, CR LF):
// a "#VERSION " line, then cardsPerSlot cards for each of the seven faction
// slots (at most 501), with every keyword column in use.
std::string GenerateCatalogueBytes(int cardsPerSlot = 501, unsigned seed = 1);

}  // namespace svdb
