#include "app/gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "app/gui/AppFonts.h"
#include "app/gui/PictureBox.h"
#include "app/gui/QtText.h"
#include "catalogue/CardTable.h"
#include "deck/gui/DeckEditor.h"
#include "deck/gui/DeckListModel.h"
#include "search/FilterCaptions.h"
#include "search/FilterPanel.h"
#include "search/SearchTexts.h"
#include "search/gui/CardListController.h"
#include "search/gui/CardListModel.h"
#include "stats/gui/DeckStatsPanel.h"

namespace svdb {

const QString MainWindow::kTitle = QStringLiteral("Starvane Deck Builder");

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMargin = 4;   // outer margin of the window and of frames
constexpr int kSpacing = 3;  // gap between neighbouring controls
constexpr int kButtonHeight = 22;
constexpr int kDeckButtonWidth = 48;

// Twips to pixels, to the nearest pixel.
int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

template <class W>
W* named(W* widget, const QString& name, const QString& tip = {}) {
    widget->setObjectName(name);
    if (!tip.isEmpty()) widget->setToolTip(tip);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QString& tip = {}) {
    return named(new QLabel(text, parent), name, tip);
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text,
                     const QString& tip = {}) {
    return named(new QCheckBox(text, parent), name, tip);
}

// The window's style with a narrow gap between a check box and its caption,
// so that the thirty-odd filter boxes share one row of 800 pixels.
class CompactCheckStyle : public QProxyStyle {
  public:
    CompactCheckStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing) return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& tip = {}) {
    auto* b = named(new QPushButton(text, parent), name, tip);
    b->setAutoDefault(false);
    b->setFixedHeight(kButtonHeight);
    return b;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& title,
                     const QString& tip = {}) {
    return named(new QGroupBox(title, parent), name, tip);
}

