// GCC 12 reports a false -Wrestrict overlap for short string literals
// assigned inside the card-editing lambdas below.
#pragma GCC diagnostic ignored "-Wrestrict"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "search/CardFilter.h"
#include "search/FilterCaptions.h"
#include "search/FilterPanel.h"

namespace svdb {
namespace {

// The fields the basic criteria look at.
struct CardFields {
    const char* number = "U-1";
    const char* rare = "Common";
    const char* gender = "";
    const char* age = "";
    const char* kind = "";
    int expansion = 0;
};

CardRecord Card(const CardFields& s) {
    CardRecord c;
    c.faction = "連邦";
    c.cardNumber = s.number;
    c.rare = s.rare;
    c.charGender = s.gender;
    c.charAge = s.age;
    c.charKind = s.kind;
    c.expansion = static_cast<std::uint8_t>(s.expansion);
    return c;
}

FilterState State(std::uint8_t type, std::uint8_t gender = 0, std::uint8_t age = 0,
                  std::uint8_t kind = 0) {
    FilterState s;
    s.factionMask = kAllFactions;
    s.typeMask = type;
    s.genderMask = gender;
    s.ageMask = age;
    s.kindMask = kind;
    return s;
}

SearchTexts Find(const char* term, bool name = false, bool text = false, bool flavor = false) {
    SearchTexts t;
    t.findTerm = term;
    t.findName = name;
    t.findText = text;
    t.findFlavor = flavor;
    return t;
}

TEST(PassesFilter, TypeAndCharacterCodes) {
    const std::uint8_t U = kTypeUnit, CH = kTypeCharacter, C = kTypeCommand;
    const struct {
        const char* name;
        FilterState state;
        CardFields card;
        bool passes;
    } rows[] = {
        {"no restriction", State(0), {}, true},
        {"SP- counts as unit", State(U), {.number = "SP-3"}, true},
        {"SPOL- counts as unit", State(U), {.number = "SPOL-12"}, true},
        {"SPC- is no unit", State(U), {.number = "SPC-1"}, false},
        {"SPC- is a command", State(C), {.number = "SPC-1"}, true},
        {"unknown prefix fails every type", State(31), {.number = "X-1"}, false},
        {"unit ticked, M pressed: unit passes", State(U, 16), {}, true},
        {"unit+char, M pressed: female fails",
         State(U | CH, 16),
         {.number = "CH-1", .gender = "F"},
         false},
        {"unit+char, M pressed: male passes",
         State(U | CH, 16),
         {.number = "CH-1", .gender = "M"},
         true},
        {"no type, M pressed: unit fails", State(0, 16), {}, false},
        {"no type, M pressed: male unit", State(0, 16), {.gender = "M"}, true},
        {"M and F pressed: female", State(0, 16 | 8), {.number = "CH-1", .gender = "F"}, true},
        {"AD pressed: child fails", State(0, 0, 4), {.number = "CH-1", .age = "CH"}, false},
        {"CH pressed: child", State(0, 0, 2), {.number = "CH-1", .age = "CH"}, true},
        {"CO pressed: CO", State(0, 0, 0, 32), {.number = "CH-1", .kind = "CO"}, true},
        {"pairs tested apart",
         State(CH, 16, 0, 1),
         {.number = "CH-1", .gender = "M", .kind = "CO"},
         false},
        {"codes compare exactly", State(0, 16), {.number = "CH-1", .gender = "m"}, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(PassesFilter(Card(r.card), r.state, {}), r.passes) << r.name;
    }
}

TEST(PassesFilter, RarityAndExpansion) {
    const struct {
        const char* name;
        std::uint8_t rarity;
        std::uint32_t expansions;
        CardFields card;
        bool passes;
    } rows[] = {
        {"special, common|rare ticked", 1 | 4, 0, {.rare = "Special"}, false},
        {"uncommon ticked", 2, 0, {.rare = "Uncommon"}, true},
        {"unknown rarity fails a mask", 15, 0, {.rare = "Promo"}, false},
        {"rarity is case sensitive", 4, 0, {.rare = "rare"}, false},
        {"basic set item: index 1", 0, 1 | 2, {.expansion = 1}, true},
        {"basic set item: index 2", 0, 1 | 2, {.expansion = 2}, false},
        {"index 31 is the last bit", 0, 0x80000000u, {.expansion = 31}, true},
        {"index beyond the mask never matches", 0, 0xFFFFFFFFu, {.expansion = 200}, false},
        {"no mask lets any index pass", 0, 0, {.expansion = 200}, true},
    };
    for (const auto& r : rows) {
        FilterState s = State(0);
        s.rarityMask = r.rarity;
        s.expansionMask = r.expansions;
        EXPECT_EQ(PassesFilter(Card(r.card), s, {}), r.passes) << r.name;
    }
}

TEST(PassesFilter, AbilityBoxes) {
    const std::uint32_t rapid = 0x8000, assault = 0x10000;
    const struct {
        const char* name;
        std::uint32_t mask;
        std::function<void(CardRecord&)> edit;
        bool passes;
    } rows[] = {
        {"rapid|assault: assault card", rapid | assault, [](auto& c) { c.front.assault = true; },
         true},
        {"rapid|assault: plain card", rapid | assault, [](auto&) {}, false},
        {"flags of the transformed face do not count", rapid,
         [](auto& c) { c.transformed.rapid = true; }, false},
        {"high mobility on the transformed face", 0x40,
         [](auto& c) { c.transformed.highMobility = "高機動"; }, true},
        {"high mobility must end the text", 0x40,
         [](auto& c) { c.front.highMobility = "高機動(2)"; }, false},
        {"atmosphere entry must end the text", 0x800,
         [](auto& c) { c.front.atmosphereEntry = "【大気圏突入】"; }, false},
        {"psycommu anywhere in the text", 0x8,
         [](auto& c) { c.front.psycommu = "【サイコミュ(2)】"; }, true},
        {"ship modifier must begin the text", 0x100,
         [](auto& c) { c.shipModifier = "【艦船用修正】"; }, false},
        {"family name compares exactly", 0x2000, [](auto& c) { c.familyName = "家名 "; }, false},
        {"supply level", 0x2, [](auto& c) { c.front.supplyLevel = 3; }, true},
        {"bracketed PS armour", 0x200000, [](auto& c) { c.front.psArmor = 2; }, true},
    };
    for (const auto& r : rows) {
        CardRecord card = Card({});
        r.edit(card);
        FilterState s = State(0);
        s.abilityMask = r.mask;
        EXPECT_EQ(PassesFilter(card, s, {}), r.passes) << r.name;
    }
}

TEST(PassesFilter, NumericSearch) {
    const struct {
        const char* name;
        const char* item;
        const char* min;
        const char* max;
        const char* power;
        bool passes;
    } rows[] = {
        {"no item", "", "3", "", "1", true},
        {"no minimum", "格闘力", "", "5", "9", true},
        {"exact * finds *", "格闘力", "*", "", "*", true},
        {"exact * does not find 0", "格闘力", "*", "", "0", false},
        {"range 3..5 holds 4", "格闘力", "3", "5", "4", true},
        {"range 3..5 lacks X", "格闘力", "3", "5", "X", false},
        {"range 3..9 holds X", "格闘力", "3", "9", "X", true},
        {"range *..2 holds *", "格闘力", "*", "2", "*", true},
        {"empty value is never in range", "格闘力", "0", "9", "", false},
        {"unknown item matches nothing", "重さ", "0", "9", "3", false},
    };
    for (const auto& r : rows) {
        CardRecord card = Card({});
        card.front.power = r.power;
        SearchTexts t;
        t.searchItem = r.item;
        t.minimum = r.min;
        t.maximum = r.max;
        EXPECT_EQ(PassesFilter(card, State(0), t), r.passes) << r.name;
    }

    // Each item reads its own value; costs are bytes taken as decimal text.
    CardRecord card = Card({});
    card.nationCost = 2;
    card.allCost = 12;
    card.resourceCost = "X";
    card.front.shoot = "4";
    card.front.toughness = "5";
    card.transformed.toughness = "7";
    const char* values[] = {"2", "12", "X", "", "4", "5"};
    for (std::size_t i = 0; i < SearchItemCaptions().size(); ++i) {
        EXPECT_EQ(SearchItemValue(card, *SearchItemOf(SearchItemCaptions()[i])), values[i]) << i;
    }
}

TEST(PassesFilter, TextSearch) {
    CardRecord card = Card({.number = "C-1"});
    card.front.name = "ドロー作戦";
    card.front.text = "カードを1枚引く";
    card.front.flavor = "Rain";
    card.transformed.text = "破壊する";
    const struct {
        const char* name;
        SearchTexts texts;
        bool passes;
    } rows[] = {
        {"empty term", Find(""), true},
        {"term, no field ticked", Find("ドロー"), false},
        {"name", Find("ドロー", true), true},
        {"name only, term in text", Find("枚", true), false},
        {"name and text", Find("枚", true, true), true},
        {"case sensitive", Find("rain", false, false, true), false},
        {"transformed text never searched", Find("破壊", true, true, true), false},
    };
    for (const auto& r : rows) EXPECT_EQ(PassesFilter(card, State(0), r.texts), r.passes) << r.name;
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

TEST(FilterCaptions, BitsAreDistinctAndCoverTheirMasks) {
    std::uint32_t abilities = 0;
    for (const AbilityBox& box : AbilityBoxes()) {
        EXPECT_EQ(abilities & box.bit, 0u) << box.caption;
        abilities |= box.bit;
    }
    EXPECT_EQ(abilities, 0x3FFFFFu);
    // Colour box i + 1 selects slot i.
    for (std::size_t slot = 0; slot < slotColourBit.size(); ++slot) {
        EXPECT_EQ(FactionBoxes()[slot + 1].bit, slotColourBit[slot]);
    }
    std::uint32_t expansions = 0;
    for (const auto& item : ExpansionMenuItems()) {
        EXPECT_EQ(expansions & item.bits, 0u) << item.caption;
        expansions |= item.bits;
    }
    EXPECT_EQ(expansions, 0x1FFFFu);  // indices 0..16, each from one item
}

}  // namespace
}  // namespace svdb
