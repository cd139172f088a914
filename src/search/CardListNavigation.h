#pragma once

#include <cstdint>
#include <vector>

namespace svdb {

// The pending arrow-key move of the card list (navMode): set by a key-down,
// cleared by any key-up.
inline constexpr int kNavNone = 0;
inline constexpr int kNavUp = 1;
inline constexpr int kNavDown = 2;
inline constexpr int kNavGroupUp = 3;    // Shift+Up
inline constexpr int kNavGroupDown = 4;  // Shift+Down

// The 1-based row of a card list of rowCount rows (at least 1) that ends up
// selected and shown when the row selected (1-based) is left by navMode, with
// the rows in the order that groupStart describes (the walk order):
// - Up and Down: the row above or below; at the first or last row, the row
//   itself.
// - Group up: the first row of the faction group before the selected row's
//   group; the first row of the list when there is none.
// - Group down: the first row of the faction group after the selected row's
//   group; the last row of the list when there is none.
// - None (a click): the selected row.
int CardListLandingRow(int navMode, int selected, int rowCount,
                       const std::vector<std::int16_t>& groupStart);

}  // namespace svdb
