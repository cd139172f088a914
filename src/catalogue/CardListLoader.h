#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/CardTable.h"
#include "text/FileBytes.h"

namespace svdb {

// What a load did. A fault ends loading quietly: the cards before the faulty
// line stay, the faulty line leaves no partial card.
struct LoadOutcome {
    bool opened = false;      // false: the file could not be read, nothing was loaded
    FileReadFault readFault;  // why it could not be read
    int cardsLoaded = 0;      // data lines stored
    int faultLine = 0;        // 1-based line number of the fault, 0 when none
    std::string fault;        // short English description of the fault, empty when none
    std::string faultText;    // the same in Japanese, for the window
};

// Where and why loading stopped, in Japanese, as the window shows it after
// the path ("12 行目で読み込みを中断しました（勢力名が正しくありません）"); empty
// when the whole file loaded.
std::string LoadStopMessage(const LoadOutcome& outcome);

// Loads a card list file (Shift_JIS, CR LF) into the table, which is cleared
// first. Sets ListVersion, MaxExpansion and FactionChangeCount. A file that
// cannot be opened leaves the table untouched and gives opened false; so does
// a folder, a FIFO, a device or a file beyond kMaxFileBytes (the refusals of
// ReadFileBytes). A read that fails part-way ends loading as a faulty line
// does, at the line it could not finish.
//
// Reading stops at the end of the bytes or at the first empty line. A faulty
// data line ends loading and has no effect of its own: its row stays empty and
// it does not count as a faction change. ListVersion changes only through a
// "#VERSION " line, so a list without one keeps the previous version text.
LoadOutcome LoadCardList(CardTable& table, const std::string& path);

// The same for the bytes of a card list already in memory.
LoadOutcome LoadCardListBytes(CardTable& table, std::string_view bytes);

// Level code of a keyword text such as 特殊シールド(3), 【特殊シールド(2)】,
// 《(1)》特殊シールド(2) or プリベント(X); nothing when the text is malformed or
// the code would exceed 255.
std::optional<std::uint8_t> ParseLevel(std::string_view text);

}  // namespace svdb
