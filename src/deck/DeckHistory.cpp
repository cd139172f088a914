#include "deck/DeckHistory.h"

#include <algorithm>
#include <utility>

#include "catalogue/FactionNames.h"
#include "deck/DeckModel.h"

namespace svdb {

namespace {

bool SameRows(const std::vector<DeckEntry>& a, const std::vector<DeckEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const DeckEntry& x, const DeckEntry& y) {
                          return x.identicalTo(y) && x.copies == y.copies;
                      });
}

void RewriteFactions(std::vector<DeckEntry>& rows, bool shortNames) {
    for (DeckEntry& e : rows)
        e.faction = shortNames ? ShortFactionName(e.faction) : LongFactionName(e.faction);
}

}  // namespace

bool DeckState::sameAs(const DeckState& other) const {
    return SameRows(mainRows, other.mainRows) && SameRows(sideRows, other.sideRows);
}

DeckHistory::DeckHistory(DeckModel& deck, std::size_t depth)
    : deck_(deck), depth_(std::max<std::size_t>(depth, 1)) {}

DeckHistory::Edit::Edit(DeckHistory* history) : history_(history) {
    if (history_) history_->begin();
}

DeckHistory::Edit::~Edit() {
    if (history_) history_->end();
}

DeckState DeckHistory::current() const {
    return DeckState{deck_.list(DeckModel::kMain).rows, deck_.list(DeckModel::kSide).rows};
}

void DeckHistory::begin() {
    if (open_++ == 0) before_ = current();
}

void DeckHistory::end() {
    if (--open_ > 0) return;
    if (before_.sameAs(current())) return;
    pushBounded(undo_, std::move(before_));
    before_ = {};
    redo_.clear();
    changed();
}

bool DeckHistory::Undo() {
    if (undo_.empty() || open_ > 0) return false;
    restore(undo_, redo_);
    return true;
}

bool DeckHistory::Redo() {
    if (redo_.empty() || open_ > 0) return false;
    restore(redo_, undo_);
    return true;
}

void DeckHistory::restore(std::deque<DeckState>& from, std::deque<DeckState>& to) {
    DeckState target = std::move(from.back());
    from.pop_back();
    pushBounded(to, current());
    deck_.ReplaceDecks(std::move(target.mainRows), std::move(target.sideRows));
    changed();
}

void DeckHistory::ApplyShortFactionNames(bool shortNames) {
    for (std::deque<DeckState>* steps : {&undo_, &redo_}) {
        for (DeckState& s : *steps) {
            RewriteFactions(s.mainRows, shortNames);
            RewriteFactions(s.sideRows, shortNames);
        }
    }
}

void DeckHistory::pushBounded(std::deque<DeckState>& steps, DeckState state) {
    steps.push_back(std::move(state));
    while (steps.size() > depth_) steps.pop_front();
}

void DeckHistory::changed() const {
    if (changed_) changed_();
}

}  // namespace svdb
