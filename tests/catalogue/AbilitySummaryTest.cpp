#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "catalogue/AbilitySummary.h"
#include "catalogue/FactionNames.h"
#include "catalogue/StringTable.h"

namespace svdb {
namespace {

struct Row {
    const char* name;
    std::function<void(CardRecord&)> set;
    std::string summary;
};

TEST(AbilitySummary, FrontFace) {
    const Row rows[] = {
        {"no keywords", [](CardRecord&) {}, ""},
        {"quick ship support in order",
         [](CardRecord& c) { c.support = c.front.ship = c.quick = true; },
         "クイック 艦船 サポート "},
        {"every item in order",
         [](CardRecord& c) {
             CardFace& f = c.front;
             c.quick = f.ship = f.base = f.water = f.desert = true;
             f.highMobility = "超高機動";
             f.rapid = f.assault = true;
             f.atmosphereEntry = "大気圏突入";
             f.colony = true;
             f.tire = "タイヤ(1)";
             c.familyName = "家名";
             f.supplyLevel = 2;
             f.areaWeapon = "範囲兵器(3)";
             f.psycommu = "サイコミュ(2)";
             f.psArmor = 1;
             f.shieldLevel = 3;
             c.preventLevel = 4;
             f.vulture = true;
             c.support = true;
             c.shipModifier = "艦船用修正(+1)";
             f.transform = "変形";  // never in the front summary
         },
         "クイック 艦船 拠点 水 砂漠 超高機動 速攻 強襲 大気圏突入 コロニー タイヤ(1) 家名 補給(2) "
         "範囲兵器(3) サイコミュ(2) PS装甲 特殊シールド(3) プリベント(4) バルチャー サポート "
         "艦船用修正(+1) "},
        {"bracketed armour", [](CardRecord& c) { c.front.psArmor = 2; }, "【PS装甲】 "},
        {"armour code 3 shows nothing", [](CardRecord& c) { c.front.psArmor = 3; }, ""},
        {"shield 9", [](CardRecord& c) { c.front.shieldLevel = 9; }, "特殊シールド(9) "},
        {"shield 100", [](CardRecord& c) { c.front.shieldLevel = 100; }, "特殊シールド(100) "},
        {"shield 102", [](CardRecord& c) { c.front.shieldLevel = 102; }, "【特殊シールド(2)】 "},
        {"shield 109", [](CardRecord& c) { c.front.shieldLevel = 109; }, "【特殊シールド(9)】 "},
        {"shield 120", [](CardRecord& c) { c.front.shieldLevel = 120; }, "特殊シールド(120) "},
        {"shield 132", [](CardRecord& c) { c.front.shieldLevel = 132; }, "《(1)》特殊シールド(2) "},
        {"shield 255", [](CardRecord& c) { c.front.shieldLevel = 255; },
         "《(13)》特殊シールド(5) "},
        {"prevent X", [](CardRecord& c) { c.preventLevel = 9; }, "プリベント(X) "},
        {"prevent 10 shows nothing", [](CardRecord& c) { c.preventLevel = 10; }, ""},
        {"transformed keywords stay off the front",
         [](CardRecord& c) {
             c.transformed.ship = true;
             c.transformed.transform = "変形";
         },
         ""},
    };
    for (const Row& r : rows) {
        CardRecord card;
        r.set(card);
        EXPECT_EQ(AbilitySummary(card, Face::Front), r.summary) << r.name;
    }
}

TEST(AbilitySummary, TransformedFace) {
    const Row rows[] = {
        {"transform only", [](CardRecord& c) { c.transformed.transform = "変形"; }, "変形 "},
        {"every item in order",
         [](CardRecord& c) {
             CardFace& t = c.transformed;
             t.ship = t.base = t.water = t.desert = true;
             t.highMobility = "高機動";
             t.atmosphereEntry = "大気圏突入";
             t.colony = true;
             t.supplyLevel = 1;
             t.areaWeapon = "範囲兵器(2)";
             t.psycommu = "サイコミュ(1)";
             t.transform = "変形";
             t.vulture = true;
         },
         "艦船 拠点 水 砂漠 高機動 大気圏突入 コロニー 補給(1) 範囲兵器(2) サイコミュ(1) 変形 "
         "バルチャー "},
        {"card-wide keywords stay off the transformed face",
         [](CardRecord& c) {
             c.quick = c.support = c.front.ship = true;
             c.preventLevel = 9;
             c.shipModifier = "艦船用修正";
         },
         ""},
    };
    for (const Row& r : rows) {
        CardRecord card;
        r.set(card);
        EXPECT_EQ(AbilitySummary(card, Face::Transformed), r.summary) << r.name;
    }
}

TEST(AbilitySummary, ReadsTheCatalogueCard) {
    CardTable table;
    table.at(3, 7).faction = "ネオジオン";
    table.at(3, 7).quick = true;
    table.at(3, 7).transformed.transform = "可変";
    EXPECT_EQ(AbilitySummary(table, Face::Front, 3, 7), "クイック ");
    EXPECT_EQ(AbilitySummary(table, Face::Transformed, 3, 7), "可変 ");
}

TEST(FactionNames, ShortAndLongForms) {
    struct NameRow {
        const char* longName;
        const char* shortName;
    };
    const NameRow rows[] = {
        {"ティターンズ", "ティタ"}, {"ネオジオン", "ネオジ"},
        {"ザンスカール", "ザンス"}, {"クロスボーン", "クロス"},
        {"連邦", "連邦"},           {"Seed", "Seed"},
        {"その他", "その他"},       {"", ""},
    };
    for (const NameRow& r : rows) {
        EXPECT_EQ(ShortFactionName(r.longName), r.shortName) << r.longName;
        EXPECT_EQ(LongFactionName(r.shortName), r.longName) << r.shortName;
    }
    EXPECT_EQ(ShortFactionName("ティタ"), "ティタ");
    EXPECT_EQ(LongFactionName("ティターンズ"), "ティターンズ");
}

TEST(StringTable, KeywordRulesOpenWithTimingOrPhase) {
    const char* keywords[] = {"拠点", "変形", "クイック", "艦船", "サイコミュ"};
    for (int id = 207; id <= 211; ++id) {
        const std::string text(StringTable::text(id));
        EXPECT_NE(text.find(keywords[id - 207]), std::string::npos) << id;
        const std::string opening = text.substr(0, text.find("：") + 3);
        EXPECT_TRUE(text.starts_with("（") || opening.ends_with("フェイズ≪０≫：")) << id;
    }
}

}  // namespace
}  // namespace svdb