QGridLayout* tightGrid(QWidget* owner) {
    auto* g = new QGridLayout(owner);
    g->setContentsMargins(kMargin, 1, kMargin, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(0);
    return g;
}

// A simple filled arrow for the picture buttons that move copies between the
// two deck lists: up towards the main deck, down towards the side deck.
QIcon arrowIcon(bool up, const QColor& colour) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (up) {
        path.moveTo(8, 2);
        path.lineTo(14, 9);
        path.lineTo(10.5, 9);
        path.lineTo(10.5, 14);
        path.lineTo(5.5, 14);
        path.lineTo(5.5, 9);
        path.lineTo(2, 9);
    } else {
        path.moveTo(8, 14);
        path.lineTo(14, 7);
        path.lineTo(10.5, 7);
        path.lineTo(10.5, 2);
        path.lineTo(5.5, 2);
        path.lineTo(5.5, 7);
        path.lineTo(2, 7);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
    return QIcon(pm);
}

void setUpReportView(QTableView* view) {
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setMinimumSectionSize(20);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    const int rowHeight = view->fontMetrics().height() + 4;
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

template <std::size_t N>
void setColumnTwips(QTableView* view, const std::array<int, N>& twips) {
    for (std::size_t i = 0; i < N; ++i) {
        view->setColumnWidth(static_cast<int>(i), twipsToPixels(twips[i]));
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction

MainWindow::MainWindow(CardTable& table, QWidget* parent) : QMainWindow(parent), table_(table) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    setFont(AppFonts::proportional());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("FormBody"));
    auto* body = new QVBoxLayout(central);
    body->setContentsMargins(kMargin, kMargin, kMargin, 0);
    body->setSpacing(kSpacing);

    body->addWidget(buildFilterPanel());

    // Stands in for the filter panel while it is folded away.
    CBmenu_ = makeButton(central, QStringLiteral("CBmenu"), u8("▼ 検索パネル"));
    CBmenu_->setVisible(false);
    CBmenu_->setEnabled(false);
    connect(CBmenu_, &QPushButton::clicked, this, [this] { CBmenu_Click(); });
    body->addWidget(CBmenu_);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(kSpacing);
    auto* left = new QVBoxLayout;
    left->setSpacing(kSpacing);
    ListView1_ =
        named(new QTableView(central), QStringLiteral("ListView1"), u8("左クリックで情報表示"));
    cardListModel_ = new CardListModel(this);
    ListView1_->setModel(cardListModel_);
    cardListController_ = new CardListController(ListView1_, cardListModel_, this);
    connect(cardListController_, &CardListController::clearDetailRequested, this,
            [this] { ClearCardDetail(); });
    connect(cardListController_, &CardListController::showDetailRequested, this,
            &MainWindow::ShowCardDetail);
    connect(cardListController_, &CardListController::rowDoubleClicked, this,
            [this] { ListView1_DblClick(); });
    connect(cardListController_, &CardListController::keyAPressed, this,
            [this] { ListView1_KeyA(); });
    connect(cardListController_, &CardListController::contextMenuRequested, this,
            [this](const QPoint& at) {
                ToClipboard_[1]->setEnabled(false);
                contextSource = 8;
                contextmenu_->popup(at);
            });
    ListView1_->setFixedWidth(twipsToPixels(CardListModel::kListTwips));
    left->addWidget(ListView1_, 1);
    left->addWidget(buildCardInfoFrame());
    lower->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(buildDeckFrame(), 1);
    right->addSpacing(kSpacing);
    right->addWidget(buildGraphArea());
    lower->addLayout(right, 1);
    body->addLayout(lower, 1);
    setCentralWidget(central);

    buildMenus();

    Label24_ = makeLabel(this, QStringLiteral("Label24"), QString());
    Label24_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(Label24_, 1);

    // Hidden labels: the faction slot and row of the card shown in Frame3.
    auto* hide2 = makeLabel(central, QStringLiteral("LBhide2"), QString());
    hide2->setVisible(false);
    auto* label15 = makeLabel(central, QStringLiteral("Label15"), QString());
    label15->setVisible(false);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(5000);
    Timer1_->setProperty("tag", QStringLiteral("1"));
    connect(Timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    setUpDeckEditing();
    Form_Initialize();
    Form_Load();
    // Typing a value refills the list as picking one does.
    for (int i = 0; i < 2; ++i) {
        connect(ComboNum_[i], &QComboBox::editTextChanged, this, [this, i] { ComboNum_Click(i); });
    }
    Timer1_->start();
}

MainWindow::~MainWindow() {
    // They observe the deck model, which is gone before the window's children.
    delete deckEditor_;
    delete deckStatsPanel_;
}

QWidget* MainWindow::buildFilterPanel() {
    FrameMenu_ = named(new QFrame(this), QStringLiteral("FrameMenu"));
    auto* row = new QHBoxLayout(FrameMenu_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);

    // Faction boxes.
    auto* frame1 = makeGroup(FrameMenu_, QStringLiteral("Frame1"), u8("勢力"),
                             u8("検索したい勢力をチェックしてください"));
    {
        static const char* const captions[8] = {"ALL", "青", "緑", "黒",
                                                "赤",  "茶", "白", "その他"};
        static const char* const tips[8] = {"",
                                            "連邦",
                                            "ジオン公国",
                                            "ティターンズ/ザンスカール",
                                            "ネオジオン/クロスボーン",
                                            "∀",
                                            "ウィング",
                                            ""};
        auto* g = tightGrid(frame1);
        for (int i = 0; i < 8; ++i) {
            CheckColor_[i] =
                makeCheck(frame1, indexed("CheckColor", i), u8(captions[i]), u8(tips[i]));
            g->addWidget(CheckColor_[i], i % 4, i / 4);
            connect(CheckColor_[i], &QCheckBox::clicked, this, [this, i] { CheckColor_Click(i); });
        }
        g->setRowStretch(4, 1);
    }
    row->addWidget(frame1);

    // Type boxes.
    auto* frame2 = makeGroup(FrameMenu_, QStringLiteral("Frame2"), u8("種別"),
                             u8("検索したい種別をチェックしてください"));
    {
        static const char* const captions[5] = {"GENERATION", "UNIT", "CHARACTER", "COMMAND",
                                                "OPERATION"};
        auto* g = tightGrid(frame2);
        for (int i = 0; i < 5; ++i) {
            CBkind_[i] = makeCheck(frame2, indexed("CBkind", i), u8(captions[i]));
            g->addWidget(CBkind_[i], i, 0);
            connect(CBkind_[i], &QCheckBox::clicked, this, [this, i] { CBkind_Click(i); });
        }
    }
    row->addWidget(frame2);

    // Rarity boxes.
    auto* frame4 = makeGroup(FrameMenu_, QStringLiteral("Frame4"), u8("Rarity"),
                             u8("検索したいレアリティをチェックしてください"));
    {
        static const char* const captions[4] = {"Common", "Uncommon", "Rare", "Special"};
        auto* g = tightGrid(frame4);
        for (int i = 0; i < 4; ++i) {
            CheckRare_[i] = makeCheck(frame4, indexed("CheckRare", i), u8(captions[i]));
            g->addWidget(CheckRare_[i], i, 0);
            connect(CheckRare_[i], &QCheckBox::clicked, this, [this, i] { CheckRare_Click(i); });
        }
        g->setRowStretch(4, 1);
    }
    row->addWidget(frame4);

    // Ability boxes, five to a column: those that always apply, the widest
    // unit abilities, the short unit abilities, and the character abilities.
    auto* frame5 = makeGroup(FrameMenu_, QStringLiteral("Frame5"), u8("能力"),
                             u8("検索したい能力をチェックしてください"));
    {
        struct Box {
            const char* name;
            const char* caption;
            int row;
            int column;
        };
        static const Box boxes[] = {
            {"CheckPSArm", "PS装甲", 0, 0},
            {"CheckSupport", "サポート", 1, 0},
            {"CheckValture", "バルチャー", 2, 0},
            {"CheckHani", "範囲兵器", 2, 1},
            {"CheckPrivent", "プリベント", 3, 0},
            {"CheckMizu", "水", 0, 3},
            {"Check21", "コロニー", 4, 1},
            {"Check17", "高機動", 0, 2},
            {"CheckTire", "タイヤ", 1, 2},
            {"CheckKamei", "家名", 0, 4},
            {"CheckShild", "特殊シールド", 0, 1},
            {"CheckSokkou", "速攻", 2, 2},
            {"CheckKyousyu", "強襲", 3, 2},
            {"CbQuick", "クイック", 4, 0},
            {"Check20", "補給", 4, 2},
            {"Check19", "変形", 4, 3},
            {"Check18", "艦船", 3, 3},
            {"Check16", "拠点", 2, 3},
            {"Check11", "サイコミュ", 3, 1},
            {"CBDesert", "砂漠", 1, 3},
            {"CBkShusei", "艦船用修正", 1, 4},
            {"CbTaiki", "大気圏突入", 1, 1},
        };
        auto* g = tightGrid(frame5);
        g->setHorizontalSpacing(4);
        for (const Box& b : boxes) {
            auto* box = makeCheck(frame5, QLatin1String(b.name), u8(b.caption));
            abilityBoxes_.push_back(box);
            g->addWidget(box, b.row, b.column);
            connect(box, &QCheckBox::clicked, this, [this, box] { Ability_Click(box); });
        }
    }
    row->addWidget(frame5, 1);

    // Character toolbar: gender, age and kind of a character.
    ToolbarCharFrame_ = named(new QFrame(FrameMenu_), QStringLiteral("ToolbarChar"));
    {
        static const char* const captions[6] = {"M", "F", "AD", "CH", "NT", "CO"};
        static const char* const tips[6] = {"「男性」を検索",         "「女性」を検索",
                                            "「大人」を検索",         "「子供」を検索",
                                            "「ニュータイプ」を検索", "「CO」を検索"};
        auto* g = new QGridLayout(ToolbarCharFrame_);
        g->setContentsMargins(0, 8, 0, 0);
        g->setSpacing(2);
        for (int i = 0; i < 6; ++i) {
            auto* b = named(new QToolButton(ToolbarCharFrame_), indexed("ToolbarChar", i + 1),
                            u8(tips[i]));
            b->setText(u8(captions[i]));
            b->setCheckable(true);
            b->setFixedSize(26, 24);
            ToolbarChar_[i] = b;
            g->addWidget(b, i / 2, i % 2);
            connect(b, &QToolButton::clicked, this, [this, i] { ToolbarChar_ButtonClick(i + 1); });
        }
        g->setRowStretch(3, 1);
    }
    row->addWidget(ToolbarCharFrame_);

    auto* compact = new CompactCheckStyle;
    compact->setParent(FrameMenu_);
    for (QCheckBox* box : FrameMenu_->findChildren<QCheckBox*>()) box->setStyle(compact);
    return FrameMenu_;
}

QWidget* MainWindow::buildCardInfoFrame() {
    auto* frame3 = makeGroup(this, QStringLiteral("Frame3"), u8("カード情報"),
                             u8("右クリックでコンテキストメニュー表示"));
    frame3->setAutoFillBackground(true);
    frame3->setFont(AppFonts::proportional());
    auto* g = new QGridLayout(frame3);
    g->setContentsMargins(kMargin + 2, 2, kMargin + 2, kMargin);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);

    auto label = [frame3](const char* name, const char* text) {
        return makeLabel(frame3, QLatin1String(name), u8(text));
    };

    // Row 0: faction and card number.
    g->addWidget(label("Label5", "軍隊："), 0, 0, 1, 4);
    auto* cardNo = label("LblCardNo", "CH-000");
    cardNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(cardNo, 0, 4, 1, 2);
    // Row 1: name.
    g->addWidget(label("Label1", "カード名："), 1, 0, 1, 6);
    // Row 2: rarity and costs.
    g->addWidget(label("Label3", "レアリティ："), 2, 0, 1, 2);
    auto* costs = new QHBoxLayout;
    costs->setSpacing(6);
    costs->addWidget(label("Label4", "コスト："));
    for (const char* name : {"Label2", "Label49", "Label50"}) {
        auto* l = label(name, "");
        l->setMinimumWidth(16);
        costs->addWidget(l);
    }
    costs->addStretch(1);
    g->addLayout(costs, 2, 2, 1, 4);
    // Row 3: type with terrain or character codes.
    g->addWidget(label("Label6", "種別："), 3, 0, 1, 2);
    auto* detail = new QHBoxLayout;
    detail->setSpacing(6);
    detail->addWidget(label("Label51", "地形適性："));
    detail->addWidget(label("LblChar", ""));
    detail->addStretch(1);
    g->addLayout(detail, 3, 2, 1, 4);
    // The card text and the flavour text sit in thin panels, so the space kept
    // for them reads as a text area while no card is shown.
    auto textPanel = [&](const char* name, int heightTwips) {
        QLabel* panel = label(name, "");
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setMargin(2);
        panel->setWordWrap(true);
        panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        panel->setFixedHeight(twipsToPixels(heightTwips));
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        return panel;
    };
    g->addWidget(textPanel("Label8", 930), 4, 0, 1, 6);
    g->addWidget(textPanel("Label9", 720), 5, 0, 1, 6);
    // Combat values and the transform button.
    auto* combat = new QHBoxLayout;
    combat->setSpacing(12);
    combat->addWidget(label("Label10", "格闘"));
    combat->addWidget(label("Label11", "射撃"));
    combat->addWidget(label("Label12", "防御"));
    combat->addStretch(1);
    auto* transform = makeButton(frame3, QStringLiteral("Command3"), u8("変形"));
    transform->setFixedWidth(56);
    connect(transform, &QPushButton::clicked, this, [this] { Command3_Click(); });
    combat->addWidget(transform);
    g->addLayout(combat, 6, 0, 1, 6);
    // Keyword summary and expansion.
    auto* summary = label("Label7", "");
    summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    g->addWidget(summary, 7, 0, 1, 4);
    auto* expansion = label("Label14", "");
    expansion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(expansion, 7, 4, 1, 2);
    for (int c = 0; c < 6; ++c) g->setColumnStretch(c, 1);
    return frame3;
}

QWidget* MainWindow::buildDeckFrame() {
    FrameLIST_ = named(new QFrame(this), QStringLiteral("FrameLIST"));
    auto* row = new QHBoxLayout(FrameLIST_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);

    // The add and remove buttons between the card list and the deck lists:
    // the main deck's beside the main list, the side deck's beside the side list.
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(kSpacing);
    LBtotalLeft_ = makeLabel(FrameLIST_, QStringLiteral("LBtotalLeft"), QStringLiteral("0000"));
    LBtotalLeft_->setFont(AppFonts::fixed());
    LBtotalLeft_->setAlignment(Qt::AlignCenter);
    LBtotalLeft_->setFixedHeight(kButtonHeight);
    buttons->addWidget(LBtotalLeft_);
    static const char* const add1[2] = {">", "> SIDE"};
    static const char* const add3[2] = {">>", ">>SIDE"};
    static const char* const del1[2] = {"<", "< SIDE"};
    static const char* const del3[2] = {"<<", "<<SIDE"};
    static const char* const add1Tips[2] = {"１枚登録", "サイドボードに１枚登録"};
    static const char* const add3Tips[2] = {"３枚登録", "サイドボードに３枚登録"};
    static const char* const del1Tips[2] = {"１枚削除", "サイドボードから１枚削除"};
    static const char* const del3Tips[2] = {"１行削除", "サイドボードから１行削除"};
    for (int i = 0; i < 2; ++i) {
        if (i == 1) buttons->addStretch(1);
        CBadd1_[i] = makeButton(FrameLIST_, indexed("CBadd1", i), u8(add1[i]), u8(add1Tips[i]));
        CBadd3_[i] = makeButton(FrameLIST_, indexed("CBadd3", i), u8(add3[i]), u8(add3Tips[i]));
        CBdel1_[i] = makeButton(FrameLIST_, indexed("CBdel1", i), u8(del1[i]), u8(del1Tips[i]));
        CBdel3_[i] = makeButton(FrameLIST_, indexed("CBdel3", i), u8(del3[i]), u8(del3Tips[i]));
        for (QPushButton* b : {CBadd1_[i], CBadd3_[i], CBdel1_[i], CBdel3_[i]}) {
            b->setFixedWidth(kDeckButtonWidth);
            buttons->addWidget(b);
        }
        connect(CBadd1_[i], &QPushButton::clicked, this, [this, i] { CBadd1_Click(i); });
        connect(CBadd3_[i], &QPushButton::clicked, this, [this, i] { CBadd3_Click(i); });
        connect(CBdel1_[i], &QPushButton::clicked, this, [this, i] { CBdel1_Click(i); });
        connect(CBdel3_[i], &QPushButton::clicked, this, [this, i] { CBdel3_Click(i); });
    }
    buttons->addSpacing(kButtonHeight + kSpacing);
    row->addLayout(buttons);

    // The deck column: name, main deck, move buttons, side deck, totals.
    auto* frame7 = named(new QFrame(FrameLIST_), QStringLiteral("Frame7"));
    auto* col = new QVBoxLayout(frame7);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(kSpacing);

    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(makeLabel(frame7, QStringLiteral("Label48"), u8("Deck名")));
    Text2_ = named(new QLineEdit(frame7), QStringLiteral("Text2"));
    Text2_->setFixedHeight(kButtonHeight);
    nameRow->addWidget(Text2_, 1);
    col->addLayout(nameRow);

    for (int i = 0; i < 2; ++i) {
        ListDeck_[i] = named(new QTableView(frame7), indexed("ListDeck", i));
        ListDeck_[i]->setFont(AppFonts::fixed());
        deckListModels_[i] = new DeckListModel(this);
        ListDeck_[i]->setModel(deckListModels_[i]);
        Text1_[i] = named(new QLineEdit(QStringLiteral("0"), frame7), indexed("Text1", i));
        Text1_[i]->setFont(AppFonts::fixed());
        Text1_[i]->setReadOnly(true);
        Text1_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Text1_[i]->setFixedSize(40, kButtonHeight);
        connect(Text1_[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }
    static const char* const totalCaptions[2] = {"Total", "Side"};
    std::array<QLabel*, 2> totals{};
    for (int i = 0; i < 2; ++i) {
        totals[i] = makeLabel(frame7, indexed("LBTotal", i), u8(totalCaptions[i]));
        totals[i]->setFont(AppFonts::fixed());
    }

    static const char* const sideTips[2] = {"メインデッキへ", "サイドボードへ"};
    for (int i = 0; i < 2; ++i) {
        SideButton_[i] = makeButton(frame7, indexed("SideButton", i), QString(), u8(sideTips[i]));
        SideButton_[i]->setIcon(arrowIcon(i == 0, QColor(40, 90, 170)));
        SideButton_[i]->setFixedWidth(36);
        connect(SideButton_[i], &QPushButton::clicked, this, [this, i] { SideButton_Click(i); });
    }

    col->addWidget(ListDeck_[0], 3);
    auto* mainRow = new QHBoxLayout;
    mainRow->setSpacing(6);
    mainRow->addWidget(totals[0]);
    mainRow->addWidget(Text1_[0]);
    mainRow->addStretch(1);
    mainRow->addWidget(SideButton_[1]);
    mainRow->addWidget(SideButton_[0]);
    col->addLayout(mainRow);
    col->addWidget(ListDeck_[1], 2);
    auto* sideRow = new QHBoxLayout;
    sideRow->setSpacing(6);
    sideRow->addWidget(totals[1]);
    sideRow->addWidget(Text1_[1]);
    sideRow->addStretch(1);
    CbViewSide_ = makeButton(frame7, QStringLiteral("CbViewSide"), u8("サイドボードを見る"),
                             u8("サイドボード表示切り替え"));
    connect(CbViewSide_, &QPushButton::clicked, this, [this] { CbViewSide_Click(); });
    sideRow->addWidget(CbViewSide_);
    Command6_ = makeButton(frame7, QStringLiteral("Command6"), u8("全削除"),
                           u8("右のリストを全て削除します"));
    connect(Command6_, &QPushButton::clicked, this, [this] { Command6_Click(); });
    sideRow->addWidget(Command6_);
    col->addLayout(sideRow);
    for (QPushButton* b : {CbViewSide_, Command6_}) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 20);
    }

    row->addWidget(frame7, 1);
    return FrameLIST_;
}

QWidget* MainWindow::buildGraphArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("GraphArea"));
    auto* col = new QVBoxLayout(area);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);

    TabStrip1_ = named(new QTabBar(area), QStringLiteral("TabStrip1"));
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

    graphStack_ = new QStackedWidget(area);
    graphStack_->setObjectName(QStringLiteral("FrameGraphStack"));
    graphStack_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    FrameGraph_[0] = buildDeckInfoFrame();
    FrameGraph_[1] = buildBarFrame();
    FrameGraph_[2] = buildSearchFrame();
    for (QFrame* f : FrameGraph_) graphStack_->addWidget(f);
    col->addWidget(graphStack_);
    connect(TabStrip1_, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    return area;
}

