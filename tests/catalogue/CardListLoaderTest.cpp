#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "catalogue/CardListLoader.h"
#include "catalogue/CardType.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

// A data line in card-list bytes: a plain card with the given columns
// (1-based) replaced, 53 fields each followed by a comma.
std::string Line(const std::map<int, std::string>& columns = {}) {
    std::array<std::string, 54> f;
    f[1] = "連邦";
    f[2] = "U-1";
    f[3] = "テスト機";
    f[4] = "Common";
    f[5] = "1";
    f[6] = "2";
    f[53] = "0";
    for (const auto& [col, value] : columns) f[col] = value;
    std::string line;
    for (int col = 1; col <= 53; ++col) line += f[col] + ",";
    return ShiftJisCodec::encode(line) + "\r\n";
}

std::string Text(const std::string& utf8) {
    return ShiftJisCodec::encode(utf8);
}

TEST(ParseLevel, Codes) {
    struct Row {
        const char* text;
        std::optional<int> code;
    };
    const Row rows[] = {
        {"特殊シールド(3)", 3},
        {"プリベント(X)", 9},
        {"【特殊シールド(2)】", 102},
        {"《(1)》特殊シールド(2)", 132},
        {"【特殊シールド(X)】", 109},
        {"《(13)》特殊シールド(5)", 255},
        {"補給(0)", 0},
        {"(7)", 7},
        {"7)", 7},  // no "(": the level runs from the first character
        {"《(14)》特殊シールド(1)", std::nullopt},  // 261
        {"【特殊シールド(200)】", std::nullopt},    // 300
        {"特殊シールド(3", std::nullopt},
        {"特殊シールド)3(", std::nullopt},
        {"特殊シールド()", std::nullopt},
        {"特殊シールド(x)", std::nullopt},
        {"特殊シールド(-1)", std::nullopt},
        {"《特殊シールド(2)", std::nullopt},
        {"《(a)》特殊シールド(2)", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& r : rows) {
        const std::optional<std::uint8_t> got = ParseLevel(r.text);
        if (r.code) {
            ASSERT_TRUE(got.has_value()) << r.text;
            EXPECT_EQ(*got, *r.code) << r.text;
        } else {
            EXPECT_FALSE(got.has_value()) << r.text;
        }
    }
}

// Each fault ends loading at its line; the card before it stays and the
// faulty line leaves no card behind.
TEST(LoadCardList, FaultsEndLoadingAndKeepEarlierCards) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    std::string full501;
    for (int i = 0; i < 501; ++i) full501 += Line({{1, "ジオン"}});
    const Row rows[] = {
        {"no comma", Text("連邦のみ") + "\r\n"},
        {"52 commas", Line().substr(0, Line().size() - 3) + "\r\n"},
        {"unknown faction", Line({{1, "ジオン公国"}})},
        {"short faction name", Line({{1, "ティタ"}})},
        {"slot already full", full501 + Line({{1, "ジオン"}})},
        {"nation cost not a number", Line({{5, "a"}})},
        {"all cost above 255", Line({{6, "256"}})},
        {"expansion negative", Line({{53, "-1"}})},
        {"prevent without closing parenthesis", Line({{12, "プリベント(2"}})},
        {"shield not a number", Line({{17, "特殊シールド(Y)"}})},
        {"supply code above 255", Line({{29, "《(20)》補給(1)"}})},
    };
    for (const Row& r : rows) {
        CardTable table;
        const std::string bytes = Line({{2, "U-9"}}) + r.bytes + Line({{2, "U-10"}});
        const LoadOutcome outcome = LoadCardListBytes(table, bytes);
        const int before = r.name == std::string("slot already full") ? 502 : 1;
        EXPECT_TRUE(outcome.opened) << r.name;
        EXPECT_EQ(outcome.cardsLoaded, before) << r.name;
        EXPECT_EQ(table.occupiedCount(), before) << r.name;
        EXPECT_EQ(outcome.faultLine, before + 1) << r.name;
        EXPECT_FALSE(outcome.fault.empty()) << r.name;
        EXPECT_EQ(table.at(0, 0).cardNumber, "U-9") << r.name;
        EXPECT_FALSE(table.at(0, 1).occupied()) << r.name;
        // The faulty row is empty, not a partial card.
        EXPECT_TRUE(table.at(0, 1).front.name.empty()) << r.name;
        EXPECT_EQ(table.FactionChangeCount, before == 1 ? 0 : 1) << r.name;
    }
}

