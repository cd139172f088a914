#pragma once

#include <string>
#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

// A deck file named on the command line, read the way the deck menu reads
// it: a name ending in ".csv" (any letter case) as a comma-separated deck
// file, which holds the main deck only, anything else as a deck text file.
struct SvdeckDeckInput {
    bool opened = false;  // false: nothing else but reason is set
    std::string reason;
    std::string title;
    std::vector<DeckEntry> mainRows;
    std::vector<DeckEntry> sideRows;

    static SvdeckDeckInput Read(const std::string& path);
};

}  // namespace svdb
