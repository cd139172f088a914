#include "search/FilterCaptions.h"

#include "text/Wildcard.h"

namespace svdb {

const std::array<CaptionBit, 8>& FactionBoxes() {
    static const std::array<CaptionBit, 8> boxes = {{
        {"ALL", 127},
        {"青", 16},
        {"緑", 8},
        {"黒", 4},
        {"赤", 2},
        {"茶", 32},
        {"白", 64},
        {"その他", 1},
    }};
    return boxes;
}

const std::array<CaptionBit, 5>& TypeBoxes() {
    static const std::array<CaptionBit, 5> boxes = {{
        {"GENERATION", 1},
        {"UNIT", 16},
        {"CHARACTER", 8},
        {"COMMAND", 4},
        {"OPERATION", 2},
    }};
    return boxes;
}

const std::array<CaptionBit, 4>& RarityBoxes() {
    static const std::array<CaptionBit, 4> boxes = {{
        {"Common", 1},
        {"Uncommon", 2},
        {"Rare", 4},
        {"Special", 8},
    }};
    return boxes;
}

const std::array<CharButton, 6>& CharButtons() {
    static const std::array<CharButton, 6> buttons = {{
        {"M", "「男性」を検索", CharMask::Gender, 16},
        {"F", "「女性」を検索", CharMask::Gender, 8},
        {"AD", "「大人」を検索", CharMask::Age, 4},
        {"CH", "「子供」を検索", CharMask::Age, 2},
        {"NT", "「ニュータイプ」を検索", CharMask::Kind, 1},
        {"CO", "「CO」を検索", CharMask::Kind, 32},
    }};
    return buttons;
}

namespace {

bool Desert(const CardRecord& c) {
    return c.front.desert;
}
bool Supply(const CardRecord& c) {
    return c.front.supplyLevel != 0;
}
bool Colony(const CardRecord& c) {
    return c.front.colony;
}
bool Psycommu(const CardRecord& c) {
    return Like(c.front.psycommu, "*サイコ*");
}
bool Transform(const CardRecord& c) {
    return Like(c.front.transform, "*変形");
}
bool Ship(const CardRecord& c) {
    return c.front.ship;
}
bool HighMobility(const CardRecord& c) {
    return Like(c.front.highMobility, "*高機動") || Like(c.transformed.highMobility, "*高機動");
}
bool Base(const CardRecord& c) {
    return c.front.base;
}
bool ShipModifier(const CardRecord& c) {
    return Like(c.shipModifier, "艦船用修正*");
}
bool Water(const CardRecord& c) {
    return c.front.water;
}
bool Quick(const CardRecord& c) {
    return c.quick;
}
bool Atmosphere(const CardRecord& c) {
    return Like(c.front.atmosphereEntry, "*大気圏突入") ||
           Like(c.transformed.atmosphereEntry, "*大気圏突入");
}
bool Shield(const CardRecord& c) {
    return c.front.shieldLevel != 0;
}
bool Family(const CardRecord& c) {
    return c.familyName == "家名";
}
bool Tire(const CardRecord& c) {
    return Like(c.front.tire, "*タイヤ*");
}
bool Rapid(const CardRecord& c) {
    return c.front.rapid;
}
bool Assault(const CardRecord& c) {
    return c.front.assault;
}
bool Prevent(const CardRecord& c) {
    return c.preventLevel != 0;
}
bool AreaWeapon(const CardRecord& c) {
    return Like(c.front.areaWeapon, "*範囲兵器*");
}
bool Vulture(const CardRecord& c) {
    return c.front.vulture;
}
bool Support(const CardRecord& c) {
    return c.support;
}
bool PsArmor(const CardRecord& c) {
    return c.front.psArmor != 0;
}

}  // namespace

const std::array<AbilityBox, 22>& AbilityBoxes() {
    static const std::array<AbilityBox, 22> boxes = {{
        {"CBDesert", "砂漠", 0x1, Desert},
        {"Check20", "補給", 0x2, Supply},
        {"Check21", "コロニー", 0x4, Colony},
        {"Check11", "サイコミュ", 0x8, Psycommu},
        {"Check19", "変形", 0x10, Transform},
        {"Check18", "艦船", 0x20, Ship},
        {"Check17", "高機動", 0x40, HighMobility},
        {"Check16", "拠点", 0x80, Base},
        {"CBkShusei", "艦船用修正", 0x100, ShipModifier},
        {"CheckMizu", "水", 0x200, Water},
        {"CbQuick", "クイック", 0x400, Quick},
        {"CbTaiki", "大気圏突入", 0x800, Atmosphere},
        {"CheckShild", "特殊シールド", 0x1000, Shield},
        {"CheckKamei", "家名", 0x2000, Family},
        {"CheckTire", "タイヤ", 0x4000, Tire},
        {"CheckSokkou", "速攻", 0x8000, Rapid},
        {"CheckKyousyu", "強襲", 0x10000, Assault},
        {"CheckPrivent", "プリベント", 0x20000, Prevent},
        {"CheckHani", "範囲兵器", 0x40000, AreaWeapon},
        {"CheckValture", "バルチャー", 0x80000, Vulture},
        {"CheckSupport", "サポート", 0x100000, Support},
        {"CheckPSArm", "PS装甲", 0x200000, PsArmor},
    }};
    return boxes;
}

const std::array<ExpansionMenuItem, 16>& ExpansionMenuItems() {
    static const std::array<ExpansionMenuItem, 16> items = {{
        {"基本セット", 1 | 2},
        {"撃墜王出撃！", 4},
        {"ドラマチック１", 8},
        {"宇宙の記憶", 16},
        {"新しき翼", 64},
        {"ドラマチック２", 128},
        {"永久の絆", 256},
        {"一年戦争", 512},
        {"新世紀の鼓動", 1024},
        {"ウィング/∀編", 2048},
        {"革新の波濤", 4096},
        {"BASED BOOSTER", 8192},
        {"月下の戦塵", 16384},
        {"ギレンの野望", 32768},
        {"相剋の軌跡", 65536},
        {"その他", 32},
    }};
    return items;
}

const std::array<std::string_view, 6>& SearchItemCaptions() {
    static const std::array<std::string_view, 6> items = {"指定国力", "合計国力", "資源",
                                                          "格闘力",   "射撃力",   "防御力"};
    return items;
}

const std::array<std::string_view, 16>& FindPresets() {
    static const std::array<std::string_view, 16> presets = {"常時",
                                                             "自動",
                                                             "リロール",
                                                             "ドロー",
                                                             "攻撃ステップ",
                                                             "防御ステップ",
                                                             "ダメージ判定ステップ",
                                                             "ターン終了時",
                                                             "セット/キャラ",
                                                             "範囲兵器",
                                                             "特殊シールド",
                                                             "破壊",
                                                             "廃棄",
                                                             "戦闘",
                                                             "自軍",
                                                             "敵軍"};
    return presets;
}

}  // namespace svdb
