#include "search/gui/CardInfoPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

QColor toQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

// A control that is shown for some cards only keeps its room while hidden,
// so the panel does not move from card to card.
void keepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

QHBoxLayout* row(int spacing) {
    auto* r = new QHBoxLayout;
    r->setSpacing(spacing);
    return r;
}

}  // namespace

CardInfoPanel::CardInfoPanel(const CardTable& table, QWidget* parent)
    : QGroupBox(u8("カード情報"), parent), table_(table) {
    setObjectName(QStringLiteral("Frame3"));
    setToolTip(u8("右クリックでコンテキストメニュー表示"));
    setAutoFillBackground(true);
    setFont(AppFonts::proportional());
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(Controls::kMargin + 2, 2, Controls::kMargin + 2, Controls::kMargin);
    col->setSpacing(1);

    // Faction and card number.
    QHBoxLayout* top = row(6);
    Label5_ = label("Label5", "軍隊：");
    top->addWidget(Label5_, 1);
    LblCardNo_ = label("LblCardNo", "CH-000");
    LblCardNo_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(LblCardNo_);
    col->addLayout(top);
    // Name.
    Label1_ = label("Label1", "カード名：");
    col->addWidget(Label1_);
    // Rarity, costs and expansion; type with terrain or character codes. The
    // costs and the terrain start in one column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    Label3_ = label("Label3", "レアリティ：");
    grid->addWidget(Label3_, 0, 0);
    QHBoxLayout* costs = row(6);
    costs->addWidget(label("Label4", "コスト："));
    Label2_ = label("Label2", "");
    Label49_ = label("Label49", "");
    Label50_ = label("Label50", "");
    for (QLabel* cost : {Label2_, Label49_, Label50_}) {
        cost->setMinimumWidth(16);
        costs->addWidget(cost);
    }
    costs->addStretch(1);
    Label14_ = label("Label14", "");
    Label14_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    costs->addWidget(Label14_);
    grid->addLayout(costs, 0, 1);
    Label6_ = label("Label6", "種別：");
    grid->addWidget(Label6_, 1, 0);
    QHBoxLayout* detail = row(6);
    Label51_ = label("Label51", "地形適性：");
    LblChar_ = label("LblChar", "");
    detail->addWidget(Label51_);
    detail->addWidget(LblChar_);
    detail->addStretch(1);
    grid->addLayout(detail, 1, 1);
    grid->setColumnStretch(1, 1);
    col->addLayout(grid);
    // The card text and the flavour text sit in thin boxes of a fixed height,
    // so the space kept for them reads as a text area while no card is shown;
    // a text longer than its box scrolls in it.
    auto textBox = [&](const char* name, QLabel*& text, QScrollArea*& box) {
        text = label(name, "");
        text->setMargin(2);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->installEventFilter(this);
        box = new QScrollArea(this);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setWidgetResizable(true);
        box->setWidget(text);
        box->viewport()->setAutoFillBackground(false);
        box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        col->addWidget(box);
    };
    textBox("Label8", Label8_, textBox_);
    textBox("Label9", Label9_, flavorBox_);
    setLongLayout(false);
    // Combat values and the transform button.
    QHBoxLayout* combat = row(12);
    Label10_ = label("Label10", "格闘");
    Label11_ = label("Label11", "射撃");
    Label12_ = label("Label12", "防御");
    for (QLabel* l : {Label10_, Label11_, Label12_}) combat->addWidget(l);
    combat->addStretch(1);
    Command3_ = Controls::button(this, QStringLiteral("Command3"), u8("変形"));
    Command3_->setMinimumWidth(56);
    buttonFace_ = Command3_->palette().color(QPalette::Button);
    connect(Command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });
    combat->addWidget(Command3_);
    col->addLayout(combat);
    // Keyword summary.
    Label7_ = label("Label7", "");
    col->addWidget(Label7_);

    // A long text never widens the window: the labels that show card data
    // take what room there is.
    for (QLabel* l : {Label5_, Label1_, Label3_, Label14_, Label6_, Label51_, LblChar_, Label10_,
                      Label11_, Label12_, Label7_}) {
        l->setMinimumWidth(1);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label51_, LblChar_, Label10_, Label11_,
                                                      Label12_, Command3_}) {
        keepRoomWhenHidden(w);
    }
    Command3_->setVisible(false);  // no card, no transformed face

    LBhide2_ = label("LBhide2", "");
    LBhide2_->setVisible(false);
    Label15_ = label("Label15", "");
    Label15_->setVisible(false);
    installEventFilter(this);
}

