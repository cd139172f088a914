#!/usr/bin/env python3
"""Writes the sample card list data/SVANLIST.csv.

Every card, name and text here is invented. The script prints UTF-8 with
CR LF line ends; the caller encodes it:

    python3 tools/make_sample_list.py | iconv -f UTF-8 -t CP932 > data/SVANLIST.csv
"""
import random
import sys

rng = random.Random(20310401)

FACTIONS = [
    ("連邦", 24), ("ジオン", 24), ("ティターンズ", 12), ("ザンスカール", 12),
    ("ネオジオン", 12), ("クロスボーン", 12), ("∀", 12), ("Ｘ", 12),
    ("Ｗ", 12), ("Seed", 12), ("その他", 16),
]
RARITIES = ["Common", "Uncommon", "Rare", "Special"]
UNIT_PREFIXES = ["U-", "U-", "U-", "SP-", "SPOL-"]
TYPE_CYCLE = ["UNIT", "UNIT", "CHARACTER", "COMMAND", "UNIT", "OPERATION",
              "GENERATION", "UNIT", "CHARACTER", "COMMAND"]

MECHA_A = ["アルヴァ", "ステラ", "ゼファー", "カリス", "ノルン", "ヴェガ", "ラグナ",
           "シリウス", "オルカ", "グリフ", "ハルシオン", "ミストラル", "ティグル", "ベルクート"]
MECHA_B = ["", "改", "重装型", "先行量産型", "指揮官機", "Ｍｋ－Ⅱ", "タイプＳ", "強行偵察型",
           "宙間戦仕様", "砂漠戦仕様"]
SHIPS = ["ノーザンクロス", "アストレア", "ヴァルハラ", "セレスティア", "ミネルヴァ"]
GIVEN = ["カイ", "ミレイ", "ジーク", "ロウナ", "セツ", "ハルト", "エリン", "ユーリ",
         "ナギ", "トーマ", "リゼ", "オルガ", "フィン", "シオン"]
FAMILY = ["・アークライト", "・ヴァレンタイン", "・クロフォード", "・シュトラール", "・ミナカタ", ""]
COMMANDS = ["緊急発進", "星海の誓い", "静寂の索敵", "最後の補給線", "反撃の狼煙", "蒼き残光",
            "決死の降下", "凍てつく沈黙", "偽りの停戦", "光芒の彼方"]
OPERATIONS = ["月面工廠", "軌道防衛網", "前線補給基地", "秘密研究所", "中立コロニー群"]
GENERATIONS = ["辺境の開拓民", "流浪の整備士", "星を継ぐ子供たち", "沈黙の議会"]

PHRASES = [
    "このカードが戦闘エリアにいる場合、", "自軍ユニット１枚は、ターン終了時まで＋１／＋１／＋１を得る。",
    "敵軍ユニット１枚に２ダメージを与える。", "自軍本国の上のカード１枚を手札に移す。",
    "（自軍防御ステップ）：このカードをロールする。", "敵軍キャラクター１枚を破壊する。",
    "自軍廃棄エリアにあるユニット１枚を本国の下に移す。", "このターン、敵軍はカードをプレイできない。",
    "国力～２を支払う。", "①自軍の捨て山の上のカード３枚を見る。", "セットカード１枚を外す。",
    "ダメージ×２を与える。", "（戦闘フェイズ）：自軍ユニット１枚をリロールする。",
]
FLAVORS = [
    "「星の海は、誰のものでもない」", "あの日の約束を、彼はまだ覚えている。",
    "静かな軌道の上で、最後の灯が揺れていた。", "―それは、忘れられた戦争の記録。",
    "「帰る場所があるから、戦える」", "誰も知らない航路の先に、新しい夜明けが待つ。",
]
TERRAINS = ["宇宙・地球", "地球", "宇宙", "宇宙・地球（水中）"]
OP_KINDS = ["配備", "特殊", "戦略"]
VALUES = ["0", "1", "2", "3", "4", "5", "6", "*", "X"]


def text(least, most, marks=True):
    n = rng.randint(least, most)
    parts = []
    for i in range(n):
        if i and marks and rng.random() < 0.3:
            parts.append("\\r")
        parts.append(rng.choice(PHRASES))
    return "".join(parts)


def name_of(kind):
    if kind == "UNIT":
        return rng.choice(MECHA_A) + rng.choice(MECHA_B)
    if kind == "CHARACTER":
        return rng.choice(GIVEN) + rng.choice(FAMILY)
    if kind == "COMMAND":
        return rng.choice(COMMANDS)
    if kind == "OPERATION":
        return rng.choice(OPERATIONS)
    return rng.choice(GENERATIONS)


