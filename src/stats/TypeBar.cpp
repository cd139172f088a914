#include "stats/TypeBar.h"

#include <array>
#include <cmath>

#include "stats/StatsFaction.h"

namespace svdb {

std::optional<CardType> TypeBarType(int kind) {
    switch (kind) {
        case 1:
            return CardType::Unit;
        case 2:
            return CardType::Character;
        case 3:
            return CardType::Command;
        case 4:
            return CardType::Operation;
        case 5:
            return CardType::Generation;
        default:
            return std::nullopt;
    }
}

std::vector<TypeBarRect> DrawTypeBar(const std::vector<DeckEntry>& mainRows, int kind,
                                     int innerWidth) {
    std::vector<TypeBarRect> rects;
    const std::optional<CardType> type = TypeBarType(kind);
    if (!type) return rects;

    long typeTotal = 0;
    std::array<long, 7> perSlot{};
    for (const DeckEntry& e : mainRows) {
        if (CardTypeCodeOf(e.cardNumber) != *type) continue;
        typeTotal += e.copies;
        if (const std::optional<int> slot = StatsFactionSlot(e.faction))
            perSlot[static_cast<std::size_t>(*slot)] += e.copies;
    }
    if (typeTotal <= 0) return rects;

    int right = 0;
    for (int s = 0; s < 7; ++s) {
        const long count = perSlot[static_cast<std::size_t>(s)];
        if (count == 0) continue;
        TypeBarRect r;
        r.slot = s;
        r.left = right;
        r.right = static_cast<int>(
            std::lround(right + static_cast<double>(count) * innerWidth / typeTotal));
        r.colour = FactionColour(s);
        right = r.right;
        rects.push_back(r);
    }
    return rects;
}

}  // namespace svdb
