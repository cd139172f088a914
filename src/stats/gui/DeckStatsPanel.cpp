#include "stats/gui/DeckStatsPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include "app/gui/PictureBox.h"
#include "catalogue/CardType.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"
#include "stats/DeckStats.h"
#include "stats/TypeBar.h"

namespace svdb {

namespace {

QColor toQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

template <class T>
T* find(QWidget& window, const QString& name) {
    return window.findChild<T*>(name);
}

void setCount(QLabel* label, int count) {
    if (label) label->setText(QString::number(count));
}

}  // namespace

DeckStatsPanel::DeckStatsPanel(DeckModel& deck, QWidget& window, QObject* parent)
    : QObject(parent), deck_(deck) {
    for (int i = 0; i < 5; ++i) {
        typeLabels_[static_cast<std::size_t>(i)] =
            find<QLabel>(window, QStringLiteral("Label%1").arg(16 + i));
        typeBars_[static_cast<std::size_t>(i)] =
            find<PictureBox>(window, QStringLiteral("Picture1_%1").arg(i + 1));
    }
    for (int s = 0; s < 7; ++s) {
        factionLabels_[static_cast<std::size_t>(s)] =
            find<QLabel>(window, QStringLiteral("LbNoOfArmy_%1").arg(s));
    }
    for (int i = 0; i < 3; ++i) {
        rarityLabels_[static_cast<std::size_t>(i)] =
            find<QLabel>(window, QStringLiteral("Label%1").arg(45 + i));
    }
    for (int i = 0; i < 2; ++i) {
        totals_[static_cast<std::size_t>(i)] =
            find<QLineEdit>(window, QStringLiteral("Text1_%1").arg(i));
    }
    factionBar_ = find<PictureBox>(window, QStringLiteral("PictureBar"));

    if (factionBar_) {
        factionBar_->setPainter([this](QPainter& p, const QRect& inner) {
            for (const FactionBarSegment& s : deck_.LayoutFactionBar(inner.width())) {
                if (s.width <= 0.0) continue;
                p.fillRect(QRectF(inner.left() + s.left, inner.top(), s.width, inner.height()),
                           toQColor(s.colour));
            }
        });
    }
    for (int kind = 1; kind <= 5; ++kind) {
        PictureBox* bar = typeBars_[static_cast<std::size_t>(kind - 1)];
        if (!bar) continue;
        bar->setPainter([this, kind](QPainter& p, const QRect& inner) {
            for (const TypeBarRect& r :
                 DrawTypeBar(deck_.list(DeckModel::kMain).rows, kind, inner.width())) {
                p.fillRect(
                    QRect(inner.left() + r.left, inner.top(), r.right - r.left, inner.height()),
                    toQColor(r.colour));
            }
        });
    }
    deck_.addObserver(this);
}

DeckStatsPanel::~DeckStatsPanel() {
    deck_.removeObserver(this);
}

void DeckStatsPanel::ShowAll() {
    ShowCounters();
    ShowTotal(DeckModel::kMain);
    ShowTotal(DeckModel::kSide);
    // A box that already reads what it should is coloured all the same.
    for (QLineEdit* box : totals_) {
        if (box) ColourTotalBox(*box);
    }
    LayoutFactionBar();
    DrawTypeBars();
}

void DeckStatsPanel::ShowCounters() {
    const DeckStats& s = deck_.stats();
    static const CardType types[5] = {CardType::Generation, CardType::Unit, CardType::Character,
                                      CardType::Command, CardType::Operation};
    for (int i = 0; i < 5; ++i)
        setCount(typeLabels_[static_cast<std::size_t>(i)], s.typeCount(types[i]));
    for (int slot = 0; slot < 7; ++slot)
        setCount(factionLabels_[static_cast<std::size_t>(slot)], s.factionCount(slot));
    static const Rarity rarities[3] = {Rarity::Rare, Rarity::Uncommon, Rarity::Common};
    for (int i = 0; i < 3; ++i)
        setCount(rarityLabels_[static_cast<std::size_t>(i)], s.rarityCount(rarities[i]));
}

void DeckStatsPanel::ShowTotal(int list) {
    QLineEdit* box = totals_[list == DeckModel::kSide ? 1 : 0];
    if (box) box->setText(QString::number(deck_.total(list)));
}

void DeckStatsPanel::DrawTypeBars() {
    for (PictureBox* bar : typeBars_) {
        if (bar) bar->update();
    }
}

void DeckStatsPanel::LayoutFactionBar() {
    if (factionBar_) factionBar_->update();
}

void DeckStatsPanel::ColourTotalBox(QLineEdit& box) {
    bool ok = false;
    const int value = box.text().toInt(&ok);
    // Only the plain text "50" counts as complete; "050" or " 50" do not.
    const bool exact = ok && box.text() == QString::number(value);
    const Rgb c = exact ? DeckTotalColour(static_cast<DeckTotal>(value)) : DeckTotalColour(0);
    QPalette pal = box.palette();
    pal.setColor(QPalette::Text, toQColor(c));
    box.setPalette(pal);
}

// --- Deck model changes ---

void DeckStatsPanel::mainRowsChanged(int list) {
    if (list == DeckModel::kMain) DrawTypeBars();
}

void DeckStatsPanel::rowInserted(int list, int) {
    mainRowsChanged(list);
}

void DeckStatsPanel::rowRemoved(int list, int) {
    mainRowsChanged(list);
}

void DeckStatsPanel::rowChanged(int list, int) {
    mainRowsChanged(list);
}

void DeckStatsPanel::rowMoved(int list, int, int) {
    mainRowsChanged(list);
}

void DeckStatsPanel::listReset(int list) {
    mainRowsChanged(list);
}

void DeckStatsPanel::totalChanged(int list) {
    ShowTotal(list);
    if (list == DeckModel::kMain) LayoutFactionBar();
}

void DeckStatsPanel::statsChanged() {
    ShowCounters();
    LayoutFactionBar();
    DrawTypeBars();
}

void DeckStatsPanel::decksCleared() {
    DrawTypeBars();
}

}  // namespace svdb
