#include "files/PartedText.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace svdb {

std::vector<std::string> BuildTextInParts(
    std::size_t items, std::size_t minItemsPerPart,
    const std::function<void(std::size_t first, std::size_t end, std::string& out)>& build) {
    constexpr unsigned kMostParts = 4;
    static const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t partCount = std::max<std::size_t>(
        1, std::min<std::size_t>(
               {cores, kMostParts, items / std::max<std::size_t>(1, minItemsPerPart)}));
    std::vector<std::string> parts(partCount);
    auto buildPart = [&](std::size_t k) {
        build(items * k / partCount, items * (k + 1) / partCount, parts[k]);
    };
    std::vector<std::jthread> helpers;
    for (std::size_t k = 1; k < partCount; ++k) {
        // A part whose thread cannot be had is built here.
        try {
            helpers.emplace_back(buildPart, k);
        } catch (const std::system_error&) {
            buildPart(k);
        }
    }
    buildPart(0);
    helpers.clear();  // joins them before the parts leave
    return parts;
}

}  // namespace svdb
