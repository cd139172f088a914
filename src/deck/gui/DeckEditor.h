#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CardRef.h"
#include "deck/DeckObserver.h"

class QTableView;
class QWidget;

namespace svdb {

class CardChoice;
class DeckHistory;
class DeckListModel;
class DeckModel;
class ProgramOptions;

// The deck editing commands and the behaviour of the two deck list views
// ListDeck_0 (main deck) and ListDeck_1 (side deck). Every rule lives in the
// deck model; this class takes the cards from the card list, the options at
// the moment of use and the row each command acts on (a view's selected
// row), calls the model and gives the focus where it belongs.
//
// Each command is one step of the deck history, when there is one.
//
// On a deck view a click shows the card, a double-click asks for the
// opening-hand chance, "D" or Delete removes one copy (when the entry goes,
// the nearest row is selected in its place), the right button asks for the
// pop-up menu, and a drag with the left button reorders the rows of one
// list: the entry lands just before the row it is dropped on. A drop on a
// row of the other list is not supported and says "未対応".
class DeckEditor : public QObject, private DeckObserver {
    Q_OBJECT

  public:
    // The views show the models; views, models, deck, options and cards
    // outlive the editor. Message boxes open over dialogParent.
    DeckEditor(DeckModel& deck, const ProgramOptions& options, CardChoice& cards,
               std::array<QTableView*, 2> views, std::array<DeckListModel*, 2> models,
               QWidget* dialogParent, QObject* parent = nullptr);
    ~DeckEditor() override;

    // The history that records each command as one step (none: nothing is
    // recorded). It outlives the editor.
    void setHistory(DeckHistory* history) { history_ = history; }

    // --- Commands ---
    // Add button: copies of the card list's current card to list, or, with
    // "マルチセレクト" on, of every selected card from the top down (each with
    // its own count and limit); then the focus goes back to the card list.
    void AddButton(int copies, int list);
    // Key "A" in the card list: one copy to the main deck as the ">" button
    // adds it, leaving the focus where it is.
    void AddByKey();
    // Double-click in the card list: one copy of the current card to the
    // main deck (the multi-select option plays no part).
    void AddByDoubleClick();
    void RemoveOneCopy(int list);
    void RemoveEntry(int list);
    // Asks before emptying both lists; anything but No clears them.
    void ClearDecksAfterAsking();
    // Moves one copy of the selected entry of the other list into toList.
    bool MoveOneCopy(int toList);
    // Copies the selected entry of fromList into toList (copies is lowered
    // when fewer were placed); true when copies were placed.
    bool AddSide(std::int16_t& copies, int toList, int fromList);

    // The selected row of a list's view, if one is.
    std::optional<int> selectedRow(int list) const;

    // --- Deck view events ---
    // Click: blanks the card-information panel and shows the selected
    // entry's card there.
    void ShowSelectedCard(int list);
    // Drop of a reorder drag on list, at its drop-highlighted row.
    void DropOn(int list);

    // Drag state: the list the left button was last pressed on, the row it
    // was pressed on, and whether a reorder drag is under way.
    int dragSourceList() const { return dragSourceList_; }
    std::optional<int> draggedRow() const { return draggedRow_; }
    bool dragging() const { return dragging_; }

  signals:
    void detailCleared();
    // A deck entry's card is to be shown in the card-information panel.
    void cardChosen(CardRef card);
    // A deck row was double-clicked.
    void openingChanceRequested(int list, int row);
    // The right button was pressed on a deck list with rows.
    void contextMenuRequested(const QPoint& globalPos);
    // An add or a move placed fewer copies than asked because of the copy
    // limit: the line that says so. Every command starts with an empty text:
    // a line shown for the last command goes.
    void limitNoticeChanged(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void rowAboutToBeRemoved(int list, int row) override;
    void addCopies(int copies, int list);
    // Starts a command: the last command's limit notice goes.
    void beginCommand();
    // Says which cards the copy limit held back (none: nothing).
    void reportLimited(const std::vector<std::string>& names);
    void scrollToNewRow(int list, int row);
    // Selects the row nearest to a removed one, or nothing in an empty list.
    void selectNearest(int list, int removedRow);

    // The deck list whose viewport is under a global position, or -1.
    int listAt(const QPoint& global) const;
    std::optional<int> rowAt(int list, const QPoint& global) const;
    bool mousePress(int list, int button, const QPoint& global);
    void mouseMove(const QPoint& global);
    void mouseRelease(const QPoint& global);
    void endGesture();

    DeckModel& deck_;
    const ProgramOptions& options_;
    CardChoice& cards_;
    std::array<QTableView*, 2> views_;
    std::array<DeckListModel*, 2> models_;
    QWidget* dialogParent_;
    // The two lists and their viewports, kept from the start: events may
    // still arrive while a list is being destroyed, when it can no longer be
    // asked for its viewport.
    std::array<QObject*, 2> watchedViews_{};
    std::array<QObject*, 2> watchedViewports_{};
    std::array<bool, 2> removingSelected_{};
    DeckHistory* history_ = nullptr;

    int dragSourceList_ = 0;
    std::optional<int> draggedRow_;
    bool dragging_ = false;
    bool leftHeld_ = false;
    QPoint pressedAt_;
};

}  // namespace svdb
