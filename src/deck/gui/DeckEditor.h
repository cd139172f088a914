#pragma once

#include <QObject>
#include <QPoint>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "search/CardListRow.h"

class QTableView;

namespace svdb {

class DeckListModel;
class DeckModel;
class MainWindow;

// The deck editing commands of the main window and the behaviour of its two
// deck list views ListDeck_0 (main deck) and ListDeck_1 (side deck). Every
// rule lives in the deck model; this class reads the controls (the card
// list's current or selected rows, the option check marks at the moment of
// use), calls the model and gives the focus where it belongs.
//
// The deck views keep one selected row each, in step with the model's
// selected row both ways. On a deck view a click shows the card in the
// card-information panel, a double-click asks for the opening-hand chance,
// "D" removes one copy, the right button opens the pop-up menu, and a drag
// with the left button reorders the rows of one list: the entry lands just
// before the row it is dropped on. A drop on a row of the other list is not
// supported and says "未対応".
class DeckEditor : public QObject {
    Q_OBJECT

  public:
    // redrawTypeBars repaints the five type bars after an add.
    DeckEditor(MainWindow& window, DeckModel& deck, std::function<void()> redrawTypeBars,
               QObject* parent = nullptr);
    ~DeckEditor() override;

    // --- Commands ---
    // Add button: copies of the card list's current row to list, or, with
    // "マルチセレクト" on, of every selected card-list row from the top down
    // (each with its own count and limit); then the type bars are redrawn and
    // the focus goes back to the card list.
    void AddButton(int copies, int list);
    // Key "A" in the card list: one copy to the main deck as the ">" button
    // adds it, leaving the focus where it is.
    void AddByKey();
    // Double-click in the card list: one copy of the current row to the main
    // deck while the list has rows (the multi-select option plays no part).
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

    // Shows or hides the side deck with its total; the button caption names
    // what the next click does.
    void ToggleSideDeckView();
    bool sideDeckShown() const;

    // --- Deck view events ---
    // Click: shows the selected entry's card in the card-information panel.
    void ShowSelectedCard(int list);
    // Drop of a reorder drag on list, at its drop-highlighted row.
    void DropOn(int list);

    // Drag state: the list the left button was last pressed on, the row it
    // was pressed on, and whether a reorder drag is under way.
    int dragSourceList() const { return dragSourceList_; }
    std::optional<int> draggedRow() const { return draggedRow_; }
    bool dragging() const { return dragging_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableView* view(int list) const;
    DeckListModel* listModel(int list) const;
    CardListRow cardRowAt(int row) const;
    std::optional<CardListRow> currentCardRow() const;
    void addCopies(int copies, int list);
    void scrollToNewRow(int list, int row);

    void viewSelectionChanged(int list);
    void modelSelectionChanged(int list);

    // The deck list whose viewport is under a global position, or -1.
    int listAt(const QPoint& global) const;
    std::optional<int> rowAt(int list, const QPoint& global) const;
    bool mousePress(int list, int button, const QPoint& global);
    void mouseMove(const QPoint& global);
    void mouseRelease(const QPoint& global);
    void endGesture();

    MainWindow& window_;
    DeckModel& deck_;
    // The two lists and their viewports, kept from the start: events may
    // still arrive while a list is being destroyed, when it can no longer be
    // asked for its viewport.
    std::array<QObject*, 2> watchedViews_{};
    std::array<QObject*, 2> watchedViewports_{};
    std::function<void()> redrawTypeBars_;
    bool syncingSelection_ = false;

    int dragSourceList_ = 0;
    std::optional<int> draggedRow_;
    bool dragging_ = false;
    bool leftHeld_ = false;
    QPoint pressedAt_;
};

}  // namespace svdb
