#pragma once

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "catalogue/CardTable.h"
#include "catalogue/CardType.h"
#include "deck/DeckEntry.h"
#include "deck/DeckModel.h"
#include "files/DeckTextFile.h"
#include "stats/MainDeckStats.h"

namespace svdb::fuzz {

// A few cards, so that some rows read are tallied as cards of the catalogue.
inline const CardTable& FuzzTable() {
    static const CardTable table = [] {
        CardTable t;
        struct Card {
            int slot;
            const char* faction;
            const char* number;
            const char* name;
        };
        const Card cards[] = {{0, "連邦", "U-1", "レイヴン"},
                              {0, "連邦", "G-1", "連邦G"},
                              {1, "ジオン", "CH-2", "リオ"},
                              {5, "Seed", "C-7", "作戦"},
                              {6, "その他", "O-9", "基地"}};
        int next[CardTable::kSlots] = {};
        for (const Card& c : cards) {
            CardRecord& r = t.at(c.slot, next[c.slot]++);
            r.faction = c.faction;
            r.cardNumber = c.number;
            r.front.name = c.name;
        }
        return t;
    }();
    return table;
}

// Hands the rows read to a deck model, as opening the file in the window
// does, and checks what the window then shows: every total is the sum of its
// list's copies, and no row holds fewer than one copy. The deck text of the
// result is written too, as saving it would.
inline void CheckDeck(std::vector<DeckEntry> mainRows, std::vector<DeckEntry> sideRows,
                      std::string title) {
    DeckModel deck(FuzzTable());
    MainDeckStats stats(deck);
    deck.ReplaceDecks(std::move(mainRows), std::move(sideRows));
    for (int index : {DeckModel::kMain, DeckModel::kSide}) {
        long sum = 0;
        for (const DeckEntry& e : deck.list(index).rows) {
            FUZZ_CHECK(e.copies >= 1);
            sum += e.copies;
        }
        FUZZ_CHECK(sum == deck.total(index));
    }
    // The counters count main-deck copies of cards the catalogue holds.
    int types = 0;
    for (CardType type : {CardType::Unit, CardType::Character, CardType::Command,
                          CardType::Operation, CardType::Generation}) {
        FUZZ_CHECK(stats.stats().typeCount(type) >= 0);
        types += stats.stats().typeCount(type);
    }
    FUZZ_CHECK(types <= deck.total(DeckModel::kMain));
    const std::string bytes = DeckTextBytes(MakeDeckText(std::move(title), deck, stats.stats()));
    FUZZ_CHECK(!bytes.empty());
}

}  // namespace svdb::fuzz
