#pragma once

#include <string>

namespace svdb {

// The texts of the numeric search and the text search, read from the panel
// once per refill.
struct SearchTexts {
    std::string
        searchItem;  // ComboSyugo: "指定国力", "合計国力", "資源", "格闘力", "射撃力", "防御力"
    std::string minimum;      // ComboNum 0: "*" or "0".."9" (typed text possible)
    std::string maximum;      // ComboNum 1: empty for an exact match on the minimum
    std::string findTerm;     // ComboFind, taken unchanged; empty = no text search
    bool findName = false;    // CheckFindName "名称": search front.name
    bool findText = false;    // CheckFindText "テキスト": search front.text
    bool findFlavor = false;  // CheckFindFlavor "フレーバー": search front.flavor
};

}  // namespace svdb
