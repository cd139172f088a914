#include "catalogue/StringTable.h"

namespace svdb {

std::string_view StringTable::text(int id) {
    switch (id) {
        case 101:
            return "連邦";
        case 102:
            return "ジオン";
        case 103:
            return "ティターンズ";
        case 104:
            return "ネオジオン";
        case 105:
            return "∀";
        case 106:
            return "Ｗ";
        case 108:
            return "ザンスカール";
        case 109:
            return "クロスボーン";
        case 110:
            return "Ｘ";
        case 111:
            return "Seed";
        // Keyword rules paragraphs, shown by the help of the keyword check boxes.
        case 207:
            return "（常時）拠点を持つユニットは、自軍の配備エリアから移動できない。"
                   "このユニットは戦闘エリアに出撃できないが、防御ステップに限り、"
                   "隣接する戦闘エリアにいる敵軍ユニット１枚に、自身の射撃力に等しい"
                   "ダメージを与えることができる。";
        case 208:
            return "戦闘フェイズ≪０≫：自軍の配備エリアにいる、変形を持つユニット１枚を"
                   "ロールすることで、そのユニットを変形後の姿に裏返す。変形後の姿は、"
                   "変形前のカードに置かれていたコインとセットカードを引き継ぐ。"
                   "変形後の姿のユニットは、同じ手順で元の姿に戻すことができる。";
        case 209:
            return "（常時）クイックを持つカードは、自軍ターンの配備フェイズに加えて、"
                   "どちらのプレイヤーのターンでも、規定の国力を支払ってプレイできる。"
                   "ただし、ダメージ判定ステップの間はプレイできない。";
        case 210:
            return "（常時）艦船を持つユニットは、宇宙と地球のどちらの戦闘エリアにも出撃できる。"
                   "艦船を持つユニットにセットされたユニットは、そのターン、"
                   "戦闘修正の対象にならない。";
        case 211:
            return "（自動）サイコミュ（Ｘ）を持つユニットが戦闘エリアに出撃した時、"
                   "自軍の配備エリアにニュータイプのキャラクターがいる場合、"
                   "敵軍ユニット１枚にＸダメージを与える。この効果は１ターンに１回だけ"
                   "使用できる。";
        default:
            return {};
    }
}

}  // namespace svdb