QFrame* MainWindow::buildDeckInfoFrame() {
    auto* frame = named(new QFrame, QStringLiteral("FrameGraph_1"));
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(kMargin + 2, kMargin, kMargin + 2, kMargin);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(0);

    auto caption = [frame](const QString& name, const char* text) {
        return makeLabel(frame, name, u8(text));
    };
    auto counter = [frame](const QString& name) {
        auto* l = makeLabel(frame, name, QStringLiteral("0"));
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
    static const Pair types[5] = {{"UNIT", "", "Label17"},
                                  {"CHARACTER", "", "Label18"},
                                  {"COMMAND", "", "Label19"},
                                  {"OPERATION", "", "Label20"},
                                  {"GENERATION", "", "Label16"}};
    static const Pair factions[7] = {{"地球連邦軍", "", "LbNoOfArmy_0"},
                                     {"ジオン公国", "", "LbNoOfArmy_1"},
                                     {"ティターンズ", "Label32", "LbNoOfArmy_2"},
                                     {"ネオジオン", "Label33", "LbNoOfArmy_3"},
                                     {"∀", "lblHIGE", "LbNoOfArmy_4"},
                                     {"Ｗ", "LblWing", "LbNoOfArmy_5"},
                                     {"その他", "", "LbNoOfArmy_6"}};
    static const Pair rarities[3] = {
        {"Rare", "", "Label45"}, {"Uncommon", "", "Label46"}, {"Common", "", "Label47"}};

    // Four captions alternate with the slot's second faction (Timer1); they
    // keep the width of the longer name so the panel does not shift.
    const std::map<QString, QString> alternates = {{QStringLiteral("Label32"), u8("ザンスカール")},
                                                   {QStringLiteral("Label33"), u8("クロスボーン")},
                                                   {QStringLiteral("lblHIGE"), u8("Ｘ")},
                                                   {QStringLiteral("LblWing"), u8("Seed")}};
    auto place = [&](const Pair& p, int row, int column) {
        QLabel* c = caption(QLatin1String(p.captionName), p.caption);
        if (auto it = alternates.find(c->objectName()); it != alternates.end()) {
            c->setMinimumWidth(std::max(c->fontMetrics().horizontalAdvance(c->text()),
                                        c->fontMetrics().horizontalAdvance(it->second)));
        }
        g->addWidget(c, row, column);
        g->addWidget(counter(QLatin1String(p.counterName)), row, column + 1);
    };
    for (int i = 0; i < 5; ++i) place(types[i], i, 0);
    for (int i = 0; i < 4; ++i) place(factions[i], i, 3);
    for (int i = 4; i < 7; ++i) place(factions[i], i - 4, 6);
    for (int i = 0; i < 3; ++i) place(rarities[i], i, 9);
    for (int gap : {2, 5, 8}) g->setColumnMinimumWidth(gap, 8);
    g->setColumnStretch(11, 1);

    auto* chance = new QHBoxLayout;
    chance->setSpacing(4);
    chance->addWidget(caption(QStringLiteral("Label21"), "最初の６枚に入る確率："));
    chance->addWidget(caption(QStringLiteral("Label22"), ""));
    chance->addWidget(caption(QStringLiteral("Label13"), ""));
    chance->addStretch(1);
    g->addLayout(chance, 5, 0, 1, 12);
    g->setRowStretch(6, 1);
    return frame;
}

QFrame* MainWindow::buildBarFrame() {
    auto* frame = named(new QFrame, QStringLiteral("FrameGraph_2"));
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(kMargin + 2, kMargin, kMargin + 2, kMargin);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(2);

    PictureBar_ = named(new PictureBox(frame), QStringLiteral("PictureBar"));
    PictureBar_->setFixedHeight(16);
    g->addWidget(PictureBar_, 0, 0, 1, 2);
    static const char* const kinds[5] = {"UNIT", "CHARACTER", "COMMAND", "OPERATION", "GENERATION"};
    for (int i = 0; i < 5; ++i) {
        g->addWidget(makeLabel(frame, QString(), u8(kinds[i])), i + 1, 0);
        Picture1_[i] = named(new PictureBox(frame), indexed("Picture1", i + 1));
        Picture1_[i]->setFixedHeight(12);
        g->addWidget(Picture1_[i], i + 1, 1);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(6, 1);
    return frame;
}

QFrame* MainWindow::buildSearchFrame() {
    auto* frame = named(new QFrame, QStringLiteral("FrameGraph_3"));
    auto* col = new QVBoxLayout(frame);
    col->setContentsMargins(kMargin, 2, kMargin, kMargin);
    col->setSpacing(kSpacing);

    // Text search: where to look, the text, and its reset.
    auto* findText = makeGroup(frame, QStringLiteral("FrameFindText"), u8("テキスト内検索"));
    {
        auto* row = new QHBoxLayout(findText);
        row->setContentsMargins(kMargin + 2, 0, kMargin + 2, 3);
        row->setSpacing(6);
        for (auto [name, caption] :
             {std::pair{"CheckFindName", "名称"}, std::pair{"CheckFindText", "テキスト"},
              std::pair{"CheckFindFlavor", "フレーバー"}}) {
            auto* box = makeCheck(findText, QLatin1String(name), u8(caption));
            connect(box, &QCheckBox::clicked, this, [this] { CheckFind_Click(); });
            row->addWidget(box);
        }
        ComboFind_ = named(new QComboBox(findText), QStringLiteral("ComboFind"),
                           u8("テキスト内を検索します"));
        ComboFind_->setEditable(true);
        ComboFind_->setInsertPolicy(QComboBox::NoInsert);
        ComboFind_->setMaxVisibleItems(16);
        ComboFind_->setFixedHeight(kButtonHeight);
        ComboFind_->setMinimumWidth(60);
        connect(ComboFind_, &QComboBox::activated, this, [this] { ComboFind_Click(); });
        connect(ComboFind_->lineEdit(), &QLineEdit::returnPressed, this,
                [this] { ComboFind_Enter(); });
        row->addWidget(ComboFind_, 1);
        auto* reset = makeButton(findText, indexed("CommandClear", 1), QStringLiteral("Reset"));
        reset->setFixedWidth(52);
        connect(reset, &QPushButton::clicked, this, [this] { CommandClear_Click(1); });
        row->addWidget(reset);
    }
    col->addWidget(findText);

    // Numeric search: the item, the range, its reset, and the hint below.
    auto* findNum = makeGroup(frame, QStringLiteral("FrameFindNum"), u8("数値検索"));
    {
        auto* g = new QGridLayout(findNum);
        g->setContentsMargins(kMargin + 2, 0, kMargin + 2, 3);
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(2);
        ComboSyugo_ = named(new QComboBox(findNum), QStringLiteral("ComboSyugo"),
                            u8("検索したい項目名を選びます"));
        ComboSyugo_->setFixedHeight(kButtonHeight);
        ComboSyugo_->setMinimumWidth(100);
        connect(ComboSyugo_, &QComboBox::activated, this, [this] { ComboSyugo_Click(); });
        g->addWidget(ComboSyugo_, 0, 0);
        for (int i = 0; i < 2; ++i) {
            ComboNum_[i] = named(new QComboBox(findNum), indexed("ComboNum", i),
                                 u8("指定した数字のものを検索します"));
            ComboNum_[i]->setEditable(true);
            ComboNum_[i]->setInsertPolicy(QComboBox::NoInsert);
            ComboNum_[i]->setFixedSize(56, kButtonHeight);
            connect(ComboNum_[i], &QComboBox::activated, this, [this, i] { ComboNum_Click(i); });
        }
        g->addWidget(ComboNum_[0], 0, 1);
        auto* tilde = new QLabel(u8("～"), findNum);
        tilde->setAlignment(Qt::AlignCenter);
        g->addWidget(tilde, 0, 2);
        g->addWidget(ComboNum_[1], 0, 3);
        auto* reset = makeButton(findNum, indexed("CommandClear", 0), QStringLiteral("Reset"));
        reset->setFixedWidth(52);
        connect(reset, &QPushButton::clicked, this, [this] { CommandClear_Click(0); });
        g->addWidget(reset, 0, 5);
        g->setColumnStretch(4, 1);
        auto* hint =
            makeLabel(findNum, QStringLiteral("LabelFindHint"), u8("検索項目を指定してください。"));
        g->addWidget(hint, 1, 0, 1, 6);
    }
    col->addWidget(findNum);
    col->addStretch(1);
    return frame;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    auto menu = [this](QMenuBar* owner, const char* name, const char* title) {
        auto* m = new QMenu(u8(title), this);
        m->setObjectName(QLatin1String(name));
        if (owner) owner->addMenu(m);
        return m;
    };
    auto item = [this](QMenu* m, const QString& name, const char* text) {
        auto* a = new QAction(u8(text), this);
        a->setObjectName(name);
        m->addAction(a);
        return a;
    };

    QMenu* file = menu(bar, "File", "ファイル(&F)");
    connect(item(file, QStringLiteral("Deck_Open"), "開く(DECK)"), &QAction::triggered, this,
            [this] { Deck_Open_Click(); });
    connect(item(file, QStringLiteral("Open"), "開く(DB)"), &QAction::triggered, this,
            [this] { Open_Click(); });
    connect(item(file, QStringLiteral("Save"), "保存"), &QAction::triggered, this,
            [this] { Save_Click(); });
    connect(item(file, QStringLiteral("SaveHTML"), "HTMLで保存"), &QAction::triggered, this,
            [this] { SaveHTML_Click(); });
    connect(item(file, QStringLiteral("SaveXML"), "XMLで保存"), &QAction::triggered, this,
            [this] { SaveXML_Click(); });
    file->addSeparator()->setObjectName(QStringLiteral("separator"));
    connect(item(file, QStringLiteral("Quit"), "終了"), &QAction::triggered, this,
            [this] { Quit_Click(); });

    QMenu* anari = menu(bar, "anari", "分析(&A)");
    connect(item(anari, QStringLiteral("costgraph"), "コストグラフ"), &QAction::triggered, this,
            [this] { costgraph_Click(); });
    connect(item(anari, QStringLiteral("TestDraw"), "引きテスト"), &QAction::triggered, this,
            [this] { TestDraw_Click(); });

    QMenu* expansion = menu(bar, "ExpansionMain", "拡張セット(&E)");
    static const char* const expansions[16] = {
        "基本セット",   "撃墜王出撃！",   "ドラマチック１", "宇宙の記憶",
        "新しき翼",     "ドラマチック２", "永久の絆",       "一年戦争",
        "新世紀の鼓動", "ウィング/∀編",   "革新の波濤",     "BASED BOOSTER",
        "月下の戦塵",   "ギレンの野望",   "相剋の軌跡",     "その他"};
    static const Qt::Key keys[11] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3, Qt::Key_F4,
                                     Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7, Qt::Key_F8,
                                     Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
    for (int i = 0; i < 16; ++i) {
        QAction* a = item(expansion, indexed("ExpansionSub", i), expansions[i]);
        a->setCheckable(true);
        if (i < 11) {
            a->setShortcut(QKeySequence(keys[i]));
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);  // the shortcut works while the menu is closed
        }
        ExpansionSub_[i] = a;
        connect(a, &QAction::triggered, this, [this, i] { ExpansionSub_Click(i); });
    }

    QMenu* option = menu(bar, "OptionMain", "オプション(&O)");
    static const char* const options[5] = {"勢力名を短縮名にする", "３枚制限を外す",
                                           "コレクトモード", "VAIO C1モード", "マルチセレクト"};
    for (int i = 1; i <= 5; ++i) {
        QAction* a = item(option, indexed("OptionSub", i), options[i - 1]);
        a->setCheckable(true);
        OptionSub_[i - 1] = a;
        connect(a, &QAction::triggered, this, [this, i] { OptionSub_Click(i); });
    }

    QMenu* about = menu(bar, "AboutMain", "About(&H)");
    static const char* const abouts[2] = {"ヘルプ", "SVDBについて..."};
    for (int i = 0; i < 2; ++i) {
        AboutSub_[i] = item(about, indexed("AboutSub", i), abouts[i]);
        connect(AboutSub_[i], &QAction::triggered, this, [this, i] { AboutSub_Click(i); });
    }

    QMenu* search = menu(bar, "SearchMenu", "検索");
    connect(item(search, QStringLiteral("FindDetail"), "詳細検索"), &QAction::triggered, this,
            [this] { FindDetail_Click(); });

    // The pop-up menu of the card list, the card information and the deck lists.
    contextmenu_ = menu(nullptr, "contextmenu", "コンテキスト");
    static const char* const clip[3] = {"クリップボードへ", "トレードモードでコピー",
                                        "カード情報のコピー"};
    for (int i = 1; i <= 3; ++i) {
        ToClipboard_[i - 1] = item(contextmenu_, indexed("ToClipboard", i), clip[i - 1]);
        connect(ToClipboard_[i - 1], &QAction::triggered, this,
                [this, i] { ToClipboard_Click(i); });
    }
    connect(item(contextmenu_, QStringLiteral("ContextOutput2File"), "ファイル出力"),
            &QAction::triggered, this, [this] { ContextOutput2File_Click(); });
}

// ---------------------------------------------------------------------------
// Life cycle

void MainWindow::Form_Initialize() {
    applyNormalSize();
    centreOnScreen();
    ResetDeckStats();
    for (const char* name : {"Label22", "Label13", "Label14", "Label8", "Label9", "Label24"}) {
        if (auto* l = control<QLabel>(QLatin1String(name))) l->clear();
    }
}

void MainWindow::Form_Load() {
    setUpListColumns();
    fillChoiceLists();
    groupStart.assign(static_cast<std::size_t>(table_.FactionChangeCount) + 1, -1);
    LoadSettings();
    updateAddButtons();
    InstallRowColouring();
    loaded_ = true;
}

void MainWindow::Form_QueryUnload() {
    RemoveRowColouring();
}

void MainWindow::Form_Unload() {
    SaveSettings();
    groupStart.clear();
    // Close every other window of the program, the most recent first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* w = *it;
        if (w != this && w->isVisible() && !w->inherits("QMenu")) w->close();
    }
    loaded_ = false;
    emit unloaded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Unloading never cancels the close, and runs once per load.
    if (loaded_) {
        Form_QueryUnload();
        Form_Unload();
    }
    event->accept();
}

