#include "stats/MainDeckStats.h"

#include <cstdint>

namespace svdb {

MainDeckStats::MainDeckStats(DeckModel& deck) : deck_(deck), stats_(deck.table()) {
    for (const DeckEntry& e : deck.list(DeckModel::kMain).rows)
        stats_.TallyCard(e.faction, e.cardNumber, e.copies);
    deck_.addObserver(this);
}

MainDeckStats::~MainDeckStats() {
    deck_.removeObserver(this);
}

std::vector<FactionBarSegment> MainDeckStats::LayoutFactionBar(double innerWidth) const {
    return stats_.LayoutFactionBar(innerWidth, deck_.total(DeckModel::kMain));
}

void MainDeckStats::copiesTallied(std::string_view faction, std::string_view cardNumber,
                                  int copies) {
    stats_.TallyCard(faction, cardNumber, static_cast<std::int16_t>(copies));
}

void MainDeckStats::statsReset() {
    stats_.ResetDeckStats();
}

}  // namespace svdb
