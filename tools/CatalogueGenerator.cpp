#include "CatalogueGenerator.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CardListLoader.h"
#include "text/LineWriter.h"

namespace svdb {

namespace {

constexpr std::array<std::string_view, 2> kSlotFactions[7] = {
    {"連邦", "連邦"},
    {"ジオン", "ジオン"},
    {"ティターンズ", "ザンスカール"},
    {"ネオジオン", "クロスボーン"},
    {"∀", "Ｘ"},
    {"Ｗ", "Seed"},
    {"その他", "その他"},
};

constexpr std::string_view kNameParts[] = {
    "アルヴァ",   "ステラ", "ゼファー", "カリス",  "ノルン",   "ヴェガ",   "ラグナ",
    "シリウス",   "改",     "試作型",   "重装",    "先行量産", "指揮官機", "ミラージュ",
    "フェンリル", "ガルム", "タイプＢ", "Ｍｋ－Ⅱ", "蒼天",     "紅蓮",     "迅雷",
};

constexpr std::string_view kTextWords[] = {
    "このカードが",
    "戦闘エリアにいる場合、",
    "自軍",
    "敵軍",
    "ユニット",
    "１枚を",
    "破壊する。",
    "ロールする。",
    "本国の上のカード",
    "手札に移す。",
    "ターン終了時まで",
    "＋１／＋１／＋１を得る。",
    "捨て山から",
    "ダメージを与える。",
    "配備フェイズ",
    "リロールする。",
    "キャラクター",
    "セットする。",
    "廃棄エリア",
    "国力",
    "～",
    "①",
    "―",
    "×２",
    "「",
    "」",
    "このターン、",
    "選んだ",
    "プレイできない。",
    "防御ステップ",
};

constexpr std::string_view kFlavorWords[] = {
    "静かな", "宇宙に", "星の",   "記憶が", "流れる。", "誰も", "知らない", "戦いの",
    "果てに", "光が",   "残る。", "約束の", "場所で",   "彼は", "待つ。",
};

constexpr std::string_view kRarities[] = {"Common", "Uncommon", "Rare", "Special"};
constexpr std::string_view kNumberPrefixes[] = {"U-",  "U-", "U-",   "SP-", "SPOL-", "CH-",
                                                "CH-", "C-", "SPC-", "O-",  "G-"};
constexpr std::string_view kTerrains[] = {"宇宙・地球", "地球", "宇宙", "宇宙・地球（水中）"};
constexpr std::string_view kOperations[] = {"配備", "特殊", "戦略"};
constexpr std::string_view kValues[] = {"0", "1", "2", "3", "4", "5", "6", "*", "X"};

class CardWriter {
  public:
    explicit CardWriter(unsigned seed) : rng_(seed) {}

