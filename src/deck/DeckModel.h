#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CardRef.h"
#include "catalogue/CardTable.h"
#include "deck/DeckEntry.h"
#include "deck/DeckList.h"
#include "deck/DeckObserver.h"
#include "deck/DeckOptions.h"
#include "deck/DeckTotal.h"

namespace svdb {

// The two deck lists (0 main deck, 1 side deck) and their stored totals, with
// every operation that changes them. The main deck's statistics are kept by
// an observer (MainDeckStats) from the copiesTallied and statsReset notices.
// Refusals are silent: a refused operation changes nothing and tells no
// observer. A list number other than 0 or 1 is refused the same way.
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

    // The deck faction text of a card-list faction under the options: the
    // short form while short faction names are on.
    static std::string DeckFactionText(std::string_view faction, const DeckOptions& options);

    // A card of GENERATION type (its number begins with "G-").
    static bool IsGeneration(std::string_view cardNumber);

    // Adds copies of the current card (none: nothing happens) to list index,
    // under the copy limit. The entry's texts come from the card's catalogue
    // record: its faction (as DeckFactionText gives it), card number and
    // front name. copies is lowered when fewer copies are added than asked.
    // Answers whether copies were added; a card that is not an occupied row
    // of the catalogue is refused.
    bool AddCard(std::int16_t& copies, int index, std::optional<CardRef> current,
                 const DeckOptions& options);
    // The same for a given card.
    bool AddListItem(CardRef card, std::int16_t& copies, int index, const DeckOptions& options);

    // Sum of copies of the entries of list index named cardName.
    std::int16_t CountCopiesByName(std::string_view cardName, int index) const;

    // The commands below act on the entry at a row of a list (the row the
    // user selected); a row outside the list is refused.

    // Copies the entry at fromRow of list fromIndex into list index (at most
    // 3 copies of an identical non-GENERATION entry; cKazu is lowered when
    // clamped). Answers whether the copies were placed; the source keeps its
    // copies.
    bool AddSide(std::int16_t& cKazu, int index, int fromIndex, int fromRow);

    // Moves one copy of the entry at fromRow of list 1 - toIndex into list
    // toIndex: AddSide with one copy and, only when it placed it,
    // RemoveOneCopy on the source row. Answers whether it moved.
    bool MoveOneCopy(int toIndex, int fromRow);

    // One copy fewer of the entry at row of list index; the entry goes when
    // none is left.
    void RemoveOneCopy(int index, int row);
    // Removes the entry at row of list index with all its copies.
    void RemoveEntry(int index, int row);
    // Empties both lists, zeroes both totals and resets the statistics.
    void ClearDecks();

    // Reorders list index after a drag of the row at draggedRow dropped on
    // the row at targetRow: the entry lands just before the target row (A, B,
    // C, D: D onto B gives A, D, B, C; A onto C gives B, A, C, D). A drop on
    // itself or out of range changes nothing. Copies and totals stay and
    // nothing is tallied. Answers whether it moved.
    bool ReorderEntry(int index, int draggedRow, int targetRow);

    // Rewrites the faction column of both lists (main first) to short names
    // ("ティタ", "ネオジ", "ザンス", "クロス") or back to long names; other
    // factions stay.
    void ApplyShortFactionNames(bool shortNames);

    // Replaces both lists wholesale, as the deck file readers do: the
    // statistics are reset, every main-deck entry is tallied, and the totals
    // become the sums of copies. Entries of fewer than 1 copy are dropped, and
    // so is every entry from the first that would take its list's total past
    // 32767.
    void ReplaceDecks(std::vector<DeckEntry> mainRows, std::vector<DeckEntry> sideRows);

  private:
    bool validList(int index) const { return index == kMain || index == kSide; }
    bool validRow(int index, int row) const;
    bool addCard(CardRef card, std::int16_t& copies, int index, const DeckOptions& options);
    void setTotal(int index, int value);
    void tally(std::string_view faction, std::string_view cardNumber, int copies);
    void resetStats();
    void appendRow(int index, DeckEntry entry);
    void removeRow(int index, int row);
    void setCopies(int index, int row, int copies);
    template <typename F>
    void notify(F&& f) const {
        for (DeckObserver* o : observers_) f(*o);
    }

    const CardTable* table_;
    std::array<DeckList, 2> lists_;
    std::array<DeckTotal, 2> totals_{};
    std::vector<DeckObserver*> observers_;
};

}  // namespace svdb
