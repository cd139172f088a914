#include <gtest/gtest.h>

#include <initializer_list>

#include "deck/ProgramOptions.h"

namespace svdb {
namespace {

TEST(ProgramOptionsTest, TitleNamesEveryOptionThatIsOnInIndexOrder) {
    struct Case {
        std::initializer_list<int> on;
        const char* title;
    };
    // clang-format off
    const Case cases[] = {
        {{}, "SVDB"},
        {{4, 1}, "SVDB [短縮] [VAIO C1モード]"},
        {{2, 3, 5}, "SVDB [３枚制限なし] [コレクトモード] [マルチセレクトモード]"},
        {{0, 6}, "SVDB"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ProgramOptions options;
        for (int i : c.on) options.set(i, true);
        EXPECT_EQ(options.WindowTitle("SVDB"), c.title);
    }
}

}  // namespace
}  // namespace svdb
