#include "deck/gui/DeckPane.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/FactionNames.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"
#include "deck/gui/DeckEditor.h"
#include "deck/gui/DeckListModel.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

constexpr int kDeckButtonWidth = 48;
const char* const kShowSide = "サイドボードを見る";
const char* const kHideSide = "サイドボードを隠す";

// A filled arrow for the buttons that move copies between the two lists: up
// towards the main deck, down towards the side deck.
QIcon arrowIcon(bool up, const QColor& colour) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal tip = up ? 2 : 14, base = up ? 9 : 7, tail = up ? 14 : 2;
    QPainterPath path;
    path.moveTo(8, tip);
    path.lineTo(14, base);
    path.lineTo(10.5, base);
    path.lineTo(10.5, tail);
    path.lineTo(5.5, tail);
    path.lineTo(5.5, base);
    path.lineTo(2, base);
    path.closeSubpath();
    p.fillPath(path, colour);
    return QIcon(pm);
}

// Column widths that show every faction text, card number and count whole;
// the card name takes what is left.
void setDeckColumns(QTableView* view) {
    const QFontMetrics fm(view->font());
    const int pad = 2 * fm.horizontalAdvance(QLatin1Char(' ')) + 4;
    int faction = 0;
    for (std::string_view f : ShortenedFactionNames())
        faction = std::max(faction, fm.horizontalAdvance(toQString(f)));
    QHeaderView* header = view->horizontalHeader();
    view->setColumnWidth(DeckListModel::kFaction, faction + pad);
    view->setColumnWidth(DeckListModel::kCardNumber, fm.horizontalAdvance(u8("SPOL-10")) + pad);
    view->setColumnWidth(DeckListModel::kCopies, fm.horizontalAdvance(u8("枚数")) + pad);
    header->setSectionResizeMode(DeckListModel::kCardName, QHeaderView::Stretch);
}

}  // namespace

DeckPane::DeckPane(DeckModel& deck, const ProgramOptions& options, CardChoice& cards,
                   QWidget* parent)
    : QFrame(parent), deck_(deck) {
    setObjectName(QStringLiteral("FrameLIST"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Controls::kSpacing);
    row->addLayout(buildButtons());
    row->addWidget(buildDeckColumn(), 1);

    editor_ = new DeckEditor(deck_, options, cards, ListDeck_, models_, this, this);
    connect(editor_, &DeckEditor::cardChosen, this, &DeckPane::cardChosen);
    connect(editor_, &DeckEditor::detailCleared, this, &DeckPane::detailCleared);
    connect(editor_, &DeckEditor::openingChanceRequested, this, &DeckPane::openingChanceRequested);
    connect(editor_, &DeckEditor::contextMenuRequested, this, &DeckPane::contextMenuRequested);
    connect(editor_, &DeckEditor::limitNoticeChanged, this, &DeckPane::limitNoticeChanged);
    deck_.addObserver(this);
    setCardCount(0);
    for (int i = 0; i < 2; ++i) showTotal(i);
}

DeckPane::~DeckPane() {
    deck_.removeObserver(this);
    // The editor detaches the list models from the deck model, which may go
    // before the pane's children.
    delete editor_;
}

QLayout* DeckPane::buildButtons() {
    // The main deck's buttons beside the main list, the side deck's beside
    // the side list.
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Controls::kSpacing);
    LBtotalLeft_ = Controls::label(this, QStringLiteral("LBtotalLeft"), QStringLiteral("0000"));
    LBtotalLeft_->setFont(AppFonts::fixed());
    LBtotalLeft_->setAlignment(Qt::AlignCenter);
    LBtotalLeft_->setFixedHeight(Controls::kButtonHeight);
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
        CBadd1_[i] =
            Controls::button(this, Controls::indexed("CBadd1", i), u8(add1[i]), u8(add1Tips[i]));
        CBadd3_[i] =
            Controls::button(this, Controls::indexed("CBadd3", i), u8(add3[i]), u8(add3Tips[i]));
        CBdel1_[i] =
            Controls::button(this, Controls::indexed("CBdel1", i), u8(del1[i]), u8(del1Tips[i]));
        CBdel3_[i] =
            Controls::button(this, Controls::indexed("CBdel3", i), u8(del3[i]), u8(del3Tips[i]));
        for (QPushButton* b : {CBadd1_[i], CBadd3_[i], CBdel1_[i], CBdel3_[i]}) {
            b->setFixedWidth(kDeckButtonWidth);
            buttons->addWidget(b);
        }
        connect(CBadd1_[i], &QPushButton::clicked, this, [this, i] { CBadd1_Click(i); });
        connect(CBadd3_[i], &QPushButton::clicked, this, [this, i] { CBadd3_Click(i); });
        connect(CBdel1_[i], &QPushButton::clicked, this, [this, i] { CBdel1_Click(i); });
        connect(CBdel3_[i], &QPushButton::clicked, this, [this, i] { CBdel3_Click(i); });
    }
    return buttons;
}

