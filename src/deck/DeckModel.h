#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CardTable.h"
#include "deck/DeckEntry.h"
#include "deck/DeckList.h"
#include "deck/DeckObserver.h"
#include "deck/DeckOptions.h"
#include "deck/DeckTotal.h"
#include "search/CardListRow.h"
#include "stats/DeckStats.h"

namespace svdb {

// The two deck lists (0 main deck, 1 side deck), their stored totals and the
// main deck's statistics, with every operation that changes them. Refusals
// are silent: a refused operation changes nothing and tells no observer.
// A list number other than 0 or 1 is refused the same way.
class DeckModel {
  public:
    static constexpr int kMain = 0;
    static constexpr int kSide = 1;
    static constexpr int kCopyLimit = 3;

    explicit DeckModel(const CardTable& table);

    // Observers are told in the order they were added; the model does not
    // own them.
    void addObserver(DeckObserver* observer);
    void removeObserver(DeckObserver* observer);

    const DeckList& list(int index) const;
    const CardTable& table() const { return *table_; }
    // The stored total of a list; it equals the list's sum of copies.
    DeckTotal total(int index) const;
    const DeckStats& stats() const { return stats_; }

    // Sets or clears the selected row of a list; a row outside the list
    // clears it.
    void SetSelectedRow(int index, std::optional<int> row);

    // The deck faction text of a card-list faction under the options: the
    // short form while short faction names are on.
    static std::string DeckFactionText(std::string_view faction, const DeckOptions& options);

    // A card of GENERATION type (its number begins with "G-").
    static bool IsGeneration(std::string_view cardNumber);

    // Adds copies of the card-list row that is current (none: nothing
    // happens) to list index, under the copy limit. copies is lowered when
    // fewer copies are added than asked. Answers whether copies were added.
    bool AddCard(std::int16_t& copies, int index, const CardListRow* current,
                 const DeckOptions& options);
    // The same for a given card-list row.
    bool AddListItem(const CardListRow& row, std::int16_t& copies, int index,
                     const DeckOptions& options);

    // Sum of copies of the entries of list index named cardName.
    std::int16_t CountCopiesByName(std::string_view cardName, int index) const;

    // Copies the selected entry of list fromIndex into list index (at most 3
    // copies of an identical non-GENERATION entry; cKazu is lowered when
    // clamped). Answers whether the copies were placed; the source keeps its
    // copies.
    bool AddSide(std::int16_t& cKazu, int index, int fromIndex);

    // Moves one copy of the selected entry of list 1 - toIndex into list
    // toIndex: AddSide with one copy and, only when it placed it,
    // RemoveOneCopy on the source list. Answers whether it moved.
    bool MoveOneCopy(int toIndex);

    // One copy fewer of the selected entry of list index; the entry goes when
    // none is left. Nothing happens without a selected row.
    void RemoveOneCopy(int index);
    // Removes the selected entry of list index with all its copies.
    void RemoveEntry(int index);
    // Empties both lists, zeroes both totals and the statistics.
    void ClearDecks();

    // Reorders list index after a drag of the row at draggedRow dropped on
    // the row at targetRow: the entry lands just before the target row (A, B,
    // C, D: D onto B gives A, D, B, C; A onto C gives B, A, C, D). A drop on
    // itself or out of range changes nothing. Copies, totals and statistics
    // stay. The selected entry stays selected. Answers whether it moved.
    bool ReorderEntry(int index, int draggedRow, int targetRow);

    // Rewrites the faction column of both lists (main first) to short names
    // ("ティタ", "ネオジ", "ザンス", "クロス") or back to long names; other
    // factions stay.
    void ApplyShortFactionNames(bool shortNames);

    // Replaces both lists wholesale, as the deck file readers do: the
    // statistics are reset, every main-deck entry is tallied, and the totals
    // become the sums of copies. Entries of fewer than 1 copy are dropped.
    void ReplaceDecks(std::vector<DeckEntry> mainRows, std::vector<DeckEntry> sideRows);

    // The faction bar laid out for a bar of innerWidth units and the main
    // total.
    std::vector<FactionBarSegment> LayoutFactionBar(double innerWidth) const;

  private:
    bool validList(int index) const { return index == kMain || index == kSide; }
    bool addRow(const CardListRow& row, std::int16_t& copies, int index,
                const DeckOptions& options);
    void setTotal(int index, int value);
    void tally(std::string_view faction, std::string_view cardNumber, int copies);
    void appendRow(int index, DeckEntry entry);
    void removeRow(int index, int row);
    void setCopies(int index, int row, int copies);
    void setSelected(int index, std::optional<int> row);
    template <typename F>
    void notify(F&& f) const {
        for (DeckObserver* o : observers_) f(*o);
    }

    const CardTable* table_;
    std::array<DeckList, 2> lists_;
    std::array<DeckTotal, 2> totals_{};
    DeckStats stats_;
    std::vector<DeckObserver*> observers_;
};

}  // namespace svdb
