#include "stats/OpeningChance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace svdb {

double OpeningChance::Combination(int n, int r) {
    if (r < 0 || n < 0 || r > n) return 0.0;
    r = std::min(r, n - r);
    // Each partial product is itself a binomial coefficient, so every step
    // divides exactly and stays exact while the values fit a double's
    // mantissa (all the chance needs: at most C(50, 6)).
    double c = 1.0;
    for (int i = 1; i <= r; ++i) c = c * (n - r + i) / i;
    return c;
}

double OpeningChance::Chance(int copies) {
    if (copies >= kCertainFrom) return 1.0;
    const int most = std::min(copies, kHandSize);
    const double hands = Combination(kDeckSize, kHandSize);
    double p = 0.0;
    for (int drawn = 1; drawn <= most; ++drawn) {
        p = Combination(kDeckSize - copies, kHandSize - drawn) * Combination(copies, drawn) /
                hands +
            p;
    }
    return p;
}

std::string OpeningChance::ChanceText(int copies) {
    // Hundredths of a percent, rounded half away from zero. No chance lies
    // exactly half-way between two of them: in hundredths it is 100 * N /
    // 158907 for a whole N (C(50, 6) is 158907 * 100), never a half.
    const long long hundredths = std::llround(Chance(copies) * 10000.0);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld%%", hundredths / 100, hundredths % 100);
    return text;
}

std::string OpeningChance::CardText(std::string_view cardName) {
    std::string text = "「";
    text += cardName;
    text += "」が、";
    return text;
}

}  // namespace svdb
