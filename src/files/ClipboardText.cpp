#include "files/ClipboardText.h"

#include <algorithm>
#include <vector>

#include "files/DeckTextFile.h"

namespace svdb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kIndent = "        ";
constexpr std::size_t kWrapWidth = 35;

void Line(std::string& out, std::string_view text) {
    out += text;
    out += kLineEnd;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Offsets of the characters of a UTF-8 text, and its size at the end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    starts.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// The text in pieces of 35 characters, each on an indented line: piece k
// for every k up to the length divided by 35, so a length that is a whole
// multiple of 35 ends with an indented empty line. Line breaks inside the
// text are characters like any other.
void WrappedLines(std::string& out, std::string_view text) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const std::size_t length = starts.size() - 1;
    for (std::size_t k = 0; k <= length / kWrapWidth; ++k) {
        const std::size_t first = starts[k * kWrapWidth];
        const std::size_t last = starts[std::min(length, (k + 1) * kWrapWidth)];
        out += kIndent;
        Line(out, text.substr(first, last - first));
    }
}

}  // namespace

std::optional<std::string> DeckClipboardText(std::span<const DeckEntry> mainRows,
                                             std::span<const DeckEntry> sideRows,
                                             DeckTotal mainTotal, DeckCopyMode mode) {
    if (mainRows.empty()) return std::nullopt;
    const bool trade = mode == DeckCopyMode::Trade;
    const int padWidth = DeckPadWidth(mainRows, sideRows);
    std::string text;
    Line(text, trade ? "-- 希望 --" : "-- メインボード --");
    for (const DeckEntry& e : mainRows) Line(text, DeckCardLine(e, padWidth));
    Line(text, std::string(static_cast<std::size_t>(padWidth) + 5, '-'));
    if (!trade) {
        // Entries narrower than two bytes leave the total line unindented.
        text.append(static_cast<std::size_t>(std::max(0, padWidth - 2)), ' ');
        Line(text, "Total " + std::to_string(mainTotal));
    }
    if (!sideRows.empty()) {
        Line(text, "");
        Line(text, trade ? "-- 提供 --" : "-- サイドボード --");
        for (const DeckEntry& e : sideRows) Line(text, DeckCardLine(e, padWidth));
    }
    return text;
}

std::string CardListClipboardText(std::span<const CardListRow> rows) {
    std::string text;
    for (const CardListRow& row : rows) {
        text += row.faction;
        text += ' ';
        text += row.cardNumber;
        text += ' ';
        Line(text, row.cardName);
    }
    return text;
}

std::string CardInfoClipboardText(const CardInfoTexts& shown) {
    std::string text = shown.cardNumber;
    text += "    ";
    Line(text, shown.name);
    Line(text, "");
    text += kIndent;
    Line(text, shown.summary);
    if (!shown.text.empty()) WrappedLines(text, shown.text);
    if (!shown.flavor.empty()) WrappedLines(text, shown.flavor);
    return text;
}

}  // namespace svdb