TEST(LoadCardList, FactionChangesPastLimitEndLoading) {
    std::string bytes;
    for (int i = 0; i < 257; ++i) bytes += Line({{1, i % 2 == 0 ? "連邦" : "ジオン"}});
    CardTable table;
    const LoadOutcome outcome = LoadCardListBytes(table, bytes);
    EXPECT_EQ(outcome.cardsLoaded, 256);
    EXPECT_EQ(outcome.faultLine, 257);
    EXPECT_EQ(table.FactionChangeCount, 255);
}

TEST(LoadCardList, DirectivesAndEndOfList) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string version;
        int cards;
    };
    const Row rows[] = {
        {"version up to comma", "#VERSION 2002.08.01,x\r\n" + Line(), "2002.08.01", 1},
        {"version to end of line", "#VERSION 12\r\n", "12", 0},
        {"later version replaces", "#VERSION 1\r\n#VERSION 2\r\n", "2", 0},
        {"lower case and comments ignored", "#version 12\r\n#COMMENT\r\n#VERSION\r\n" + Line(),
         "old", 1},
        {"first line empty", "\r\n#VERSION 3\r\n" + Line(), "old", 0},
        {"empty line ends the list", Line() + "\r\n" + Line(), "old", 1},
        {"last line without terminator", Line() + Line().substr(0, Line().size() - 2), "old", 2},
        {"lone LF line ends", Line().substr(0, Line().size() - 2) + "\n" + Line(), "old", 2},
        {"no lines", "", "old", 0},
    };
    for (const Row& r : rows) {
        CardTable table;
        table.ListVersion = "old";
        const LoadOutcome outcome = LoadCardListBytes(table, r.bytes);
        EXPECT_EQ(table.ListVersion, r.version) << r.name;
        EXPECT_EQ(outcome.cardsLoaded, r.cards) << r.name;
        EXPECT_EQ(outcome.faultLine, 0) << r.name;
    }
}

