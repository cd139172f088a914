#include "catalogue/CardTable.h"

#include <cassert>

#include "catalogue/StringTable.h"
#include "text/MemoryPages.h"

namespace svdb {

CardTable::CardTable() {
    // The records take a few megabytes, all written at once: their pages are
    // made present in one request rather than one at a time.
    const std::size_t n = static_cast<std::size_t>(kSlots) * kRows;
    records_.reserve(n);
    MakePagesPresent(records_.data(), n * sizeof(CardRecord));
    records_.resize(n);
}

// Copied records own their text (CardText copies do), so the copy needs no arena.
CardTable::CardTable(const CardTable& other)
    : ListVersion(other.ListVersion),
      MaxExpansion(other.MaxExpansion),
      FactionChangeCount(other.FactionChangeCount),
      records_(other.records_),
      filled_(other.filled_) {}

CardTable& CardTable::operator=(const CardTable& other) {
    if (this != &other) {
        records_ = other.records_;
        filled_ = other.filled_;
        ListVersion = other.ListVersion;
        MaxExpansion = other.MaxExpansion;
        FactionChangeCount = other.FactionChangeCount;
    }
    return *this;
}

const CardRecord& CardTable::at(int slot, int row) const {
    assert(slot >= 0 && slot < kSlots && row >= 0 && row < kRows);
    return records_[static_cast<std::size_t>(slot) * kRows + static_cast<std::size_t>(row)];
}

CardRecord& CardTable::at(int slot, int row) {
    assert(slot >= 0 && slot < kSlots && row >= 0 && row < kRows);
    int& filled = filled_[static_cast<std::size_t>(slot)];
    if (row >= filled) filled = row + 1;
    return records_[static_cast<std::size_t>(slot) * kRows + static_cast<std::size_t>(row)];
}

void CardTable::clearRowsFrom(int slot, int from) {
    int& filled = filled_[static_cast<std::size_t>(slot)];
    for (int row = from; row < filled; ++row) {
        records_[static_cast<std::size_t>(slot) * kRows + static_cast<std::size_t>(row)] =
            CardRecord{};
    }
    if (from < filled) filled = from;
}

void CardTable::clear() {
    for (int slot = 0; slot < kSlots; ++slot) clearRowsFrom(slot, 0);
    resetArena();
    ListVersion.clear();
    MaxExpansion = 0;
    FactionChangeCount = 0;
}

std::string& CardTable::arenaBlock(std::size_t room) {
    // Blocks of 256 KiB keep a load's text in a few allocations.
    constexpr std::size_t kBlockSize = 256 * 1024;
    while (arenaCurrent_ < arena_.size()) {
        std::string& block = *arena_[arenaCurrent_];
        if (block.capacity() - block.size() >= room) return block;
        ++arenaCurrent_;
    }
    auto block = std::make_unique<std::string>();
    block->reserve(room > kBlockSize ? room : kBlockSize);
    MakePagesPresent(block->data(), block->capacity());
    arena_.push_back(std::move(block));
    arenaCurrent_ = arena_.size() - 1;
    return *arena_.back();
}

void CardTable::resetArena() {
    for (auto& block : arena_) block->clear();
    arenaCurrent_ = 0;
}

int CardTable::occupiedCount() const {
    int n = 0;
    for (const auto& r : records_) n += r.occupied() ? 1 : 0;
    return n;
}

int FactionSlotOf(std::string_view f) {
    if (f == StringTable::text(101)) return 0;
    if (f == StringTable::text(102)) return 1;
    if (f == StringTable::text(103)) return 2;
    if (f == StringTable::text(108) || f == "ティタ" || f == "ザンス") return 2;
    if (f == StringTable::text(104)) return 3;
    if (f == StringTable::text(109) || f == "ネオジ" || f == "クロス") return 3;
    if (f == StringTable::text(105) || f == StringTable::text(110)) return 4;
    if (f == StringTable::text(106) || f == StringTable::text(111)) return 5;
    return 6;
}

std::optional<int> FindCardRow(const CardTable& table, int slot, std::string_view cardNumber,
                               std::string_view cardName) {
    for (int row = 0; row < CardTable::kRows; ++row) {
        const CardRecord& r = table.at(slot, row);
        if (r.occupied() && r.cardNumber == cardNumber && r.front.name == cardName) return row;
    }
    return std::nullopt;
}

std::optional<int> FindCardRowByNumber(const CardTable& table, int slot,
                                       std::string_view cardNumber) {
    for (int row = 0; row < CardTable::kRows; ++row) {
        const CardRecord& r = table.at(slot, row);
        if (r.occupied() && r.cardNumber == cardNumber) return row;
    }
    return std::nullopt;
}

}  // namespace svdb
