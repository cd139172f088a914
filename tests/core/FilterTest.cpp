// GCC 12 reports a false -Wrestrict overlap for short string literals
// assigned inside the card-editing lambdas below.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "search/CardFilter.h"
#include "search/FilterCaptions.h"
#include "search/FilterPanel.h"

namespace svdb {
namespace {

CardRecord Card(std::string number, std::function<void(CardRecord&)> edit = {}) {
    CardRecord c;
    c.faction = "連邦";
    c.cardNumber = std::move(number);
    c.rare = "Common";
    if (edit) edit(c);
    return c;
}

struct MatchRow {
    const char* name;
    FilterState state;
    SearchTexts texts;
    CardRecord card;
    bool passes;
};

FilterState Types(std::uint8_t type, std::uint8_t gender = 0, std::uint8_t age = 0,
                  std::uint8_t kind = 0) {
    FilterState s;
    s.factionMask = kAllFactions;
    s.typeMask = type;
    s.genderMask = gender;
    s.ageMask = age;
    s.kindMask = kind;
    return s;
}

FilterState With(std::function<void(FilterState&)> edit) {
    FilterState s;
    s.factionMask = kAllFactions;
    edit(s);
    return s;
}

void RunRows(const std::vector<MatchRow>& rows) {
    for (const MatchRow& r : rows) {
        EXPECT_EQ(PassesFilter(r.card, r.state, r.texts), r.passes) << r.name;
    }
}

auto Male = [](CardRecord& c) { c.charGender = "M"; };

TEST(PassesFilter, TypeAndCharacterCodes) {
    RunRows({
        {"no restriction", Types(0), {}, Card("U-1"), true},
        {"unit ticked, unit card", Types(kTypeUnit), {}, Card("U-1"), true},
        {"SP- counts as unit", Types(kTypeUnit), {}, Card("SP-3"), true},
        {"SPOL- counts as unit", Types(kTypeUnit), {}, Card("SPOL-12"), true},
        {"SPC- is a command, not a unit", Types(kTypeUnit), {}, Card("SPC-1"), false},
        {"SPC- passes the command box", Types(kTypeCommand), {}, Card("SPC-1"), true},
        {"unknown prefix fails any type", Types(31), {}, Card("X-1"), false},
        {"unknown prefix passes without type", Types(0), {}, Card("X-1"), true},
        {"generation", Types(kTypeGeneration), {}, Card("G-1"), true},
        {"operation vs command box", Types(kTypeCommand), {}, Card("O-1"), false},
        // A ticked type other than CHARACTER lets the character tests pass.
        {"unit with M pressed", Types(kTypeUnit, 16), {}, Card("U-1"), true},
        {"unit+char, female char",
         Types(kTypeUnit | kTypeCharacter, 16),
         {},
         Card("CH-1", [](CardRecord& c) { c.charGender = "F"; }),
         false},
        {"unit+char, male char",
         Types(kTypeUnit | kTypeCharacter, 16),
         {},
         Card("CH-1", Male),
         true},
        {"unit+char, unit without codes",
         Types(kTypeUnit | kTypeCharacter, 16),
         {},
         Card("U-1"),
         true},
        // Nothing forces the character tests without a type.
        {"no type, M pressed, unit", Types(0, 16), {}, Card("U-1"), false},
        {"no type, M pressed, male", Types(0, 16), {}, Card("U-1", Male), true},
        {"unknown number, M pressed", Types(0, 16), {}, Card("X-1", Male), true},
        // Each pair tested by itself, both halves OR-ed.
        {"M and F pressed, female",
         Types(0, 16 | 8),
         {},
         Card("CH-1", [](CardRecord& c) { c.charGender = "F"; }),
         true},
        {"AD pressed, child",
         Types(0, 0, 4),
         {},
         Card("CH-1", [](CardRecord& c) { c.charAge = "CH"; }),
         false},
        {"CH pressed, child",
         Types(0, 0, 2),
         {},
         Card("CH-1", [](CardRecord& c) { c.charAge = "CH"; }),
         true},
        {"NT pressed, CO card",
         Types(0, 0, 0, 1),
         {},
         Card("CH-1", [](CardRecord& c) { c.charKind = "CO"; }),
         false},
        {"CO pressed, CO card",
         Types(0, 0, 0, 32),
         {},
         Card("CH-1", [](CardRecord& c) { c.charKind = "CO"; }),
         true},
        {"M and NT pressed, male CO",
         Types(kTypeCharacter, 16, 0, 1),
         {},
         Card("CH-1",
              [](CardRecord& c) {
                  c.charGender = "M";
                  c.charKind = "CO";
              }),
         false},
        {"code compare is exact",
         Types(0, 16),
         {},
         Card("CH-1", [](CardRecord& c) { c.charGender = "m"; }),
         false},
    });
}

TEST(PassesFilter, RarityAndExpansion) {
    auto rare = [](std::string r) { return [r](CardRecord& c) { c.rare = r; }; };
    auto exp = [](int e) {
        return [e](CardRecord& c) { c.expansion = static_cast<std::uint8_t>(e); };
    };
    auto rarity = [](std::uint8_t m) { return With([m](FilterState& s) { s.rarityMask = m; }); };
    auto exps = [](std::uint32_t m) { return With([m](FilterState& s) { s.expansionMask = m; }); };
    RunRows({
        {"common with common", rarity(1), {}, Card("U-1", rare("Common")), true},
        {"special with common|rare", rarity(1 | 4), {}, Card("U-1", rare("Special")), false},
        {"uncommon", rarity(2), {}, Card("U-1", rare("Uncommon")), true},
        {"unknown rarity fails a mask", rarity(15), {}, Card("U-1", rare("Promo")), false},
        {"unknown rarity passes no mask", rarity(0), {}, Card("U-1", rare("Promo")), true},
        {"rarity is case sensitive", rarity(4), {}, Card("U-1", rare("rare")), false},
        {"no expansion mask", exps(0), {}, Card("U-1", exp(16)), true},
        {"basic set item has index 0", exps(1 | 2), {}, Card("U-1", exp(0)), true},
        {"basic set item has index 1", exps(1 | 2), {}, Card("U-1", exp(1)), true},
        {"basic set item lacks index 2", exps(1 | 2), {}, Card("U-1", exp(2)), false},
        {"index 16", exps(65536), {}, Card("U-1", exp(16)), true},
        {"index 31 is the last bit", exps(0x80000000u), {}, Card("U-1", exp(31)), true},
        {"index beyond the mask never matches",
         exps(0xFFFFFFFFu),
         {},
         Card("U-1", exp(200)),
         false},
    });
}

TEST(PassesFilter, AbilityBoxesCombineWithOr) {
    auto ab = [](std::uint32_t m) { return With([m](FilterState& s) { s.abilityMask = m; }); };
    const std::uint32_t rapid = 0x8000, assault = 0x10000;
    RunRows({
        {"rapid box, rapid card",
         ab(rapid),
         {},
         Card("U-1", [](CardRecord& c) { c.front.rapid = true; }),
         true},
        {"rapid|assault, assault card",
         ab(rapid | assault),
         {},
         Card("U-1", [](CardRecord& c) { c.front.assault = true; }),
         true},
        {"rapid|assault, plain card", ab(rapid | assault), {}, Card("U-1"), false},
        {"rapid on transformed face only",
         ab(rapid),
         {},
         Card("U-1", [](CardRecord& c) { c.transformed.rapid = true; }),
         false},
        {"high mobility on transformed face",
         ab(0x40),
         {},
         Card("U-1", [](CardRecord& c) { c.transformed.highMobility = "高機動"; }),
         true},
        {"high mobility must end the text",
         ab(0x40),
         {},
         Card("U-1", [](CardRecord& c) { c.front.highMobility = "高機動(2)"; }),
         false},
        {"atmosphere entry on transformed face",
         ab(0x800),
         {},
         Card("U-1", [](CardRecord& c) { c.transformed.atmosphereEntry = "【大気圏突入】"; }),
         false},
        {"atmosphere entry ending",
         ab(0x800),
         {},
         Card("U-1", [](CardRecord& c) { c.transformed.atmosphereEntry = "《宇宙》大気圏突入"; }),
         true},
        {"psycommu anywhere",
         ab(0x8),
         {},
         Card("U-1", [](CardRecord& c) { c.front.psycommu = "【サイコミュ(2)】"; }),
         true},
        {"ship modifier must begin",
         ab(0x100),
         {},
         Card("U-1", [](CardRecord& c) { c.shipModifier = "【艦船用修正】"; }),
         false},
        {"ship modifier",
         ab(0x100),
         {},
         Card("U-1", [](CardRecord& c) { c.shipModifier = "艦船用修正(+1)"; }),
         true},
        {"family name exact",
         ab(0x2000),
         {},
         Card("CH-1", [](CardRecord& c) { c.familyName = "家名 "; }),
         false},
        {"supply level",
         ab(0x2),
         {},
         Card("U-1", [](CardRecord& c) { c.front.supplyLevel = 3; }),
         true},
        {"prevent level",
         ab(0x20000),
         {},
         Card("C-1", [](CardRecord& c) { c.preventLevel = 9; }),
         true},
        {"ps armor bracketed",
         ab(0x200000),
         {},
         Card("U-1", [](CardRecord& c) { c.front.psArmor = 2; }),
         true},
        {"support", ab(0x100000), {}, Card("C-1", [](CardRecord& c) { c.support = true; }), true},
        {"quick", ab(0x400), {}, Card("C-1", [](CardRecord& c) { c.quick = true; }), true},
        {"tire",
         ab(0x4000),
         {},
         Card("U-1", [](CardRecord& c) { c.front.tire = "タイヤ(1)"; }),
         true},
        {"area weapon",
         ab(0x40000),
         {},
         Card("U-1", [](CardRecord& c) { c.front.areaWeapon = "範囲兵器(3)"; }),
         true},
    });
}

SearchTexts Numeric(std::string item, std::string min, std::string max) {
    SearchTexts t;
    t.searchItem = std::move(item);
    t.minimum = std::move(min);
    t.maximum = std::move(max);
    return t;
}

TEST(PassesFilter, NumericSearch) {
    auto power = [](std::string p) {
        return Card("U-1", [p](CardRecord& c) { c.front.power = p; });
    };
    const FilterState all = Types(0);
    RunRows({
        {"no item", all, Numeric("", "3", ""), power("1"), true},
        {"no minimum", all, Numeric("格闘力", "", "5"), power("9"), true},
        {"exact * finds *", all, Numeric("格闘力", "*", ""), power("*"), true},
        {"exact * does not find 0", all, Numeric("格闘力", "*", ""), power("0"), false},
        {"exact 3", all, Numeric("格闘力", "3", ""), power("3"), true},
        {"range 3..5 holds 4", all, Numeric("格闘力", "3", "5"), power("4"), true},
        {"range 3..5 lacks X", all, Numeric("格闘力", "3", "5"), power("X"), false},
        {"range 3..9 holds X", all, Numeric("格闘力", "3", "9"), power("X"), true},
        {"range *..2 holds *", all, Numeric("格闘力", "*", "2"), power("*"), true},
        {"empty value never in range", all, Numeric("格闘力", "0", "9"), power(""), false},
        {"unknown item matches nothing", all, Numeric("重さ", "0", "9"), power("3"), false},
        {"nation cost as text", all, Numeric("指定国力", "*", "2"),
         Card("U-1", [](CardRecord& c) { c.nationCost = 2; }), true},
        {"all cost exact", all, Numeric("合計国力", "4", ""),
         Card("U-1", [](CardRecord& c) { c.allCost = 4; }), true},
        {"resource", all, Numeric("資源", "1", "1"),
         Card("U-1", [](CardRecord& c) { c.resourceCost = "1"; }), true},
        {"shoot", all, Numeric("射撃力", "2", "2"),
         Card("U-1", [](CardRecord& c) { c.front.shoot = "2"; }), true},
        {"toughness reads the front face", all, Numeric("防御力", "5", ""),
         Card("U-1", [](CardRecord& c) { c.transformed.toughness = "5"; }), false},
    });
}

SearchTexts Find(std::string term, bool name, bool text, bool flavor) {
    SearchTexts t;
    t.findTerm = std::move(term);
    t.findName = name;
    t.findText = text;
    t.findFlavor = flavor;
    return t;
}

TEST(PassesFilter, TextSearch) {
    const CardRecord card = Card("C-1", [](CardRecord& c) {
        c.front.name = "ドロー作戦";
        c.front.text = "カードを1枚引く";
        c.front.flavor = "Rain";
        c.transformed.name = "ドロー作戦 改";
        c.transformed.text = "破壊する";
    });
    const FilterState all = Types(0);
    RunRows({
        {"empty term passes", all, Find("", false, false, false), card, true},
        {"term with no field ticked", all, Find("ドロー", false, false, false), card, false},
        {"name", all, Find("ドロー", true, false, false), card, true},
        {"name only, term in text", all, Find("枚", true, false, false), card, false},
        {"name and text, term in text", all, Find("枚", true, true, false), card, true},
        {"flavor is case sensitive", all, Find("rain", false, false, true), card, false},
        {"flavor", all, Find("Rain", false, false, true), card, true},
        {"transformed text never searched", all, Find("破壊", true, true, true), card, false},
        {"term not trimmed", all, Find("ドロー ", true, true, true), card, false},
    });
}

TEST(MakeSeq, PanelToMasks) {
    FilterState state;
    state.expansionMask = 0x30;

    FilterPanel panel;
    panel.checkColor = {kUnticked, kTicked,   kUnticked, kTicked,
                        kUnticked, kUnticked, kUnticked, kTicked};
    panel.cbKind = {kTicked, kUnticked, kTicked, kGreyed, kUnticked};
    panel.checkRare = {kUnticked, kTicked, kUnticked, kTicked};
    panel.abilityTicks = 0x8000 | 0x1 | 0x80000000u;  // a stray bit is not a box
    panel.toolbarChar = {true, false, false, true, false, true};
    MakeSeq(panel, state);

    EXPECT_EQ(state.factionMask, 16 | 4 | 1);
    EXPECT_EQ(state.typeMask, kTypeGeneration | kTypeCharacter);  // greyed does not count
    EXPECT_EQ(state.rarityMask, 2 | 8);
    EXPECT_EQ(state.abilityMask, 0x8001u);
    EXPECT_EQ(state.genderMask, 16);
    EXPECT_EQ(state.ageMask, 2);
    EXPECT_EQ(state.kindMask, 32);
    EXPECT_EQ(state.expansionMask, 0x30u);  // only the expansion menu changes it

    panel.checkColor[0] = kTicked;
    panel.frame5Enabled = false;
    panel.toolbarEnabled = false;
    MakeSeq(panel, state);
    EXPECT_EQ(state.factionMask, kAllFactions);  // "ALL" ignores the single boxes
    EXPECT_EQ(state.abilityMask, 0u);
    EXPECT_EQ(state.genderMask | state.ageMask | state.kindMask, 0);
}

TEST(FilterCaptions, TablesAgreeWithTheMasks) {
    std::uint32_t abilityBits = 0;
    for (std::size_t i = 0; i < AbilityBoxes().size(); ++i) {
        EXPECT_EQ(AbilityBoxes()[i].bit, 1u << i) << AbilityBoxes()[i].caption;
        abilityBits |= AbilityBoxes()[i].bit;
    }
    EXPECT_EQ(abilityBits, 0x3FFFFFu);

    // Each colour box's bit is its slot's colour bit, slot = box index - 1.
    for (std::size_t slot = 0; slot < slotColourBit.size(); ++slot) {
        EXPECT_EQ(FactionBoxes()[slot + 1].bit, slotColourBit[slot]);
    }
    std::uint32_t expansionBits = 0;
    for (const auto& item : ExpansionMenuItems()) {
        EXPECT_EQ(expansionBits & item.bits, 0u) << item.caption;
        expansionBits |= item.bits;
    }
    EXPECT_EQ(expansionBits, 0x1FFFFu);  // indices 0..16, each from one item
}

}  // namespace
}  // namespace svdb
