#include "stats/DeckStats.h"

#include "stats/StatsFaction.h"

namespace svdb {

namespace {

constexpr int kBarSlots = 6;  // slots 0..5 have segments; slot 6 never does

std::int16_t Added(std::int16_t counter, int copies) {
    return static_cast<std::int16_t>(counter + copies);
}

// Index into the type counters, or -1 for a number of no known type.
int TypeIndex(CardType type) {
    switch (type) {
        case CardType::Generation:
            return 0;
        case CardType::Unit:
            return 1;
        case CardType::Character:
            return 2;
        case CardType::Command:
            return 3;
        case CardType::Operation:
            return 4;
        case CardType::None:
            break;
    }
    return -1;
}

int RarityIndex(std::string_view rare) {
    if (rare == "Rare") return 0;
    if (rare == "Uncommon") return 1;
    if (rare == "Common") return 2;
    return -1;
}

}  // namespace

DeckStats::DeckStats(const CardTable& table) : table_(&table) {}

std::uint8_t DeckStats::SlotFlag(int slot) {
    if (slot < 0 || slot > 6) return 0;
    if (slot == 6) return 0x80;
    return static_cast<std::uint8_t>(1u << slot);
}

void DeckStats::TallyCard(std::string_view faction, std::string_view cardNumber,
                          std::int16_t copies) {
    const std::optional<int> row = FindCardRowByNumber(*table_, FactionSlotOf(faction), cardNumber);
    if (!row) return;
    const CardRecord& card = table_->at(FactionSlotOf(faction), *row);

    bool newSegment = false;
    const std::optional<int> slot = StatsFactionSlot(faction);
    if (slot) {
        const auto s = static_cast<std::size_t>(*slot);
        factions_[s] = Added(factions_[s], copies);
        const std::uint8_t flag = SlotFlag(*slot);
        if (*slot < kBarSlots && (slotsWithBar_ & flag) == 0) {
            ++barCount_;
            newSegment = true;
        }
        slotsWithBar_ = static_cast<std::uint8_t>(slotsWithBar_ | flag);
    }

    const int rarity = RarityIndex(card.rare);
    if (rarity >= 0) {
        const auto r = static_cast<std::size_t>(rarity);
        rarities_[r] = Added(rarities_[r], copies);
    }

    const int type = TypeIndex(CardTypeCodeOf(cardNumber));
    if (type >= 0) {
        const auto t = static_cast<std::size_t>(type);
        types_[t] = Added(types_[t], copies);
    }

    if (newSegment)
        barOfSlot_[static_cast<std::size_t>(*slot)] = static_cast<std::uint8_t>(barCount_);
}

void DeckStats::ResetDeckStats() {
    types_.fill(0);
    factions_.fill(0);
    rarities_.fill(0);
    barCount_ = 0;
    barOfSlot_.fill(0);
    slotsWithBar_ = 0;
}

std::vector<FactionBarSegment> DeckStats::LayoutFactionBar(double innerWidth, int mainTotal) const {
    std::vector<FactionBarSegment> segments;
    double left = 0.0;
    for (int p = 1; p <= barCount_; ++p) {
        for (int s = 0; s < kBarSlots; ++s) {
            if (barOfSlot_[static_cast<std::size_t>(s)] != p) continue;
            FactionBarSegment seg;
            seg.position = p;
            seg.slot = s;
            seg.left = left;
            seg.width = mainTotal > 0 ? factionCount(s) * innerWidth / mainTotal : 0.0;
            seg.colour = FactionColour(s);
            left += seg.width;
            segments.push_back(seg);
            break;
        }
    }
    return segments;
}

std::int16_t DeckStats::typeCount(CardType type) const {
    const int t = TypeIndex(type);
    return t < 0 ? std::int16_t{0} : types_[static_cast<std::size_t>(t)];
}

std::int16_t DeckStats::factionCount(int slot) const {
    if (slot < 0 || slot > 6) return 0;
    return factions_[static_cast<std::size_t>(slot)];
}

std::int16_t DeckStats::rarityCount(Rarity rarity) const {
    return rarities_[static_cast<std::size_t>(rarity)];
}

std::uint8_t DeckStats::barOfSlot(int slot) const {
    if (slot < 0 || slot > 6) return 0;
    return barOfSlot_[static_cast<std::size_t>(slot)];
}

bool DeckStats::empty() const {
    DeckStats zero(*table_);
    return sameCounts(zero) && barCount_ == 0 && slotsWithBar_ == 0;
}

bool DeckStats::sameCounts(const DeckStats& other) const {
    return types_ == other.types_ && factions_ == other.factions_ && rarities_ == other.rarities_;
}

}  // namespace svdb