void MainWindow::setUpListColumns() {
    setUpReportView(ListView1_);
    setColumnTwips(ListView1_, CardListModel::kColumnTwips);
    for (QTableView* v : ListDeck_) {
        setUpReportView(v);
        setColumnTwips(v, DeckListModel::kColumnTwips);
    }
}

void MainWindow::fillChoiceLists() {
    ComboSyugo_->clear();
    for (const char* s : {"指定国力", "合計国力", "資源", "格闘力", "射撃力", "防御力"}) {
        ComboSyugo_->addItem(u8(s));
    }
    ComboSyugo_->setCurrentIndex(-1);

    ComboNum_[0]->clear();
    ComboNum_[0]->addItem(QStringLiteral("*"));
    for (int n = 0; n <= 9; ++n) ComboNum_[0]->addItem(QString::number(n));
    ComboNum_[0]->setCurrentIndex(-1);
    ComboNum_[0]->setEditText(QString());
    ComboNum_[1]->clear();
    ComboNum_[1]->setEditText(QString());

    ComboFind_->clear();
    for (const char* s : {"常時", "自動", "リロール", "ドロー", "攻撃ステップ", "防御ステップ",
                          "ダメージ判定ステップ", "ターン終了時", "セット/キャラ", "範囲兵器",
                          "特殊シールド", "破壊", "廃棄", "戦闘", "自軍", "敵軍"}) {
        ComboFind_->addItem(u8(s));
    }
    ComboFind_->setCurrentIndex(-1);
    ComboFind_->setEditText(QString());
}

