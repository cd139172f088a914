#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "search/CardListRow.h"

namespace svdb {

// The rows of the card list ListView1: one per card that passes the filter,
// shown in four columns. The rows are replaced all at once by each refill.
class CardListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kFaction = 0, kCardNumber = 1, kCardName = 2, kExpansion = 3, kColumnCount = 4 };

    // Column widths of the list in twips (15 twips are one pixel).
    static constexpr std::array<int, kColumnCount> kColumnTwips = {1050, 700, 4150, 900};
    // Width of the whole list in twips.
    static constexpr int kListTwips = 5900;

    explicit CardListModel(QObject* parent = nullptr);

    // Replaces every row.
    void setRows(std::vector<CardListRow> rows);
    const std::vector<CardListRow>& rows() const { return rows_; }
    // The row at a 0-based position; the position must be valid.
    const CardListRow& rowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<CardListRow> rows_;
};

}  // namespace svdb
