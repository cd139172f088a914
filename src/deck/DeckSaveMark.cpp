#include "deck/DeckSaveMark.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "catalogue/FactionNames.h"
#include "deck/DeckModel.h"

namespace svdb {

namespace {

// Equal rows in equal order, copies included, a short and a long faction
// name of the same faction counting as equal.
bool SameRows(const std::vector<DeckEntry>& a, const std::vector<DeckEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const DeckEntry& x, const DeckEntry& y) {
                          return x.copies == y.copies && x.cardNumber == y.cardNumber &&
                                 x.cardName == y.cardName &&
                                 (x.faction == y.faction ||
                                  LongFactionName(x.faction) == LongFactionName(y.faction));
                      });
}

}  // namespace

DeckSaveMark::DeckSaveMark(DeckModel& deck) : deck_(deck) {
    saved_ = DeckState{deck_.list(DeckModel::kMain).rows, deck_.list(DeckModel::kSide).rows};
    deck_.addObserver(this);
}

DeckSaveMark::~DeckSaveMark() {
    deck_.removeObserver(this);
}

void DeckSaveMark::setTitle(std::string title) {
    title_ = std::move(title);
    recount();
}

void DeckSaveMark::markSaved() {
    saved_ = DeckState{deck_.list(DeckModel::kMain).rows, deck_.list(DeckModel::kSide).rows};
    savedTitle_ = title_;
    recount();
}

void DeckSaveMark::markMainSaved() {
    saved_.mainRows = deck_.list(DeckModel::kMain).rows;
    recount();
}

void DeckSaveMark::rowInserted(int, int) {
    recount();
}
void DeckSaveMark::rowRemoved(int, int) {
    recount();
}
void DeckSaveMark::rowChanged(int, int) {
    recount();
}
void DeckSaveMark::rowMoved(int, int, int) {
    recount();
}
void DeckSaveMark::listReset(int) {
    recount();
}

void DeckSaveMark::recount() {
    const bool now = title_ != savedTitle_ ||
                     !SameRows(deck_.list(DeckModel::kMain).rows, saved_.mainRows) ||
                     !SameRows(deck_.list(DeckModel::kSide).rows, saved_.sideRows);
    if (now == changed_) return;
    changed_ = now;
    if (handler_) handler_();
}

}  // namespace svdb
