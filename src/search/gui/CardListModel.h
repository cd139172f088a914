#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "catalogue/CardRef.h"
#include "search/CardListRow.h"
#include "search/FilterWalk.h"

namespace svdb {

// The rows of the card list ListView1: one per card that passes the filter,
// shown in four columns. The rows are replaced all at once by each refill.
//
// Rows are kept in walk order (the order of the refill) and shown through an
// order table: while a column sort is on, the table is sorted by that
// column's text; when sorting is switched off the rows stay where they are
// until the next refill, which shows them in walk order again.
class CardListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kFaction = 0, kCardNumber = 1, kCardName = 2, kExpansion = 3, kColumnCount = 4 };

    // Column widths of the list in twips (15 twips are one pixel).
    static constexpr std::array<int, kColumnCount> kColumnTwips = {1050, 700, 4150, 900};
    // Width of the whole list in twips.
    static constexpr int kListTwips = 5900;

    explicit CardListModel(QObject* parent = nullptr);

    // Replaces every row by rows that stand for no catalogue card (their
    // card is not valid).
    void setRows(std::vector<CardListRow> rows);
    // Replaces every row by the cards of a walk, swapping storage with it: the
    // vector comes back holding the previous rows, whose buffers the next walk
    // reuses.
    void swapCards(std::vector<ListedCard>& cards);

    // The row shown at a 0-based position; the position must be valid.
    const CardListRow& rowAt(int row) const { return listedAt(row).texts; }
    // The catalogue card shown at a 0-based position; the position must be
    // valid.
    CardRef cardAt(int row) const {
        const ListedCard& c = listedAt(row);
        return CardRef{c.slot, c.row};
    }
    // Where the row shown at a 0-based position stands in walk order.
    int walkPosition(int row) const { return order_.at(static_cast<std::size_t>(row)); }
    // The 0-based position at which the row of a walk position is shown.
    int rowOfWalkPosition(int walkPosition) const;

    // --- Sorting by column ---
    // A click on the header of a 1-based column: the column clicked last time
    // switches sorting off (rows keep their order); any other column sorts by
    // its text, ascending. The column is remembered either way.
    void columnClicked(int column);
    // The 1-based column clicked last, 0 before the first click.
    int lastSortColumn() const { return lastSortColumn_; }
    // The 0-based column the rows are sorted by, or -1 while sorting is off.
    int sortColumn() const { return sortColumn_; }
    // Sorts by a 0-based column's text (stable, ascending), or switches
    // sorting off for a column of -1.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // --- Row colours ---
    // While on, every row has the background colour of its faction text.
    void setRowColouring(bool on);
    bool rowColouring() const { return rowColouring_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const ListedCard& listedAt(int row) const {
        return cards_[static_cast<std::size_t>(walkPosition(row))];
    }
    // Replaces the order table, after the cards were replaced.
    void resetOrder();
    void sortOrder();

    std::vector<ListedCard> cards_;  // walk order
    std::vector<int> order_;         // shown position -> walk position
    int sortColumn_ = -1;
    int lastSortColumn_ = 0;
    bool rowColouring_ = false;
};

}  // namespace svdb
