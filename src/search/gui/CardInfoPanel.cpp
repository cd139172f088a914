#include "search/gui/CardInfoPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

CardInfoPanel::CardInfoPanel(const CardTable& table, QWidget* parent)
    : QGroupBox(u8("カード情報"), parent), table_(table) {
    setObjectName(QStringLiteral("Frame3"));
    setToolTip(u8("右クリックでコンテキストメニュー表示"));
    setAutoFillBackground(true);
    setFont(AppFonts::proportional());
    auto* g = new QGridLayout(this);
    g->setContentsMargins(Controls::kMargin + 2, 2, Controls::kMargin + 2, Controls::kMargin);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);

    // Row 0: faction and card number.
    g->addWidget(label("Label5", "軍隊："), 0, 0, 1, 4);
    QLabel* cardNo = label("LblCardNo", "CH-000");
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
        QLabel* l = label(name, "");
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
        panel->setFixedHeight(Controls::twipsToPixels(heightTwips));
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        panel->installEventFilter(this);
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
    auto* transform = Controls::button(this, QStringLiteral("Command3"), u8("変形"));
    transform->setFixedWidth(56);
    transform->setEnabled(false);  // no transformed face is shown yet
    connect(transform, &QPushButton::clicked, this, [this] { Command3_Click(); });
    combat->addWidget(transform);
    g->addLayout(combat, 6, 0, 1, 6);
    // Keyword summary and expansion.
    QLabel* summary = label("Label7", "");
    summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    g->addWidget(summary, 7, 0, 1, 4);
    QLabel* expansion = label("Label14", "");
    expansion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(expansion, 7, 4, 1, 2);
    for (int c = 0; c < 6; ++c) g->setColumnStretch(c, 1);

    LBhide2_ = label("LBhide2", "");
    LBhide2_->setVisible(false);
    Label15_ = label("Label15", "");
    Label15_->setVisible(false);
    installEventFilter(this);
}

QLabel* CardInfoPanel::label(const char* name, const char* text) {
    return Controls::label(this, QLatin1String(name), u8(text));
}

void CardInfoPanel::ClearCardDetail() {
    shown_.reset();
    LBhide2_->clear();
    Label15_->clear();
}

void CardInfoPanel::ShowCardDetail(CardRef card) {
    if (!card.valid() || card.slot >= CardTable::kSlots || card.row >= CardTable::kRows) return;
    shown_ = card;
    LBhide2_->setText(QString::number(card.slot));
    Label15_->setText(QString::number(card.row));
}

void CardInfoPanel::Command3_Click() {}

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
