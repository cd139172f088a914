#pragma once

#include <functional>
#include <string>

#include "deck/DeckHistory.h"
#include "deck/DeckObserver.h"

namespace svdb {

class DeckModel;

// Whether the deck changed since it was last opened or saved: both lists and
// the deck title, compared with how they stood then. Going back to that state
// (by undo, or by editing the title back) makes the deck unchanged again.
// Faction texts compare in either form, so switching short faction names
// changes nothing.
//
// The lists are compared again when the model says a row or a list changed;
// the title is told through setTitle. A new mark starts unchanged: the deck
// as it stands under an empty title.
class DeckSaveMark : private DeckObserver {
  public:
    // The model outlives the mark.
    explicit DeckSaveMark(DeckModel& deck);
    ~DeckSaveMark() override;
    DeckSaveMark(const DeckSaveMark&) = delete;
    DeckSaveMark& operator=(const DeckSaveMark&) = delete;

    // The deck title as it now stands.
    void setTitle(std::string title);

    // A file now holds the deck as it stands: both lists and the title (a
    // deck opened, or saved as deck text).
    void markSaved();
    // A file now holds the main deck as it stands, and nothing else (a
    // comma-separated deck file): the side deck and the title keep their
    // marks.
    void markMainSaved();

    bool changed() const { return changed_; }

    // Called whenever changed() turns.
    void setChangedHandler(std::function<void()> handler) { handler_ = std::move(handler); }

  private:
    void rowInserted(int list, int row) override;
    void rowRemoved(int list, int row) override;
    void rowChanged(int list, int row) override;
    void rowMoved(int list, int from, int destination) override;
    void listReset(int list) override;

    void recount();

    DeckModel& deck_;
    DeckState saved_;
    std::string savedTitle_;
    std::string title_;
    bool changed_ = false;
    std::function<void()> handler_;
};

}  // namespace svdb
