#pragma once

#include <string>

#include "catalogue/CardRecord.h"
#include "catalogue/CardTable.h"

namespace svdb {

// Which face of a card a summary describes.
enum class Face { Front, Transformed };

// The one-line keyword summary of a card face: its keyword words in the
// fixed order of the game's rules, each followed by one blank, or empty
// text when the face has none. The front summary also holds the keywords
// that belong to the card as a whole (クイック, 家名, プリベント, サポート,
// 艦船用修正); it never holds the front face's 変形, which the transformed
// summary shows for the transformed face.
std::string AbilitySummary(const CardRecord& card, Face face);

// The same for the card at (slot, row) of the catalogue.
std::string AbilitySummary(const CardTable& table, Face face, int slot, int row);

}  // namespace svdb
