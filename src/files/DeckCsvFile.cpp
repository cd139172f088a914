#include "files/DeckCsvFile.h"

#include <charconv>
#include <optional>

#include "files/DeckTextFile.h"
#include "text/FileBytes.h"
#include "text/LineReader.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string DeckCsvBytes(const std::vector<DeckEntry>& mainRows) {
    std::size_t size = 0;
    for (const DeckEntry& e : mainRows)
        size += e.faction.size() + e.cardNumber.size() + e.cardName.size() + 11;
    std::string out;
    out.reserve(size);
    for (const DeckEntry& e : mainRows) {
        ShiftJisCodec::encodeAppend(e.faction, out);
        out += ',';
        ShiftJisCodec::encodeAppend(e.cardNumber, out);
        out += ',';
        ShiftJisCodec::encodeAppend(e.cardName, out);
        out += ',';
        char digits[8];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, e.copies).ptr);
        out += "\r\n";
    }
    return out;
}

bool SaveDeckCsv(const std::string& path, const std::vector<DeckEntry>& mainRows,
                 std::string* reason) {
    return WriteFileReplacing(path, DeckCsvBytes(mainRows), reason);
}

DeckCsvRead LoadDeckCsv(const std::string& path) {
    DeckCsvRead read;
    const std::optional<std::string> bytes = ReadDeckFileBytes(path, &read.reason, &read.fault);
    if (!bytes) return read;
    return LoadDeckCsvBytes(*bytes);
}

DeckCsvRead LoadDeckCsvBytes(std::string_view bytes) {
    DeckCsvRead read;
    read.opened = true;
    LineReader lines(bytes);
    std::string_view line;
    std::string text;
    while (lines.next(line)) {
        // A comma is never the second byte of a Shift_JIS character, so the
        // decoded line has as many as the bytes, and decoding notes where.
        text.clear();
        std::size_t commas[3];
        if (ShiftJisCodec::decodeSplitAppend(line, ',', text, commas) != 3) continue;
        const std::string_view fields = text;
        const std::optional<std::int16_t> copies =
            ParseCopies(TrimBlanks(fields.substr(commas[2] + 1)));
        if (!copies) break;
        DeckEntry& e = read.mainRows.emplace_back();
        e.faction.assign(fields.substr(0, commas[0]));
        e.cardNumber.assign(fields.substr(commas[0] + 1, commas[1] - commas[0] - 1));
        e.cardName.assign(fields.substr(commas[1] + 1, commas[2] - commas[1] - 1));
        e.copies = *copies;
    }
    return read;
}

}  // namespace svdb
