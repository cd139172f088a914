#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

// A deck taken from shared text (UTF-8): what "クリップボードへ" and
// "トレードモードでコピー" copy, the deck text file's content, or a list
// written by hand in the same spirit.
struct SharedDeckText {
    // A line that is neither a card line nor one of the lines around them.
    struct Unreadable {
        int lineNumber = 0;  // 1-based
        std::string text;    // without its surrounding blanks
    };

    // The deck text file's first line, when the text is laid out as that
    // file is (a first line followed by a rule); otherwise none.
    std::optional<std::string> title;
    std::vector<DeckEntry> mainRows;
    std::vector<DeckEntry> sideRows;
    std::vector<Unreadable> unreadable;

    bool hasEntries() const { return !mainRows.empty() || !sideRows.empty(); }
};

// Reads the text line by line; CR LF, LF and a lone CR all end a line.
// Blanks are spaces, tabs, ideographic and no-break spaces.
//
// - A line that is only a section name (メインボード, メインデッキ, メイン,
//   希望 / サイドボード, サイドデッキ, サイド, 提供), perhaps between dashes,
//   brackets or a colon, starts that list. Reading starts in the main deck.
// - A rule (three or more dashes and nothing else) goes back to the main
//   deck, as in the deck text file.
// - A card line is faction, card number and name separated by blanks, then
//   the copies: "× 3", "×3", "x 3", "x3", "X3", "* 3" or a bare "3", in
//   ASCII or full-width digits, "枚" after them allowed, and the "×" may
//   touch the name ("レイヴン×3"). The name is the line from its first
//   character to its last before the copies, inner blanks kept. Copies of 1
//   to 32767 are taken. The texts are taken as they are, whether or not the
//   catalogue has the card.
// - The lines the program adds around the cards are passed over without a
//   word: empty lines, "Total N" (and "合計 N"), "デッキ構成" and, after
//   it, the count lines of the deck text file ("連邦軍　　12枚").
// - Every other line is unreadable and listed with its number.
SharedDeckText ReadSharedDeckText(std::string_view text);

}  // namespace svdb