    std::string card(std::string_view faction, int index) {
        const std::string_view prefix = pick(kNumberPrefixes);
        const bool unit = prefix == "U-" || prefix == "SP-" || prefix == "SPOL-";
        const bool character = prefix == "CH-";
        std::vector<std::string> f(53);
        const std::string name = words(kNameParts, 2, 4, "");
        f[0] = faction;
        f[1] = std::string(prefix) + std::to_string(index + 1);
        f[2] = name;
        f[3] = pick(kRarities);
        f[4] = std::to_string(uniform(0, 4));
        f[5] = std::to_string(uniform(0, 9));
        f[6] = pick(kValues);
        if (unit) f[7] = pick(kTerrains);
        if (prefix == "O-") f[7] = pick(kOperations);
        const auto maybe = [&](int percent, std::string_view text) {
            return uniform(0, 99) < percent ? std::string(text) : std::string();
        };
        f[8] = uniform(0, 19) == 0 ? "【PS装甲】" : maybe(6, "PS装甲");
        f[9] = maybe(5, "バルチャー");
        f[10] = maybe(5, "サポート");
        f[11] = uniform(0, 19) == 0 ? "プリベント(X)" : maybe(5, "プリベント(" + digit() + ")");
        f[12] = maybe(8, "強襲");
        f[13] = maybe(8, "速攻");
        f[14] = maybe(4, "タイヤ(" + digit() + ")");
        f[15] = maybe(3, "家名");
        const int shield = uniform(0, 29);
        if (shield == 0) f[16] = "特殊シールド(" + digit() + ")";
        if (shield == 1) f[16] = "【特殊シールド(" + digit() + ")】";
        if (shield == 2) f[16] = "《(" + digit() + ")》特殊シールド(" + digit() + ")";
        f[17] = maybe(6, "クイック");
        f[18] = maybe(5, "大気圏突入");
        f[19] = maybe(4, "範囲兵器(" + digit() + ")");
        f[20] = maybe(5, "砂漠");
        f[21] = maybe(4, "艦船用修正(+1/+1/+1)");
        f[22] = maybe(5, "水");
        f[23] = maybe(4, "サイコミュ(" + digit() + ")");
        f[24] = maybe(4, "拠点");
        const bool transforms = unit && uniform(0, 9) == 0;
        if (transforms) f[25] = "変形";
        f[26] = maybe(6, "高機動");
        f[27] = maybe(6, "艦船");
        f[28] = maybe(4, "補給(" + digit() + ")");
        f[29] = maybe(3, "コロニー");
        f[30] = text(20, 60);
        f[31] = uniform(0, 2) == 0 ? words(kFlavorWords, 4, 12, "") : std::string();
        if (unit) {
            f[32] = pick(kValues);
            f[33] = pick(kValues);
            f[34] = pick(kValues);
        }
        if (transforms) {
            f[35] = "（" + words(kNameParts, 1, 2, "") + "）";
            f[36] = text(10, 30);
            f[37] = pick(kValues);
            f[38] = pick(kValues);
            f[39] = pick(kValues);
            f[40] = maybe(10, "拠点");
            f[41] = "変形";
            f[42] = maybe(30, "高機動");
            f[43] = maybe(10, "水");
            f[44] = maybe(10, "艦船");
            f[45] = maybe(10, "大気圏突入");
            f[46] = maybe(10, "砂漠");
            f[47] = maybe(10, "バルチャー");
            f[48] = maybe(10, "範囲兵器(1)");
        }
        if (character) {
            f[49] = uniform(0, 1) == 0 ? "M" : "F";
            f[50] = uniform(0, 1) == 0 ? "AD" : "ch";
            f[51] = uniform(0, 2) == 0 ? "NT" : uniform(0, 1) == 0 ? "CO" : "";
        }
        f[52] = std::to_string(uniform(0, 17));
        std::string line;
        for (const std::string& field : f) {
            line += field;
            line += ',';
        }
        return line;
    }

  private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::string digit() { return std::to_string(uniform(1, 5)); }

    template <std::size_t N>
    std::string_view pick(const std::string_view (&list)[N]) {
        return list[static_cast<std::size_t>(uniform(0, static_cast<int>(N) - 1))];
    }

    template <std::size_t N>
    std::string words(const std::string_view (&list)[N], int least, int most,
                      std::string_view separator) {
        std::string out;
        const int n = uniform(least, most);
        for (int i = 0; i < n; ++i) {
            if (i > 0) out += separator;
            out += pick(list);
        }
        return out;
    }

    // Rules text of some words, cut into paragraphs by the "\r" line mark.
    std::string text(int least, int most) {
        std::string out;
        const int n = uniform(least, most);
        for (int i = 0; i < n; ++i) {
            if (i > 0 && uniform(0, 11) == 0) out += "\\r";
            out += pick(kTextWords);
        }
        return out;
    }

    std::mt19937 rng_;
};

}  // namespace

std::string GenerateCatalogueBytes(int cardsPerSlot, unsigned seed) {
    cardsPerSlot = std::clamp(cardsPerSlot, 0, 501);
    CardWriter writer(seed);
    LineWriter lines;
    lines.add("#VERSION 2031.04.01,generated");
    lines.add("#COMMENT synthetic card list");
    for (const auto& factions : kSlotFactions) {
        for (int i = 0; i < cardsPerSlot; ++i) {
            // Slots of two factions list the first one's cards, then the second's.
            const std::string_view faction = i < cardsPerSlot / 2 ? factions[0] : factions[1];
            lines.add(writer.card(faction, i));
        }
    }
    return lines.bytes();
}

CardTable& GeneratedCatalogue() {
    static CardTable* const table = [] {
        auto* t = new CardTable;
        LoadCardListBytes(*t, GenerateCatalogueBytes());
        return t;
    }();
    return *table;
}

}  // namespace svdb
