#include "deck/ProgramOptions.h"

namespace svdb {

std::string ProgramOptions::WindowTitle(std::string_view base) const {
    static const char* const suffixes[5] = {" [短縮]", " [３枚制限なし]", " [コレクトモード]",
                                            " [VAIO C1モード]", " [マルチセレクトモード]"};
    std::string title(base);
    for (int i = 1; i <= 5; ++i) {
        if (isOn(i)) title += suffixes[i - 1];
    }
    return title;
}

}  // namespace svdb