# Keyword columns (0-based field index) and a value; each is used by at least
# one card, spread over the list.
FRONT_KEYWORDS = [
    (8, "PS装甲"), (8, "【PS装甲】"), (9, "バルチャー"), (10, "サポート"),
    (11, "プリベント(2)"), (11, "プリベント(X)"), (12, "強襲"), (13, "速攻"),
    (14, "タイヤ(2)"), (15, "家名"), (16, "特殊シールド(3)"), (16, "【特殊シールド(2)】"),
    (16, "《(1)》特殊シールド(2)"), (16, "【特殊シールド(X)】"), (17, "クイック"),
    (18, "大気圏突入"), (18, "宇宙用大気圏突入"), (19, "範囲兵器(3)"), (20, "砂漠"),
    (21, "艦船用修正(+1/+0/+1)"), (22, "水"), (23, "サイコミュ(2)"), (24, "拠点"),
    (26, "高機動"), (26, "超高機動"), (27, "艦船"), (28, "補給(1)"), (28, "補給(X)"),
    (29, "コロニー"),
]
# Keyword columns of the transformed face; the transformed cards take them in
# turn, every other one a second as well, so each is used more than once.
TRANSFORMED_KEYWORDS = [
    (40, "拠点"), (42, "高機動"), (43, "水"), (44, "艦船"), (45, "大気圏突入"),
    (46, "砂漠"), (47, "バルチャー"), (48, "範囲兵器(2)"),
]


def main():
    out = ["#VERSION 2031.04.01,sample", "#COMMENT 架空のカードによる見本のカードリスト"]
    serial = {}
    index = 0
    transformed = 0
    for faction, count in FACTIONS:
        for k in range(count):
            kind = TYPE_CYCLE[(index + k) % len(TYPE_CYCLE)]
            f = [""] * 53
            prefix = {"UNIT": rng.choice(UNIT_PREFIXES), "CHARACTER": "CH-",
                      "COMMAND": rng.choice(["C-", "C-", "SPC-"]), "OPERATION": "O-",
                      "GENERATION": "G-"}[kind]
            serial[prefix] = serial.get(prefix, 0) + 1
            f[0] = faction
            f[1] = "%s%d" % (prefix, serial[prefix])
            f[2] = name_of(kind)
            f[3] = RARITIES[(index + k) % 4]
            f[4] = str(rng.randint(0, 3))
            f[5] = str(rng.randint(1, 7))
            f[6] = rng.choice(VALUES)
            if kind == "UNIT":
                f[7] = rng.choice(TERRAINS)
                f[32], f[33], f[34] = (rng.choice(VALUES) for _ in range(3))
            if kind == "OPERATION":
                f[7] = rng.choice(OP_KINDS)
            if kind == "CHARACTER":
                f[49] = rng.choice(["M", "F"])
                f[50] = rng.choice(["AD", "CH", "ad"])
                f[51] = rng.choice(["NT", "CO", ""])
            long_text = (index + k) % 9 == 0
            f[30] = text(4, 8) if long_text else text(1, 3, marks=False)
            if rng.random() < 0.4:
                f[31] = rng.choice(FLAVORS)
            # Keywords: the fixed list in turn, plus a random extra now and then.
            n = index + k
            col, value = FRONT_KEYWORDS[n % len(FRONT_KEYWORDS)]
            f[col] = value
            if rng.random() < 0.3:
                col, value = rng.choice(FRONT_KEYWORDS)
                if not f[col]:
                    f[col] = value
            if kind == "UNIT" and n % 5 == 0:
                f[25] = "変形"
                f[35] = "（" + rng.choice(["巡航形態", "強襲形態", "ＭＡ形態", "重爆形態"]) + "）"
                f[36] = text(1, 3)
                f[37], f[38], f[39] = (rng.choice(VALUES) for _ in range(3))
                f[41] = "変形"
                for extra in (0, 3) if transformed % 2 else (0,):
                    k = (transformed + extra) % len(TRANSFORMED_KEYWORDS)
                    col, value = TRANSFORMED_KEYWORDS[k]
                    f[col] = value
                transformed += 1
            f[52] = str(n % 17) if n != 77 else "18"
            out.append(",".join(f) + ",")
        index += count
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode("utf-8"))


main()
