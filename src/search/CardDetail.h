#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/AbilitySummary.h"
#include "catalogue/CardRecord.h"
#include "catalogue/FactionColours.h"

namespace svdb {

// A card text with every two-character line mark "\r" replaced by lineBreak.
std::string WithLineBreaks(std::string_view text, std::string_view lineBreak);

// What the card-information panel shows of one face of a card: the labels
// that the transform button switches.
struct CardFaceDetail {
    std::string name;       // Label1: "カード名： " + the face's name
    std::string text;       // Label8: the face's text, line marks as CR LF
    std::string flavor;     // Label9: the face's flavour text
    std::string power;      // Label10: "格闘 " + power; empty for other types than units
    std::string shoot;      // Label11: "射撃 " + shoot; and characters
    std::string toughness;  // Label12: "防御 " + toughness
    std::string summary;    // Label7: the face's keyword summary
};

// What the card-information panel shows of a card.
struct CardDetail {
    std::string faction;       // Label5: "軍隊：" + faction
    std::string rarity;        // Label3: "レアリティ：" + rarity
    std::string nationCost;    // Label2
    std::string allCost;       // Label49
    std::string resourceCost;  // Label50
    std::string cardNumber;    // LblCardNo
    std::string type;          // Label6: "種別：" + the type word
    std::string terrain;       // Label51: "地形適性： " + terrain, units only
    std::string charCodes;     // LblChar: "M AD NT", characters only
    bool showsTerrain = false;
    bool showsCharCodes = false;
    bool showsCombat = false;  // units and characters show their combat values
    std::string expansion;     // Label14: empty for an index beyond the list
    bool hasTransformedFace = false;
    std::string transformCaption;  // Command3: the front's 変形 text, or "変形"
    // The front text is long (350 Shift_JIS bytes or more, or five line marks
    // or more): the card text label takes room from the flavour text label.
    bool textLong = false;
    // Label2's text colour, none for a faction that keeps the colour before.
    std::optional<Rgb> costColour;
    Rgb frameColour;  // Frame3's background
    CardFaceDetail front;
    CardFaceDetail transformed;
};

// Whether a front text makes the long text layout.
bool IsCardTextLong(std::string_view frontText);

// The type word the panel and the card information show after "種別：":
// "OPERATION(" + its kind + ")" for an operation with a kind, otherwise the
// type word of the card number.
std::string TypeCaption(const CardRecord& card);

CardFaceDetail MakeCardFaceDetail(const CardRecord& card, Face face);
CardDetail MakeCardDetail(const CardRecord& card);

// The panel texts that the card-information copy reads.
struct CardInfoTexts {
    std::string cardNumber = "CH-000";  // LblCardNo
    std::string name = "カード名：";    // Label1
    std::string summary;                // Label7
    std::string text;                   // Label8
    std::string flavor;                 // Label9
};

}  // namespace svdb