TEST(LoadCardList, ColumnsAreStoredWithTheirConversions) {
    std::map<int, std::string> c;
    c[7] = "*";
    c[8] = "宇宙・地球";
    c[9] = "【PS装甲】";
    c[10] = "バルチャー";
    c[11] = "サポート";
    c[12] = "プリベント(X)";
    c[13] = "強襲";
    c[14] = "速攻";
    c[15] = "タイヤ(2)";
    c[16] = "家名";
    c[17] = "《(1)》特殊シールド(2)";
    c[18] = "クイック";
    c[19] = "大気圏突入";
    c[20] = "範囲兵器(3)";
    c[21] = "砂漠";
    c[22] = "艦船用修正(+1)";
    c[23] = "水";
    c[24] = "サイコミュ(2)";
    c[25] = "拠点";
    c[26] = "変形";
    c[27] = " 高機動";
    c[28] = "艦船";
    c[29] = "補給(1)";
    c[30] = "コロニー";
    c[31] = "一行目\\r二行目";
    c[32] = "「香り」";
    c[33] = "3";
    c[34] = "X";
    c[35] = "*";
    c[36] = "（巡航形態）";
    c[37] = "変形後";
    c[38] = "4";
    c[39] = "5";
    c[40] = "6";
    for (int col = 41; col <= 48; ++col) {
        const char* words[] = {"拠点", "変形",       "高機動", "水",
                               "艦船", "大気圏突入", "砂漠",   "バルチャー"};
        c[col] = words[col - 41];
    }
    c[49] = "範囲兵器(1)";
    c[50] = "F";
    c[51] = "ad";
    c[52] = "NT";
    c[53] = "16";
    CardTable table;
    ASSERT_EQ(
        LoadCardListBytes(table, Line(c) + Line({{9, " 【PS装甲】"}, {10, "ﾊﾞﾙﾁｬｰ"}})).cardsLoaded,
        2);
    const CardRecord& r = table.at(0, 0);
    EXPECT_EQ(r.resourceCost, "*");
    EXPECT_EQ(r.typeDetail, "宇宙・地球");
    EXPECT_EQ(r.front.psArmor, 2);
    EXPECT_TRUE(r.front.vulture && r.support && r.front.assault && r.front.rapid && r.quick);
    EXPECT_TRUE(r.front.desert && r.front.water && r.front.base && r.front.ship && r.front.colony);
    EXPECT_EQ(r.preventLevel, 9);
    EXPECT_EQ(r.front.shieldLevel, 132);
    EXPECT_EQ(r.front.supplyLevel, 1);
    EXPECT_EQ(r.front.tire, "タイヤ(2)");
    EXPECT_EQ(r.familyName, "家名");
    EXPECT_EQ(r.front.atmosphereEntry, "大気圏突入");
    EXPECT_EQ(r.front.areaWeapon, "範囲兵器(3)");
    EXPECT_EQ(r.shipModifier, "艦船用修正(+1)");
    EXPECT_EQ(r.front.psycommu, "サイコミュ(2)");
    EXPECT_EQ(r.front.transform, "変形");
    EXPECT_EQ(r.front.highMobility, " 高機動");  // no trimming
    EXPECT_EQ(r.front.text, "一行目\\r二行目");
    EXPECT_EQ(r.front.flavor, "「香り」");
    EXPECT_EQ(r.front.power, "3");
    EXPECT_EQ(r.front.shoot, "X");
    EXPECT_EQ(r.front.toughness, "*");
    EXPECT_EQ(r.transformed.name, "テスト機 （巡航形態）");
    EXPECT_EQ(r.transformed.text, "変形後");
    EXPECT_EQ(r.transformed.power, "4");
    EXPECT_EQ(r.transformed.shoot, "5");
    EXPECT_EQ(r.transformed.toughness, "6");
    EXPECT_TRUE(r.transformed.base && r.transformed.water && r.transformed.ship &&
                r.transformed.desert && r.transformed.vulture);
    EXPECT_EQ(r.transformed.transform, "変形");
    EXPECT_EQ(r.transformed.highMobility, "高機動");
    EXPECT_EQ(r.transformed.atmosphereEntry, "大気圏突入");
    EXPECT_EQ(r.transformed.areaWeapon, "範囲兵器(1)");
    EXPECT_TRUE(r.hasTransformedFace());
    EXPECT_EQ(r.charGender, "F");
    EXPECT_EQ(r.charAge, "AD");
    EXPECT_EQ(r.charKind, "NT");
    EXPECT_EQ(r.expansion, 16);

    // Flags need the exact word; an empty field 36 still gets the blank.
    const CardRecord& plain = table.at(0, 1);
    EXPECT_EQ(plain.front.psArmor, 0);
    EXPECT_FALSE(plain.front.vulture);
    EXPECT_EQ(plain.transformed.name, "テスト機 ");
    EXPECT_FALSE(plain.hasTransformedFace());
}

