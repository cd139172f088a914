// The card list loader over any bytes, into one table reused from input to
// input as the file menu reloads it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static svdb::CardTable table;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const svdb::LoadOutcome outcome = svdb::LoadCardListBytes(table, bytes);
    FUZZ_CHECK(outcome.opened);
    FUZZ_CHECK((outcome.faultLine == 0) == outcome.fault.empty());

    // Every slot holds its cards in rows 0 upward with no gap, never more
    // than a slot's 501 rows, and nothing is left of an earlier load. (Read
    // through a const table: a row handed out for writing counts as filled.)
    const svdb::CardTable& loaded = table;
    int occupied = 0;
    for (int slot = 0; slot < svdb::CardTable::kSlots; ++slot) {
        int filled = 0;
        while (filled < svdb::CardTable::kRows && loaded.at(slot, filled).occupied()) ++filled;
        for (int row = filled; row < svdb::CardTable::kRows; ++row) {
            FUZZ_CHECK(!loaded.at(slot, row).occupied());
        }
        FUZZ_CHECK(filled <= 501);
        occupied += filled;
    }
    FUZZ_CHECK(occupied == outcome.cardsLoaded);
    return 0;
}
