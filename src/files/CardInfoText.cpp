#include "files/CardInfoText.h"

#include <array>
#include <charconv>

#include "catalogue/AbilitySummary.h"
#include "catalogue/CardType.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

// The fixed texts of a block, in UTF-8 and once encoded in Shift_JIS.
enum Piece {
    kFullSpace,
    kCost,
    kType,
    kUnit,
    kTerrain,
    kCharacter,
    kPower,
    kShoot,
    kToughness,
    kTransformed,
    kClosing,
    kPieceCount
};
constexpr std::array<std::string_view, kPieceCount> kPieces = {
    "　",    "コスト：", "種別：", "UNIT　", "地形適性： ",       "CHARACTER　",
    "格闘 ", "/射撃 ",   "/防御 ", "―変形―", "―――――――――――――――――",
};

const std::array<std::string, kPieceCount>& EncodedPieces() {
    static const std::array<std::string, kPieceCount> pieces = [] {
        std::array<std::string, kPieceCount> p;
        for (std::size_t i = 0; i < p.size(); ++i) p[i] = ShiftJisCodec::encode(kPieces[i]);
        return p;
    }();
    return pieces;
}

// A block in UTF-8.
struct Utf8Out {
    std::string& out;
    void text(std::string_view t) { out += t; }
    void ascii(std::string_view t) { out += t; }
    void piece(Piece p) { out += kPieces[p]; }
};

// A block in Shift_JIS: the card's texts are encoded as they are appended.
struct ShiftJisOut {
    std::string& out;
    const std::array<std::string, kPieceCount>& pieces = EncodedPieces();
    void text(std::string_view t) { ShiftJisCodec::encodeAppend(t, out); }
    void ascii(std::string_view t) { out += t; }
    void piece(Piece p) { out += pieces[p]; }
};

template <class Out>
void EndLine(Out& out) {
    out.ascii("\r\n");
}

// A number as a file shows a printed number: a space before and after.
template <class Out>
void Number(Out& out, int n) {
    char digits[16] = {' '};
    char* end = std::to_chars(digits + 1, digits + sizeof digits - 1, n).ptr;
    *end++ = ' ';
    out.ascii(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// A card text on its own lines, its line marks turned into line breaks.
template <class Out>
void TextLines(Out& out, std::string_view text) {
    constexpr std::string_view kMark = "\\r";
    std::size_t start = 0;
    for (std::size_t mark = text.find(kMark); mark != std::string_view::npos;
         mark = text.find(kMark, start)) {
        out.text(text.substr(start, mark - start));
        EndLine(out);
        start = mark + kMark.size();
    }
    out.text(text.substr(start));
    EndLine(out);
}

template <class Out>
void CombatLine(Out& out, const CardFace& face) {
    out.piece(kPower);
    out.text(face.power);
    out.piece(kShoot);
    out.text(face.shoot);
    out.piece(kToughness);
    out.text(face.toughness);
    EndLine(out);
}

template <class Out>
void SummaryAndText(Out& out, const CardRecord& card, Face face) {
    const std::string summary = AbilitySummary(card, face);
    if (!summary.empty()) {
        out.text(summary);
        EndLine(out);
    }
    const CardText& text = face == Face::Front ? card.front.text : card.transformed.text;
    if (!text.empty()) TextLines(out, text);
}

template <class Out>
void Block(Out& out, const CardRecord& card) {
    out.ascii(".");
    for (int line = 0; line < 2; ++line) {
        out.text(card.cardNumber);
        out.piece(kFullSpace);
        out.text(card.front.name);
        EndLine(out);
    }
    out.text(card.rare);
    EndLine(out);
    out.piece(kCost);
    Number(out, card.nationCost);
    out.ascii("/");
    Number(out, card.allCost);
    out.ascii("/");
    out.text(card.resourceCost);
    EndLine(out);

    const CardType type = CardTypeCodeOf(card.cardNumber);
    out.piece(kType);
    if (type == CardType::Unit) {
        out.piece(kUnit);
        out.piece(kTerrain);
        out.text(card.typeDetail);
    } else if (type == CardType::Character) {
        out.piece(kCharacter);
        out.text(card.charGender);
        out.ascii(" ");
        out.text(card.charAge);
        out.ascii(" ");
        out.text(card.charKind);
    } else {
        out.ascii(CardTypeWord(type));
    }
    EndLine(out);

    SummaryAndText(out, card, Face::Front);
    if (type == CardType::Unit || type == CardType::Character) CombatLine(out, card.front);
    if (card.hasTransformedFace()) {
        out.piece(kTransformed);
        EndLine(out);
        out.text(card.transformed.name);
        EndLine(out);
        SummaryAndText(out, card, Face::Transformed);
        CombatLine(out, card.transformed);
    }
    out.piece(kClosing);
    EndLine(out);
}

const CardRecord* OccupiedCard(const CardTable& table, CardRef card) {
    if (!card.valid() || card.slot >= CardTable::kSlots || card.row >= CardTable::kRows)
        return nullptr;
    const CardRecord& r = table.at(card.slot, card.row);
    return r.occupied() ? &r : nullptr;
}

}  // namespace

void WriteCardInfo(const CardTable& table, CardRef card, std::string& out) {
    if (const CardRecord* r = OccupiedCard(table, card)) {
        Utf8Out sink{out};
        Block(sink, *r);
    }
}

std::string CardInfoFileBytes(const CardTable& table, std::span<const CardRef> cards) {
    // Room for every block at once: a block takes a few hundred bytes beyond
    // its card's texts, which take no more room in Shift_JIS than in UTF-8.
    std::size_t room = 0;
    for (const CardRef& card : cards) {
        if (const CardRecord* r = OccupiedCard(table, card))
            room +=
                2 * r->front.name.size() + r->front.text.size() + r->transformed.text.size() + 384;
    }
    std::string bytes;
    bytes.reserve(room);
    ShiftJisOut sink{bytes};
    for (const CardRef& card : cards) {
        if (const CardRecord* r = OccupiedCard(table, card)) Block(sink, *r);
    }
    return bytes;
}

bool WriteCardInfoFile(const std::string& path, const CardTable& table,
                       std::span<const CardRef> cards, std::string* reason) {
    return WriteFileReplacing(path, CardInfoFileBytes(table, cards), reason);
}

}  // namespace svdb
