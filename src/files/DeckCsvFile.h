#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "deck/DeckEntry.h"
#include "text/FileBytes.h"

namespace svdb {

// The bytes of the comma-separated deck file (Shift_JIS, CR LF): one line
// "faction,card number,card name,copies" per entry, in list order, and
// nothing else. Nothing is quoted: a text holding a comma cannot be read back
// as written.
std::string DeckCsvBytes(const std::vector<DeckEntry>& mainRows);

// Writes the comma-separated deck file of the main deck's rows to path
// through a temporary file beside it, so that a failed save leaves the
// previous file as it was. False on failure, with the system's description
// of it in reason (when given).
bool SaveDeckCsv(const std::string& path, const std::vector<DeckEntry>& mainRows,
                 std::string* reason = nullptr);

// What reading a comma-separated deck file gave: the main deck's rows (the
// file holds no side deck, so loading it empties the side deck). The caller
// hands the rows to DeckModel::ReplaceDecks.
struct DeckCsvRead {
    bool opened = false;  // false: the file could not be read and nothing else is set
    std::string reason;   // the system's description of why it could not be read
    FileReadFault fault;  // why it could not be read, for the window's message
    std::vector<DeckEntry> mainRows;
};

// Reads a comma-separated deck file. A line of exactly four fields is an
// entry: faction, card number, card name and copies, taken as they are; any
// other line is skipped. A fourth field that is not a count (blanks around
// it aside) ends the reading, which keeps what it read.
DeckCsvRead LoadDeckCsv(const std::string& path);

// The same for the bytes of a comma-separated deck file already in memory.
DeckCsvRead LoadDeckCsvBytes(std::string_view bytes);

}  // namespace svdb
