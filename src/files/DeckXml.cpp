#include "files/DeckXml.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/AbilitySummary.h"
#include "catalogue/CardType.h"
#include "catalogue/ExpansionNames.h"
#include "deck/DeckModel.h"
#include "files/PartedText.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

constexpr std::string_view kLineMark = "\\r";  // a line break inside a card text

// Bytes that XML character data cannot hold as they are: the markup
// characters and the control characters other than tab, LF and CR. No byte
// of a multi-byte UTF-8 character is among them.
constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c) table[c] = c != '\t' && c != '\n' && c != '\r';
    table['&'] = table['<'] = table['>'] = true;
    return table;
}();

// Whether any of eight bytes is a control character (tab, LF and CR
// included) or a markup character.
bool MayNeedEscape(std::uint64_t w) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    // A byte below n sets its high bit here, and only then (x itself has
    // it clear); a zero byte is one below 1.
    const auto anyBelow = [](std::uint64_t x, std::uint64_t n) {
        return (x - n * kOnes) & ~x & kHighs;
    };
    return (anyBelow(w, 0x20) | anyBelow(w ^ ('&' * kOnes), 1) | anyBelow(w ^ ('<' * kOnes), 1) |
            anyBelow(w ^ ('>' * kOnes), 1)) != 0;
}

// Appends text as XML character data in Shift_JIS. Markup characters become
// their entities; a control character that no XML document may hold becomes
// "?", like a character with no Shift_JIS form. The text is encoded first and
// its bytes looked at afterwards: no byte of a Shift_JIS character but an
// ASCII one is below 0x40, so a byte that needs escaping is always the
// character itself, and the encoded text is the shorter one to scan.
void AppendText(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    ShiftJisCodec::encodeAppend(text, out);
    std::size_t i = start;
    // Eight bytes at a time while none of them can need escaping, then one
    // at a time.
    while (i + 8 <= out.size()) {
        std::uint64_t w;
        std::memcpy(&w, out.data() + i, 8);
        if (MayNeedEscape(w)) break;
        i += 8;
    }
    while (i < out.size() && !kNeedsEscape[static_cast<unsigned char>(out[i])]) ++i;
    if (i == out.size()) return;
    const std::string tail = out.substr(i);
    out.resize(i);
    for (const char c : tail) {
        if (!kNeedsEscape[static_cast<unsigned char>(c)]) {
            out += c;
        } else {
            out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "?";
        }
    }
}

// Appends a card text with every line mark turned into CR LF.
void AppendCardText(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t mark = text.find(kLineMark); mark != std::string_view::npos;
         mark = text.find(kLineMark, start)) {
        AppendText(out, text.substr(start, mark - start));
        out += "\r\n";
        start = mark + kLineMark.size();
    }
    AppendText(out, text.substr(start));
}

// A line of markup, which is ASCII and so the same in Shift_JIS.
void Line(std::string& out, std::string_view markup) {
    out += markup;
    out += "\r\n";
}

// "<name>" on its own line, then the value and "</name>".
void Element(std::string& out, std::string_view name, std::string_view value) {
    out += '<';
    out += name;
    out += ">\r\n";
    AppendText(out, value);
    out += "</";
    out += name;
    out += ">\r\n";
}

void Element(std::string& out, std::string_view name, int value) {
    Element(out, name, std::to_string(value));
}