QWidget* DeckPane::buildDeckColumn() {
    // Name, main deck, move buttons, side deck, totals.
    auto* frame7 = Controls::named(new QFrame(this), QStringLiteral("Frame7"));
    auto* col = new QVBoxLayout(frame7);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(Controls::kSpacing);

    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(Controls::label(frame7, QStringLiteral("Label48"), u8("Deck名")));
    Text2_ = Controls::named(new QLineEdit(frame7), QStringLiteral("Text2"));
    Text2_->setFixedHeight(Controls::kButtonHeight);
    nameRow->addWidget(Text2_, 1);
    col->addLayout(nameRow);

    static const char* const totalCaptions[2] = {"Total", "Side"};
    for (int i = 0; i < 2; ++i) {
        ListDeck_[i] = Controls::named(new QTableView(frame7), Controls::indexed("ListDeck", i));
        ListDeck_[i]->setFont(AppFonts::fixed());
        Controls::setUpReportView(ListDeck_[i]);
        models_[i] = new DeckListModel(this);
        ListDeck_[i]->setModel(models_[i]);
        setDeckColumns(ListDeck_[i]);
        Text1_[i] = Controls::named(new QLineEdit(QStringLiteral("0"), frame7),
                                    Controls::indexed("Text1", i));
        Text1_[i]->setFont(AppFonts::fixed());
        Text1_[i]->setReadOnly(true);
        Text1_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Text1_[i]->setFixedSize(40, Controls::kButtonHeight);
        connect(Text1_[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        LBTotal_[i] =
            Controls::label(frame7, Controls::indexed("LBTotal", i), u8(totalCaptions[i]));
        LBTotal_[i]->setFont(AppFonts::fixed());
    }

    static const char* const sideTips[2] = {"メインデッキへ", "サイドボードへ"};
    for (int i = 0; i < 2; ++i) {
        SideButton_[i] = Controls::button(frame7, Controls::indexed("SideButton", i), QString(),
                                          u8(sideTips[i]));
        SideButton_[i]->setIcon(arrowIcon(i == 0, QColor(40, 90, 170)));
        SideButton_[i]->setFixedWidth(36);
        connect(SideButton_[i], &QPushButton::clicked, this, [this, i] { SideButton_Click(i); });
    }

    col->addWidget(ListDeck_[0], 3);
    auto* mainRow = new QHBoxLayout;
    mainRow->setSpacing(6);
    mainRow->addWidget(LBTotal_[0]);
    mainRow->addWidget(Text1_[0]);
    mainRow->addStretch(1);
    mainRow->addWidget(SideButton_[1]);
    mainRow->addWidget(SideButton_[0]);
    col->addLayout(mainRow);
    col->addWidget(ListDeck_[1], 2);
    auto* sideRow = new QHBoxLayout;
    sideRow->setSpacing(6);
    sideRow->addWidget(LBTotal_[1]);
    sideRow->addWidget(Text1_[1]);
    sideRow->addStretch(1);
    CbViewSide_ = Controls::button(frame7, QStringLiteral("CbViewSide"), u8(kHideSide),
                                   u8("サイドボード表示切り替え"));
    connect(CbViewSide_, &QPushButton::clicked, this, [this] { CbViewSide_Click(); });
    sideRow->addWidget(CbViewSide_);
    Command6_ = Controls::button(frame7, QStringLiteral("Command6"), u8("全削除"),
                                 u8("右のリストを全て削除します"));
    connect(Command6_, &QPushButton::clicked, this, [this] { Command6_Click(); });
    sideRow->addWidget(Command6_);
    col->addLayout(sideRow);
    for (QPushButton* b : {CbViewSide_, Command6_}) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 20);
    }
    return frame7;
}

