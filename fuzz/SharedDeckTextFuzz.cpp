// The shared deck text reader over any text: every entry it reads is one a
// deck list can hold, its unreadable lines are numbered in order, and the
// clipboard copies of what it read (normal and trade) read back as the same
// rows without an unreadable line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "files/ClipboardText.h"
#include "files/SharedDeckText.h"

namespace {

bool SameRows(const std::vector<svdb::DeckEntry>& a, const std::vector<svdb::DeckEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!a[i].identicalTo(b[i]) || a[i].copies != b[i].copies) return false;
    }
    return true;
}

void CheckRows(const std::vector<svdb::DeckEntry>& rows) {
    for (const svdb::DeckEntry& e : rows) {
        FUZZ_CHECK(e.copies >= 1);
        FUZZ_CHECK(!e.faction.empty() && !e.cardNumber.empty() && !e.cardName.empty());
        for (const std::string* t : {&e.faction, &e.cardNumber, &e.cardName})
            FUZZ_CHECK(t->find_first_of("\r\n") == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const svdb::SharedDeckText read = svdb::ReadSharedDeckText(text);
    CheckRows(read.mainRows);
    CheckRows(read.sideRows);
    int last = 0;
    for (const auto& u : read.unreadable) {
        FUZZ_CHECK(u.lineNumber > last);
        FUZZ_CHECK(!u.text.empty());
        last = u.lineNumber;
    }
    if (read.mainRows.empty()) return 0;  // the copies need a main deck
    for (auto mode : {svdb::DeckCopyMode::Normal, svdb::DeckCopyMode::Trade}) {
        const auto copy = svdb::DeckClipboardText(read.mainRows, read.sideRows, 0, mode);
        FUZZ_CHECK(copy.has_value());
        const svdb::SharedDeckText again = svdb::ReadSharedDeckText(*copy);
        FUZZ_CHECK(SameRows(again.mainRows, read.mainRows));
        FUZZ_CHECK(SameRows(again.sideRows, read.sideRows));
        FUZZ_CHECK(again.unreadable.empty());
    }
    return 0;
}
