#include "catalogue/AbilitySummary.h"

#include <string_view>

namespace svdb {

namespace {

// Appends a keyword word and its blank.
void Word(std::string& out, std::string_view word) {
    out += word;
    out += ' ';
}

// Appends a keyword text and its blank when the text is not empty.
void Text(std::string& out, std::string_view text) {
    if (!text.empty()) Word(out, text);
}

void Shield(std::string& out, int code) {
    if (code > 100 && code < 120) {
        out += "【特殊シールド(" + std::to_string(code - 100) + ")】 ";
    } else if (code > 120) {
        out += "《(" + std::to_string((code - 120) / 10) + ")》特殊シールド(" +
               std::to_string(code % 10) + ") ";
    } else if (code > 0) {
        out += "特殊シールド(" + std::to_string(code) + ") ";
    }
}

std::string FrontSummary(const CardRecord& card) {
    const CardFace& f = card.front;
    std::string out;
    if (card.quick) Word(out, "クイック");
    if (f.ship) Word(out, "艦船");
    if (f.base) Word(out, "拠点");
    if (f.water) Word(out, "水");
    if (f.desert) Word(out, "砂漠");
    Text(out, f.highMobility);
    if (f.rapid) Word(out, "速攻");
    if (f.assault) Word(out, "強襲");
    Text(out, f.atmosphereEntry);
    if (f.colony) Word(out, "コロニー");
    Text(out, f.tire);
    Text(out, card.familyName);
    if (f.supplyLevel != 0) out += "補給(" + std::to_string(f.supplyLevel) + ") ";
    Text(out, f.areaWeapon);
    Text(out, f.psycommu);
    if (f.psArmor == 1) Word(out, "PS装甲");
    if (f.psArmor == 2) Word(out, "【PS装甲】");
    Shield(out, f.shieldLevel);
    if (card.preventLevel >= 1 && card.preventLevel <= 8) {
        out += "プリベント(" + std::to_string(card.preventLevel) + ") ";
    } else if (card.preventLevel == 9) {
        Word(out, "プリベント(X)");
    }
    if (f.vulture) Word(out, "バルチャー");
    if (card.support) Word(out, "サポート");
    Text(out, card.shipModifier);
    return out;
}

std::string TransformedSummary(const CardRecord& card) {
    const CardFace& t = card.transformed;
    std::string out;
    if (t.ship) Word(out, "艦船");
    if (t.base) Word(out, "拠点");
    if (t.water) Word(out, "水");
    if (t.desert) Word(out, "砂漠");
    Text(out, t.highMobility);
    Text(out, t.atmosphereEntry);
    if (t.colony) Word(out, "コロニー");
    if (t.supplyLevel != 0) out += "補給(" + std::to_string(t.supplyLevel) + ") ";
    Text(out, t.areaWeapon);
    Text(out, t.psycommu);
    Text(out, t.transform);
    if (t.vulture) Word(out, "バルチャー");
    return out;
}

}  // namespace

std::string AbilitySummary(const CardRecord& card, Face face) {
    return face == Face::Front ? FrontSummary(card) : TransformedSummary(card);
}

std::string AbilitySummary(const CardTable& table, Face face, int slot, int row) {
    return AbilitySummary(table.at(slot, row), face);
}

}  // namespace svdb
