#include "text/Occurrences.h"

namespace svdb {

int CountOccurrences(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return 0;
    int n = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, at + pattern.size())) {
        ++n;
    }
    return n;
}

}  // namespace svdb
