#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/CardInfoText.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {
namespace {

using namespace std::string_literals;

constexpr const char* kClosing = "―――――――――――――――――\r\n";

CardRecord& Card(CardTable& t, CardRef at, const char* number, const char* name) {
    CardRecord& r = t.at(at.slot, at.row);
    r.faction = "連邦";
    r.cardNumber = number;
    r.front.name = name;
    r.rare = "Rare";
    r.nationCost = 2;
    r.allCost = 15;
    r.resourceCost = "X";
    return r;
}

// One card of each type, the unit with a transformed face.
CardTable Catalogue() {
    CardTable t;
    CardRecord& unit = Card(t, {0, 0}, "U-1", "アルヴァ");
    unit.typeDetail = "宇宙・地球";
    unit.quick = true;
    unit.front.highMobility = "高機動";
    unit.front.transform = "変形";  // never part of the front's summary
    unit.front.text = "一行目\\r二行目"s;
    unit.front.flavor = "書かれない";
    unit.front.power = "4";
    unit.front.shoot = "3";
    unit.front.toughness = "*";
    unit.transformed.name = "アルヴァ （巡航形態）";
    unit.transformed.text = "巡航する";
    unit.transformed.power = "5";
    unit.transformed.shoot = "2";
    unit.transformed.toughness = "X";
    unit.transformed.transform = "変形";
    unit.expansion = 4;

    CardRecord& character = Card(t, {0, 1}, "CH-2", "リオ");
    character.charGender = "M";
    character.charAge = "AD";
    character.charKind = "NT";
    character.front.power = "1";
    character.front.shoot = "0";
    character.front.toughness = "2";

    Card(t, {2, 0}, "SPC-3", "奇襲").front.text = "敵軍ユニット１枚を破壊する。";
    Card(t, {2, 1}, "O-4", "基地").typeDetail = "配備";
    Card(t, {6, 7}, "G-5", "開拓民").support = true;
    Card(t, {6, 8}, "SPOL-6", "ステラ").typeDetail = "地球";
    return t;
}

std::string Info(const CardTable& t, CardRef card) {
    std::string out;
    WriteCardInfo(t, card, out);
    return out;
}

TEST(WriteCardInfo, BlockOfEachCardType) {
    const CardTable t = Catalogue();
    struct Row {
        const char* what;
        CardRef card;
        std::string block;
    };
    // clang-format off
    const Row rows[] = {
        {"unit with a transformed face", {0, 0},
         ".U-1　アルヴァ\r\nU-1　アルヴァ\r\nRare\r\nコスト： 2 / 15 /X\r\n"
         "種別：UNIT　地形適性： 宇宙・地球\r\nクイック 高機動 \r\n一行目\r\n二行目\r\n"
         "格闘 4/射撃 3/防御 *\r\n"
         "―変形―\r\nアルヴァ （巡航形態）\r\n変形 \r\n巡航する\r\n格闘 5/射撃 2/防御 X\r\n"s + kClosing},
        {"character: codes, no keywords, no text", {0, 1},
         ".CH-2　リオ\r\nCH-2　リオ\r\nRare\r\nコスト： 2 / 15 /X\r\n"
         "種別：CHARACTER　M AD NT\r\n格闘 1/射撃 0/防御 2\r\n"s + kClosing},
        {"command: the text, then the closing line", {2, 0},
         ".SPC-3　奇襲\r\nSPC-3　奇襲\r\nRare\r\nコスト： 2 / 15 /X\r\n"
         "種別：COMMAND\r\n敵軍ユニット１枚を破壊する。\r\n"s + kClosing},
        {"operation: the bare type word", {2, 1},
         ".O-4　基地\r\nO-4　基地\r\nRare\r\nコスト： 2 / 15 /X\r\n種別：OPERATION\r\n"s + kClosing},
        {"generation", {6, 7},
         ".G-5　開拓民\r\nG-5　開拓民\r\nRare\r\nコスト： 2 / 15 /X\r\n種別：GENERATION\r\n"
         "サポート \r\n"s + kClosing},
        {"SPOL- is a unit", {6, 8},
         ".SPOL-6　ステラ\r\nSPOL-6　ステラ\r\nRare\r\nコスト： 2 / 15 /X\r\n"
         "種別：UNIT　地形適性： 地球\r\n格闘 /射撃 /防御 \r\n"s + kClosing},
        {"an empty row", {3, 0}, ""},
        {"no card", {-1, -1}, ""},
    };
    // clang-format on
    for (const Row& r : rows) EXPECT_EQ(Info(t, r.card), r.block) << r.what;
}

TEST(WriteCardInfo, FileHoldsTheBlocksInOrderAsShiftJis) {
    namespace fs = std::filesystem;
    const CardTable t = Catalogue();
    // Long enough to be written in parts on a machine of several cores, and
    // not cut where two parts would look alike.
    std::vector<CardRef> cards;
    std::string blocks;
    for (int i = 0; i < 701; ++i) {
        cards.insert(cards.end(), {{2, 1}, {0, 0}, {3, 0}, {2, 1}});
        blocks += Info(t, {2, 1}) + Info(t, {0, 0}) + Info(t, {2, 1});
    }
    const std::string expected = ShiftJisCodec::encode(blocks);
    EXPECT_EQ(CardInfoFileBytes(t, cards), expected);
    EXPECT_EQ(CardInfoFileBytes(t, {}), "");

    const fs::path dir = fs::temp_directory_path() / "svdb_card_info_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "outest.txt").string();
    ASSERT_TRUE(WriteCardInfoFile(path, t, cards));
    EXPECT_EQ(ReadFileBytes(path), expected);
    std::string reason;
    EXPECT_FALSE(WriteCardInfoFile((dir / "none" / "outest.txt").string(), t, cards, &reason));
    EXPECT_FALSE(reason.empty());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace svdb
