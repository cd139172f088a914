#pragma once

#include <string_view>

namespace svdb {

// Whole-string wildcard match ("Like"): "*" in the pattern stands for any run
// of characters, also none; every other character matches only itself, case
// sensitive. Works on UTF-8 bytes, which is exact because a UTF-8 sequence
// never matches inside another character.
bool Like(std::string_view text, std::string_view pattern);

}  // namespace svdb
