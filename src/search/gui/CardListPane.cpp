#include "search/gui/CardListPane.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/ExpansionNames.h"
#include "catalogue/FactionNames.h"
#include "search/gui/CardListController.h"
#include "search/gui/CardListModel.h"
#include "text/FileBytes.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

CardListPane::CardListPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CardListPane"));
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    ListView1_ = Controls::named(new QTableView(this), QStringLiteral("ListView1"),
                                 u8("左クリックで情報表示"));
    Controls::setUpReportView(ListView1_);
    model_ = new CardListModel(this);
    ListView1_->setModel(model_);
    // A scroll bar that came and went with the number of rows would change
    // the width of the rows, and repaint them, on many refills.
    ListView1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColumnWidths();
    controller_ = new CardListController(ListView1_, model_, this);
    col->addWidget(ListView1_);
    setMinimumWidth(Controls::twipsToPixels(CardListModel::kListTwips));

    connect(controller_, &CardListController::clearDetailRequested, this,
            &CardListPane::detailCleared);
    connect(controller_, &CardListController::showDetailRequested, this, &CardListPane::cardShown);
    connect(controller_, &CardListController::rowDoubleClicked, this,
            &CardListPane::rowDoubleClicked);
    connect(controller_, &CardListController::keyAPressed, this, &CardListPane::keyAPressed);
    connect(controller_, &CardListController::contextMenuRequested, this,
            &CardListPane::contextMenuRequested);
}

void CardListPane::setColumnWidths() {
    // Every faction name, a long card number and every expansion name show
    // whole; the card name takes what is left (the controller fits it to the
    // list's width).
    const QFontMetrics fm(ListView1_->font());
    const int pad =
        2 * (ListView1_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView1_) +
             1) +
        4;
    auto widest = [&fm](const QStringList& texts) {
        int w = 0;
        for (const QString& t : texts) w = std::max(w, fm.horizontalAdvance(t));
        return w;
    };
    QStringList expansions{QStringLiteral("--")};
    for (std::string_view e : ExpansionNames()) expansions << toQString(e);
    QStringList factions;
    for (std::string_view f : ShortenedFactionNames()) factions << toQString(f);
    // The header's caption shows whole too.
    auto width = [&](int column, QStringList texts) {
        texts << model_->headerData(column, Qt::Horizontal).toString();
        ListView1_->setColumnWidth(column, widest(texts) + pad);
    };
    width(CardListModel::kFaction, factions);
    width(CardListModel::kCardNumber, {QStringLiteral("SPOL-10")});
    width(CardListModel::kExpansion, expansions);
    ListView1_->setColumnWidth(CardListModel::kCardName,
                               Controls::twipsToPixels(CardListModel::kColumnTwips[2]));
}

int CardListPane::refill(const CardTable& table, const FilterState& state,
                         const SearchTexts& texts) {
    const int listed = controller_->refill(table, state, texts);
    emit cardCountChanged(listed);
    return listed;
}

const std::vector<std::int16_t>& CardListPane::groupStart() const {
    return controller_->groupStart();
}

void CardListPane::setRowColouring(bool on) {
    model_->setRowColouring(on);
}

void CardListPane::setMultiSelect(bool on) {
    ListView1_->setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    if (!on) {
        // Only the current row stays selected.
        const QModelIndex current = ListView1_->currentIndex();
        QItemSelectionModel* selection = ListView1_->selectionModel();
        if (current.isValid() && selection->isRowSelected(current.row())) {
            selection->select(current,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        } else {
            selection->clearSelection();
        }
    }
}

std::optional<CardRef> CardListPane::currentCard() const {
    const QModelIndex current = ListView1_->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return model_->cardAt(current.row());
}

std::vector<CardRef> CardListPane::selectedCards() const {
    std::vector<CardRef> cards;
    const QItemSelectionModel* selection = ListView1_->selectionModel();
    for (int r = 0; r < model_->rowCount(); ++r) {
        if (selection->isRowSelected(r, QModelIndex())) cards.push_back(model_->cardAt(r));
    }
    return cards;
}

int CardListPane::cardCount() const {
    return model_->rowCount();
}

void CardListPane::focusList() {
    ListView1_->setFocus();
}

bool CardListPane::setBackgroundPicture(const QString& path) {
    // Only a regular file within the readers' bound: opening a FIFO would wait
    // for a writer.
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > static_cast<qint64>(kMaxFileBytes)) return false;
    const QPixmap picture(path);
    if (picture.isNull()) return false;
    QWidget* area = ListView1_->viewport();
    QPalette palette = area->palette();
    palette.setBrush(QPalette::Base, QBrush(picture));
    area->setPalette(palette);
    area->setAutoFillBackground(true);
    return true;
}

}  // namespace svdb
