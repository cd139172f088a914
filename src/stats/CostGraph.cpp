#include "stats/CostGraph.h"

#include <algorithm>
#include <limits>

#include "catalogue/CardText.h"
#include "catalogue/ValueInRange.h"
#include "deck/DeckModel.h"

namespace svdb {

namespace {

constexpr std::array<std::string_view, kCostKinds> kCaptions = {"合計国力", "指定国力", "資源"};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string_view CostCaption(int kind) {
    return kind >= 0 && kind < kCostKinds ? kCaptions[static_cast<std::size_t>(kind)]
                                          : std::string_view{};
}

std::optional<int> CardCost(const CardRecord& card, int kind) {
    if (DeckModel::IsGeneration(card.cardNumber)) return std::nullopt;
    switch (kind) {
        case kTotalNationCost:
            return card.allCost;
        case kNationCost:
            return card.nationCost;
        case kResourceCost: {
            const std::string_view value = Trimmed(card.resourceCost);
            if (value == "X") return 9;
            if (value == "*") return 0;
            return ParseByte(value);
        }
        default:
            return std::nullopt;
    }
}

std::string CostLabel(int cost) {
    return cost == 9 ? std::string("X") : std::to_string(cost);
}

std::vector<EntryCosts> LookUpCosts(const CardTable& table,
                                    const std::vector<DeckEntry>& mainRows) {
    std::vector<EntryCosts> entries;
    entries.reserve(mainRows.size());
    for (const DeckEntry& e : mainRows) {
        EntryCosts costs;
        costs.copies = e.copies;
        const int slot = FactionSlotOf(e.faction);
        if (const std::optional<int> row = FindCardRow(table, slot, e.cardNumber, e.cardName)) {
            const CardRecord& card = table.at(slot, *row);
            for (int kind = 0; kind < kCostKinds; ++kind)
                costs.cost[static_cast<std::size_t>(kind)] = CardCost(card, kind);
        }
        entries.push_back(costs);
    }
    return entries;
}

CostSpan CostRange(const std::vector<EntryCosts>& entries, int kind) {
    CostSpan span;
    if (kind < 0 || kind >= kCostKinds) return span;
    for (const EntryCosts& e : entries) {
        if (const std::optional<int> cost = e.cost[static_cast<std::size_t>(kind)]) {
            span.costMin = std::min(span.costMin, *cost);
            span.costMax = std::max(span.costMax, *cost);
        }
    }
    return span;
}

std::int16_t CountAtCost(const std::vector<EntryCosts>& entries, int cost, int kind) {
    if (kind < 0 || kind >= kCostKinds) return 0;
    int sum = 0;
    for (const EntryCosts& e : entries)
        if (e.cost[static_cast<std::size_t>(kind)] == cost) sum += e.copies;
    return static_cast<std::int16_t>(std::min(sum, int{std::numeric_limits<std::int16_t>::max()}));
}

std::array<CostGraphSection, kCostKinds> CostGraphSections(const CardTable& table,
                                                           const std::vector<DeckEntry>& mainRows,
                                                           DeckTotal mainTotal) {
    const std::vector<EntryCosts> entries = LookUpCosts(table, mainRows);
    std::array<CostGraphSection, kCostKinds> sections;
    for (int kind = 0; kind < kCostKinds; ++kind) {
        CostGraphSection& section = sections[static_cast<std::size_t>(kind)];
        section.kind = kind;
        section.caption = std::string(CostCaption(kind));
        const CostSpan span = CostRange(entries, kind);
        for (int cost = span.costMin; cost <= span.costMax; ++cost) {
            const std::int16_t count = CountAtCost(entries, cost, kind);
            if (count == 0) continue;
            const double share =
                mainTotal > 0 ? std::min(1.0, static_cast<double>(count) / mainTotal) : 1.0;
            section.rows.push_back(CostGraphRow{cost, CostLabel(cost), count, share});
        }
    }
    return sections;
}

}  // namespace svdb