void DeckPane::setCardCount(int count) {
    LBtotalLeft_->setText(QString::number(count));
    // The add buttons stay off while the card list has no rows.
    for (int i = 0; i < 2; ++i) {
        CBadd1_[i]->setEnabled(count != 0);
        CBadd3_[i]->setEnabled(count != 0);
    }
}

void DeckPane::setHistory(DeckHistory* history) {
    editor_->setHistory(history);
}

bool DeckPane::AddSide(std::int16_t& copies, int toList, int fromList) {
    return editor_->AddSide(copies, toList, fromList);
}

std::string DeckPane::title() const {
    return Text2_->text().toStdString();
}

void DeckPane::setTitle(const std::string& title) {
    Text2_->setText(toQString(title));
}

bool DeckPane::sideDeckShown() const {
    return !ListDeck_[DeckModel::kSide]->isHidden();
}

void DeckPane::showTotal(int list) {
    Text1_[list]->setText(QString::number(deck_.total(list)));
    // A box that already reads what it should is coloured all the same.
    Text1_Change(list);
}

void DeckPane::totalChanged(int list) {
    showTotal(list);
}

// ---------------------------------------------------------------------------
// Event handlers

void DeckPane::CBadd1_Click(int index) {
    editor_->AddButton(1, index);
}
void DeckPane::CBadd3_Click(int index) {
    editor_->AddButton(3, index);
}
void DeckPane::CBdel1_Click(int index) {
    editor_->RemoveOneCopy(index);
}
void DeckPane::CBdel3_Click(int index) {
    editor_->RemoveEntry(index);
}
void DeckPane::Command6_Click() {
    editor_->ClearDecksAfterAsking();
}
void DeckPane::AddByDoubleClick() {
    editor_->AddByDoubleClick();
}
void DeckPane::AddByKey() {
    editor_->AddByKey();
}
void DeckPane::SideButton_Click(int index) {
    editor_->MoveOneCopy(index);
}

void DeckPane::entryAppended(int list) {
    // A card added to the hidden side deck brings the side deck back into view.
    if (list == DeckModel::kSide && !sideDeckShown()) CbViewSide_Click();
}

void DeckPane::CbViewSide_Click() {
    const bool show = !sideDeckShown();
    ListDeck_[DeckModel::kSide]->setVisible(show);
    LBTotal_[DeckModel::kSide]->setVisible(show);
    Text1_[DeckModel::kSide]->setVisible(show);
    CbViewSide_->setText(u8(show ? kHideSide : kShowSide));
}

void DeckPane::Text1_Change(int index) {
    const DeckTotal total = deck_.total(index);
    const Rgb c = DeckTotalColour(total);
    QPalette pal = Text1_[index]->palette();
    pal.setColor(QPalette::Text, QColor(c.r, c.g, c.b));
    Text1_[index]->setPalette(pal);
    if (index == DeckModel::kMain) emit mainTotalChanged(total);
}

}  // namespace svdb
