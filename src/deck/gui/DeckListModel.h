#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "deck/DeckObserver.h"

namespace svdb {

class DeckModel;
struct DeckEntry;

// The rows of a deck list view (ListDeck_0 main deck, ListDeck_1 side deck):
// one per entry of one list of a DeckModel, in list order, with its faction,
// number, name and copies. It follows the deck model row by row through the
// observer calls, so views keep their selection and scroll position across
// edits. Each row's background is the row colour of its faction text.
class DeckListModel : public QAbstractTableModel, public DeckObserver {
    Q_OBJECT

  public:
    enum Column { kFaction = 0, kCardNumber = 1, kCardName = 2, kCopies = 3, kColumnCount = 4 };

    explicit DeckListModel(QObject* parent = nullptr);
    ~DeckListModel() override;

    // Shows list `list` (0 main, 1 side) of deck, which must outlive this
    // model or be detached first; nullptr detaches. The model resets.
    void setDeck(DeckModel* deck, int list);
    DeckModel* deck() const { return deck_; }
    int list() const { return list_; }

    // The entry shown in a row; the row must be valid.
    const DeckEntry& entryAt(int row) const;

    // The row drawn as the drop target of a drag, or none.
    void setDropHighlightRow(std::optional<int> row);
    std::optional<int> dropHighlightRow() const { return dropHighlight_; }

    // True between an "about to" call of the deck model and its partner.
    bool changing() const { return changing_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void rowAboutToBeInserted(int list, int row) override;
    void rowInserted(int list, int row) override;
    void rowAboutToBeRemoved(int list, int row) override;
    void rowRemoved(int list, int row) override;
    void rowChanged(int list, int row) override;
    void rowAboutToBeMoved(int list, int from, int destination) override;
    void rowMoved(int list, int from, int destination) override;
    void listAboutToBeReset(int list) override;
    void listReset(int list) override;

    bool mine(int list) const { return deck_ && list == list_; }

    DeckModel* deck_ = nullptr;
    int list_ = 0;
    std::optional<int> dropHighlight_;
    bool changing_ = false;
};

}  // namespace svdb
