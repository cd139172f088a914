#include "files/DeckTextFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "catalogue/CardType.h"
#include "deck/DeckModel.h"
#include "stats/DeckStats.h"
#include "text/FileBytes.h"
#include "text/LineReader.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

constexpr std::string_view kSideMarker = "-- サイドボード --";
// "×" (U+00D7 MULTIPLICATION SIGN) in Shift_JIS.
constexpr std::string_view kTimes = "\x81\x7E";
constexpr CardType kTypeLineTypes[DeckText::kTypeLines] = {CardType::Unit, CardType::Character,
                                                           CardType::Command, CardType::Operation,
                                                           CardType::Generation};
constexpr std::string_view kTypeLabels[DeckText::kTypeLines] = {
    "UNIT       ", "CHARACTER  ", "COMMAND    ", "OPERATION  ", "GENERATION "};
// Faction labels, padded with ideographic spaces to seven characters.
constexpr std::string_view kFactionLabels[DeckText::kFactionSlots] = {
    "連邦軍　　　　", "ジオン公国　　", "ティターンズ　", "ネオジオン　　",
    "∀　　　　　　",  "Ｗ　　　　　　", "その他　　　　"};

// The Shift_JIS forms of the fixed texts, encoded once.
struct EncodedTexts {
    std::string sideMarker = ShiftJisCodec::encode(kSideMarker);
    std::string composition = ShiftJisCodec::encode("デッキ構成");
    std::string pieces = ShiftJisCodec::encode("枚");
    std::array<std::string, DeckText::kFactionSlots> factionLabels;

    EncodedTexts() {
        for (int s = 0; s < DeckText::kFactionSlots; ++s)
            factionLabels[s] = ShiftJisCodec::encode(kFactionLabels[s]);
    }
};

const EncodedTexts& Encoded() {
    static const EncodedTexts texts;
    return texts;
}

void EndLine(std::string& out) {
    out += "\r\n";
}

void AppendNumber(std::string& out, int n) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

// The encoded text "faction number name" of one card line, in a buffer
// shared by all of them.
struct EncodedEntry {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::int16_t copies = 0;
};

