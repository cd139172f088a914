#include "search/gui/CardListModel.h"

namespace svdb {

namespace {

const char* const kHeaders[CardListModel::kColumnCount] = {"勢力", "No.", "カード名", "拡張SET"};

}  // namespace

CardListModel::CardListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CardListModel::setRows(std::vector<CardListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int CardListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CardListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CardListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
    const CardListRow& r = rowAt(index.row());
    switch (index.column()) {
        case kFaction:
            return QString::fromStdString(r.faction);
        case kCardNumber:
            return QString::fromStdString(r.cardNumber);
        case kCardName:
            return QString::fromStdString(r.cardName);
        case kExpansion:
            return QString::fromStdString(r.expansionName);
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
