#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

#include "catalogue/CardRef.h"
#include "search/FilterWalk.h"

class QTableView;

namespace svdb {

class CardListModel;

// Drives the card list ListView1: refills it from the filter, sorts it on a
// column click, shows the card of a clicked row or of the row the arrow keys
// move to, moves between faction groups with Shift+Up and Shift+Down, goes
// to the first and the last row with Home and End, and
// reports the double-click, the key "A" and the right-button press to the
// window, which owns the card-information panel, the deck commands and the
// pop-up menu.
//
// Shift+Up and Shift+Down always go by the walk order of the last refill, the
// order its faction groups describe: they land on the first card of the group
// before or after the selected card's group in that order. While a column
// sort is on (or after it was switched off, until the next refill) that card
// may be shown anywhere in the list; the selection jumps to it.
class CardListController : public QObject {
    Q_OBJECT

  public:
    // The view must show the model; both outlive the controller.
    CardListController(QTableView* view, CardListModel* model, QObject* parent = nullptr);

    // Lists the cards of the table that pass the filter, and returns how many
    // were listed. The sort state survives; the selection does not.
    int refill(const CardTable& table, const FilterState& state, const SearchTexts& texts);
    // Faction group table of the last refill (see FilterWalkResult).
    const std::vector<std::int16_t>& groupStart() const { return walk_.groupStart; }

    // The pending arrow-key move (kNavNone .. kNavGroupDown).
    int navMode() const { return navMode_; }

    // A click on the header of a 1-based column: sorts by it or switches
    // sorting off, and shows the sort indicator.
    void columnClicked(int column);

    // Blanks the card-information panel and, when a row is selected, shows the
    // card of the row that navMode leads to (selecting it for a group move).
    void showCard(int navMode);

  signals:
    void clearDetailRequested();
    void showDetailRequested(CardRef card);
    // A row was double-clicked.
    void rowDoubleClicked();
    // The key "A" was pressed in the list.
    void keyAPressed();
    // The right mouse button was pressed on the list, at a global position.
    void contextMenuRequested(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // 1-based position of the selected (current) row, 0 when none is.
    int selectedRow() const;
    void selectRow(int row);
    bool keyPressed(int key, bool shift);
    void updateSortIndicator();
    // Carries out the layout a model reset leaves pending.
    void layOutNow();
    // Gives the card name the width of the viewport less the other columns.
    void fitCardNameColumn();

    QTableView* view_;
    // Kept from the start: events may still arrive while the view is being
    // destroyed, when it can no longer be asked for its viewport.
    QWidget* viewport_;
    CardListModel* model_;
    FilterWalkResult walk_;  // groups of the last refill; its rows are the model's old ones
    int navMode_ = 0;
};

}  // namespace svdb
