#pragma once

#include <string_view>

namespace svdb {

// How many times a non-empty pattern occurs in text without overlap, each
// search starting just after the previous match. An empty pattern gives 0.
int CountOccurrences(std::string_view text, std::string_view pattern);

}  // namespace svdb
