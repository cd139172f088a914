#include "catalogue/RowColour.h"

#include "catalogue/CardTable.h"

namespace svdb {

Rgb FactionRowColour(std::string_view faction) {
    // FactionSlotOf knows exactly the long and short names of the table and
    // puts every other text in slot 6, whose colour is the row colour of
    // "その他" and of unknown factions.
    return FactionColour(FactionSlotOf(faction));
}

}  // namespace svdb