TEST(LoadCardList, WholeNumberColumns) {
    struct Row {
        const char* name;
        std::string value;
        std::optional<int> stored;  // nothing: the line is a fault
    };
    const Row rows[] = {
        {"one digit", "7", 7},
        {"two digits", "17", 17},
        {"leading zero", "07", 7},
        {"three digits", "255", 255},
        {"above 255", "256", std::nullopt},
        {"digit and letter", "1a", std::nullopt},
        {"letter and digit", "a1", std::nullopt},
        {"sign", "+1", std::nullopt},
        {"blank after", "1 ", std::nullopt},
        {"full-width digits", "１２", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& r : rows) {
        for (const int column : {5, 6, 53}) {
            CardTable table;
            const LoadOutcome outcome = LoadCardListBytes(table, Line({{column, r.value}}));
            EXPECT_EQ(outcome.cardsLoaded, r.stored ? 1 : 0) << r.name << " " << column;
            if (!r.stored) continue;
            const CardRecord& card = table.at(0, 0);
            const int stored = column == 5   ? card.nationCost
                               : column == 6 ? card.allCost
                                             : card.expansion;
            EXPECT_EQ(stored, *r.stored) << r.name << " " << column;
        }
    }
}

// Loading into a table that a previous load filled leaves the same table as
// loading into a fresh one, emptied fields and shorter texts included.
TEST(LoadCardList, ReloadOverwritesEveryField) {
    const std::string full = Line({{2, "U-99"},
                                   {9, "PS装甲"},
                                   {15, "タイヤ(2)"},
                                   {31, "長い本文です"},
                                   {33, "3"},
                                   {36, "（変形）"},
                                   {38, "4"},
                                   {50, "M"},
                                   {51, "ad"}});
    const std::string plain = Line({{31, "短"}});
    CardTable reused;
    LoadCardListBytes(reused, full + full);
    LoadCardListBytes(reused, plain);
    CardTable fresh;
    LoadCardListBytes(fresh, plain);
    const CardRecord& a = reused.at(0, 0);
    const CardRecord& b = fresh.at(0, 0);
    EXPECT_EQ(a.cardNumber, b.cardNumber);
    EXPECT_EQ(a.front.psArmor, b.front.psArmor);
    EXPECT_EQ(a.front.tire, b.front.tire);
    EXPECT_EQ(a.front.text, "短");
    EXPECT_EQ(a.front.power, b.front.power);
    EXPECT_EQ(a.transformed.name, "テスト機 ");
    EXPECT_EQ(a.transformed.power, b.transformed.power);
    EXPECT_EQ(a.charGender, b.charGender);
    EXPECT_EQ(a.charAge, b.charAge);
    EXPECT_FALSE(reused.at(0, 1).occupied());
}

// Loaded text lives in the table; copies of records and tables keep their
// text when the table is reloaded or gone.
TEST(LoadCardList, CopiedRecordsAndTablesOutliveTheTable) {
    auto table = std::make_unique<CardTable>();
    ASSERT_EQ(LoadCardListBytes(*table, Line({{3, "ガンダム試作機"},
                                              {31, "長いテキスト\\r二行目"},
                                              {36, "改"},
                                              {38, "5"},
                                              {51, "ad"}}))
                  .cardsLoaded,
              1);
    const CardRecord copy = table->at(0, 0);
    CardTable tableCopy = *table;
    CardRecord assigned;
    assigned = table->at(0, 0);

    ASSERT_EQ(
        LoadCardListBytes(*table, Line({{1, "ジオン"}, {2, "U-9"}, {3, "別の機体"}})).cardsLoaded,
        1);
    table.reset();

    for (const CardRecord* r :
         {&copy, &std::as_const(tableCopy).at(0, 0), static_cast<const CardRecord*>(&assigned)}) {
        EXPECT_EQ(r->faction, "連邦");
        EXPECT_EQ(r->cardNumber, "U-1");
        EXPECT_EQ(r->front.name, "ガンダム試作機");
        EXPECT_EQ(r->front.text, "長いテキスト\\r二行目");
        EXPECT_EQ(r->transformed.name, "ガンダム試作機 改");
        EXPECT_EQ(r->transformed.power, "5");
        EXPECT_EQ(r->charAge, "AD");
        EXPECT_TRUE(r->hasTransformedFace());
    }
    EXPECT_EQ(tableCopy.occupiedCount(), 1);
}

TEST(CardText, AssignedTextComparesAndCopies) {
    CardTable table;
    table.at(2, 0).faction = "ティターンズ";
    std::string name = "マルタ";
    table.at(2, 0).front.name = name;
    name = "changed";
    EXPECT_EQ(table.at(2, 0).faction, "ティターンズ");
    EXPECT_EQ(table.at(2, 0).front.name, std::string("マルタ"));
    EXPECT_EQ(table.at(2, 0).front.name, std::string_view("マルタ"));
    EXPECT_EQ(table.at(2, 0).front.name.str(), "マルタ");
    EXPECT_EQ(table.at(2, 0).front.name.size(), std::string("マルタ").size());
    EXPECT_TRUE(table.at(2, 0).occupied());
    EXPECT_FALSE(table.at(2, 1).occupied());
    EXPECT_TRUE(table.at(2, 1).faction.empty());

    CardRecord moved = std::move(table.at(2, 0));
    EXPECT_EQ(moved.faction, "ティターンズ");
    CardRecord& row = table.at(2, 1);
    row = moved;
    row.faction = row.faction.view().substr(0, 9);  // text taken from itself
    EXPECT_EQ(row.faction, "ティタ");
    EXPECT_EQ(moved.faction, "ティターンズ");
    row.faction.clear();
    EXPECT_FALSE(row.occupied());
}

TEST(LoadCardList, SlotsFactionChangesAndMaxExpansion) {
    CardTable table;
    const std::string bytes = Line({{1, "ティターンズ"}, {53, "3"}}) +
                              Line({{1, "ティターンズ"}, {53, "17"}}) +
                              Line({{1, "ザンスカール"}, {53, "5"}});
    LoadCardListBytes(table, bytes);
    EXPECT_EQ(table.at(2, 0).faction, "ティターンズ");
    EXPECT_EQ(table.at(2, 1).faction, "ティターンズ");
    EXPECT_EQ(table.at(2, 2).faction, "ザンスカール");
    EXPECT_EQ(table.FactionChangeCount, 1);
    EXPECT_EQ(table.MaxExpansion, 17);

    LoadCardListBytes(table, Line({{1, "ティターンズ"}}) + Line({{1, "連邦"}}) +
                                 Line({{1, "ティターンズ"}}) + Line({{1, "その他"}}));
    EXPECT_EQ(table.FactionChangeCount, 3);
    EXPECT_EQ(table.MaxExpansion, 0);
    // The second load cleared the first: slot 2 holds only its two new cards.
    EXPECT_TRUE(table.at(2, 1).occupied());
    EXPECT_FALSE(table.at(2, 2).occupied());
    EXPECT_EQ(table.at(6, 0).faction, "その他");
    EXPECT_EQ(table.occupiedCount(), 4);
}

// More damaged lists, cut, in UTF-8 and so on, are in CardListDamageTest.
TEST(LoadCardList, BadInputNeverCrashesAndKeepsEarlierCards) {
    const std::string card = Line();
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    struct Row {
        const char* name;
        std::string bytes;
        int cards;
    };
    const Row rows[] = {
        {"line of 1 MB of commas", card + std::string(1 << 20, ',') + "\r\n", 1},
        {"binary junk", card + junk, 1},
        {"nul bytes", card + std::string(100, '\0'), 1},
    };
    for (const Row& r : rows) {
        CardTable table;
        const LoadOutcome outcome = LoadCardListBytes(table, r.bytes);
        EXPECT_EQ(outcome.cardsLoaded, r.cards) << r.name;
        EXPECT_EQ(table.occupiedCount(), r.cards) << r.name;
    }
}

TEST(LoadCardList, UnreadableFileLeavesTableUntouched) {
    CardTable table;
    LoadCardListBytes(table, "#VERSION 7\r\n" + Line());
    const LoadOutcome outcome = LoadCardList(table, SVDB_TEST_DATA_DIR "/loader_absent.csv");
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(table.occupiedCount(), 1);
    EXPECT_EQ(table.ListVersion, "7");
    EXPECT_FALSE(LoadCardList(table, SVDB_TEST_DATA_DIR).opened);  // a folder
}

TEST(SampleCardList, LoadsCompletelyAndCoversTheFormat) {
    CardTable table;
    const LoadOutcome outcome = LoadCardList(table, SVDB_SOURCE_DIR "/data/SVANLIST.csv");
    ASSERT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.faultLine, 0) << outcome.fault;
    EXPECT_GE(outcome.cardsLoaded, 150);
    EXPECT_EQ(table.occupiedCount(), outcome.cardsLoaded);
    EXPECT_FALSE(table.ListVersion.empty());
    EXPECT_GT(table.MaxExpansion, 16);

    std::set<std::string> factions, types, rarities, prefixes;
    std::set<int> slots, expansions, shieldCodes, preventCodes, supplyCodes;
    int transformedFaces = 0, longTexts = 0, flavours = 0, characterCodes = 0;
    bool plainArmor = false, bracketArmor = false;
    // Each keyword column of the transformed face, by whether a card fills it.
    std::set<std::string> transformedKeywords;
    for (int slot = 0; slot < CardTable::kSlots; ++slot) {
        for (int row = 0; row < CardTable::kRows; ++row) {
            const CardRecord& r = table.at(slot, row);
            if (!r.occupied()) continue;
            slots.insert(slot);
            factions.insert(r.faction.str());
            types.insert(std::string(CardTypeOf(r.cardNumber)));
            rarities.insert(r.rare.str());
            prefixes.insert(
                std::string(r.cardNumber.view().substr(0, r.cardNumber.view().find('-') + 1)));
            expansions.insert(r.expansion);
            shieldCodes.insert(r.front.shieldLevel);
            preventCodes.insert(r.preventLevel);
            supplyCodes.insert(r.front.supplyLevel);
            transformedFaces += r.hasTransformedFace() ? 1 : 0;
            const CardFace& t = r.transformed;
            for (const auto& [word, filled] : {std::pair{"拠点", t.base},
                                               {"高機動", !t.highMobility.empty()},
                                               {"水", t.water},
                                               {"艦船", t.ship},
                                               {"大気圏突入", !t.atmosphereEntry.empty()},
                                               {"砂漠", t.desert},
                                               {"バルチャー", t.vulture},
                                               {"範囲兵器", !t.areaWeapon.empty()},
                                               {"変形", !t.transform.empty()}}) {
                if (filled) transformedKeywords.insert(word);
            }
            longTexts += r.front.text.view().find("\\r") != std::string::npos ? 1 : 0;
            flavours += r.front.flavor.empty() ? 0 : 1;
            if (CardTypeOf(r.cardNumber) == "CHARACTER") {
                characterCodes += !r.charGender.empty() && !r.charAge.empty() ? 1 : 0;
            }
            plainArmor = plainArmor || r.front.psArmor == 1;
            bracketArmor = bracketArmor || r.front.psArmor == 2;
        }
    }
    EXPECT_EQ(slots.size(), 7u);
    EXPECT_EQ(factions.size(), 11u);
    EXPECT_EQ(types,
              (std::set<std::string>{"UNIT", "CHARACTER", "COMMAND", "OPERATION", "GENERATION"}));
    EXPECT_EQ(rarities.size(), 4u);
    EXPECT_TRUE(prefixes.count("SP-") && prefixes.count("SPOL-") && prefixes.count("SPC-"));
    for (int e = 0; e <= 16; ++e) EXPECT_TRUE(expansions.count(e)) << e;
    EXPECT_TRUE(shieldCodes.count(102) && shieldCodes.count(131 + 1) && shieldCodes.count(3));
    EXPECT_TRUE(preventCodes.count(9));
    EXPECT_GT(supplyCodes.size(), 1u);
    EXPECT_TRUE(plainArmor && bracketArmor);
    EXPECT_GT(transformedFaces, 0);
    EXPECT_EQ(transformedKeywords.size(), 9u);
    EXPECT_GT(longTexts, 0);
    EXPECT_GT(flavours, 0);
    EXPECT_GT(characterCodes, 0);
}

}  // namespace
}  // namespace svdb