std::string_view TrimSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The first n characters of UTF-8 text.
std::string_view FirstCharacters(std::string_view s, int n) {
    std::size_t i = 0;
    for (int k = 0; k < n && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return s.substr(0, i);
}

// OPERATION, COMMAND and GENERATION numbers ("[OCG]-*") have no combat values.
bool HasNoCombatValues(std::string_view cardNumber) {
    return cardNumber.size() >= 2 &&
           (cardNumber[0] == 'O' || cardNumber[0] == 'C' || cardNumber[0] == 'G') &&
           cardNumber[1] == '-';
}

std::string_view CombatValue(const CardRecord& c, std::string_view value) {
    return HasNoCombatValues(c.cardNumber) || value == "*" ? std::string_view("-1") : value;
}

std::string CharType(const CardRecord& c) {
    if (!c.typeDetail.empty()) return c.typeDetail.str();
    if (c.charGender.empty()) return {};
    std::string s = c.charGender.str();
    s += ' ';
    s += c.charAge;
    s += ' ';
    s += c.charKind;
    return s;
}

void CardElement(std::string& out, const DeckEntry& e, const CardRecord& c) {
    Line(out, "<card>");
    Element(out, "number", e.copies);
    Element(out, "costNation", FirstCharacters(c.faction, 2));
    Element(out, "cardType", CardTypeOf(c.cardNumber));
    Element(out, "nationCost", c.nationCost);
    Element(out, "allCost", c.allCost);
    Element(out, "resourceCost", TrimSpaces(c.resourceCost));
    Line(out, "<cardName>");
    AppendText(out, c.front.name);
    out += "\r\n";
    Line(out, "</cardName>");
    Element(out, "charType", CharType(c));

    Line(out, "<cardText>");
    const std::string frontSummary = AbilitySummary(c, Face::Front);
    if (!frontSummary.empty()) {
        AppendText(out, frontSummary);
        out += "\r\n";
    }
    AppendCardText(out, c.front.text);
    out += "\r\n";
    if (!c.front.transform.empty()) {
        std::string line = "・";
        line += c.transformed.name;
        line += "：";
        line += c.transformed.power;
        line += '/';
        line += c.transformed.shoot;
        line += '/';
        line += c.transformed.toughness;
        AppendText(out, line);
        out += "\r\n";
    }
    const std::string transformedSummary = AbilitySummary(c, Face::Transformed);
    if (!transformedSummary.empty()) {
        AppendText(out, transformedSummary);
        out += "\r\n";
    }
    if (!c.transformed.text.empty()) {
        AppendCardText(out, c.transformed.text);
        out += "\r\n";
    }
    Line(out, "</cardText>");

    Element(out, "rare", FirstCharacters(c.rare, 1));
    Element(out, "cardNumber", c.cardNumber);
    Element(out, "power", CombatValue(c, c.front.power));
    Element(out, "shoot", CombatValue(c, c.front.shoot));
    Element(out, "toughness", CombatValue(c, c.front.toughness));
    Element(out, "set", ExpansionNameOf(c.expansion));
    Line(out, "</card>");
}

// What finds an entry's card: its faction slot, card number and front name.
struct CardKey {
    int slot;
    std::string_view number;
    std::string_view name;
    bool operator==(const CardKey&) const = default;
};

struct CardKeyHash {
    std::size_t operator()(const CardKey& k) const {
        const std::hash<std::string_view> h;
        return h(k.number) * 31 + h(k.name) * 7 + static_cast<std::size_t>(k.slot);
    }
};

// The catalogue row of each entry's card, -1 for none: the first row of the
// entry's faction slot with its card number and its name trimmed of spaces.
// One pass over the slots the entries name answers every entry, so a long deck
// costs as many steps as it has entries plus the catalogue's rows, not their
// product.
std::vector<int> CardRowsOf(const CardTable& table, std::span<const DeckEntry> rows) {
    std::vector<int> found(rows.size(), -1);
    std::unordered_map<CardKey, std::vector<std::size_t>, CardKeyHash> wanted;
    std::array<bool, CardTable::kSlots> slotWanted{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int slot = FactionSlotOf(rows[i].faction);
        slotWanted[static_cast<std::size_t>(slot)] = true;
        wanted[CardKey{slot, rows[i].cardNumber, TrimSpaces(rows[i].cardName)}].push_back(i);
    }
    for (int slot = 0; slot < CardTable::kSlots && !wanted.empty(); ++slot) {
        if (!slotWanted[static_cast<std::size_t>(slot)]) continue;
        for (int row = 0; row < CardTable::kRows; ++row) {
            const CardRecord& r = table.at(slot, row);
            if (!r.occupied()) continue;
            const auto it = wanted.find(CardKey{slot, r.cardNumber.view(), r.front.name.view()});
            if (it == wanted.end()) continue;
            for (const std::size_t i : it->second) found[i] = row;
            wanted.erase(it);  // the first row of a key is its card
        }
    }
    return found;
}

// The lines before the first card element.
std::string XmlHead(const DeckExport& deck) {
    std::string out;
    Line(out, R"(<?xml version="1.0" encoding="Shift_JIS"?>)");
    Line(out, R"(<!DOCTYPE deck SYSTEM "SV.dtd">)");
    Line(out, R"(<?xml-stylesheet type="text/css" href="SV.css"?>)");
    Line(out, "<deck>");
    Line(out, "<title>");
    AppendText(out, deck.title);
    out += "\r\n";
    Line(out, "</title>");
    Line(out, "<cards>");
    Line(out, "<main>");
    return out;
}

// The lines after the last card element.
constexpr std::string_view kXmlTail =
    "</main>\r\n<side>\r\n</side></cards>\r\n<comment>\r\n\r\n</comment>\r\n</deck>\r\n";

// The card elements of the main deck, in order, in parts: a long deck's
// parts are built side by side.
std::vector<std::string> CardElementParts(const DeckExport& deck) {
    if (deck.table == nullptr) return {};
    const CardTable& table = *deck.table;
    const std::vector<int> cardRows = CardRowsOf(table, deck.mainRows);
    constexpr std::size_t kEntriesPerPart = 256;
    return BuildTextInParts(
        deck.mainRows.size(), kEntriesPerPart,
        [&](std::size_t first, std::size_t end, std::string& out) {
            // About a kilobyte per card; growing past that costs a few copies at
            // most.
            out.reserve((end - first) * 1024);
            for (std::size_t i = first; i < end; ++i) {
                const DeckEntry& e = deck.mainRows[i];
                if (cardRows[i] >= 0)
                    CardElement(out, e, table.at(FactionSlotOf(e.faction), cardRows[i]));
            }
        });
}

}  // namespace

DeckExport MainDeckExport(const DeckModel& deck, std::string title) {
    return DeckExport{std::move(title), deck.list(DeckModel::kMain).rows,
                      deck.total(DeckModel::kMain), &deck.table()};
}

std::string DeckXmlBytes(const DeckExport& deck) {
    std::string out = XmlHead(deck);
    const std::vector<std::string> parts = CardElementParts(deck);
    std::size_t size = out.size() + kXmlTail.size();
    for (const std::string& part : parts) size += part.size();
    out.reserve(size);
    for (const std::string& part : parts) out += part;
    out += kXmlTail;
    return out;
}

bool WriteDeckXml(const std::string& path, const DeckExport& deck, std::string* reason) {
    const std::string head = XmlHead(deck);
    const std::vector<std::string> parts = CardElementParts(deck);
    std::vector<std::string_view> pieces{head};
    pieces.insert(pieces.end(), parts.begin(), parts.end());
    pieces.push_back(kXmlTail);
    return WriteFileReplacing(path, pieces, reason);
}

}  // namespace svdb
