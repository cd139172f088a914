#include "deck/gui/DeckListModel.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

#include "catalogue/RowColour.h"
#include "deck/DeckModel.h"

namespace svdb {

namespace {

const char* const kHeaders[DeckListModel::kColumnCount] = {"勢力", "No.", "カード名", "枚数"};

}  // namespace

DeckListModel::DeckListModel(QObject* parent) : QAbstractTableModel(parent) {}

DeckListModel::~DeckListModel() {
    if (deck_) deck_->removeObserver(this);
}

void DeckListModel::setDeck(DeckModel* deck, int list) {
    beginResetModel();
    if (deck_) deck_->removeObserver(this);
    deck_ = deck;
    list_ = list == DeckModel::kSide ? DeckModel::kSide : DeckModel::kMain;
    dropHighlight_.reset();
    if (deck_) deck_->addObserver(this);
    endResetModel();
}

const DeckEntry& DeckListModel::entryAt(int row) const {
    return deck_->list(list_).rows.at(static_cast<std::size_t>(row));
}

void DeckListModel::setDropHighlightRow(std::optional<int> row) {
    if (row && (*row < 0 || *row >= rowCount())) row.reset();
    if (row == dropHighlight_) return;
    const std::optional<int> before = dropHighlight_;
    dropHighlight_ = row;
    for (const std::optional<int>& r : {before, row}) {
        if (r) emit dataChanged(index(*r, 0), index(*r, kColumnCount - 1));
    }
}

int DeckListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !deck_) return 0;
    return deck_->list(list_).size();
}

int DeckListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DeckListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) return {};
    const DeckEntry& e = entryAt(index.row());
    const bool dropTarget = dropHighlight_ == index.row();
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kFaction:
                    return QString::fromStdString(e.faction);
                case kCardNumber:
                    return QString::fromStdString(e.cardNumber);
                case kCardName:
                    return QString::fromStdString(e.cardName);
                case kCopies:
                    return QString::number(e.copies);
                default:
                    return {};
            }
        case Qt::BackgroundRole: {
            if (dropTarget) return QApplication::palette().color(QPalette::Highlight);
            const Rgb c = FactionRowColour(e.faction);
            return QColor(c.r, c.g, c.b);
        }
        case Qt::ForegroundRole:
            if (dropTarget) return QApplication::palette().color(QPalette::HighlightedText);
            return {};
        default:
            return {};
    }
}

QVariant DeckListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= kColumnCount) return {};
    return QString::fromUtf8(kHeaders[section]);
}

// --- Deck model changes, mirrored one to one ---

void DeckListModel::rowAboutToBeInserted(int list, int row) {
    if (!mine(list)) return;
    changing_ = true;
    beginInsertRows(QModelIndex(), row, row);
}

void DeckListModel::rowInserted(int list, int) {
    if (!mine(list)) return;
    endInsertRows();
    changing_ = false;
}

void DeckListModel::rowAboutToBeRemoved(int list, int row) {
    if (!mine(list)) return;
    changing_ = true;
    // A drop highlight does not outlive its row, nor point at a neighbour.
    if (dropHighlight_) dropHighlight_.reset();
    beginRemoveRows(QModelIndex(), row, row);
}

void DeckListModel::rowRemoved(int list, int) {
    if (!mine(list)) return;
    endRemoveRows();
    changing_ = false;
}

void DeckListModel::rowChanged(int list, int row) {
    if (!mine(list)) return;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void DeckListModel::rowAboutToBeMoved(int list, int from, int destination) {
    if (!mine(list)) return;
    changing_ = true;
    dropHighlight_.reset();
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), destination);
}

void DeckListModel::rowMoved(int list, int, int) {
    if (!mine(list)) return;
    endMoveRows();
    changing_ = false;
}

void DeckListModel::listAboutToBeReset(int list) {
    if (!mine(list)) return;
    changing_ = true;
    beginResetModel();
    dropHighlight_.reset();
}

void DeckListModel::listReset(int list) {
    if (!mine(list)) return;
    endResetModel();
    changing_ = false;
}

}  // namespace svdb
