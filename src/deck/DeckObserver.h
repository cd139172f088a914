#pragma once

namespace svdb {

// Told by DeckModel about every change, at the moment it happens. list is 0
// (main deck) or 1 (side deck); rows are 0-based positions. Every insertion
// and removal is of one row. Each "AboutTo" call comes just before the model
// changes and its partner just after, with the same arguments.
class DeckObserver {
  public:
    virtual ~DeckObserver() = default;

    virtual void rowAboutToBeInserted(int /*list*/, int /*row*/) {}
    virtual void rowInserted(int /*list*/, int /*row*/) {}
    virtual void rowAboutToBeRemoved(int /*list*/, int /*row*/) {}
    virtual void rowRemoved(int /*list*/, int /*row*/) {}
    // A row's texts or copies changed in place.
    virtual void rowChanged(int /*list*/, int /*row*/) {}
    // The row at from moves so that it stands just before the row that is at
    // destination before the move (destination may be the row count). from
    // and destination are never equal, nor is destination from + 1.
    virtual void rowAboutToBeMoved(int /*list*/, int /*from*/, int /*destination*/) {}
    virtual void rowMoved(int /*list*/, int /*from*/, int /*destination*/) {}
    // The whole list is replaced (clearing, loading a deck).
    virtual void listAboutToBeReset(int /*list*/) {}
    virtual void listReset(int /*list*/) {}
    // The selected row of the list changed (also to none).
    virtual void selectionChanged(int /*list*/) {}
    // The stored total of the list changed.
    virtual void totalChanged(int /*list*/) {}
    // The counters or the faction bar changed, or the bar needs laying out
    // again; the type bars are redrawn from the main deck's rows.
    virtual void statsChanged() {}
    // Copies were added to or removed from the main deck and tallied: the
    // cost graph, while open, is redrawn.
    virtual void mainDeckTallied() {}
    // Both lists were cleared by ClearDecks: the draw simulator, while open,
    // is closed, and the type bars are cleared.
    virtual void decksCleared() {}
};

}  // namespace svdb
