#include "search/CardListNavigation.h"

#include <algorithm>

namespace svdb {

namespace {

// First rows (1-based, ascending) of the faction groups. groupStart holds 1
// for the first group and, for every later group, the last row of the group
// before it; unused entries are -1.
std::vector<int> GroupFirstRows(const std::vector<std::int16_t>& groupStart, int rowCount) {
    std::vector<int> firsts;
    for (std::size_t g = 0; g < groupStart.size(); ++g) {
        if (groupStart[g] == -1) continue;
        const int first = g == 0 ? groupStart[g] : groupStart[g] + 1;
        // Entries out of step with the rows (a table from another refill) are
        // left out rather than followed.
        if (first < 1 || first > rowCount) continue;
        if (!firsts.empty() && first <= firsts.back()) continue;
        firsts.push_back(first);
    }
    if (firsts.empty() || firsts.front() != 1) firsts.insert(firsts.begin(), 1);
    return firsts;
}

}  // namespace

int CardListLandingRow(int navMode, int selected, int rowCount,
                       const std::vector<std::int16_t>& groupStart) {
    if (rowCount < 1) return 0;
    const int s = std::clamp(selected, 1, rowCount);
    switch (navMode) {
        case kNavUp:
            return s > 1 ? s - 1 : s;
        case kNavDown:
            return s < rowCount ? s + 1 : s;
        case kNavGroupUp:
        case kNavGroupDown: {
            const std::vector<int> firsts = GroupFirstRows(groupStart, rowCount);
            // The group of the selected row: the last group starting at or before it.
            const auto group = std::upper_bound(firsts.begin(), firsts.end(), s) - 1;
            if (navMode == kNavGroupUp) return group == firsts.begin() ? 1 : *(group - 1);
            return group + 1 == firsts.end() ? rowCount : *(group + 1);
        }
        default:
            return s;
    }
}

}  // namespace svdb