void MainWindow::updateAddButtons() {
    // The add buttons stay off until the card list has rows.
    const bool hasRows = LBtotalLeft_->text().toInt() != 0;
    for (int i = 0; i < 2; ++i) {
        CBadd1_[i]->setEnabled(hasRows);
        CBadd3_[i]->setEnabled(hasRows);
    }
}

void MainWindow::applyNormalSize() {
    resize(kNormalWidth, kNormalHeight);
}

void MainWindow::centreOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainWindow::showGraphFrame(int index) {
    if (index < 1 || index > 3) return;
    TabStrip1_->setCurrentIndex(index - 1);
    graphStack_->setCurrentWidget(FrameGraph_[index - 1]);
}

void MainWindow::applyDeckListHeightRule() {
    // The layout gives the main deck list all the height between the deck name
    // and the buttons below it that the side deck list does not take.
    if (QLayout* l = centralWidget()->layout()) l->activate();
}

void MainWindow::setStatusText(const QString& text) {
    Label24_->setText(text);
}

// ---------------------------------------------------------------------------
// Public operations and hooks, completed by the search and deck parts.

namespace {

// A check box's value as the filter panel counts it: ticked, unticked or greyed.
int tickValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return kTicked;
        case Qt::PartiallyChecked:
            return kGreyed;
        default:
            return kUnticked;
    }
}

}  // namespace

