#pragma once

namespace svdb {

// The option check marks the deck rules read, taken at the moment of each
// operation.
struct DeckOptions {
    bool shortFactionNames = false;  // "勢力名を短縮名にする"
    bool noCopyLimit = false;        // "３枚制限を外す"
    bool collectMode = false;        // "コレクトモード"
};

}  // namespace svdb
