#include <gtest/gtest.h>

#include "catalogue/RowColour.h"

namespace svdb {
namespace {

TEST(FactionRowColour, LongAndShortNames) {
    const struct {
        const char* faction;
        Rgb rgb;
    } rows[] = {
        {"連邦", {0xCC, 0xFF, 0xFF}},       {"ジオン", {0x99, 0xCC, 0x99}},
        {"ティタ", {0xCC, 0xCC, 0xCC}},     {"ザンスカール", {0xCC, 0xCC, 0xCC}},
        {"クロス", {0xFF, 0xCC, 0xCC}},     {"ネオジオン", {0xFF, 0xCC, 0xCC}},
        {"Ｘ", {0xFF, 0xCC, 0x99}},         {"Seed", {0xFF, 0xFF, 0xFF}},
        {"その他", {0xCC, 0xCC, 0xFF}},     {"", {0xCC, 0xCC, 0xFF}},
        {"X", {0xCC, 0xCC, 0xFF}},  // the half-width letter is not "Ｘ"
        {"ジオン公国", {0xCC, 0xCC, 0xFF}},
    };
    for (const auto& r : rows) EXPECT_EQ(FactionRowColour(r.faction), r.rgb) << r.faction;
}

}  // namespace
}  // namespace svdb
