#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CardRecord.h"

namespace svdb {

// The catalogue: 7 faction slots by 501 rows of card records, allocated whole.
// A slot's cards fill its rows from 0 upward in card-list order; a row is
// occupied when its faction is not empty. Readers walk rows 0..500 and skip
// empty rows. The table keeps, per slot, how far rows may be occupied, so
// that emptying it touches only those.
//
// The text fields that the loader stores refer to the table's text arena:
// blocks of characters that the table owns and that a load refills from the
// start. A copy of the table gives every copied field its own characters.
class CardTable {
  public:
    static constexpr int kSlots = 7;
    static constexpr int kRows = 501;

    CardTable();
    CardTable(const CardTable& other);
    CardTable(CardTable&&) noexcept = default;
    CardTable& operator=(const CardTable& other);
    CardTable& operator=(CardTable&&) noexcept = default;
    ~CardTable() = default;

    // Slot 0..6 and row 0..500; anything else is a programming error. A row
    // handed out for writing counts as filled from then on.
    const CardRecord& at(int slot, int row) const;
    CardRecord& at(int slot, int row);

    // Empties every row and resets the catalogue-wide values.
    void clear();

    // Rows of the slot from 0 up to this may be occupied; every row from
    // here on is empty.
    int filledRows(int slot) const { return filled_[static_cast<std::size_t>(slot)]; }

    // Empties the slot's rows from row `from` on, which leaves filledRows at
    // `from` (or below, when fewer were filled).
    void clearRowsFrom(int slot, int from);

    // Number of occupied records over all slots.
    int occupiedCount() const;

    // Catalogue-wide values set by the loader.
    std::string ListVersion;
    std::uint8_t MaxExpansion = 0;
    std::uint8_t FactionChangeCount = 0;

    // The arena block that the next text goes into, with room for at least
    // `room` more characters: appending that many never moves its characters.
    // Only the loader writes to the arena, and only between resetArena() and
    // the end of its load.
    std::string& arenaBlock(std::size_t room);

    // Forgets the arena's text, keeping its blocks for the next load. Every
    // field that refers to the arena must be overwritten or cleared before
    // it is read again.
    void resetArena();

  private:
    // Declared before the records, so that the records go first.
    std::vector<std::unique_ptr<std::string>> arena_;
    std::size_t arenaCurrent_ = 0;
    std::vector<CardRecord> records_;
    std::array<int, kSlots> filled_{};
};

// Slot of a long or short faction name: "連邦" 0; "ジオン" 1; "ティターンズ",
// "ザンスカール", "ティタ", "ザンス" 2; "ネオジオン", "クロスボーン", "ネオジ",
// "クロス" 3; "∀", "Ｘ" 4; "Ｗ", "Seed" 5; any other text 6.
int FactionSlotOf(std::string_view faction);

// First row of the slot whose card number and front name both equal the
// arguments, or nothing.
std::optional<int> FindCardRow(const CardTable& table, int slot, std::string_view cardNumber,
                               std::string_view cardName);

// First row of the slot whose card number equals the argument, or nothing.
std::optional<int> FindCardRowByNumber(const CardTable& table, int slot,
                                       std::string_view cardNumber);

}  // namespace svdb
