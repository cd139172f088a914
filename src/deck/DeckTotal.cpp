#include "deck/DeckTotal.h"

namespace svdb {

DeckTotal SumOfCopies(const std::vector<DeckEntry>& rows) {
    int sum = 0;
    for (const DeckEntry& e : rows) sum += e.copies;
    return static_cast<DeckTotal>(sum);
}

bool DeckTotalIsComplete(DeckTotal total) {
    return total == 50;
}

Rgb DeckTotalColour(DeckTotal total) {
    return DeckTotalIsComplete(total) ? Rgb{0, 0, 0} : Rgb{255, 0, 0};
}

}  // namespace svdb
