#pragma once

// A small catalogue and helpers shared by the deck and statistics tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/CardRef.h"
#include "catalogue/CardTable.h"
#include "deck/DeckEntry.h"
#include "deck/DeckModel.h"
#include "deck/DeckObserver.h"

namespace svdb::testing {

struct TestCard {
    int slot;
    const char* faction;
    const char* number;
    const char* name;
    const char* rare;
};

// Every card number occurs once in the whole catalogue, except the two グラナト,
// which share a name under different numbers.
inline const std::vector<TestCard>& TestCards() {
    static const std::vector<TestCard> cards{
        {0, "連邦", "U-1", "レイヴン", "Rare"},
        {0, "連邦", "CH-1", "リオ", "Uncommon"},
        {0, "連邦", "G-1", "連邦G", "Common"},
        {0, "連邦", "C-1", "作戦", "Special"},
        {0, "連邦", "O-1", "基地", "Common"},
        {1, "ジオン", "U-2", "グラナト", "Common"},
        {1, "ジオン", "U-3", "グラナト", "Common"},
        {1, "ジオン", "G-2", "ジオンG", "Uncommon"},
        {2, "ティターンズ", "U-4", "ヘルムート", "Uncommon"},
        {2, "ザンスカール", "CH-4", "マルタ", "Rare"},
        {3, "ネオジオン", "U-5", "ルキナ", "Rare"},
        {3, "クロスボーン", "C-5", "海賊", "Common"},
        {4, "∀", "U-6", "ソレイユ", "Rare"},
        {5, "Seed", "U-7", "スパーダ", "Rare"},
        {5, "Ｗ", "O-7", "コロニー", "Uncommon"},
        {6, "その他", "U-9", "ポッド", "Common"},
        {6, "謎", "U-10", "不明機", "Common"},
    };
    return cards;
}

inline CardTable MakeTestTable() {
    CardTable table;
    int next[CardTable::kSlots] = {};
    for (const TestCard& c : TestCards()) {
        CardRecord& r = table.at(c.slot, next[c.slot]++);
        r.faction = c.faction;
        r.cardNumber = c.number;
        r.rare = c.rare;
        r.front.name = c.name;
    }
    return table;
}

// Where MakeTestTable() puts the card of this number; an invalid CardRef for
// a number it does not hold.
inline CardRef Ref(std::string_view number) {
    int next[CardTable::kSlots] = {};
    for (const TestCard& c : TestCards()) {
        const int row = next[c.slot]++;
        if (number == c.number) return CardRef{c.slot, row};
    }
    return {};
}

inline DeckEntry Entry(const char* faction, const char* number, const char* name, int copies) {
    return DeckEntry{faction, number, name, static_cast<std::int16_t>(copies)};
}

inline bool SameRows(const std::vector<DeckEntry>& a, const std::vector<DeckEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!a[i].identicalTo(b[i]) || a[i].copies != b[i].copies) return false;
    return true;
}

inline std::string Describe(const std::vector<DeckEntry>& rows) {
    std::string s;
    for (const DeckEntry& e : rows)
        s += "[" + e.faction + " " + e.cardNumber + " " + e.cardName + " " +
             std::to_string(e.copies) + "]";
    return s;
}

// Keeps its own copy of both lists from the observer calls alone, the way a
// view model would, and checks that every "about to" call comes while the
// model is still unchanged.
class MirrorObserver : public DeckObserver {
  public:
    explicit MirrorObserver(const DeckModel& model) : model_(model) {
        for (int i : {0, 1}) mirror_[i] = model.list(i).rows;
    }

    const std::vector<DeckEntry>& rows(int list) const { return mirror_[list]; }
    bool inStep() const {
        return SameRows(mirror_[0], model_.list(0).rows) &&
               SameRows(mirror_[1], model_.list(1).rows);
    }
    std::vector<std::string> log;

    void rowAboutToBeInserted(int list, int row) override {
        checkUnchanged("insert");
        EXPECT_TRUE(row >= 0 && row <= Size(list));
        log.push_back("insert " + std::to_string(list) + " " + std::to_string(row));
    }
    void rowInserted(int list, int row) override {
        mirror_[list].insert(mirror_[list].begin() + row, model_.list(list).rows.at(row));
    }
    void rowAboutToBeRemoved(int list, int row) override {
        checkUnchanged("remove");
        EXPECT_TRUE(row >= 0 && row < Size(list));
        log.push_back("remove " + std::to_string(list) + " " + std::to_string(row));
    }
    void rowRemoved(int list, int row) override {
        mirror_[list].erase(mirror_[list].begin() + row);
    }
    void rowChanged(int list, int row) override {
        ASSERT_TRUE(row >= 0 && row < Size(list));
        mirror_[list][row] = model_.list(list).rows.at(row);
        log.push_back("change " + std::to_string(list) + " " + std::to_string(row));
    }
    void rowAboutToBeMoved(int list, int from, int destination) override {
        checkUnchanged("move");
        EXPECT_TRUE(from >= 0 && from < Size(list));
        EXPECT_TRUE(destination >= 0 && destination <= Size(list));
        EXPECT_NE(destination, from);
        EXPECT_NE(destination, from + 1);
        log.push_back("move " + std::to_string(list) + " " + std::to_string(from) + " " +
                      std::to_string(destination));
    }
    void rowMoved(int list, int from, int destination) override {
        auto& v = mirror_[list];
        DeckEntry e = v[from];
        v.erase(v.begin() + from);
        v.insert(v.begin() + (destination > from ? destination - 1 : destination), e);
    }
    void listAboutToBeReset(int list) override { log.push_back("reset " + std::to_string(list)); }
    void listReset(int list) override { mirror_[list] = model_.list(list).rows; }
    void totalChanged(int list) override { log.push_back("total " + std::to_string(list)); }
    void copiesTallied(std::string_view faction, std::string_view cardNumber, int copies) override {
        log.push_back("tally " + std::string(faction) + " " + std::string(cardNumber) + " " +
                      std::to_string(copies));
    }
    void statsReset() override { log.push_back("stats reset"); }
    void statsChanged() override { log.push_back("stats"); }
    void mainDeckTallied() override { log.push_back("tallied"); }
    void decksCleared() override { log.push_back("cleared"); }

  private:
    int Size(int list) const { return static_cast<int>(mirror_[list].size()); }
    void checkUnchanged(const char* what) {
        EXPECT_TRUE(inStep()) << "model changed before the " << what << " notice";
    }

    const DeckModel& model_;
    std::vector<DeckEntry> mirror_[2];
};

}  // namespace svdb::testing
