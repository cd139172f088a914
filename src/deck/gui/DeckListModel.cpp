#include "deck/gui/DeckListModel.h"

namespace svdb {

namespace {

const char* const kHeaders[DeckListModel::kColumnCount] = {"勢力", "No.", "カード名", "枚数"};

}  // namespace

DeckListModel::DeckListModel(QObject* parent) : QAbstractTableModel(parent) {}

int DeckListModel::rowCount(const QModelIndex&) const {
    return 0;
}

int DeckListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DeckListModel::data(const QModelIndex&, int) const {
    return {};
}

QVariant DeckListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= kColumnCount) return {};
    return QString::fromUtf8(kHeaders[section]);
}

}  // namespace svdb