void MainWindow::MakeSeq() {
    FilterPanel panel;
    for (std::size_t i = 0; i < CheckColor_.size(); ++i) {
        panel.checkColor[i] = tickValue(CheckColor_[i]);
    }
    for (std::size_t i = 0; i < CBkind_.size(); ++i) panel.cbKind[i] = tickValue(CBkind_[i]);
    for (std::size_t i = 0; i < CheckRare_.size(); ++i) {
        panel.checkRare[i] = tickValue(CheckRare_[i]);
    }
    for (const AbilityBox& a : AbilityBoxes()) {
        const auto* box = control<QCheckBox>(
            toQString(a.objectName));
        if (box && tickValue(box) == kTicked) panel.abilityTicks |= a.bit;
    }
    panel.frame5Enabled = control<QWidget>(QStringLiteral("Frame5"))->isEnabled();
    for (std::size_t i = 0; i < ToolbarChar_.size(); ++i) {
        panel.toolbarChar[i] = ToolbarChar_[i]->isChecked();
    }
    panel.toolbarEnabled = ToolbarCharFrame_->isEnabled();
    svdb::MakeSeq(panel, filterState);
}

void MainWindow::Change_List() {
    SearchTexts texts;
    texts.searchItem = ComboSyugo_->currentText().toStdString();
    texts.minimum = ComboNum_[0]->currentText().toStdString();
    texts.maximum = ComboNum_[1]->currentText().toStdString();
    texts.findTerm = ComboFind_->currentText().toStdString();
    texts.findName = tickValue(control<QCheckBox>(QStringLiteral("CheckFindName"))) == kTicked;
    texts.findText = tickValue(control<QCheckBox>(QStringLiteral("CheckFindText"))) == kTicked;
    texts.findFlavor = tickValue(control<QCheckBox>(QStringLiteral("CheckFindFlavor"))) == kTicked;
    const int listed = cardListController_->refill(table_, filterState, texts);
    groupStart = cardListController_->groupStart();
    LBtotalLeft_->setText(QString::number(listed));
    updateAddButtons();
}

