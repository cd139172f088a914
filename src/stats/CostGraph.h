#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CardRecord.h"
#include "catalogue/CardTable.h"
#include "deck/DeckEntry.h"
#include "deck/DeckTotal.h"

namespace svdb {

// The cost graph: how the main deck's copies spread over the costs of
// their cards, in three sections, one per kind of cost.
enum CostKind : int {
    kTotalNationCost = 0,  // 合計国力: allCost
    kNationCost = 1,       // 指定国力: nationCost
    kResourceCost = 2,     // 資源: resourceCost, "X" read as 9
};
inline constexpr int kCostKinds = 3;

// "合計国力", "指定国力", "資源".
std::string_view CostCaption(int kind);

// A card's cost of a kind; nothing for a GENERATION card, for kind 2 also
// when the resource value is empty or no number ("*" counts as 0, "X" as 9).
std::optional<int> CardCost(const CardRecord& card, int kind);

// "X" for 9, otherwise the cost in decimal.
std::string CostLabel(int cost);

// The costs of one main-deck entry's card, looked up once: in the slot of
// the entry's faction, the first row with the entry's card number and name.
// An entry whose card is not found has no cost of any kind.
struct EntryCosts {
    std::array<std::optional<int>, kCostKinds> cost;
    int copies = 0;
};
std::vector<EntryCosts> LookUpCosts(const CardTable& table, const std::vector<DeckEntry>& mainRows);

// The smallest and largest cost of a kind over the entries; 99 and 0 when
// no entry has a cost of that kind.
struct CostSpan {
    int costMin = 99;
    int costMax = 0;
};
CostSpan CostRange(const std::vector<EntryCosts>& entries, int kind);

// Copies of the entries whose cost of that kind equals cost.
std::int16_t CountAtCost(const std::vector<EntryCosts>& entries, int cost, int kind);

// One row of a section: the cost's label, its copies and the length of its
// bar as a share of the full bar, which stands for the whole main deck.
struct CostGraphRow {
    int cost = 0;
    std::string label;
    std::int16_t count = 0;
    double share = 0.0;  // count / main total, at most 1; 1 when the total is not positive
};

struct CostGraphSection {
    int kind = 0;
    std::string caption;
    std::vector<CostGraphRow> rows;  // one per cost with copies, lowest first
};

// The three sections for the main deck's rows and its total.
std::array<CostGraphSection, kCostKinds> CostGraphSections(const CardTable& table,
                                                           const std::vector<DeckEntry>& mainRows,
                                                           DeckTotal mainTotal);

}  // namespace svdb
