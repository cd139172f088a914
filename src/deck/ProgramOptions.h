#pragma once

#include <array>
#include <string>
#include <string_view>

#include "deck/DeckOptions.h"

namespace svdb {

// The five check marks of the options menu and the control the pop-up menu
// was last opened on. The options menu writes them; the deck editing reads
// them at the moment of use. Every run starts with all five off.
class ProgramOptions {
  public:
    static constexpr int kShortFactionNames = 1;  // "勢力名を短縮名にする"
    static constexpr int kNoCopyLimit = 2;        // "３枚制限を外す"
    static constexpr int kCollectMode = 3;        // "コレクトモード"
    static constexpr int kCompactLayout = 4;      // "VAIO C1モード"
    static constexpr int kMultiSelect = 5;        // "マルチセレクト"

    // Where the pop-up menu was opened.
    static constexpr int kFromDeckList = 1;
    static constexpr int kFromCardInfo = 4;
    static constexpr int kFromCardList = 8;

    // Option index 1..5; any other index is off and cannot be set.
    bool isOn(int index) const { return valid(index) && on_[static_cast<std::size_t>(index - 1)]; }
    void set(int index, bool on) {
        if (valid(index)) on_[static_cast<std::size_t>(index - 1)] = on;
    }

    // The options the deck rules read.
    DeckOptions deckOptions() const {
        return DeckOptions{isOn(kShortFactionNames), isOn(kNoCopyLimit), isOn(kCollectMode)};
    }
    bool multiSelect() const { return isOn(kMultiSelect); }

    // The main window's title: base followed by the suffix of every option
    // that is on, in index order (" [短縮]", " [３枚制限なし]", ...).
    std::string WindowTitle(std::string_view base) const;

    int contextSource() const { return contextSource_; }
    void setContextSource(int source) { contextSource_ = source; }

  private:
    static bool valid(int index) { return index >= 1 && index <= 5; }

    std::array<bool, 5> on_{};
    int contextSource_ = 0;
};

}  // namespace svdb
