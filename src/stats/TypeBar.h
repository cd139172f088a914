#pragma once

#include <optional>
#include <vector>

#include "catalogue/CardType.h"
#include "deck/DeckEntry.h"
#include "catalogue/FactionColours.h"

namespace svdb {

// One filled rectangle of a type bar, in pixels from the bar's inner left
// edge; it spans the bar's full inner height.
struct TypeBarRect {
    int slot = 0;
    int left = 0;
    int right = 0;
    Rgb colour;
};

// The card type of a type bar: 1 UNIT, 2 CHARACTER, 3 COMMAND, 4 OPERATION,
// 5 GENERATION; nothing for any other kind.
std::optional<CardType> TypeBarType(int kind);

// The rectangles of type bar kind (1..5) for the main deck's rows and a bar
// innerWidth pixels wide: for each faction slot 0..6 in order with copies of
// that type, a rectangle from the previous right edge (0 for the first) to
// that edge plus count * innerWidth / type total, rounded to the nearest
// pixel. Rows whose faction text the statistics do not recognise count in
// the type total but get no rectangle. Empty when the type has no copies (the
// bar is then cleared) or the kind is unknown.
std::vector<TypeBarRect> DrawTypeBar(const std::vector<DeckEntry>& mainRows, int kind,
                                     int innerWidth);

}  // namespace svdb
