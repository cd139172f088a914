// The deck text reader over any bytes, and the deck the window shows after
// opening them.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DeckFuzzCheck.h"
#include "files/DeckTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    svdb::DeckTextRead read = svdb::LoadDeckTextBytes(bytes);
    FUZZ_CHECK(read.opened);
    svdb::fuzz::CheckDeck(std::move(read.mainRows), std::move(read.sideRows),
                          std::move(read.title));
    return 0;
}
