#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

class DeckModel;

// Both deck lists as they stood at one moment.
struct DeckState {
    std::vector<DeckEntry> mainRows;
    std::vector<DeckEntry> sideRows;

    // Equal rows in equal order, copies included.
    bool sameAs(const DeckState& other) const;
};

// The undo and redo steps of the edits of one deck model. A step keeps both
// lists as they stood before (undo) or after (redo) an edit; stepping puts
// them back through DeckModel::ReplaceDecks, so the totals and the
// statistics are recounted from the rows as loading a deck recounts them.
//
// An edit is whatever runs while an Edit lives: the lists are taken when the
// outermost Edit begins and compared when it ends; an edit that changed
// nothing leaves no step. A new step drops the redo steps; past the depth
// the oldest step goes.
class DeckHistory {
  public:
    static constexpr std::size_t kDefaultDepth = 200;

    // The model outlives the history.
    explicit DeckHistory(DeckModel& deck, std::size_t depth = kDefaultDepth);
    DeckHistory(const DeckHistory&) = delete;
    DeckHistory& operator=(const DeckHistory&) = delete;

    // One edit for as long as it lives; Edits made while one lives belong to
    // it. A null history records nothing.
    class Edit {
      public:
        explicit Edit(DeckHistory* history);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

      private:
        DeckHistory* history_;
    };

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // Puts the lists back as they were before the last edit (or after the
    // last undone one); false, changing nothing, when there is none.
    bool Undo();
    bool Redo();

    // The faction texts of the kept steps follow the model's switch between
    // short and long faction names, so that a step never brings back the
    // other form.
    void ApplyShortFactionNames(bool shortNames);

    // Called whenever canUndo or canRedo may have changed.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    DeckState current() const;

  private:
    void begin();
    void end();
    void restore(std::deque<DeckState>& from, std::deque<DeckState>& to);
    void pushBounded(std::deque<DeckState>& steps, DeckState state);
    void changed() const;

    DeckModel& deck_;
    std::size_t depth_;
    std::deque<DeckState> undo_;
    std::deque<DeckState> redo_;
    int open_ = 0;
    DeckState before_;
    std::function<void()> changed_;
};

}  // namespace svdb
