#pragma once

#include <QAbstractTableModel>
#include <array>

namespace svdb {

// The rows of a deck list view (ListDeck_0 main deck, ListDeck_1 side deck):
// one per deck entry with its faction, number, name and copies. For now it
// carries the four column headers only; the rows come from the deck list.
class DeckListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kFaction = 0, kCardNumber = 1, kCardName = 2, kCopies = 3, kColumnCount = 4 };

    // Column widths of the list in twips (15 twips are one pixel).
    static constexpr std::array<int, kColumnCount> kColumnTwips = {750, 650, 3100, 400};
    // Width of the whole list in twips.
    static constexpr int kListTwips = 5250;

    explicit DeckListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
};

}  // namespace svdb
