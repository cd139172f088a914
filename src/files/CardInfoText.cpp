#include "files/CardInfoText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <vector>

#include "catalogue/AbilitySummary.h"
#include "catalogue/CardType.h"
#include "files/PartedText.h"
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

// Blocks in Shift_JIS: the card's texts are encoded as they are appended,
// straight into the string's room, which is cut to what was written by
// finish().
class ShiftJisOut {
  public:
    // Starts after out's present content, with room for roomHint bytes.
    ShiftJisOut(std::string& out, std::size_t roomHint) : out_(out), used_(out.size()) {
        out_.resize(used_ + roomHint);
    }
    void text(std::string_view t) {
        room(t.size());  // no character grows in Shift_JIS
        used_ =
            static_cast<std::size_t>(ShiftJisCodec::encodeTo(t, out_.data() + used_) - out_.data());
    }
    void ascii(std::string_view t) { bytes(t); }
    void piece(Piece p) { bytes(pieces_[p]); }
    void finish() { out_.resize(used_); }

  private:
    void room(std::size_t n) {
        if (out_.size() - used_ < n) out_.resize(std::max(out_.size() * 2, used_ + n + 4096));
    }
    void bytes(std::string_view b) {
        room(b.size());
        std::memcpy(out_.data() + used_, b.data(), b.size());
        used_ += b.size();
    }

    std::string& out_;
    std::size_t used_;
    const std::array<std::string, kPieceCount>& pieces_ = EncodedPieces();
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

std::vector<std::string> CardInfoFileParts(const CardTable& table, std::span<const CardRef> cards) {
    constexpr std::size_t kCardsPerPart = 512;
    return BuildTextInParts(
        cards.size(), kCardsPerPart, [&](std::size_t first, std::size_t end, std::string& out) {
            const std::span<const CardRef> run = cards.subspan(first, end - first);
            // Room for every block at once: a block takes a few hundred bytes
            // beyond its card's texts, which take no more room in Shift_JIS than
            // in UTF-8.
            std::size_t room = 0;
            for (const CardRef& card : run) {
                if (const CardRecord* r = OccupiedCard(table, card))
                    room += 2 * r->front.name.size() + r->front.text.size() +
                            r->transformed.text.size() + 384;
            }
            ShiftJisOut sink(out, room);
            for (const CardRef& card : run) {
                if (const CardRecord* r = OccupiedCard(table, card)) Block(sink, *r);
            }
            sink.finish();
        });
}

std::string CardInfoFileBytes(const CardTable& table, std::span<const CardRef> cards) {
    std::vector<std::string> parts = CardInfoFileParts(table, cards);
    std::string bytes = std::move(parts.front());
    for (std::size_t k = 1; k < parts.size(); ++k) bytes += parts[k];
    return bytes;
}

bool WriteCardInfoFile(const std::string& path, const CardTable& table,
                       std::span<const CardRef> cards, std::string* reason) {
    const std::vector<std::string> parts = CardInfoFileParts(table, cards);
    const std::vector<std::string_view> pieces(parts.begin(), parts.end());
    return WriteFileReplacing(path, pieces, reason);
}

}  // namespace svdb
