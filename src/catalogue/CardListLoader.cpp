#include "catalogue/CardListLoader.h"

#include <array>
#include <string>
#include <utility>

#include "catalogue/StringTable.h"
#include "catalogue/ValueInRange.h"
#include "text/FileBytes.h"
#include "text/FileLineReader.h"
#include "text/LineReader.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

constexpr int kFields = 53;
using Fields = std::array<std::string_view, kFields>;
using Commas = std::array<std::size_t, kFields>;

// Splits a decoded data line, which starts at offset start of text, into its
// 53 fields, each of which is followed by a comma, given the offsets in text of
// the line's first 53 commas. Text after the 53rd comma is ignored.
void SplitFields(const char* text, std::size_t start, const Commas& commas, Fields& fields) {
    for (int k = 0; k < kFields; ++k) {
        fields[k] = std::string_view(text + start, commas[k] - start);
        start = commas[k] + 1;
    }
}

// Slot of a faction name as the card list writes it: the ten names of the
// string table and "その他"; short names are not accepted. -1 for any other text.
int CardListSlotOf(std::string_view faction) {
    struct Name {
        int id;
        int slot;
    };
    static constexpr Name kNames[] = {{101, 0}, {102, 1}, {103, 2}, {108, 2}, {104, 3},
                                      {109, 3}, {105, 4}, {110, 4}, {106, 5}, {111, 5}};
    for (const Name& name : kNames) {
        if (faction == StringTable::text(name.id)) return name.slot;
    }
    if (faction == "その他") return 6;
    return -1;
}

}  // namespace

// The loader's access to CardText::refer: a field it stores refers to the
// characters of the table's arena.
struct CardTextBinding {
    static void refer(CardText& out, std::string_view text) { out.refer(text); }
};

namespace {

// Stores a field, which refers to the line's characters in the arena.
inline void Set(CardText& out, std::string_view field) {
    CardTextBinding::refer(out, field);
}

// Upper case of ASCII and full-width Latin letters, in place; everything else
// unchanged. The length stays the same.
void ToUpperInPlace(char* text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            text[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xEF && i + 2 < size && static_cast<unsigned char>(text[i + 1]) == 0xBD) {
            // U+FF41..U+FF5A (ａ..ｚ) are EF BD 81..9A; U+FF21..U+FF3A are EF BC A1..BA.
            const auto t = static_cast<unsigned char>(text[i + 2]);
            if (t >= 0x81 && t <= 0x9A) {
                text[i + 1] = static_cast<char>(0xBC);
                text[i + 2] = static_cast<char>(t + 0x20);
            }
            i += 2;
        }
    }
}

// Why a line ends loading: for svdeck and, in Japanese, for the window.
struct Fault {
    std::string text;
    std::string japanese;

    bool set(std::string english, std::string inJapanese) {
        text = std::move(english);
        japanese = std::move(inJapanese);
        return false;
    }
};

// Level code of a non-empty level field, or a fault.
bool StoreLevel(std::uint8_t& out, std::string_view field, int column, Fault& fault) {
    out = 0;
    if (field.empty()) return true;
    const std::optional<std::uint8_t> level = ParseLevel(field);
    if (!level) {
        const std::string n = std::to_string(column);
        return fault.set("field " + n + " is not a valid level",
                         n + " 列目のレベルが正しくありません");
    }
    out = *level;
    return true;
}

bool StoreByte(std::uint8_t& out, std::string_view field, int column, Fault& fault) {
    // The common cases: one or two digits.
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    if (field.size() == 1 && digit(field[0]) <= 9) {
        out = static_cast<std::uint8_t>(digit(field[0]));
        return true;
    }
    if (field.size() == 2 && digit(field[0]) <= 9 && digit(field[1]) <= 9) {
        out = static_cast<std::uint8_t>(digit(field[0]) * 10 + digit(field[1]));
        return true;
    }
    const std::optional<int> value = ParseByte(field);
    if (!value) {
        const std::string n = std::to_string(column);
        return fault.set("field " + n + " is not a whole number 0..255",
                         n + " 列目が 0～255 の整数ではありません");
    }
    out = static_cast<std::uint8_t>(*value);
    return true;
}

