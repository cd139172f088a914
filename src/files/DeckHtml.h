#pragma once

#include <string>

#include "files/DeckXml.h"

namespace svdb {

// The HTML deck page as Shift_JIS bytes, every line ended by CR LF: the title
// as page title and heading, then a four-column table of the main deck's
// entries (faction, card number, card name, "× " copies) in list order, and
// the main total. The entries are written as the deck list holds them; the
// catalogue is not read. Every text is escaped ("&", "<", ">", "\"").
std::string DeckHtmlBytes(const DeckExport& deck);

// Writes the HTML deck page to path, replacing the file only once it is
// complete. False on failure, with the system's reason (when given).
bool WriteDeckHtml(const std::string& path, const DeckExport& deck, std::string* reason = nullptr);

}  // namespace svdb
