#pragma once

#include <array>
#include <string>
#include <string_view>

namespace svdb {

// Display names of the expansions, indexed 0..16 by a card's expansion number.
const std::array<std::string_view, 17>& ExpansionNames();

// The expansion's display name, or "--" for an index beyond the list.
std::string_view ExpansionNameOf(int expansion);

}  // namespace svdb
