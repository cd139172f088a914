#include "files/SharedDeckText.h"

#include <array>
#include <cstdint>

namespace svdb {

namespace {

using namespace std::string_view_literals;

constexpr int kMaxCopies = INT16_MAX;
constexpr std::string_view kPieces = "枚";
constexpr std::string_view kComposition = "デッキ構成";

// Signs that stand between a name and its copies. The first two may touch
// the name; the others are letters or marks that names may end in.
constexpr std::array kTouchingTimes = {"×"sv, "✕"sv};
constexpr std::array kTimes = {"×"sv, "✕"sv, "x"sv, "X"sv, "ｘ"sv, "Ｘ"sv, "*"sv, "＊"sv};

constexpr std::array kMainNames = {"メインボード"sv, "メインデッキ"sv, "メイン"sv, "希望"sv};
constexpr std::array kSideNames = {"サイドボード"sv, "サイドデッキ"sv, "サイド"sv, "提供"sv};
// What may stand around a section name.
constexpr std::array kDecorations = {"-"sv,  "－"sv, "="sv,  "＝"sv, "―"sv,  "─"sv,  "["sv,
                                     "]"sv,  "【"sv, "】"sv, "<"sv,  ">"sv,  "＜"sv, "＞"sv,
                                     "《"sv, "》"sv, "『"sv, "』"sv, "「"sv, "」"sv, "■"sv,
                                     "("sv,  ")"sv,  "（"sv, "）"sv, ":"sv,  "："sv};
constexpr std::array kRuleMarks = {"-"sv, "－"sv, "="sv, "＝"sv, "―"sv, "─"sv, "ー"sv};
constexpr std::array kTotalWords = {"Total"sv, "TOTAL"sv, "total"sv, "合計"sv};

// The length of the blank at the start of s: space, tab, ideographic space
// or no-break space; 0 for anything else.
std::size_t BlankLength(std::string_view s) {
    if (s.empty()) return 0;
    if (s[0] == ' ' || s[0] == '\t') return 1;
    if (s.starts_with("\u3000")) return 3;
    if (s.starts_with("\u00A0")) return 2;
    return 0;
}

// The length of the blank that ends s, as BlankLength.
std::size_t TrailingBlankLength(std::string_view s) {
    if (s.empty()) return 0;
    if (s.back() == ' ' || s.back() == '\t') return 1;
    if (s.ends_with("\u3000")) return 3;
    if (s.ends_with("\u00A0")) return 2;
    return 0;
}

std::string_view Trim(std::string_view s) {
    while (std::size_t n = BlankLength(s)) s.remove_prefix(n);
    while (std::size_t n = TrailingBlankLength(s)) s.remove_suffix(n);
    return s;
}

struct Token {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Token> Tokens(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (std::size_t n = BlankLength(line.substr(i))) {
            i += n;
            continue;
        }
        Token t{i, i};
        while (i < line.size() && BlankLength(line.substr(i)) == 0) ++i;
        t.end = i;
        tokens.push_back(t);
    }
    return tokens;
}

std::string_view Slice(std::string_view line, Token t) {
    return line.substr(t.begin, t.end - t.begin);
}

template <std::size_t N>
bool IsOneOf(std::string_view s, const std::array<std::string_view, N>& words) {
    for (std::string_view w : words) {
        if (s == w) return true;
    }
    return false;
}

// Takes one of the marks off the front (or the back) of s; false when none is there.
template <std::size_t N>
bool TakeFront(std::string_view& s, const std::array<std::string_view, N>& marks) {
    for (std::string_view m : marks) {
        if (s.starts_with(m)) {
            s.remove_prefix(m.size());
            return true;
        }
    }
    return false;
}
template <std::size_t N>
bool TakeBack(std::string_view& s, const std::array<std::string_view, N>& marks) {
    for (std::string_view m : marks) {
        if (s.ends_with(m)) {
            s.remove_suffix(m.size());
            return true;
        }
    }
    return false;
}

// The value of one ASCII or full-width digit at the back of s, taken off;
// -1 when s does not end in one.
int TakeDigitBack(std::string_view& s) {
    if (!s.empty() && s.back() >= '0' && s.back() <= '9') {
        const int d = s.back() - '0';
        s.remove_suffix(1);
        return d;
    }
    // "０".."９" are EF BC 90..99.
    if (s.size() >= 3 && s.substr(s.size() - 3, 2) == "\xEF\xBC") {
        const auto last = static_cast<unsigned char>(s.back());
        if (last >= 0x90 && last <= 0x99) {
            s.remove_suffix(3);
            return last - 0x90;
        }
    }
    return -1;
}

// The number that ends s (digits, then "枚" if any), taken off; nothing when
// s does not end in digits. The value stops growing beyond the copies a
// deck can hold.
std::optional<int> TakeCountBack(std::string_view& s) {
    std::string_view rest = s;
    if (rest.ends_with(kPieces)) rest.remove_suffix(kPieces.size());
    int value = 0;
    int scale = 1;
    bool any = false;
    for (int d; (d = TakeDigitBack(rest)) >= 0;) {
        // A digit beyond the largest count's places makes the value too large.
        if (d != 0) value = scale > kMaxCopies ? kMaxCopies + 1 : value + d * scale;
        if (value > kMaxCopies) value = kMaxCopies + 1;
        if (scale <= kMaxCopies) scale *= 10;
        any = true;
    }
    if (!any) return std::nullopt;
    s = rest;
    return value;
}

// The whole of s as a count.
std::optional<int> CountOf(std::string_view s) {
    const std::optional<int> n = TakeCountBack(s);
    return n && s.empty() ? n : std::nullopt;
}

// 0 main, 1 side, -1 for a line that is not a section name.
int SectionOf(std::string_view line) {
    for (;;) {
        line = Trim(line);
        if (!TakeFront(line, kDecorations) && !TakeBack(line, kDecorations)) break;
    }
    if (IsOneOf(line, kMainNames)) return 0;
    if (IsOneOf(line, kSideNames)) return 1;
    return -1;
}

bool IsRule(std::string_view line) {
    line = Trim(line);
    int marks = 0;
    while (TakeFront(line, kRuleMarks)) ++marks;
    return marks >= 3 && line.empty();
}

// "Total 15", "-      Total 15", "合計：50枚".
bool IsTotalLine(std::string_view line) {
    line = Trim(line);
    while (line.starts_with('-')) line = Trim(line.substr(1));
    if (!TakeFront(line, kTotalWords)) return false;
    line = Trim(line);
    if (line.starts_with(':')) line.remove_prefix(1);
    if (line.starts_with("：")) line.remove_prefix("："sv.size());
    return CountOf(Trim(line)).has_value();
}

// A count line of the deck text file's composition: one word, perhaps
// blanks, and "N枚".
bool IsCompositionLine(std::string_view line) {
    line = Trim(line);
    if (!line.ends_with(kPieces)) return false;
    if (!TakeCountBack(line)) return false;
    return Tokens(line).size() == 1;
}

// A card line, or nothing.
std::optional<DeckEntry> ReadCardLine(std::string_view line) {
    const std::vector<Token> tokens = Tokens(line);
    if (tokens.size() < 3) return std::nullopt;
    std::string_view last = Slice(line, tokens.back());
    std::size_t nameTokens = tokens.size() - 1;  // the tokens before the copies
    std::size_t nameEnd = tokens[nameTokens - 1].end;
    std::optional<int> copies = CountOf(last);
    if (copies) {
        // "× 3", or "レイヴン× 3" with the sign on the name.
        std::string_view before = Slice(line, tokens[nameTokens - 1]);
        if (IsOneOf(before, kTimes)) {
            --nameTokens;
            if (nameTokens > 0) nameEnd = tokens[nameTokens - 1].end;
        } else if (TakeBack(before, kTouchingTimes) && !before.empty()) {
            nameEnd = tokens[nameTokens - 1].begin + before.size();
        }
    } else if (std::string_view rest = last; TakeFront(rest, kTimes)) {
        copies = CountOf(rest);  // "×3", "x3"
    } else {
        // "レイヴン×3": the sign and the copies touch the name.
        std::string_view name = last;
        copies = TakeCountBack(name);
        if (!copies || !TakeBack(name, kTouchingTimes) || name.empty()) return std::nullopt;
        nameTokens = tokens.size();
        nameEnd = tokens.back().begin + name.size();
    }
    if (!copies || *copies < 1 || *copies > kMaxCopies || nameTokens < 3) return std::nullopt;
    DeckEntry entry;
    entry.faction = Slice(line, tokens[0]);
    entry.cardNumber = Slice(line, tokens[1]);
    entry.cardName = line.substr(tokens[2].begin, nameEnd - tokens[2].begin);
    entry.copies = static_cast<std::int16_t>(*copies);
    return entry;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

SharedDeckText ReadSharedDeckText(std::string_view text) {
    SharedDeckText read;
    if (text.starts_with("\uFEFF")) text.remove_prefix("\uFEFF"sv.size());
    const std::vector<std::string_view> lines = Lines(text);

    // The deck text file's layout: the title, then a rule. Its title may be
    // empty; leading empty lines are passed over otherwise.
    std::size_t from = 0;
    if (lines.size() >= 2 && lines[0].empty() && IsRule(lines[1])) {
        read.title = std::string();
        from = 1;
    } else {
        std::size_t first = 0;
        while (first < lines.size() && Trim(lines[first]).empty()) ++first;
        if (first + 1 < lines.size() && IsRule(lines[first + 1]) && !IsRule(lines[first]) &&
            SectionOf(lines[first]) < 0) {
            read.title = std::string(lines[first]);
            from = first + 1;
        }
    }

    std::vector<DeckEntry>* current = &read.mainRows;
    bool composition = false;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty()) continue;
        if (const int section = SectionOf(line); section >= 0) {
            current = section == 0 ? &read.mainRows : &read.sideRows;
            composition = false;
            continue;
        }
        if (IsRule(line)) {
            current = &read.mainRows;
            continue;
        }
        if (IsTotalLine(line)) continue;
        if (line == kComposition) {
            composition = true;
            continue;
        }
        if (composition && IsCompositionLine(line)) continue;
        if (std::optional<DeckEntry> entry = ReadCardLine(line)) {
            current->push_back(std::move(*entry));
            continue;
        }
        read.unreadable.push_back({static_cast<int>(i) + 1, std::string(line)});
    }
    return read;
}

}  // namespace svdb
