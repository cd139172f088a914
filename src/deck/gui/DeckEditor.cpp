#include "deck/gui/DeckEditor.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

#include "catalogue/CardTable.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "deck/ProgramOptions.h"
#include "deck/gui/DeckListModel.h"
#include "search/gui/CardChoice.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

// Spaces around a card name do not belong to it.
std::string trimSpaces(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The card's name when an add of asked copies placed fewer (placed false:
// none), which only the copy limit does to a card of the catalogue.
std::optional<std::string> LimitedCard(const CardTable& table, CardRef card, bool placed, int asked,
                                       int copies) {
    if (placed && copies >= asked) return std::nullopt;
    if (card.slot < 0 || card.slot >= CardTable::kSlots || card.row < 0 ||
        card.row >= CardTable::kRows)
        return std::nullopt;
    const CardRecord& record = table.at(card.slot, card.row);
    if (!record.occupied()) return std::nullopt;
    return std::string(record.front.name);
}

// The busy pointer for as long as it lives.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

DeckEditor::DeckEditor(DeckModel& deck, const ProgramOptions& options, CardChoice& cards,
                       std::array<QTableView*, 2> views, std::array<DeckListModel*, 2> models,
                       QWidget* dialogParent, QObject* parent)
    : QObject(parent),
      deck_(deck),
      options_(options),
      cards_(cards),
      views_(views),
      models_(models),
      dialogParent_(dialogParent) {
    // Told before the list models, so that a removal is seen while the views
    // still select what the user chose.
    deck_.addObserver(this);
    for (int i = 0; i < 2; ++i) {
        QTableView* v = views_[i];
        DeckListModel* m = models_[i];
        m->setDeck(&deck_, i);
        v->installEventFilter(this);
        v->viewport()->installEventFilter(this);
        watchedViews_[i] = v;
        watchedViewports_[i] = v->viewport();
        connect(m, &QAbstractItemModel::rowsInserted, this,
                [this, i](const QModelIndex&, int first, int) { scrollToNewRow(i, first); });
        connect(m, &QAbstractItemModel::rowsRemoved, this,
                [this, i](const QModelIndex&, int first, int) {
                    if (!removingSelected_[i]) return;
                    removingSelected_[i] = false;
                    selectNearest(i, first);
                });
        connect(v, &QAbstractItemView::clicked, this, [this, i] { ShowSelectedCard(i); });
        connect(v, &QAbstractItemView::doubleClicked, this, [this, i] {
            if (const std::optional<int> row = selectedRow(i)) emit openingChanceRequested(i, *row);
        });
    }
}

DeckEditor::~DeckEditor() {
    deck_.removeObserver(this);
    for (int i = 0; i < 2; ++i) models_[i]->setDeck(nullptr, i);
}

void DeckEditor::rowAboutToBeRemoved(int list, int row) {
    // A removed entry hands the selection to the nearest row, so that "D"
    // pressed again goes on removing; the view alone would leave a current
    // row without a selection.
    if (list == DeckModel::kMain || list == DeckModel::kSide)
        removingSelected_[list] = selectedRow(list) == row;
}

std::optional<int> DeckEditor::selectedRow(int list) const {
    if (list != DeckModel::kMain && list != DeckModel::kSide) return std::nullopt;
    const QModelIndexList rows = views_[list]->selectionModel()->selectedRows();
    if (rows.size() != 1) return std::nullopt;
    return rows.front().row();
}

// ---------------------------------------------------------------------------
// Commands

void DeckEditor::beginCommand() {
    emit limitNoticeChanged(QString());
}

void DeckEditor::reportLimited(const std::vector<std::string>& names) {
    if (names.empty()) return;
    const QString first = u8("「") + toQString(names.front()) + u8("」");
    if (names.size() == 1) {
        emit limitNoticeChanged(first + u8("は３枚までです"));
    } else {
        emit limitNoticeChanged(
            first + u8("ほか%1種は３枚までです").arg(static_cast<int>(names.size() - 1)));
    }
}

void DeckEditor::addCopies(int copies, int list) {
    const DeckHistory::Edit edit(history_);
    std::vector<std::string> limited;
    auto note = [&](CardRef card, bool placed, std::int16_t n) {
        if (auto name = LimitedCard(deck_.table(), card, placed, copies, n))
            limited.push_back(std::move(*name));
    };
    if (options_.multiSelect()) {
        BusyPointer busy;
        for (const CardRef& card : cards_.selectedCards()) {
            auto n = static_cast<std::int16_t>(copies);
            note(card, deck_.AddListItem(card, n, list, options_.deckOptions()), n);
        }
    } else {
        auto n = static_cast<std::int16_t>(copies);
        const std::optional<CardRef> card = cards_.currentCard();
        const bool placed = deck_.AddCard(n, list, card, options_.deckOptions());
        if (card) note(*card, placed, n);
    }
    reportLimited(limited);
}

void DeckEditor::AddButton(int copies, int list) {
    beginCommand();
    addCopies(copies, list);
    cards_.focusList();
}

void DeckEditor::AddByKey() {
    beginCommand();
    addCopies(1, DeckModel::kMain);
}

void DeckEditor::AddByDoubleClick() {
    beginCommand();
    if (cards_.cardCount() == 0) return;
    const DeckHistory::Edit edit(history_);
    std::int16_t n = 1;
    const std::optional<CardRef> card = cards_.currentCard();
    const bool placed = deck_.AddCard(n, DeckModel::kMain, card, options_.deckOptions());
    if (!card) return;
    if (auto name = LimitedCard(deck_.table(), *card, placed, 1, n)) reportLimited({*name});
}

void DeckEditor::RemoveOneCopy(int list) {
    beginCommand();
    const DeckHistory::Edit edit(history_);
    if (const std::optional<int> row = selectedRow(list)) deck_.RemoveOneCopy(list, *row);
}

void DeckEditor::RemoveEntry(int list) {
    beginCommand();
    const DeckHistory::Edit edit(history_);
    if (const std::optional<int> row = selectedRow(list)) deck_.RemoveEntry(list, *row);
}

void DeckEditor::ClearDecksAfterAsking() {
    beginCommand();
    const auto answer = MessageBoxes::show(
        dialogParent_, u8("全削除"), u8("デッキリストを全て削除します。よろしいですか？"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No) return;
    const DeckHistory::Edit edit(history_);
    deck_.ClearDecks();
}

bool DeckEditor::MoveOneCopy(int toList) {
    beginCommand();
    if (toList != DeckModel::kMain && toList != DeckModel::kSide) return false;
    const std::optional<int> row = selectedRow(1 - toList);
    if (!row) return false;
    const std::string name = deck_.list(1 - toList).rows[static_cast<std::size_t>(*row)].cardName;
    const DeckHistory::Edit edit(history_);
    const bool moved = deck_.MoveOneCopy(toList, *row);
    // With a row to move from, only the copy limit refuses a move.
    if (!moved) reportLimited({name});
    return moved;
}

bool DeckEditor::AddSide(std::int16_t& copies, int toList, int fromList) {
    beginCommand();
    const std::optional<int> row = selectedRow(fromList);
    if (!row) return false;
    const std::string name = deck_.list(fromList).rows[static_cast<std::size_t>(*row)].cardName;
    const std::int16_t asked = copies;
    // Other refusals come from arguments no command gives.
    const bool limitDecides = asked >= 1 && toList != fromList &&
                              (toList == DeckModel::kMain || toList == DeckModel::kSide);
    const DeckHistory::Edit edit(history_);
    const bool placed = deck_.AddSide(copies, toList, fromList, *row);
    if (limitDecides && (!placed || copies < asked)) reportLimited({name});
    return placed;
}

void DeckEditor::selectNearest(int list, int removedRow) {
    QItemSelectionModel* selection = views_[list]->selectionModel();
    const int rows = models_[list]->rowCount();
    if (rows == 0) {
        selection->clear();
        return;
    }
    const QModelIndex nearest = models_[list]->index(std::min(removedRow, rows - 1), 0);
    selection->setCurrentIndex(nearest,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void DeckEditor::scrollToNewRow(int list, int row) {
    views_[list]->scrollTo(models_[list]->index(row, 0));
}

// ---------------------------------------------------------------------------
// Deck view events

void DeckEditor::ShowSelectedCard(int list) {
    const std::optional<int> selected = selectedRow(list);
    if (!selected) return;
    emit detailCleared();
    const DeckEntry& e = deck_.list(list).rows[static_cast<std::size_t>(*selected)];
    // A deck entry keeps the texts of its card; the card is found by them.
    const int slot = FactionSlotOf(e.faction);
    const std::optional<int> row =
        FindCardRow(deck_.table(), slot, e.cardNumber, trimSpaces(e.cardName));
    if (row) emit cardChosen(CardRef{slot, *row});
}

void DeckEditor::DropOn(int list) {
    beginCommand();
    if (deck_.list(list).empty()) return;
    const std::optional<int> target = models_[list]->dropHighlightRow();
    if (target) {
        if (list == dragSourceList_) {
            // A drop on the dragged row itself changes nothing.
            if (!draggedRow_ || *target == *draggedRow_) return;
            const DeckHistory::Edit edit(history_);
            deck_.ReorderEntry(list, *draggedRow_, *target);
        } else {
            MessageBoxes::show(dialogParent_, MessageBoxes::programTitle(), u8("未対応"),
                               QMessageBox::NoIcon, QMessageBox::Ok);
        }
    }
    for (DeckListModel* m : models_) m->setDropHighlightRow(std::nullopt);
    dragging_ = false;
}

int DeckEditor::listAt(const QPoint& global) const {
    for (int i = 0; i < 2; ++i) {
        QWidget* vp = views_[i]->viewport();
        if (vp->isVisible() && vp->rect().contains(vp->mapFromGlobal(global))) return i;
    }
    return -1;
}

std::optional<int> DeckEditor::rowAt(int list, const QPoint& global) const {
    QTableView* v = views_[list];
    const int row = v->rowAt(v->viewport()->mapFromGlobal(global).y());
    if (row < 0) return std::nullopt;
    return row;
}

bool DeckEditor::mousePress(int list, int button, const QPoint& global) {
    if (button == Qt::RightButton) {
        if (!deck_.list(list).empty()) emit contextMenuRequested(global);
        return false;
    }
    dragSourceList_ = list;
    draggedRow_ = deck_.list(list).empty() ? std::nullopt : rowAt(list, global);
    leftHeld_ = button == Qt::LeftButton;
    pressedAt_ = global;
    return false;
}

void DeckEditor::mouseMove(const QPoint& global) {
    if (!leftHeld_ || !draggedRow_) return;
    if (!dragging_) {
        if ((global - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
        dragging_ = true;
    }
    // The row under the mouse is the drop target; the other list has none.
    const int over = listAt(global);
    for (int i = 0; i < 2; ++i) {
        std::optional<int> row;
        if (i == over && !deck_.list(i).empty()) row = rowAt(i, global);
        models_[i]->setDropHighlightRow(row);
    }
}

void DeckEditor::mouseRelease(const QPoint& global) {
    if (!leftHeld_) return;
    leftHeld_ = false;
    if (dragging_) {
        const int over = listAt(global);
        if (over >= 0) DropOn(over);
    }
    endGesture();
}

void DeckEditor::endGesture() {
    // Once the button is up nothing is being dragged, whatever the drop did.
    for (DeckListModel* m : models_) m->setDropHighlightRow(std::nullopt);
    dragging_ = false;
}

bool DeckEditor::eventFilter(QObject* watched, QEvent* event) {
    int list = -1;
    bool onViewport = false;
    for (int i = 0; i < 2; ++i) {
        if (watched == watchedViews_[i]) list = i;
        if (watched == watchedViewports_[i]) {
            list = i;
            onViewport = true;
        }
    }
    if (list < 0) return QObject::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::KeyPress:
            if (!onViewport && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_D ||
                                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete)) {
                RemoveOneCopy(list);
                return true;
            }
            break;
        case QEvent::MouseButtonPress: {
            if (!onViewport) break;
            auto* me = static_cast<QMouseEvent*>(event);
            return mousePress(list, me->button(), me->globalPosition().toPoint());
        }
        case QEvent::MouseMove: {
            if (!onViewport || !leftHeld_) break;
            mouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            // The view must not drag its selection along while a row is dragged.
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (onViewport && me->button() == Qt::LeftButton)
                mouseRelease(me->globalPosition().toPoint());
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace svdb
