// The recent decks reader over any bytes: at most eight paths, each once,
// none empty or holding a NUL or a line end, and the file written from them
// reads back as the same list.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "app/RecentDecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const svdb::RecentDecks read = svdb::RecentDecks::FromBytes(bytes);
    const auto& paths = read.paths();
    FUZZ_CHECK(paths.size() <= svdb::RecentDecks::kMaxEntries);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        FUZZ_CHECK(svdb::RecentDecks::Storable(paths[i]));
        FUZZ_CHECK(std::find(paths.begin(), paths.begin() + static_cast<long>(i), paths[i]) ==
                   paths.begin() + static_cast<long>(i));
    }
    FUZZ_CHECK(svdb::RecentDecks::FromBytes(read.bytes()).paths() == paths);
    return 0;
}
