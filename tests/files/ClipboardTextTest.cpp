#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "files/ClipboardText.h"

namespace svdb {
namespace {

using namespace std::string_literals;
using testing::Entry;

std::string Spaces(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Widths in Shift_JIS bytes of faction + number + name: レイヴン 15, リオ 12,
// and the side deck's マルタ・ｶｽﾀﾑ (half-width katakana count 1) 28.
const std::vector<DeckEntry> kMain = {Entry("連邦", "U-1", "レイヴン", 3),
                                      Entry("連邦", "CH-1", "リオ", 12)};
const std::vector<DeckEntry> kSide = {Entry("ザンスカール", "CH-4", "マルタ・ｶｽﾀﾑ", 2)};

TEST(DeckClipboardText, NormalAndTradeMode) {
    const std::string mainLines =
        "連邦 U-1 レイヴン" + Spaces(13) + " × 3\r\n" + "連邦 CH-1 リオ" + Spaces(16) + " × 12\r\n";
    const std::string rule = std::string(33, '-') + "\r\n";
    const std::string sideLine = "ザンスカール CH-4 マルタ・ｶｽﾀﾑ × 2\r\n";
    struct Row {
        const char* what;
        std::vector<DeckEntry> side;
        DeckCopyMode mode;
        std::string text;
    };
    // clang-format off
    const Row rows[] = {
        {"normal, the side entry widest", kSide, DeckCopyMode::Normal,
         "-- メインボード --\r\n" + mainLines + rule + Spaces(26) + "Total 15\r\n\r\n"
         "-- サイドボード --\r\n" + sideLine},
        {"trade", kSide, DeckCopyMode::Trade,
         "-- 希望 --\r\n" + mainLines + rule + "\r\n-- 提供 --\r\n" + sideLine},
        {"trade without a side deck", {}, DeckCopyMode::Trade,
         "-- 希望 --\r\n" + "連邦 U-1 レイヴン × 3\r\n"s + "連邦 CH-1 リオ" + Spaces(3) + " × 12\r\n" +
         std::string(20, '-') + "\r\n"},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_EQ(DeckClipboardText(kMain, r.side, 15, r.mode), r.text) << r.what;
    }
}

TEST(DeckClipboardText, NothingForAnEmptyMainDeck) {
    EXPECT_FALSE(DeckClipboardText({}, kSide, 0, DeckCopyMode::Normal));
    EXPECT_FALSE(DeckClipboardText({}, kSide, 0, DeckCopyMode::Trade));
}

TEST(CardListClipboardText, OneLinePerRow) {
    const std::vector<CardListRow> rows = {{"連邦", "U-1", "レイヴン", "基本"},
                                           {"ジオン", "C-3", "作戦 改", "--"}};
    EXPECT_EQ(CardListClipboardText(rows), "連邦 U-1 レイヴン\r\nジオン C-3 作戦 改\r\n");
    EXPECT_EQ(CardListClipboardText({}), "");
}

// A text of n characters "一二三…" cycling through ten kanji.
std::string Kanji(int n) {
    static const char* const ten[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    std::string s;
    for (int i = 0; i < n; ++i) s += ten[i % 10];
    return s;
}

TEST(CardInfoClipboardText, WrapsTextsAtThirtyFiveCharacters) {
    const std::string head = "U-1    カード名： レイヴン\r\n\r\n        高機動 \r\n";
    const std::string indent = Spaces(8);
    const std::string line35 = Kanji(35);
    struct Row {
        const char* what;
        std::string text;
        std::string flavor;
        std::string lines;
    };
    // clang-format off
    const Row rows[] = {
        {"no texts", "", "", ""},
        {"short text", "破壊する。", "", indent + "破壊する。\r\n"},
        {"69 characters: two lines", line35 + Kanji(34), "",
         indent + line35 + "\r\n" + indent + Kanji(34) + "\r\n"},
        {"70 characters: the third line empty", line35 + line35, "",
         indent + line35 + "\r\n" + indent + line35 + "\r\n" + indent + "\r\n"},
        {"a line break counts as two characters", Kanji(34) + "\r\n" + "末", "",
         indent + Kanji(34) + "\r\r\n" + indent + "\n末\r\n"},
        {"flavour after text", "本文", "「風」", indent + "本文\r\n" + indent + "「風」\r\n"},
        {"flavour alone", "", "「風」", indent + "「風」\r\n"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const CardInfoTexts shown{"U-1", "カード名： レイヴン", "高機動 ", r.text, r.flavor};
        EXPECT_EQ(CardInfoClipboardText(shown), head + r.lines) << r.what;
    }
    // The summary line stays when the summary is empty.
    EXPECT_EQ(CardInfoClipboardText(CardInfoTexts{}), "CH-000    カード名：\r\n\r\n        \r\n");
}

}  // namespace
}  // namespace svdb
