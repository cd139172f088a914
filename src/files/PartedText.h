#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace svdb {

// Builds a long text in parts, one per run of consecutive items, side by
// side: as many runs as the machine has cores (at most four), none shorter
// than minItemsPerPart items, so a short list is one part built on the
// calling thread. build(first, end, out) appends the text of items
// [first, end) to out; it is called on several threads at once and must
// only read what they share. The parts, in order, make the whole text.
std::vector<std::string> BuildTextInParts(
    std::size_t items, std::size_t minItemsPerPart,
    const std::function<void(std::size_t first, std::size_t end, std::string& out)>& build);

}  // namespace svdb
