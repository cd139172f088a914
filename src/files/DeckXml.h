#pragma once

#include <span>
#include <string>

#include "catalogue/CardTable.h"
#include "deck/DeckEntry.h"
#include "deck/DeckTotal.h"

namespace svdb {

class DeckModel;

// What the XML and HTML exports of a deck read: the deck title, the main
// deck's entries in list order, its total as the total box shows it, and the
// catalogue the XML export describes each card from. The side deck is never
// exported. The entries and the catalogue are borrowed and must outlive the
// value.
struct DeckExport {
    std::string title;
    std::span<const DeckEntry> mainRows;
    DeckTotal mainTotal = 0;
    const CardTable* table = nullptr;  // the XML export writes no card without one
};

// The export of a deck model's main deck under a title.
DeckExport MainDeckExport(const DeckModel& deck, std::string title);

// The XML deck document as Shift_JIS bytes, every line ended by CR LF: the
// title, then one card element per main-deck entry whose card the catalogue
// holds (matched by faction slot, card number and front name trimmed of
// spaces), with the card's data; entries without a card are left out. Every
// text is escaped ("&", "<", ">"), and a control character other than tab, CR
// and LF, which an XML document cannot carry, is written as "?", as is a
// character with no Shift_JIS form. The document names "SV.dtd" and "SV.css".
std::string DeckXmlBytes(const DeckExport& deck);

// Writes the XML deck document to path, replacing the file only once it is
// complete. False on failure, with the system's reason (when given).
bool WriteDeckXml(const std::string& path, const DeckExport& deck, std::string* reason = nullptr);

}  // namespace svdb