void AppendCardLine(std::string& out, const std::string& encoded, const EncodedEntry& e,
                    int padWidth) {
    out.append(encoded, e.begin, e.end - e.begin);
    const int width = static_cast<int>(e.end - e.begin) - 2;  // without the two spaces
    out.append(static_cast<std::size_t>(std::max(0, padWidth - width)) + 1, ' ');
    out += kTimes;
    out += ' ';
    AppendNumber(out, e.copies);
    EndLine(out);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The copies at the end of a card line: the run of digits (with a "-" just
// before it) that ends the line once trailing blanks are dropped.
std::optional<std::int16_t> TrailingCopies(std::string_view line) {
    std::size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    std::size_t begin = end;
    while (begin > 0 && IsDigit(line[begin - 1])) --begin;
    if (begin == end) return std::nullopt;
    if (begin > 0 && line[begin - 1] == '-') --begin;
    return ParseCopies(line.substr(begin, end - begin));
}

// The number of LFs in bytes, counting stopped at limit.
std::size_t CountLineEnds(std::string_view bytes, std::size_t limit) {
    std::size_t count = 0;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (count < limit) {
        at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (at == nullptr) break;
        ++at;
        ++count;
    }
    return count;
}

std::string_view TrimSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A card line taken apart. Lines are taken apart in their Shift_JIS bytes,
// before decoding: no byte below 0x40 (space, tab, digits, "-", CR, LF) is
// ever the second byte of a character, so each stands for itself, and the
// byte after a space always begins a character.
struct CardLine {
    // The line up to the end of the name: faction, space, number, space and
    // the name with its leading spaces (trailing ones left off).
    std::string_view head;
    std::int16_t copies = 0;
};

enum class LineKind { Entry, Ignored, End };

// Reads one line that is not a marker line.
LineKind ReadCardLine(std::string_view line, CardLine& card) {
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t first = line.find(' ');
    if (first == npos) return LineKind::Ignored;
    const std::size_t second = line.find(' ', first + 1);
    if (second == npos) return LineKind::Ignored;
    // Five fields or more: a fourth space after the third.
    const std::size_t third = line.find(' ', second + 1);
    const std::size_t last = line.rfind(' ');
    if (third == npos || third == last) return LineKind::Ignored;

    // The first field from the third on that is exactly "×": its lead byte
    // right after a space (which makes it the start of a character), its
    // trail byte, then a space or the end of the line.
    std::size_t timesField = npos;
    for (std::size_t at = line.find(kTimes[0], second + 1); at != npos;
         at = line.find(kTimes[0], at + 1)) {
        if (line[at - 1] == ' ' && line.substr(at, 2) == kTimes &&
            (at + 2 == line.size() || line[at + 2] == ' ')) {
            timesField = at;
            break;
        }
    }

    const std::optional<std::int16_t> copies = TrailingCopies(line);
    if (!copies) return LineKind::End;

    // Fields joined with single spaces are the line itself, so the name is
    // the stretch of the line from the third field to the space before the
    // "×" field or, without one, before the last field.
    const std::size_t nameBegin = second + 1;
    const std::size_t nameEnd =
        timesField == std::string_view::npos ? last : std::max(timesField - 1, nameBegin);
    const std::size_t lastOfName = line.find_last_not_of(' ', nameEnd - 1);
    const bool noName = lastOfName == npos || lastOfName < nameBegin;
    card.head = line.substr(0, noName ? nameBegin : lastOfName + 1);
    card.copies = *copies;
    return LineKind::Entry;
}

}  // namespace

DeckText MakeDeckText(std::string title, const DeckModel& deck, const DeckStats& stats) {
    DeckText text;
    text.title = std::move(title);
    text.mainRows = deck.list(DeckModel::kMain).rows;
    text.sideRows = deck.list(DeckModel::kSide).rows;
    text.mainTotal = deck.total(DeckModel::kMain);
    for (int s = 0; s < DeckText::kFactionSlots; ++s)
        text.factionCounts[static_cast<std::size_t>(s)] = stats.factionCount(s);
    for (int k = 0; k < DeckText::kTypeLines; ++k)
        text.typeCounts[static_cast<std::size_t>(k)] = stats.typeCount(kTypeLineTypes[k]);
    return text;
}

std::string DeckTextBytes(const DeckText& deck) {
    const EncodedTexts& t = Encoded();
    // Each entry's text is encoded once, before the widest of them is known.
    std::string encoded;
    std::vector<EncodedEntry> entries;
    entries.reserve(deck.mainRows.size() + deck.sideRows.size());
    int padWidth = 0;
    for (const auto* rows : {&deck.mainRows, &deck.sideRows}) {
        for (const DeckEntry& e : *rows) {
            EncodedEntry& line = entries.emplace_back();
            line.begin = encoded.size();
            ShiftJisCodec::encodeAppend(e.faction, encoded);
            encoded += ' ';
            ShiftJisCodec::encodeAppend(e.cardNumber, encoded);
            encoded += ' ';
            ShiftJisCodec::encodeAppend(e.cardName, encoded);
            line.end = encoded.size();
            line.copies = e.copies;
            padWidth = std::max(padWidth, static_cast<int>(line.end - line.begin) - 2);
        }
    }
    const auto mainEnd = entries.begin() + static_cast<std::ptrdiff_t>(deck.mainRows.size());

    // A card line's padding, separators, copies and line end take at most
    // padWidth + 14 bytes.
    std::string out;
    out.reserve(deck.title.size() + encoded.size() +
                (entries.size() + 4) * (static_cast<std::size_t>(padWidth) + 14) + 512);
    const std::string rule(static_cast<std::size_t>(padWidth) + 7, '-');
    ShiftJisCodec::encodeAppend(deck.title, out);
    EndLine(out);
    out += rule;
    EndLine(out);
    for (auto it = entries.begin(); it != mainEnd; ++it)
        AppendCardLine(out, encoded, *it, padWidth);
    out += rule;
    EndLine(out);
    // A deck whose widest entry is narrower than "Total" gets no padding
    // rather than a negative amount of it.
    out += '-';
    out.append(static_cast<std::size_t>(std::max(0, padWidth - 3)), ' ');
    out += "Total ";
    AppendNumber(out, deck.mainTotal);
    EndLine(out);
    if (!deck.sideRows.empty()) {
        out += t.sideMarker;
        EndLine(out);
        for (auto it = mainEnd; it != entries.end(); ++it)
            AppendCardLine(out, encoded, *it, padWidth);
        EndLine(out);
    }
    out += rule;
    EndLine(out);
    out += t.composition;
    EndLine(out);
    for (int s = 0; s < DeckText::kFactionSlots; ++s) {
        const std::int16_t count = deck.factionCounts[static_cast<std::size_t>(s)];
        if (count == 0) continue;
        out += t.factionLabels[static_cast<std::size_t>(s)];
        AppendNumber(out, count);
        out += t.pieces;
        EndLine(out);
    }
    EndLine(out);
    for (int k = 0; k < DeckText::kTypeLines; ++k) {
        out += kTypeLabels[k];
        AppendNumber(out, deck.typeCounts[static_cast<std::size_t>(k)]);
        out += t.pieces;
        EndLine(out);
    }
    return out;
}

int EntryTextWidth(const DeckEntry& entry) {
    return ShiftJisCodec::byteWidth(entry.faction) + ShiftJisCodec::byteWidth(entry.cardNumber) +
           ShiftJisCodec::byteWidth(entry.cardName);
}

int DeckPadWidth(std::span<const DeckEntry> mainRows, std::span<const DeckEntry> sideRows) {
    int padWidth = 0;
    for (const auto rows : {mainRows, sideRows}) {
        for (const DeckEntry& e : rows) padWidth = std::max(padWidth, EntryTextWidth(e));
    }
    return padWidth;
}

std::string DeckCardLine(const DeckEntry& entry, int padWidth) {
    std::string line = entry.faction;
    line += ' ';
    line += entry.cardNumber;
    line += ' ';
    line += entry.cardName;
    line.append(static_cast<std::size_t>(std::max(0, padWidth - EntryTextWidth(entry))) + 1, ' ');
    line += "× ";
    AppendNumber(line, entry.copies);
    return line;
}

bool SaveDeckText(const std::string& path, const DeckText& deck, std::string* reason) {
    return WriteFileReplacing(path, DeckTextBytes(deck), reason);
}

DeckTextRead LoadDeckText(const std::string& path) {
    DeckTextRead read;
    const std::optional<std::string> bytes = ReadDeckFileBytes(path, &read.reason, &read.fault);
    if (!bytes) return read;
    return LoadDeckTextBytes(*bytes);
}

DeckTextRead LoadDeckTextBytes(std::string_view bytes) {
    const EncodedTexts& t = Encoded();
    DeckTextRead read;
    read.opened = true;
    LineReader lines(bytes);
    std::string_view line;
    if (!lines.next(line)) return read;
    ShiftJisCodec::decodeAppend(line, read.title);
    // Every line but the title may be a main-deck entry; the list is
    // allocated once for all of them (up to a bound, past which it grows).
    read.mainRows.reserve(CountLineEnds(bytes, 1u << 15));
    std::vector<DeckEntry>* current = &read.mainRows;
    CardLine card;
    std::string scratch;
    while (lines.next(line)) {
        if (!line.empty() && line.front() == '-') {
            current = line == t.sideMarker ? &read.sideRows : &read.mainRows;
            continue;
        }
        const LineKind kind = ReadCardLine(line, card);
        if (kind == LineKind::End) break;
        if (kind == LineKind::Ignored) continue;
        // One decoding of the line's head, which notes where its first two
        // spaces went; the scratch text keeps short texts to the strings'
        // own room.
        scratch.clear();
        std::size_t spaces[2];
        ShiftJisCodec::decodeSplitAppend(card.head, ' ', scratch, spaces);
        const std::string_view head = scratch;
        DeckEntry& e = current->emplace_back();
        e.faction.assign(head.substr(0, spaces[0]));
        e.cardNumber.assign(head.substr(spaces[0] + 1, spaces[1] - spaces[0] - 1));
        e.cardName.assign(TrimSpaces(head.substr(spaces[1] + 1)));
        e.copies = card.copies;
    }
    // A file of many lines and few entries does not leave its room behind.
    if (read.mainRows.capacity() > 2 * read.mainRows.size() + 64) read.mainRows.shrink_to_fit();
    return read;
}

std::optional<std::string> ReadDeckFileBytes(const std::string& path, std::string* reason,
                                             FileReadFault* fault) {
    FileReadFault why;
    std::optional<std::string> bytes = ReadFileBytes(path, &why);
    if (!bytes && reason) *reason = why.reason();
    if (fault) *fault = why;
    return bytes;
}

std::optional<std::int16_t> ParseCopies(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // Any number of digits; the value stops growing once it is out of range.
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        if (value <= INT16_MAX + 1) value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace svdb
