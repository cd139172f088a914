#include "text/WrapText.h"

#include <cmath>
#include <vector>

namespace svdb {

std::string WrapText(std::string_view text, int width) {
    if (text.empty() || width < 1) return {};
    // Where each character starts, and the end.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    const std::size_t length = starts.size();
    starts.push_back(text.size());
    const auto last = static_cast<std::size_t>(
        std::nearbyint(static_cast<double>(length) / static_cast<double>(width)));
    std::string out;
    for (std::size_t piece = 0; piece <= last; ++piece) {
        const std::size_t from = std::min(piece * static_cast<std::size_t>(width), length);
        const std::size_t to = std::min(from + static_cast<std::size_t>(width), length);
        out.append(text.substr(starts[from], starts[to] - starts[from]));
        out += "\r\n";
    }
    return out;
}

}  // namespace svdb
