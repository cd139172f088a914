#include "search/gui/CardListController.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

#include "catalogue/CardTable.h"
#include "search/CardListNavigation.h"
#include "search/gui/CardListModel.h"

namespace svdb {

CardListController::CardListController(QTableView* view, CardListModel* model, QObject* parent)
    : QObject(parent), view_(view), viewport_(view->viewport()), model_(model) {
    QHeaderView* header = view_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    updateSortIndicator();
    // The card name takes whatever width the other three columns leave, so
    // that "拡張SET" stays in view without scrolling sideways. It is set when
    // the list or another column changes size, never by a refill.
    header->setSectionResizeMode(CardListModel::kCardName, QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionResized, this, [this](int section) {
        if (section != CardListModel::kCardName) fitCardNameColumn();
    });
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { columnClicked(section + 1); });
    // The columns stay what they are through a refill, so the header has
    // nothing to lay out or repaint when the rows are replaced.
    disconnect(model_, &QAbstractItemModel::modelReset, header, nullptr);

    view_->installEventFilter(this);
    viewport_->installEventFilter(this);
}

int CardListController::refill(const CardTable& table, const FilterState& state,
                               const SearchTexts& texts) {
    WalkFilter(table, state, texts, walk_);
    model_->swapCards(walk_.cards);
    layOutNow();
    return model_->rowCount();
}

void CardListController::layOutNow() {
    // After a reset the view lays itself out on a zero timer, which may come
    // after the reset's paint and paint the rows again. The hidden row header
    // goes first: laying out an empty list, it asks the view for one more
    // layout.
    view_->verticalHeader()->doItemsLayout();
    view_->doItemsLayout();
}

void CardListController::fitCardNameColumn() {
    int others = 0;
    for (int c = 0; c < CardListModel::kColumnCount; ++c) {
        if (c != CardListModel::kCardName) others += view_->columnWidth(c);
    }
    const int width =
        std::max(view_->horizontalHeader()->minimumSectionSize(), viewport_->width() - others);
    if (view_->columnWidth(CardListModel::kCardName) != width) {
        view_->setColumnWidth(CardListModel::kCardName, width);
    }
}

void CardListController::columnClicked(int column) {
    model_->columnClicked(column);
    updateSortIndicator();
}

void CardListController::updateSortIndicator() {
    // Section -1 shows no indicator.
    view_->horizontalHeader()->setSortIndicator(model_->sortColumn(), Qt::AscendingOrder);
}

int CardListController::selectedRow() const {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !view_->selectionModel()->isRowSelected(current.row())) return 0;
    return current.row() + 1;
}

void CardListController::selectRow(int row) {
    const QModelIndex index = model_->index(row - 1, 0);
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

void CardListController::showCard(int navMode) {
    emit clearDetailRequested();
    const int n = model_->rowCount();
    const int s = selectedRow();
    if (n == 0 || s == 0) return;

    int r = s;
    if (navMode == kNavGroupUp || navMode == kNavGroupDown) {
        // Groups describe the walk order: go there and back.
        const int from = model_->walkPosition(s - 1) + 1;
        const int to = CardListLandingRow(navMode, from, n, walk_.groupStart);
        r = model_->rowOfWalkPosition(to - 1) + 1;
        if (r < 1) return;
        selectRow(r);
    } else {
        r = CardListLandingRow(navMode, s, n, walk_.groupStart);
    }
    emit showDetailRequested(model_->cardAt(r - 1));
}

bool CardListController::keyPressed(int key, bool shift) {
    if (key == Qt::Key_A) {
        emit keyAPressed();
        return true;  // no jump to a row starting with "A"
    }
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        // The first or the last row, shown as a click shows it.
        const int n = model_->rowCount();
        if (n == 0) return true;
        selectRow(key == Qt::Key_Home ? 1 : n);
        showCard(kNavNone);
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    navMode_ =
        key == Qt::Key_Up ? (shift ? kNavGroupUp : kNavUp) : (shift ? kNavGroupDown : kNavDown);
    if (model_->rowCount() > 0 && selectedRow() == 0) {
        // Nothing selected yet: the keys start at the first row.
        selectRow(1);
        showCard(kNavNone);
        return true;
    }
    showCard(navMode_);
    // Up and Down: the view's own move lands on the row just shown. Group
    // moves have selected their row already.
    return navMode_ == kNavGroupUp || navMode_ == kNavGroupDown;
}

bool CardListController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return keyPressed(key->key(), key->modifiers().testFlag(Qt::ShiftModifier));
        }
        if (event->type() == QEvent::KeyRelease) navMode_ = kNavNone;
        return false;
    }
    if (watched != viewport_) return false;
    switch (event->type()) {
        case QEvent::Resize:
            fitCardNameColumn();
            break;
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                emit contextMenuRequested(mouse->globalPosition().toPoint());
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            // The press has selected the row by now.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) showCard(kNavNone);
            break;
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                view_->indexAt(mouse->position().toPoint()).isValid()) {
                emit rowDoubleClicked();
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace svdb
