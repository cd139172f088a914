#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "stats/CostGraph.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Ref;

// The deck tests' catalogue with costs: total, designated, resource.
CardTable CostedTable() {
    CardTable table = testing::MakeTestTable();
    auto cost = [&table](const char* number, int all, int nation, const char* resource) {
        CardRecord& r = table.at(Ref(number).slot, Ref(number).row);
        r.allCost = static_cast<std::uint8_t>(all);
        r.nationCost = static_cast<std::uint8_t>(nation);
        r.resourceCost = resource;
    };
    cost("U-1", 3, 1, "2");
    cost("CH-1", 9, 2, "X");
    cost("G-1", 0, 0, "0");
    cost("C-1", 3, 0, "");
    cost("C-5", 0, 0, "*");
    cost("U-4", 8, 3, "8");
    return table;
}

std::vector<std::string> Rows(const CostGraphSection& section) {
    std::vector<std::string> rows;
    for (const CostGraphRow& r : section.rows)
        rows.push_back(r.label + ":" + std::to_string(r.count));
    return rows;
}

TEST(CostGraph, SectionsCountCopiesPerCostOfEachKind) {
    const CardTable table = CostedTable();
    const std::vector<DeckEntry> main = {
        Entry("連邦", "U-1", "レイヴン", 3),
        Entry("連邦", "CH-1", "リオ", 2),
        Entry("連邦", "G-1", "連邦G", 12),  // GENERATION: in no section
        Entry("連邦", "C-1", "作戦", 3),    // no resource value
        Entry("クロス", "C-5", "海賊", 1),  // short faction names find the card
        Entry("ティタ", "U-4", "ヘルムート", 1),
        Entry("連邦", "U-99", "幽霊", 3),  // not in the catalogue
        Entry("連邦", "U-1", "別名", 1),   // number found, name not
    };
    const auto sections = CostGraphSections(table, main, 40);
    using V = std::vector<std::string>;
    // clang-format off
    const struct { const char* caption; V rows; } expected[] = {
        {"合計国力", {"0:1", "3:6", "8:1", "X:2"}},
        {"指定国力", {"0:4", "1:3", "2:2", "3:1"}},
        {"資源",     {"0:1", "2:3", "8:1", "X:2"}},
    };
    // clang-format on
    for (int kind = 0; kind < kCostKinds; ++kind) {
        const CostGraphSection& s = sections[static_cast<std::size_t>(kind)];
        EXPECT_EQ(s.caption, expected[kind].caption);
        EXPECT_EQ(Rows(s), expected[kind].rows) << s.caption;
    }
    // A bar is its cost's share of the whole main deck, GENERATION cards
    // included: 6 of 40 is 0.15 of the full bar.
    EXPECT_DOUBLE_EQ(sections[0].rows[1].share, 0.15);
}

TEST(CostGraph, CardCostsOfEachKind) {
    const auto card = [](const char* number, int all, int nation, const char* resource) {
        CardRecord r;
        r.faction = "連邦";
        r.cardNumber = number;
        r.allCost = static_cast<std::uint8_t>(all);
        r.nationCost = static_cast<std::uint8_t>(nation);
        r.resourceCost = resource;
        return r;
    };
    using O = std::optional<int>;
    // clang-format off
    const struct { CardRecord card; O all, nation, resource; } cases[] = {
        {card("U-1", 4, 2, "3"),   4, 2, 3},
        {card("U-1", 4, 2, " 3 "), 4, 2, 3},
        {card("U-1", 4, 2, "X"),   4, 2, 9},
        {card("U-1", 4, 2, "*"),   4, 2, 0},
        {card("U-1", 4, 2, ""),    4, 2, std::nullopt},
        {card("U-1", 4, 2, "?"),   4, 2, std::nullopt},
        {card("G-1", 4, 2, "3"),   std::nullopt, std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.card.cardNumber) + " [" + std::string(c.card.resourceCost) +
                     "]");
        EXPECT_EQ(CardCost(c.card, kTotalNationCost), c.all);
        EXPECT_EQ(CardCost(c.card, kNationCost), c.nation);
        EXPECT_EQ(CardCost(c.card, kResourceCost), c.resource);
    }
}

}  // namespace
}  // namespace svdb
