#pragma once

#include <string_view>

#include "catalogue/FactionColours.h"

namespace svdb {

// Background colour of a list row from its faction text (long or short
// name): "連邦" CC FF FF, "ジオン" 99 CC 99, slot 2 names CC CC CC, slot 3
// names FF CC CC, "∀"/"Ｘ" FF CC 99, "Ｗ"/"Seed" white, anything else
// (empty and "その他" included) CC CC FF: the colour of the faction's slot.
Rgb FactionRowColour(std::string_view faction);

}  // namespace svdb
