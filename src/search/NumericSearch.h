#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// The maxima offered once a minimum is chosen: the numbers from the minimum
// up to 9 as texts, "*" counting as 0. A minimum that is no whole number,
// or one above 9, offers none.
std::vector<std::string> MaximumChoices(std::string_view minimum);

// The hint under the numeric search for its three box texts: what is still
// missing, or which kind of search ran.
std::string_view SearchHint(std::string_view searchItem, std::string_view minimum,
                            std::string_view maximum);

}  // namespace svdb
