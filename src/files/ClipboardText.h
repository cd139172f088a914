#pragma once

#include <optional>
#include <span>
#include <string>

#include "deck/DeckEntry.h"
#include "deck/DeckTotal.h"
#include "search/CardDetail.h"
#include "search/CardListRow.h"

namespace svdb {

// The texts the pop-up menu puts on the clipboard, in UTF-8 with every line
// ended by CR LF.

// How a deck is copied: as it is (main and side deck, with the total), or as
// a trade offer (the main deck wanted, the side deck offered, no total).
enum class DeckCopyMode { Normal, Trade };

// The deck copy: the main deck's header, its card lines padded like the
// deck text file's, a rule and (normal mode) the total line; then, when the
// side deck has entries, an empty line, the side deck's header and its card
// lines. Nothing when the main deck is empty.
std::optional<std::string> DeckClipboardText(std::span<const DeckEntry> mainRows,
                                             std::span<const DeckEntry> sideRows,
                                             DeckTotal mainTotal, DeckCopyMode mode);

// The card-list copy: "faction number name" for each row, in the order given.
std::string CardListClipboardText(std::span<const CardListRow> rows);

// The card-information copy of what the panel shows: the card number and the
// name line, an empty line, the keyword summary, then the card text and the
// flavour text cut into lines of 35 characters. Every line after the first
// two is indented by eight spaces.
std::string CardInfoClipboardText(const CardInfoTexts& shown);

}  // namespace svdb