// Stores fields 1..53 into the record, overwriting every field it has (so a
// reused row needs no clearing first). The fields are the line's characters in
// the arena block, which has room after them for the transformed name. False
// with a fault text when a conversion fails; the record is then half-written
// and must be cleared.
bool StoreCard(CardRecord& r, const Fields& f, std::string& block, Fault& fault) {
    Set(r.faction, f[0]);
    Set(r.cardNumber, f[1]);
    Set(r.front.name, f[2]);
    Set(r.rare, f[3]);
    if (!StoreByte(r.nationCost, f[4], 5, fault)) return false;
    if (!StoreByte(r.allCost, f[5], 6, fault)) return false;
    Set(r.resourceCost, f[6]);
    Set(r.typeDetail, f[7]);
    r.front.psArmor = f[8] == "PS装甲" ? 1 : f[8] == "【PS装甲】" ? 2 : 0;
    r.front.vulture = f[9] == "バルチャー";
    r.support = f[10] == "サポート";
    if (!StoreLevel(r.preventLevel, f[11], 12, fault)) return false;
    r.front.assault = f[12] == "強襲";
    r.front.rapid = f[13] == "速攻";
    Set(r.front.tire, f[14]);
    Set(r.familyName, f[15]);
    if (!StoreLevel(r.front.shieldLevel, f[16], 17, fault)) return false;
    r.quick = f[17] == "クイック";
    Set(r.front.atmosphereEntry, f[18]);
    Set(r.front.areaWeapon, f[19]);
    r.front.desert = f[20] == "砂漠";
    Set(r.shipModifier, f[21]);
    r.front.water = f[22] == "水";
    Set(r.front.psycommu, f[23]);
    r.front.base = f[24] == "拠点";
    Set(r.front.transform, f[25]);
    Set(r.front.highMobility, f[26]);
    r.front.ship = f[27] == "艦船";
    if (!StoreLevel(r.front.supplyLevel, f[28], 29, fault)) return false;
    r.front.colony = f[29] == "コロニー";
    Set(r.front.text, f[30]);
    Set(r.front.flavor, f[31]);
    Set(r.front.power, f[32]);
    Set(r.front.shoot, f[33]);
    Set(r.front.toughness, f[34]);

    CardFace& t = r.transformed;
    const std::size_t nameStart = block.size();
    block.append(f[2]);
    block += ' ';
    block.append(f[35]);
    Set(t.name, std::string_view(block.data() + nameStart, block.size() - nameStart));
    Set(t.text, f[36]);
    Set(t.power, f[37]);
    Set(t.shoot, f[38]);
    Set(t.toughness, f[39]);
    t.base = f[40] == "拠点";
    Set(t.transform, f[41]);
    Set(t.highMobility, f[42]);
    t.water = f[43] == "水";
    t.ship = f[44] == "艦船";
    Set(t.atmosphereEntry, f[45]);
    t.desert = f[46] == "砂漠";
    t.vulture = f[47] == "バルチャー";
    Set(t.areaWeapon, f[48]);
    // The card list has no transformed column for these.
    t.flavor.clear();
    t.psycommu.clear();
    t.tire.clear();
    t.colony = false;
    t.assault = false;
    t.rapid = false;
    t.shieldLevel = 0;
    t.supplyLevel = 0;
    t.psArmor = 0;

    Set(r.charGender, f[49]);
    // The field's characters are the loader's own copy in the arena.
    ToUpperInPlace(block.data() + (f[50].data() - block.data()), f[50].size());
    Set(r.charAge, f[50]);
    Set(r.charKind, f[51]);
    return StoreByte(r.expansion, f[52], 53, fault);
}

constexpr std::string_view kVersionDirective = "#VERSION ";

}  // namespace

std::optional<std::uint8_t> ParseLevel(std::string_view text) {
    const std::size_t open = text.rfind('(');
    const std::size_t close = text.rfind(')');
    const std::size_t innerStart = open == std::string_view::npos ? 0 : open + 1;
    if (close == std::string_view::npos || close < innerStart) return std::nullopt;
    const std::string_view inner = text.substr(innerStart, close - innerStart);

    int base = 0;
    constexpr std::string_view kBracketOpen = "【";
    constexpr std::string_view kBracketClose = "】";
    if (text.size() >= kBracketOpen.size() + kBracketClose.size() &&
        text.starts_with(kBracketOpen) && text.ends_with(kBracketClose)) {
        base = 100;
    }
    constexpr std::string_view kDoubleOpen = "《(";
    constexpr std::string_view kDoubleClose = ")》";
    if (text.starts_with("《")) {
        const std::size_t from = text.find(kDoubleOpen);
        if (from == std::string_view::npos) return std::nullopt;
        const std::size_t start = from + kDoubleOpen.size();
        const std::size_t to = text.find(kDoubleClose, start);
        if (to == std::string_view::npos) return std::nullopt;
        const std::optional<int> outer = ParseByte(text.substr(start, to - start));
        if (!outer) return std::nullopt;
        base = 120 + 10 * *outer;
    }

    int level;
    if (inner == "X") {
        level = 9;
    } else {
        const std::optional<int> n = ParseByte(inner);
        if (!n) return std::nullopt;
        level = *n;
    }
    const int code = base + level;
    if (code > 255) return std::nullopt;
    return static_cast<std::uint8_t>(code);
}

