#include <gtest/gtest.h>

#include <vector>

#include "search/CardListNavigation.h"

namespace svdb {
namespace {

TEST(CardListLandingRow, ArrowsAndGroupMoves) {
    // Groups: rows 1-3, 4-6 and 7-9.
    const std::vector<std::int16_t> three = {1, 3, 6, -1};
    const std::vector<std::int16_t> one = {1, -1, -1};
    const struct {
        const char* name;
        int navMode;
        int selected;
        int rowCount;
        std::vector<std::int16_t> groupStart;
        int landing;
    } rows[] = {
        {"click shows the selected row", kNavNone, 5, 9, three, 5},
        {"group down from a group's last row goes to the next group", kNavGroupDown, 3, 9, three,
         4},
        {"group down in the last group goes to the last row", kNavGroupDown, 8, 9, three, 9},
        {"group up from inside a group", kNavGroupUp, 8, 9, three, 4},
        {"group up in the first group goes to the first row", kNavGroupUp, 3, 9, three, 1},
        {"one group: down goes to the end", kNavGroupDown, 1, 4, one, 4},
        {"entries past the rows are ignored", kNavGroupDown, 4, 5, {1, 3, 20}, 5},
        {"a table with no groups is one group", kNavGroupDown, 2, 5, {}, 5},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CardListLandingRow(r.navMode, r.selected, r.rowCount, r.groupStart), r.landing)
            << r.name;
    }
}

}  // namespace
}  // namespace svdb