bool MainWindow::AddSide(std::int16_t& copies, int toList, int fromList) {
    return deckEditor_->AddSide(copies, toList, fromList);
}

void MainWindow::ResetDeckStats() {
    // The deck model zeroes its statistics whenever both lists are emptied or
    // replaced; the panel shows them as they are (all zero at start-up).
    deckStatsPanel_->ShowAll();
}

void MainWindow::setUpDeckEditing() {
    deckStatsPanel_ = new DeckStatsPanel(deckModel_, *this, this);
    deckEditor_ = new DeckEditor(
        *this, deckModel_, [this] { deckStatsPanel_->DrawTypeBars(); }, this);
}

void MainWindow::ShowOpeningChance(int) {}

void MainWindow::LoadSettings() {
    // Until the settings file is read, the whole catalogue is listed.
    CheckColor_[0]->setChecked(true);
    CheckColor_Click(0);
}

void MainWindow::SaveSettings() {}

void MainWindow::InstallRowColouring() {
    cardListModel_->setRowColouring(true);
}

void MainWindow::RemoveRowColouring() {
    cardListModel_->setRowColouring(false);
}

// ---------------------------------------------------------------------------
// Event handlers

void MainWindow::Quit_Click() {
    close();
}

void MainWindow::FindDetail_Click() {
    showGraphFrame(3);
}

