#include <gtest/gtest.h>

#include <cstdint>

#include "stats/OpeningChance.h"

namespace svdb {
namespace {

TEST(OpeningChance, TextForEachCopyCount) {
    struct Row {
        int copies;
        const char* shown;
    };
    // clang-format off
    const Row rows[] = {
        {0, "0.00%"}, {1, "12.00%"}, {2, "22.78%"}, {3, "32.43%"}, {4, "41.05%"},
        {5, "48.74%"}, {6, "55.58%"}, {10, "75.85%"}, {20, "96.26%"},
        // 44 copies leave one hand in C(50, 6) without them; it rounds away.
        {44, "100.00%"}, {45, "100.00%"}, {50, "100.00%"}, {51, "100.00%"},
        {INT16_MAX, "100.00%"},
    };
    // clang-format on
    for (const Row& r : rows) EXPECT_EQ(OpeningChance::ChanceText(r.copies), r.shown) << r.copies;
}

TEST(OpeningChance, ChanceIsOneLessTheHandsWithoutACopy) {
    // Summing the hands by copies drawn gives every hand but those of none.
    for (int k = 0; k < OpeningChance::kCertainFrom; ++k) {
        const double none =
            OpeningChance::Combination(50 - k, 6) / OpeningChance::Combination(50, 6);
        EXPECT_NEAR(OpeningChance::Chance(k), 1.0 - none, 1e-12) << k;
    }
    EXPECT_EQ(OpeningChance::Chance(45), 1.0);
}

TEST(OpeningChance, CombinationBeyondWhatTheChanceNeeds) {
    EXPECT_EQ(OpeningChance::Combination(50, 44), 15890700);
    EXPECT_EQ(OpeningChance::Combination(20, 10), 184756);
    EXPECT_EQ(OpeningChance::Combination(6, 7), 0);
    EXPECT_EQ(OpeningChance::Combination(5, -1), 0);
}

}  // namespace
}  // namespace svdb
