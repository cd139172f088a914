#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// Short form of a long faction name: "ティターンズ" "ティタ", "ネオジオン" "ネオジ",
// "ザンスカール" "ザンス", "クロスボーン" "クロス". Any other text is returned unchanged.
std::string ShortFactionName(std::string_view faction);

// Long form of a short faction name (the inverse of ShortFactionName), read from
// the string table. Any other text is returned unchanged.
std::string LongFactionName(std::string_view faction);

// The long names that have a short form ("ティターンズ", "ネオジオン",
// "ザンスカール", "クロスボーン"): the widest faction names a list shows.
std::vector<std::string_view> ShortenedFactionNames();

}  // namespace svdb