QLabel* CardInfoPanel::label(const char* name, const char* text) {
    QLabel* l = Controls::label(this, QLatin1String(name), u8(text));
    l->setTextFormat(Qt::PlainText);  // card texts are never markup
    return l;
}

void CardInfoPanel::setText(QLabel* label, const std::string& text) {
    // A line break of a card text is CR LF; a label breaks at LF alone.
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label->setText(shown);
}

void CardInfoPanel::ClearCardDetail() {
    shown_.reset();
    for (QLabel* l : {Label7_, Label14_, Label15_, Label51_, LblChar_}) l->clear();
    texts_.summary.clear();
    Label10_->setText(u8("格闘 "));
    Label11_->setText(u8("射撃 "));
    Label12_->setText(u8("防御 "));
    emit detailCleared();
}

void CardInfoPanel::setLongLayout(bool on) {
    textBox_->setFixedHeight(Controls::twipsToPixels(on ? kLongTextTwips : kTextTwips));
    flavorBox_->setFixedHeight(Controls::twipsToPixels(on ? kLongFlavorTwips : kFlavorTwips));
}

void CardInfoPanel::ShowCardDetail(CardRef card) {
    if (lastTextLong_) setLongLayout(false);
    if (!card.valid() || card.slot >= CardTable::kSlots || card.row >= CardTable::kRows) return;
    const CardRecord& record = table_.at(card.slot, card.row);
    if (!record.occupied()) return;
    shown_ = card;
    detail_ = MakeCardDetail(record);
    const CardDetail& d = detail_;

    setText(Label5_, d.faction);
    setText(Label3_, d.rarity);
    setColour(this, QPalette::Window, toQColor(d.frameColour));
    if (d.costColour) setColour(Label2_, QPalette::WindowText, toQColor(*d.costColour));
    setText(Label2_, d.nationCost);
    setText(Label49_, d.allCost);
    setText(Label50_, d.resourceCost);
    LBhide2_->setText(QString::number(card.slot));
    Label15_->setText(QString::number(card.row));
    setText(LblCardNo_, d.cardNumber);
    texts_.cardNumber = d.cardNumber;

    setText(Label51_, d.terrain);
    Label51_->setVisible(d.showsTerrain);
    setText(LblChar_, d.charCodes);
    LblChar_->setVisible(d.showsCharCodes);
    setText(Label6_, d.type);

    lastTextLong_ = d.textLong;
    setLongLayout(d.textLong);

    showFace(d.front);
    for (QLabel* l : {Label10_, Label11_, Label12_}) l->setVisible(d.showsCombat);
    if (d.hasTransformedFace) Command3_->setText(toQString(d.transformCaption));
    Command3_->setVisible(d.hasTransformedFace);
    setText(Label14_, d.expansion);
}

void CardInfoPanel::showFace(const CardFaceDetail& face) {
    setText(Label1_, face.name);
    setText(Label8_, face.text);
    setText(Label9_, face.flavor);
    setText(Label10_, face.power);
    setText(Label11_, face.shoot);
    setText(Label12_, face.toughness);
    setText(Label7_, face.summary);
    texts_.name = face.name;
    texts_.text = face.text;
    texts_.flavor = face.flavor;
    texts_.summary = face.summary;
}

void CardInfoPanel::Command3_Click() {
    if (!shown_) return;
    transformShown_ = !transformShown_;
    setColour(Command3_, QPalette::Button, transformShown_ ? QColor(255, 0, 0) : buttonFace_);
    showFace(transformShown_ ? detail_.transformed : detail_.front);
}

bool CardInfoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            emit contextMenuRequested(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace svdb
