#pragma once

#include <string_view>

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
    // The stored total of the list changed.
    virtual void totalChanged(int /*list*/) {}
    // An add appended a new entry to the list: its view, when hidden, is
    // shown again.
    virtual void entryAppended(int /*list*/) {}
    // Copies of a main-deck entry were added or, with copies negative,
    // removed; faction is the text of the entry that changed. The statistics
    // (MainDeckStats) follow the main deck from this notice and statsReset
    // alone.
    virtual void copiesTallied(std::string_view /*faction*/, std::string_view /*cardNumber*/,
                               int /*copies*/) {}
    // The statistics start again from nothing (clearing, loading a deck).
    virtual void statsReset() {}
    // The counters or the faction bar changed, or the bar needs laying out
    // again; the type bars are redrawn from the main deck's rows. It comes
    // after every copiesTallied and statsReset of the operation has reached
    // every observer, so statistics read here are up to date whatever the
    // order the observers were added in.
    virtual void statsChanged() {}
    // Copies were added to or removed from the main deck and tallied: the
    // cost graph, while open, is redrawn.
    virtual void mainDeckTallied() {}
    // Both lists were cleared by ClearDecks: the draw simulator, while open,
    // is closed, and the type bars are cleared.
    virtual void decksCleared() {}
};

}  // namespace svdb
