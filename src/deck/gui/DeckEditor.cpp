#include "deck/gui/DeckEditor.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include "app/gui/MainWindow.h"
#include "app/gui/MessageBoxes.h"
#include "app/gui/QtText.h"
#include "catalogue/CardTable.h"
#include "catalogue/ExpansionNames.h"
#include "deck/DeckModel.h"
#include "deck/gui/DeckListModel.h"

namespace svdb {

namespace {

const char* const kShowSide = "サイドボードを見る";
const char* const kHideSide = "サイドボードを隠す";

// Spaces around a card name do not belong to it.
std::string trimSpaces(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
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

DeckEditor::DeckEditor(MainWindow& window, DeckModel& deck, std::function<void()> redrawTypeBars,
                       QObject* parent)
    : QObject(parent), window_(window), deck_(deck), redrawTypeBars_(std::move(redrawTypeBars)) {
    for (int i = 0; i < 2; ++i) {
        QTableView* v = view(i);
        DeckListModel* m = listModel(i);
        m->setDeck(&deck_, i);
        v->installEventFilter(this);
        v->viewport()->installEventFilter(this);
        watchedViews_[i] = v;
        watchedViewports_[i] = v->viewport();
        connect(v->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, i] { viewSelectionChanged(i); });
        connect(m, &DeckListModel::selectedRowChanged, this,
                [this, i] { modelSelectionChanged(i); });
        connect(m, &QAbstractItemModel::rowsInserted, this,
                [this, i](const QModelIndex&, int first, int) { scrollToNewRow(i, first); });
        connect(v, &QAbstractItemView::clicked, this, [this, i] { ShowSelectedCard(i); });
        connect(v, &QAbstractItemView::doubleClicked, this, [this, i] {
            if (!deck_.list(i).empty()) window_.ShowOpeningChance(i);
        });
    }
    if (auto* b = window_.control<QPushButton>(QStringLiteral("CbViewSide")))
        b->setText(u8(sideDeckShown() ? kHideSide : kShowSide));
}

DeckEditor::~DeckEditor() {
    for (int i = 0; i < 2; ++i) {
        if (DeckListModel* m = listModel(i)) m->setDeck(nullptr, i);
    }
}

QTableView* DeckEditor::view(int list) const {
    return window_.deckList(list);
}

DeckListModel* DeckEditor::listModel(int list) const {
    return window_.deckListModel(list);
}

// ---------------------------------------------------------------------------
// Commands

CardListRow DeckEditor::cardRowAt(int row) const {
    const QAbstractItemModel* m = window_.cardList()->model();
    auto text = [m, row](int column) {
        return m->index(row, column).data().toString().toStdString();
    };
    return CardListRow{text(0), text(1), text(2), text(3)};
}

std::optional<CardListRow> DeckEditor::currentCardRow() const {
    const QModelIndex current = window_.cardList()->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return cardRowAt(current.row());
}

void DeckEditor::addCopies(int copies, int list) {
    if (window_.optionItem(5)->isChecked()) {
        BusyPointer busy;
        const QAbstractItemModel* m = window_.cardList()->model();
        const QItemSelectionModel* selection = window_.cardList()->selectionModel();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (!selection->isRowSelected(r, QModelIndex())) continue;
            auto n = static_cast<std::int16_t>(copies);
            deck_.AddListItem(cardRowAt(r), n, list, window_.deckOptions());
        }
    } else {
        const std::optional<CardListRow> current = currentCardRow();
        auto n = static_cast<std::int16_t>(copies);
        deck_.AddCard(n, list, current ? &*current : nullptr, window_.deckOptions());
    }
    if (redrawTypeBars_) redrawTypeBars_();
}

void DeckEditor::AddButton(int copies, int list) {
    addCopies(copies, list);
    window_.cardList()->setFocus();
}

void DeckEditor::AddByKey() {
    addCopies(1, DeckModel::kMain);
}

void DeckEditor::AddByDoubleClick() {
    if (window_.cardList()->model()->rowCount() > 0) {
        const std::optional<CardListRow> current = currentCardRow();
        std::int16_t n = 1;
        deck_.AddCard(n, DeckModel::kMain, current ? &*current : nullptr, window_.deckOptions());
    }
    if (redrawTypeBars_) redrawTypeBars_();
}

void DeckEditor::RemoveOneCopy(int list) {
    deck_.RemoveOneCopy(list);
}

void DeckEditor::RemoveEntry(int list) {
    deck_.RemoveEntry(list);
}

void DeckEditor::ClearDecksAfterAsking() {
    const auto answer = MessageBoxes::show(
        &window_, u8("全削除"), u8("デッキリストを全て削除します。よろしいですか？"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::No) deck_.ClearDecks();
}

bool DeckEditor::MoveOneCopy(int toList) {
    return deck_.MoveOneCopy(toList);
}

bool DeckEditor::AddSide(std::int16_t& copies, int toList, int fromList) {
    return deck_.AddSide(copies, toList, fromList);
}

void DeckEditor::scrollToNewRow(int list, int row) {
    view(list)->scrollTo(listModel(list)->index(row, 0));
}

bool DeckEditor::sideDeckShown() const {
    return !view(DeckModel::kSide)->isHidden();
}

void DeckEditor::ToggleSideDeckView() {
    const bool show = !sideDeckShown();
    view(DeckModel::kSide)->setVisible(show);
    if (auto* label = window_.control<QLabel>(QStringLiteral("LBTotal_1"))) label->setVisible(show);
    window_.deckTotal(DeckModel::kSide)->setVisible(show);
    if (auto* b = window_.control<QPushButton>(QStringLiteral("CbViewSide")))
        b->setText(u8(show ? kHideSide : kShowSide));
    window_.applyDeckListHeightRule();
}

// ---------------------------------------------------------------------------
// Selection, both ways

void DeckEditor::viewSelectionChanged(int list) {
    // While the model inserts, removes, moves or resets rows the view's
    // selection follows on its own; the deck model adjusts its row itself.
    if (syncingSelection_ || listModel(list)->changing()) return;
    const QModelIndexList rows = view(list)->selectionModel()->selectedRows();
    std::optional<int> row;
    if (rows.size() == 1) row = rows.front().row();
    syncingSelection_ = true;
    deck_.SetSelectedRow(list, row);
    syncingSelection_ = false;
}

void DeckEditor::modelSelectionChanged(int list) {
    if (syncingSelection_) return;
    syncingSelection_ = true;
    QItemSelectionModel* selection = view(list)->selectionModel();
    if (const std::optional<int> row = deck_.list(list).selectedRow()) {
        selection->setCurrentIndex(listModel(list)->index(*row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
    }
    syncingSelection_ = false;
}

// ---------------------------------------------------------------------------
// Deck view events

void DeckEditor::ShowSelectedCard(int list) {
    const DeckList& l = deck_.list(list);
    const std::optional<int> selected = l.selectedRow();
    if (!selected) return;
    window_.ClearCardDetail();
    const DeckEntry& e = l.rows[static_cast<std::size_t>(*selected)];
    const std::string name = trimSpaces(e.cardName);
    const int slot = FactionSlotOf(e.faction);
    const std::optional<int> row = FindCardRow(deck_.table(), slot, e.cardNumber, name);
    if (!row) return;
    const std::string_view expansion = ExpansionNameOf(deck_.table().at(slot, *row).expansion);
    window_.ShowCardDetail(
        slot, QString::fromStdString(e.cardNumber), QString::fromStdString(name),
        toQString(expansion));
}

void DeckEditor::DropOn(int list) {
    if (deck_.list(list).empty()) return;
    const std::optional<int> target = listModel(list)->dropHighlightRow();
    if (target) {
        if (list == dragSourceList_) {
            // A drop on the dragged row itself changes nothing.
            if (!draggedRow_ || *target == *draggedRow_) return;
            deck_.ReorderEntry(list, *draggedRow_, *target);
        } else {
            MessageBoxes::show(&window_, MainWindow::kTitle, u8("未対応"), QMessageBox::NoIcon,
                               QMessageBox::Ok);
        }
    }
    for (int i = 0; i < 2; ++i) listModel(i)->setDropHighlightRow(std::nullopt);
    dragging_ = false;
}

int DeckEditor::listAt(const QPoint& global) const {
    for (int i = 0; i < 2; ++i) {
        QWidget* vp = view(i)->viewport();
        if (vp->isVisible() && vp->rect().contains(vp->mapFromGlobal(global))) return i;
    }
    return -1;
}

std::optional<int> DeckEditor::rowAt(int list, const QPoint& global) const {
    QTableView* v = view(list);
    const int row = v->rowAt(v->viewport()->mapFromGlobal(global).y());
    if (row < 0) return std::nullopt;
    return row;
}

bool DeckEditor::mousePress(int list, int button, const QPoint& global) {
    if (button == Qt::RightButton) {
        if (deck_.list(list).empty()) return false;
        window_.toClipboardItem(2)->setEnabled(true);
        window_.contextSource = 1;
        window_.contextMenu()->popup(global);
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
        listModel(i)->setDropHighlightRow(row);
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
    for (int i = 0; i < 2; ++i) listModel(i)->setDropHighlightRow(std::nullopt);
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
            if (!onViewport && static_cast<QKeyEvent*>(event)->key() == Qt::Key_D) {
                deck_.RemoveOneCopy(list);
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
