#include "stats/gui/DeckInfoPane.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "catalogue/CardType.h"
#include "catalogue/StringTable.h"
#include "deck/DeckModel.h"
#include "stats/MainDeckStats.h"
#include "stats/OpeningChance.h"
#include "stats/TypeBar.h"
#include "widgets/Controls.h"
#include "widgets/PictureBox.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

QColor toQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

DeckInfoPane::DeckInfoPane(DeckModel& deck, const MainDeckStats& stats, QWidget* parent)
    : QWidget(parent), deck_(deck), stats_(stats) {
    setObjectName(QStringLiteral("GraphArea"));
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);

    TabStrip1_ = Controls::named(new QTabBar(this), QStringLiteral("TabStrip1"));
    TabStrip1_->setExpanding(false);
    TabStrip1_->setDrawBase(false);
    static const char* const tabs[3] = {"デッキ情報", "グラフ", "検索"};
    static const char* const tips[3] = {"デッキの構成情報を表示します", "色別にグラフ表示します",
                                        "検索します"};
    for (int i = 0; i < 3; ++i) {
        TabStrip1_->addTab(u8(tabs[i]));
        TabStrip1_->setTabToolTip(i, u8(tips[i]));
    }
    col->addWidget(TabStrip1_);

    graphStack_ = Controls::named(new QStackedWidget(this), QStringLiteral("FrameGraphStack"));
    graphStack_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    FrameGraph_[0] = buildCounters();
    FrameGraph_[1] = buildBars();
    FrameGraph_[2] = Controls::named(new QFrame, QStringLiteral("FrameGraph_3"));
    auto* searchLayout = new QVBoxLayout(FrameGraph_[2]);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    for (QFrame* f : FrameGraph_) graphStack_->addWidget(f);
    col->addWidget(graphStack_);
    connect(TabStrip1_, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(5000);
    Timer1_->setProperty("tag", QStringLiteral("1"));
    connect(Timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1_->start();

    deck_.addObserver(this);
    showCounters();
}

DeckInfoPane::~DeckInfoPane() {
    deck_.removeObserver(this);
}

QFrame* DeckInfoPane::buildCounters() {
    auto* frame = Controls::named(new QFrame, QStringLiteral("FrameGraph_1"));
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(Controls::kMargin + 2, Controls::kMargin, Controls::kMargin + 2,
                          Controls::kMargin);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(0);

    auto counter = [frame](const QString& name) {
        QLabel* l = Controls::label(frame, name, QStringLiteral("0"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("00")));
        return l;
    };
    // Counters per type, per faction and per rarity, each beside its caption.
    struct Pair {
        const char* caption;
        const char* captionName;
        const char* counterName;
    };
    // clang-format off
    static const Pair types[5] = {{"UNIT", "", "Label17"}, {"CHARACTER", "", "Label18"},
                                  {"COMMAND", "", "Label19"}, {"OPERATION", "", "Label20"},
                                  {"GENERATION", "", "Label16"}};
    static const Pair factions[7] = {{"地球連邦軍", "", "LbNoOfArmy_0"},
                                     {"ジオン公国", "", "LbNoOfArmy_1"},
                                     {"ティターンズ", "Label32", "LbNoOfArmy_2"},
                                     {"ネオジオン", "Label33", "LbNoOfArmy_3"},
                                     {"∀", "lblHIGE", "LbNoOfArmy_4"},
                                     {"Ｗ", "LblWing", "LbNoOfArmy_5"},
                                     {"その他", "", "LbNoOfArmy_6"}};
    static const Pair rarities[3] = {{"Rare", "", "Label45"}, {"Uncommon", "", "Label46"},
                                     {"Common", "", "Label47"}};
    // clang-format on

    // Four captions alternate with the slot's second faction (Timer1); they
    // keep the width of the longer name so the panel does not shift.
    const std::map<QString, QString> alternates = {{QStringLiteral("Label32"), u8("ザンスカール")},
                                                   {QStringLiteral("Label33"), u8("クロスボーン")},
                                                   {QStringLiteral("lblHIGE"), u8("Ｘ")},
                                                   {QStringLiteral("LblWing"), u8("Seed")}};
    auto place = [&](const Pair& p, int row, int column) {
        QLabel* c = Controls::label(frame, QLatin1String(p.captionName), u8(p.caption));
        if (auto it = alternates.find(c->objectName()); it != alternates.end()) {
            static const char* const order[4] = {"Label32", "Label33", "lblHIGE", "LblWing"};
            for (std::size_t k = 0; k < 4; ++k) {
                if (c->objectName() == QLatin1String(order[k])) twoFactionLabels_[k] = c;
            }
            c->setMinimumWidth(std::max(c->fontMetrics().horizontalAdvance(c->text()),
                                        c->fontMetrics().horizontalAdvance(it->second)));
        }
        g->addWidget(c, row, column);
        QLabel* n = counter(QLatin1String(p.counterName));
        g->addWidget(n, row, column + 1);
        return n;
    };
    // typeLabels_ are in counter order Label16..Label20.
    static const int typeSlot[5] = {1, 2, 3, 4, 0};
    for (int i = 0; i < 5; ++i) typeLabels_[typeSlot[i]] = place(types[i], i, 0);
    for (int i = 0; i < 4; ++i) factionLabels_[i] = place(factions[i], i, 3);
    for (int i = 4; i < 7; ++i) factionLabels_[i] = place(factions[i], i - 4, 6);
    for (int i = 0; i < 3; ++i) rarityLabels_[i] = place(rarities[i], i, 9);
    for (int gap : {2, 5, 8}) g->setColumnMinimumWidth(gap, 8);
    g->setColumnStretch(11, 1);

    auto* chance = new QHBoxLayout;
    chance->setSpacing(4);
    chance->addWidget(
        Controls::label(frame, QStringLiteral("Label21"), u8("最初の６枚に入る確率：")));
    Label22_ = Controls::label(frame, QStringLiteral("Label22"), QString());
    Label22_->setTextFormat(Qt::PlainText);
    // A long card name gives way; the chance after it keeps its room.
    Label22_->setMinimumWidth(1);
    chance->addWidget(Label22_);
    Label13_ = Controls::label(frame, QStringLiteral("Label13"), QString());
    chance->addWidget(Label13_);
    chance->addStretch(1);
    g->addLayout(chance, 5, 0, 1, 12);
    g->setRowStretch(6, 1);
    return frame;
}

QFrame* DeckInfoPane::buildBars() {
    auto* frame = Controls::named(new QFrame, QStringLiteral("FrameGraph_2"));
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(Controls::kMargin + 2, Controls::kMargin, Controls::kMargin + 2,
                          Controls::kMargin);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(2);

    PictureBar_ = Controls::named(new PictureBox(frame), QStringLiteral("PictureBar"));
    PictureBar_->setFixedHeight(16);
    PictureBar_->setPainter([this](QPainter& p, const QRect& inner) {
        for (const FactionBarSegment& s : stats_.LayoutFactionBar(inner.width())) {
            if (s.width <= 0.0) continue;
            p.fillRect(QRectF(inner.left() + s.left, inner.top(), s.width, inner.height()),
                       toQColor(s.colour));
        }
    });
    g->addWidget(PictureBar_, 0, 0, 1, 2);
    static const char* const kinds[5] = {"UNIT", "CHARACTER", "COMMAND", "OPERATION", "GENERATION"};
    for (int kind = 1; kind <= 5; ++kind) {
        g->addWidget(Controls::label(frame, QString(), u8(kinds[kind - 1])), kind, 0);
        PictureBox* bar =
            Controls::named(new PictureBox(frame), Controls::indexed("Picture1", kind));
        bar->setFixedHeight(12);
        bar->setPainter([this, kind](QPainter& p, const QRect& inner) {
            for (const TypeBarRect& r :
                 DrawTypeBar(deck_.list(DeckModel::kMain).rows, kind, inner.width())) {
                p.fillRect(
                    QRect(inner.left() + r.left, inner.top(), r.right - r.left, inner.height()),
                    toQColor(r.colour));
            }
        });
        Picture1_[kind - 1] = bar;
        g->addWidget(bar, kind, 1);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(6, 1);
    return frame;
}

void DeckInfoPane::setSearchPage(QWidget* page) {
    FrameGraph_[2]->layout()->addWidget(page);
}

void DeckInfoPane::showGraphFrame(int index) {
    if (index < 1 || index > 3) return;
    TabStrip1_->setCurrentIndex(index - 1);
    graphStack_->setCurrentWidget(FrameGraph_[index - 1]);
}

void DeckInfoPane::ShowOpeningChance(const DeckEntry& entry) {
    Label22_->setText(toQString(OpeningChance::CardText(entry.cardName)));
    Label13_->setText(toQString(OpeningChance::ChanceText(entry.copies)));
}

void DeckInfoPane::ClearOpeningChance() {
    Label13_->clear();
}

void DeckInfoPane::TabStrip1_Click() {
    graphStack_->setCurrentWidget(FrameGraph_[TabStrip1_->currentIndex()]);
}

void DeckInfoPane::Timer1_Timer() {
    // The four slots that hold two factions show each name in turn.
    // twoFactionLabels_: Label32, Label33, lblHIGE, LblWing.
    static const int firstIds[4] = {103, 104, 105, 106};
    static const int secondIds[4] = {108, 109, 110, 111};
    const bool showSecond = Timer1_->property("tag").toString() != QStringLiteral("0");
    for (std::size_t i = 0; i < twoFactionLabels_.size(); ++i) {
        twoFactionLabels_[i]->setText(
            toQString(StringTable::text(showSecond ? secondIds[i] : firstIds[i])));
    }
    Timer1_->setProperty("tag", showSecond ? QStringLiteral("0") : QStringLiteral("1"));
}

// --- Shown from the deck model ---

void DeckInfoPane::showCounters() {
    const DeckStats& s = stats_.stats();
    static const CardType types[5] = {CardType::Generation, CardType::Unit, CardType::Character,
                                      CardType::Command, CardType::Operation};
    for (int i = 0; i < 5; ++i) typeLabels_[i]->setText(QString::number(s.typeCount(types[i])));
    for (int slot = 0; slot < 7; ++slot)
        factionLabels_[slot]->setText(QString::number(s.factionCount(slot)));
    static const Rarity rarities[3] = {Rarity::Rare, Rarity::Uncommon, Rarity::Common};
    for (int i = 0; i < 3; ++i)
        rarityLabels_[i]->setText(QString::number(s.rarityCount(rarities[i])));
}

void DeckInfoPane::drawTypeBars() {
    for (PictureBox* bar : Picture1_) bar->update();
}

void DeckInfoPane::layOutFactionBar() {
    PictureBar_->update();
}

void DeckInfoPane::rowInserted(int list, int) {
    if (list == DeckModel::kMain) drawTypeBars();
}
void DeckInfoPane::rowRemoved(int list, int) {
    if (list == DeckModel::kMain) drawTypeBars();
}
void DeckInfoPane::rowChanged(int list, int) {
    if (list == DeckModel::kMain) drawTypeBars();
}
void DeckInfoPane::rowMoved(int list, int, int) {
    if (list == DeckModel::kMain) drawTypeBars();
}
void DeckInfoPane::listReset(int list) {
    if (list == DeckModel::kMain) drawTypeBars();
}
void DeckInfoPane::totalChanged(int list) {
    if (list == DeckModel::kMain) layOutFactionBar();
}
void DeckInfoPane::statsChanged() {
    showCounters();
    layOutFactionBar();
}

}  // namespace svdb
