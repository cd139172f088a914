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
    // A line is taken apart in its Shift_JIS bytes: a comma, a blank or a
    // digit is never the second byte of a character, so each stands for
    // itself. The lines are taken apart first and decoded once the list's
    // length is known, so that the list is allocated once.
    struct Pending {
        std::string_view fields;  // the first three fields and their commas
        std::int16_t copies;
    };
    std::vector<Pending> pending;
    LineReader lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
        std::size_t third = 0;
        int commas = 0;
        for (std::size_t i = 0; i < line.size() && commas <= 3; ++i) {
            if (line[i] != ',') continue;
            if (++commas == 3) third = i;
        }
        if (commas != 3) continue;
        const std::optional<std::int16_t> copies = ParseCopies(TrimBlanks(line.substr(third + 1)));
        if (!copies) break;
        pending.push_back({line.substr(0, third + 1), *copies});
    }
    read.mainRows.reserve(pending.size());
    std::string text;
    for (const Pending& p : pending) {
        // One decoding of the fields, which notes where their commas went.
        text.clear();
        std::size_t commas[3];
        ShiftJisCodec::decodeSplitAppend(p.fields, ',', text, commas);
        const std::string_view fields = text;
        DeckEntry& e = read.mainRows.emplace_back();
        e.faction.assign(fields.substr(0, commas[0]));
        e.cardNumber.assign(fields.substr(commas[0] + 1, commas[1] - commas[0] - 1));
        e.cardName.assign(fields.substr(commas[1] + 1, commas[2] - commas[1] - 1));
        e.copies = p.copies;
    }
    return read;
}

}  // namespace svdb
