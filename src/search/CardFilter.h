#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/CardRecord.h"
#include "search/FilterState.h"
#include "search/SearchTexts.h"

namespace svdb {

// The six values the numeric search can look at.
enum class SearchItem { NationCost, AllCost, ResourceCost, Power, Shoot, Toughness };

// The item of a ComboSyugo caption ("指定国力" ... "防御力"), or nothing.
std::optional<SearchItem> SearchItemOf(std::string_view caption);

// The card's value for a search item, as text: the costs as decimal text,
// resource and combat values as written on the front face.
std::string SearchItemValue(const CardRecord& card, SearchItem item);

// Type bit of a card number (kTypeUnit ...), 0 for a number of no known type.
std::uint8_t CardTypeBit(std::string_view cardNumber);

// The test of one card against the filter state and the search texts, with
// the search texts read once. Holds references: keep state and texts alive.
class CardFilter {
  public:
    CardFilter(const FilterState& state, const SearchTexts& texts);

    // Criteria 1..9 (expansion, type, rarity, gender, age, kind, abilities,
    // numeric search, text search), all of which must hold. The faction is
    // not tested here: the walk picks the slots.
    bool passes(const CardRecord& card) const;

    // False when every card passes (no mask but the faction, no search).
    bool restricts() const;

  private:
    bool passesNumeric(const CardRecord& card) const;
    bool passesText(const CardRecord& card) const;

    const FilterState& state_;
    const SearchTexts& texts_;
    bool numericActive_ = false;
    std::optional<SearchItem> item_;  // nothing: a typed item of no known kind
    bool textActive_ = false;
};

// PassesFilter: the test of one occupied card, as above.
bool PassesFilter(const CardRecord& card, const FilterState& state, const SearchTexts& texts);

}  // namespace svdb
