#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "deck/DeckEntry.h"
#include "deck/DeckTotal.h"
#include "text/FileBytes.h"

namespace svdb {

class DeckModel;
class DeckStats;

// Everything the deck text file shows: the title, both deck lists and the
// main deck's figures as the statistics display them.
struct DeckText {
    // The order of the type lines, which is the order of typeCounts.
    static constexpr int kTypeLines = 5;  // UNIT, CHARACTER, COMMAND, OPERATION, GENERATION
    static constexpr int kFactionSlots = 7;

    std::string title;
    std::vector<DeckEntry> mainRows;
    std::vector<DeckEntry> sideRows;
    DeckTotal mainTotal = 0;
    std::array<std::int16_t, kFactionSlots> factionCounts{};  // slot 0..6
    std::array<std::int16_t, kTypeLines> typeCounts{};        // in type-line order
};

// The deck text file of a deck model and its main deck's statistics.
DeckText MakeDeckText(std::string title, const DeckModel& deck, const DeckStats& stats);

// The bytes of the deck text file (Shift_JIS, CR LF): the title, a rule,
// the main deck's card lines, a rule, the total line, the side deck block
// when the side deck has entries, a rule, "デッキ構成" with one line per
// faction slot of a non-zero count, an empty line and the five type lines.
// A card line pads faction, number and name with spaces to the widest such
// text of both lists (in Shift_JIS bytes) before " × " and the copies.
std::string DeckTextBytes(const DeckText& deck);

// Card lines as text, shared with the deck copies of the clipboard.

// Width in Shift_JIS bytes of an entry's faction, card number and card name
// joined without separators.
int EntryTextWidth(const DeckEntry& entry);

// The widest EntryTextWidth over the entries of both lists: the width every
// card line of the deck is padded to.
int DeckPadWidth(std::span<const DeckEntry> mainRows, std::span<const DeckEntry> sideRows);

// A card line in UTF-8, without its line end: faction, card number and card
// name separated by single spaces, then spaces up to padWidth (as bytes count
// in Shift_JIS), " × " and the copies. It reads as the line DeckTextBytes
// writes for the entry.
std::string DeckCardLine(const DeckEntry& entry, int padWidth);

// Writes the deck text file to path through a temporary file beside it, so
// that a failed save leaves the previous file as it was. False on failure,
// with the system's description of it in reason (when given).
bool SaveDeckText(const std::string& path, const DeckText& deck, std::string* reason = nullptr);

// What reading a deck text file gave. The caller hands the rows to
// DeckModel::ReplaceDecks, which recounts the statistics from them.
struct DeckTextRead {
    bool opened = false;  // false: the file could not be read and nothing else is set
    std::string reason;   // the system's description of why it could not be read
    FileReadFault fault;  // why it could not be read, for the window's message
    std::string title;    // the first line, empty for a file without lines
    std::vector<DeckEntry> mainRows;
    std::vector<DeckEntry> sideRows;
};

// Reads a deck text file. After the title line, a line that begins with "-"
// switches the list being read: "-- サイドボード --" to the side deck, any other
// (a rule, the total line) back to the main deck. Any other line is split at
// single spaces; one of fewer than five fields is ignored. Otherwise the
// fields are faction, card number, then the name up to the field "×" (or up
// to the last field), trimmed of spaces; the copies are the number that ends
// the line (trailing blanks ignored). A line that does not end in a number
// in the range of a count ends the reading, which keeps what it read; in a
// file of our own this is the first type line. Nothing is looked up or
// limited here.
DeckTextRead LoadDeckText(const std::string& path);

// The same for the bytes of a deck text file already in memory.
DeckTextRead LoadDeckTextBytes(std::string_view bytes);

// Shared by the deck file readers.

// The whole content of a deck file, or nothing with the system's description
// of the failure in reason (when given). Reads as ReadFileBytes does: a
// folder, a FIFO, a device or a file beyond kMaxFileBytes is refused.
std::optional<std::string> ReadDeckFileBytes(const std::string& path, std::string* reason,
                                             FileReadFault* fault = nullptr);

// The copies written as decimal digits, with an optional "-" before them;
// nothing when the text is anything else or beyond a 16-bit count.
std::optional<std::int16_t> ParseCopies(std::string_view text);

}  // namespace svdb
