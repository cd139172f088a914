#include "search/gui/CardListModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <numeric>
#include <string>

#include "catalogue/RowColour.h"

namespace svdb {

namespace {

const char* const kHeaders[CardListModel::kColumnCount] = {"勢力", "No.", "カード名", "拡張SET"};

const std::string& ColumnText(const CardListRow& row, int column) {
    switch (column) {
        case CardListModel::kFaction:
            return row.faction;
        case CardListModel::kCardNumber:
            return row.cardNumber;
        case CardListModel::kCardName:
            return row.cardName;
        default:
            return row.expansionName;
    }
}

}  // namespace

CardListModel::CardListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CardListModel::setRows(std::vector<CardListRow> rows) {
    std::vector<ListedCard> cards(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        cards[i].slot = -1;
        cards[i].row = -1;
        cards[i].texts = std::move(rows[i]);
    }
    swapCards(cards);
}

void CardListModel::swapCards(std::vector<ListedCard>& cards) {
    beginResetModel();
    cards_.swap(cards);
    resetOrder();
    endResetModel();
}

void CardListModel::resetOrder() {
    order_.resize(cards_.size());
    std::iota(order_.begin(), order_.end(), 0);
    if (sortColumn_ >= 0) sortOrder();
}

void CardListModel::sortOrder() {
    const int column = sortColumn_;
    // Texts compare by their characters' code points (UTF-8 bytes keep that
    // order), so "U-10" comes before "U-9".
    std::stable_sort(order_.begin(), order_.end(), [this, column](int a, int b) {
        return ColumnText(cards_[static_cast<std::size_t>(a)].texts, column) <
               ColumnText(cards_[static_cast<std::size_t>(b)].texts, column);
    });
}

int CardListModel::rowOfWalkPosition(int walkPosition) const {
    if (sortColumn_ < 0 && walkPosition >= 0 && walkPosition < rowCount() &&
        order_[static_cast<std::size_t>(walkPosition)] == walkPosition) {
        return walkPosition;  // the usual case: shown in walk order
    }
    const auto it = std::find(order_.begin(), order_.end(), walkPosition);
    return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

void CardListModel::columnClicked(int column) {
    if (column == lastSortColumn_) {
        sort(-1);
    } else {
        sort(column - 1);
    }
    lastSortColumn_ = column;
}

void CardListModel::sort(int column, Qt::SortOrder /*order*/) {
    if (column < 0 || column >= kColumnCount) {
        // Sorting off: the rows stay in the order they are shown in.
        sortColumn_ = -1;
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection and the current row follow their cards.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> walk;
    walk.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& i : before) walk.push_back(walkPosition(i.row()));

    sortColumn_ = column;
    sortOrder();

    std::vector<int> shownAt(order_.size());
    for (std::size_t row = 0; row < order_.size(); ++row) {
        shownAt[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k) {
        after.append(index(shownAt[static_cast<std::size_t>(walk[static_cast<std::size_t>(k)])],
                           before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CardListModel::setRowColouring(bool on) {
    if (on == rowColouring_) return;
    rowColouring_ = on;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                         {Qt::BackgroundRole});
    }
}

int CardListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cards_.size());
}

int CardListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CardListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) return {};
    const CardListRow& r = rowAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(ColumnText(r, index.column()));
        case Qt::BackgroundRole: {
            if (!rowColouring_) return {};
            const Rgb c = FactionRowColour(r.faction);
            return QBrush(QColor(c.r, c.g, c.b));
        }
        default:
            return {};
    }
}

QVariant CardListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= kColumnCount) return {};
    return QString::fromUtf8(kHeaders[section]);
}

}  // namespace svdb
