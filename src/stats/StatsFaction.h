#pragma once

#include <optional>
#include <string_view>

namespace svdb {

// Faction slot under which the statistics count a deck faction text, first
// hit wins: "連邦" 0; "ジオン" 1; begins with "ティ" or "ザン" 2; begins with
// "ネオ" or "クロ" 3; "∀" or "Ｘ" 4; "Ｗ" or "Seed" 5; "その他" 6. Any other
// text has no slot and is not counted by faction. The prefix tests accept the
// long names and their short forms alike.
std::optional<int> StatsFactionSlot(std::string_view faction);

}  // namespace svdb
