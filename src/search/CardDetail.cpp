#include "search/CardDetail.h"

#include "catalogue/CardTable.h"
#include "catalogue/CardType.h"
#include "catalogue/ExpansionNames.h"
#include "text/Occurrences.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

constexpr std::string_view kLineMark = "\\r";
constexpr int kLongTextBytes = 350;
constexpr int kLongTextMarks = 5;

// Label2's colour by faction slot; the last slot keeps the colour before.
constexpr std::optional<Rgb> kCostColours[CardTable::kSlots] = {
    Rgb{0, 0, 255}, Rgb{0, 128, 0}, Rgb{0, 0, 0}, Rgb{128, 0, 0},
    Rgb{0, 0, 0},   Rgb{0, 0, 0},   std::nullopt,
};

bool ShowsCombat(CardType type) {
    return type == CardType::Unit || type == CardType::Character;
}

std::string Caption(std::string_view caption, std::string_view value) {
    std::string s(caption);
    s += value;
    return s;
}

}  // namespace

std::string WithLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t mark = text.find(kLineMark); mark != std::string_view::npos;
         mark = text.find(kLineMark, start)) {
        out.append(text, start, mark - start);
        out += lineBreak;
        start = mark + kLineMark.size();
    }
    out.append(text, start);
    return out;
}

bool IsCardTextLong(std::string_view frontText) {
    return ShiftJisCodec::byteWidth(frontText) >= kLongTextBytes ||
           CountOccurrences(frontText, kLineMark) >= kLongTextMarks;
}

std::string TypeCaption(const CardRecord& card) {
    const CardType type = CardTypeCodeOf(card.cardNumber);
    if (type == CardType::Operation && !card.typeDetail.empty())
        return "OPERATION(" + card.typeDetail.str() + ")";
    return std::string(CardTypeWord(type));
}

CardFaceDetail MakeCardFaceDetail(const CardRecord& card, Face face) {
    const CardFace& f = face == Face::Front ? card.front : card.transformed;
    CardFaceDetail d;
    d.name = Caption("カード名： ", f.name);
    d.text = WithLineBreaks(f.text, "\r\n");
    d.flavor = f.flavor.str();
    if (ShowsCombat(CardTypeCodeOf(card.cardNumber))) {
        d.power = Caption("格闘 ", f.power);
        d.shoot = Caption("射撃 ", f.shoot);
        d.toughness = Caption("防御 ", f.toughness);
    }
    d.summary = AbilitySummary(card, face);
    return d;
}

CardDetail MakeCardDetail(const CardRecord& card) {
    CardDetail d;
    const CardType type = CardTypeCodeOf(card.cardNumber);
    d.faction = Caption("軍隊：", card.faction);
    d.rarity = Caption("レアリティ：", card.rare);
    d.nationCost = std::to_string(card.nationCost);
    d.allCost = std::to_string(card.allCost);
    d.resourceCost = card.resourceCost.str();
    d.cardNumber = card.cardNumber.str();
    d.type = "種別：" + TypeCaption(card);
    d.showsTerrain = type == CardType::Unit;
    d.showsCharCodes = type == CardType::Character;
    d.showsCombat = ShowsCombat(type);
    if (d.showsTerrain) d.terrain = Caption("地形適性： ", card.typeDetail);
    if (d.showsCharCodes) {
        d.charCodes = card.charGender.str() + " " + card.charAge.str() + " " + card.charKind.str();
    }
    if (card.expansion < ExpansionNames().size())
        d.expansion = std::string(ExpansionNames()[card.expansion]);
    d.hasTransformedFace = card.hasTransformedFace();
    d.transformCaption = card.front.transform.empty() ? "変形" : card.front.transform.str();
    d.textLong = IsCardTextLong(card.front.text);
    const int slot = FactionSlotOf(card.faction);
    d.costColour = kCostColours[slot];
    d.frameColour = FactionColour(slot);
    d.front = MakeCardFaceDetail(card, Face::Front);
    d.transformed = MakeCardFaceDetail(card, Face::Transformed);
    return d;
}

}  // namespace svdb
