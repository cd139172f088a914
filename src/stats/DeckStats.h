#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue/CardTable.h"
#include "catalogue/CardType.h"
#include "catalogue/FactionColours.h"

namespace svdb {

// One laid-out segment of the faction bar, in the bar's own width units.
struct FactionBarSegment {
    int position = 0;  // 1-based place in the bar
    int slot = 0;      // faction slot 0..5
    double left = 0.0;
    double width = 0.0;
    Rgb colour;
};

enum class Rarity { Rare, Uncommon, Common };

// The main deck's counters: copies per card type, per faction slot and per
// rarity, and the faction bar. They follow the main deck only through
// TallyCard and are zeroed only by ResetDeckStats.
class DeckStats {
  public:
    explicit DeckStats(const CardTable& table);

    // Adds copies (negative to subtract) of the card with this faction text
    // (long or short form) and card number. A card not in the catalogue
    // changes nothing; an unrecognised faction text counts by type and
    // rarity only. A faction of slot 0..5 that is new since the last reset
    // gets the next bar segment, which stays even when its count falls to 0.
    void TallyCard(std::string_view faction, std::string_view cardNumber, std::int16_t copies);

    // Zeroes every counter and empties the faction bar.
    void ResetDeckStats();

    // The segments of the faction bar in bar order for a bar of innerWidth
    // units: segment p starts where p - 1 ends, and its width is its slot's
    // count * innerWidth / mainTotal. With a main total of 0 or less every
    // segment has zero width.
    std::vector<FactionBarSegment> LayoutFactionBar(double innerWidth, int mainTotal) const;

    std::int16_t typeCount(CardType type) const;  // 0 for CardType::None
    std::int16_t factionCount(int slot) const;    // slot 0..6, else 0
    std::int16_t rarityCount(Rarity rarity) const;

    // Faction bar state.
    std::int16_t barCount() const { return barCount_; }
    // 1-based position of the slot's segment, 0 when it has none (slot 0..6).
    std::uint8_t barOfSlot(int slot) const;
    // Flags 0x01 slot 0 .. 0x20 slot 5, 0x80 slot 6.
    std::uint8_t slotsWithBar() const { return slotsWithBar_; }

    // The flag bit of a slot in slotsWithBar.
    static std::uint8_t SlotFlag(int slot);

    // True when every counter is 0 and the bar is empty.
    bool empty() const;

    // Compares the fifteen counters only.
    bool sameCounts(const DeckStats& other) const;

  private:
    const CardTable* table_;
    std::array<std::int16_t, 5> types_{};  // GENERATION, UNIT, CHARACTER, COMMAND, OPERATION
    std::array<std::int16_t, 7> factions_{};
    std::array<std::int16_t, 3> rarities_{};  // Rare, Uncommon, Common
    std::int16_t barCount_ = 0;
    std::array<std::uint8_t, 7> barOfSlot_{};
    std::uint8_t slotsWithBar_ = 0;
};

}  // namespace svdb
