#pragma once

#include <span>
#include <string>
#include <vector>

#include "catalogue/CardRef.h"
#include "catalogue/CardTable.h"

namespace svdb {

// The card-information block of a card, the lines of "outest.txt":
//   "." number "　" name / number "　" name / rarity /
//   "コスト：" with both costs and the resource value /
//   "種別：" with the terrain (units) or the character codes (characters) /
//   the front keyword summary and the front text, each when not empty /
//   the combat line "格闘 p/射撃 s/防御 t" (units and characters) /
//   for a card with a transformed face "―変形―", its name, summary, text and
//   combat line / and a closing line of 17 "―".
// The two costs are written as numbers are printed to a file, with a space
// before and after. Line marks in a text become line breaks. Appends the
// block in UTF-8, every line ended by CR LF; nothing for a reference that is
// not an occupied card.
void WriteCardInfo(const CardTable& table, CardRef card, std::string& out);

// The card-information file: one block per card, in the given order, as
// Shift_JIS bytes with CR LF line ends.
std::string CardInfoFileBytes(const CardTable& table, std::span<const CardRef> cards);

// The same bytes in consecutive parts, one per run of cards; a long list is
// written on several threads.
std::vector<std::string> CardInfoFileParts(const CardTable& table, std::span<const CardRef> cards);

// Writes the card-information file to path, replacing the file only once it
// is complete. False on failure, with the system's reason (when given).
bool WriteCardInfoFile(const std::string& path, const CardTable& table,
                       std::span<const CardRef> cards, std::string* reason = nullptr);

}  // namespace svdb