namespace {

// Loads the lines that reader gives (a LineReader over bytes, or a
// FileLineReader over a file).
template <class Lines>
LoadOutcome LoadLines(CardTable& table, Lines& reader) {
    LoadOutcome outcome;
    outcome.opened = true;

    // Rows are overwritten in place from row 0 and the rows left over from an
    // earlier load are cleared at the end, which leaves the same table as
    // clearing first but touches only rows that were filled. The text arena
    // is refilled from its start, reusing the blocks of a previous load;
    // every field that referred to its old text is overwritten or cleared by
    // the end.
    table.MaxExpansion = 0;
    table.FactionChangeCount = 0;
    table.resetArena();
    std::array<int, CardTable::kSlots> rowCount{};
    std::string previousFaction;
    int previousSlot = -1;
    Commas commas;
    Fault fault;
    Fields fields;

    std::string_view raw;
    while (reader.next(raw)) {
        if (raw.empty()) break;
        if (raw.front() == '#') {
            if (raw.starts_with(kVersionDirective)) {
                std::string_view rest = raw.substr(kVersionDirective.size());
                rest = rest.substr(0, rest.find(','));
                table.ListVersion = ShiftJisCodec::decode(rest);
            }
            continue;
        }

        // The line is decoded straight into the arena, where its fields stay.
        // Room: up to 3 characters a byte, and the transformed name, which is
        // two of its fields and a space.
        std::string& block = table.arenaBlock(raw.size() * 6 + 1);
        const std::size_t lineStart = block.size();
        const std::size_t commaCount = ShiftJisCodec::decodeSplitAppend(raw, ',', block, commas);
        if (commaCount < kFields) {
            fault.set("fewer than 53 fields", "項目が 53 個に足りません");
        } else {
            SplitFields(block.data(), lineStart, commas, fields);
            const std::string_view faction = fields[0];
            const bool changes = !previousFaction.empty() && previousFaction != faction;
            // Cards of one faction stand together, so the slot rarely needs looking up.
            const int slot = changes || previousSlot < 0 ? CardListSlotOf(faction) : previousSlot;
            if (slot < 0) {
                fault.set("unknown faction", "勢力名が正しくありません");
            } else if (rowCount[slot] >= CardTable::kRows) {
                fault.set("faction slot already holds 501 cards",
                          "同じ勢力の欄がすでに 501 枚で一杯です");
            } else if (changes && table.FactionChangeCount == 255) {
                fault.set("faction changes more than 255 times",
                          "勢力の切り替わりが 255 回を超えました");
            } else {
                CardRecord& record = table.at(slot, rowCount[slot]);
                if (StoreCard(record, fields, block, fault)) {
                    if (changes) ++table.FactionChangeCount;
                    if (changes || previousSlot < 0) previousFaction.assign(faction);
                    previousSlot = slot;
                    if (record.expansion > table.MaxExpansion) {
                        table.MaxExpansion = record.expansion;
                    }
                    ++rowCount[slot];
                    ++outcome.cardsLoaded;
                    continue;
                }
                // The half-written row is past the slot's cards: cleared below.
            }
        }
        outcome.faultLine = reader.lineNumber();
        outcome.fault = std::move(fault.text);
        outcome.faultText = std::move(fault.japanese);
        break;
    }

    for (int slot = 0; slot < CardTable::kSlots; ++slot) table.clearRowsFrom(slot, rowCount[slot]);
    return outcome;
}

}  // namespace

LoadOutcome LoadCardListBytes(CardTable& table, std::string_view bytes) {
    LineReader reader(bytes);
    return LoadLines(table, reader);
}

LoadOutcome LoadCardList(CardTable& table, const std::string& path) {
    // The file is read a piece at a time: the list's text is decoded into the
    // table as it comes, and the bytes never stand whole in memory.
    FileLineReader reader;
    LoadOutcome unread;
    if (!reader.open(path, &unread.readFault)) return unread;
    LoadOutcome outcome = LoadLines(table, reader);
    // A read that failed part-way ends loading like a faulty line would.
    const FileReadFault& cut = reader.readFault();
    if (cut.kind != FileReadFault::Kind::None && outcome.faultLine == 0) {
        outcome.faultLine = reader.lineNumber() + 1;
        outcome.fault = cut.reason();
        outcome.faultText = cut.message();
    }
    return outcome;
}

std::string LoadStopMessage(const LoadOutcome& outcome) {
    if (outcome.faultLine == 0) return {};
    return std::to_string(outcome.faultLine) + " 行目で読み込みを中断しました（" +
           outcome.faultText + "）";
}

}  // namespace svdb
