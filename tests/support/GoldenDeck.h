#pragma once

// The main deck of the golden deck files, shared by the readers' and the
// writers' tests: invented cards, a name with single and double inner spaces,
// short faction names and a count of two digits.

#include <vector>

#include "DeckTestSupport.h"

namespace svdb::testing {

inline std::vector<DeckEntry> GoldenMain() {
    return {Entry("連邦", "U-1", "レイヴン", 3),
            Entry("連邦", "CH-1", "リオ", 2),
            Entry("ジオン", "U-2", "グラナト", 3),
            Entry("ティタ", "U-4", "ヘルムート", 1),
            Entry("ネオジオン", "U-5", "ルキナ 改  II", 2),
            Entry("Seed", "U-7", "スパーダ", 3),
            Entry("Ｗ", "O-7", "コロニー", 3),
            Entry("その他", "U-9", "ポッド", 2),
            Entry("連邦", "G-1", "連邦G", 12),
            Entry("クロス", "C-5", "海賊", 1)};
}

}  // namespace svdb::testing
