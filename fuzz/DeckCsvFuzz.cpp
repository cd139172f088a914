// The comma-separated deck reader over any bytes, and the deck the window
// shows after opening them.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DeckFuzzCheck.h"
#include "files/DeckCsvFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    svdb::DeckCsvRead read = svdb::LoadDeckCsvBytes(bytes);
    FUZZ_CHECK(read.opened);
    svdb::fuzz::CheckDeck(std::move(read.mainRows), {}, std::string());
    return 0;
}