void MainWindow::TabStrip1_Click() {
    graphStack_->setCurrentWidget(FrameGraph_[TabStrip1_->currentIndex()]);
}

void MainWindow::Open_Click() {}
void MainWindow::Deck_Open_Click() {}
void MainWindow::Save_Click() {}
void MainWindow::SaveHTML_Click() {}
void MainWindow::SaveXML_Click() {}
void MainWindow::costgraph_Click() {}
void MainWindow::TestDraw_Click() {}
void MainWindow::ExpansionSub_Click(int index) {
    const std::uint32_t bits = ExpansionMenuItems()[static_cast<std::size_t>(index)].bits;
    filterState.expansionMask ^= bits;
    // The check mark shows whether the item's bits are on.
    ExpansionSub_[static_cast<std::size_t>(index)]->setChecked((filterState.expansionMask & bits) ==
                                                               bits);
    Change_List();
}
void MainWindow::OptionSub_Click(int) {}
void MainWindow::AboutSub_Click(int) {}
void MainWindow::ToClipboard_Click(int) {}
void MainWindow::ContextOutput2File_Click() {}
void MainWindow::CheckColor_Click(int) {
    MakeSeq();
    Change_List();
}
void MainWindow::CBkind_Click(int) {
    MakeSeq();
    Change_List();
}
void MainWindow::CheckRare_Click(int) {
    MakeSeq();
    Change_List();
}
void MainWindow::Ability_Click(QCheckBox*) {
    MakeSeq();
    Change_List();
}
void MainWindow::ToolbarChar_ButtonClick(int) {
    MakeSeq();
    Change_List();
}
void MainWindow::CBmenu_Click() {}
void MainWindow::CheckFind_Click() {
    MakeSeq();
    Change_List();
}
void MainWindow::ComboFind_Click() {
    MakeSeq();
    Change_List();
}
void MainWindow::ComboFind_Enter() {
    MakeSeq();
    Change_List();
}
void MainWindow::ComboSyugo_Click() {
    MakeSeq();
    Change_List();
}
void MainWindow::ComboNum_Click(int) {
    MakeSeq();
    Change_List();
}
void MainWindow::CommandClear_Click(int) {}
void MainWindow::CBadd1_Click(int index) {
    deckEditor_->AddButton(1, index);
}
void MainWindow::CBadd3_Click(int index) {
    deckEditor_->AddButton(3, index);
}
void MainWindow::CBdel1_Click(int index) {
    deckEditor_->RemoveOneCopy(index);
}
void MainWindow::CBdel3_Click(int index) {
    deckEditor_->RemoveEntry(index);
}
void MainWindow::Command6_Click() {
    deckEditor_->ClearDecksAfterAsking();
}
void MainWindow::CbViewSide_Click() {
    deckEditor_->ToggleSideDeckView();
}
void MainWindow::SideButton_Click(int index) {
    deckEditor_->MoveOneCopy(index);
}
void MainWindow::Text1_Change(int index) {
    DeckStatsPanel::ColourTotalBox(*Text1_[static_cast<std::size_t>(index)]);
}
void MainWindow::ListView1_DblClick() {
    deckEditor_->AddByDoubleClick();
}
void MainWindow::ListView1_KeyA() {
    deckEditor_->AddByKey();
}
void MainWindow::Command3_Click() {}

// ---------------------------------------------------------------------------
// Card-information panel

void MainWindow::ClearCardDetail() {}

void MainWindow::ShowCardDetail(int slot, const QString& cardNumber, const QString& cardName,
                                const QString& expansionName) {
    lastCardDetail_ = CardDetailRequest{slot, cardNumber, cardName, expansionName};
}

DeckOptions MainWindow::deckOptions() const {
    DeckOptions o;
    o.shortFactionNames = optionItem(1)->isChecked();
    o.noCopyLimit = optionItem(2)->isChecked();
    o.collectMode = optionItem(3)->isChecked();
    return o;
}
void MainWindow::Timer1_Timer() {}

}  // namespace svdb
