#include "simulator/gui/TestDrawForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "deck/DeckModel.h"
#include "widgets/AppFonts.h"
#include "widgets/Controls.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

namespace {

constexpr int kButtonWidth = 116;
constexpr int kListWidth = 320;
constexpr int kListHeight = 300;

}  // namespace

TestDrawForm::TestDrawForm(DeckModel& deck, QWidget* parent, DrawSimulator::CutSource cuts)
    : QWidget(parent, Qt::Window),
      deck_(deck),
      simulator_(cuts ? DrawSimulator(std::move(cuts)) : DrawSimulator()) {
    setObjectName(QStringLiteral("TestDrawForm"));
    setWindowTitle(QStringLiteral("Draw Simurator"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(AppFonts::proportional());
    build();
    deck_.addObserver(this);
    Form_Load();
}

// The observer leaves only here: a window closed while the model tells its
// observers of a change must not leave their list in the middle of it.
TestDrawForm::~TestDrawForm() {
    deck_.removeObserver(this);
}

void TestDrawForm::decksCleared() {
    close();
}

void TestDrawForm::build() {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Controls::kMargin * 2, Controls::kMargin * 2, Controls::kMargin * 2,
                            Controls::kMargin * 2);
    row->setSpacing(Controls::kMargin * 2);

    List1_ = Controls::named(new QListWidget(this), QStringLiteral("List1"));
    List1_->setMinimumSize(kListWidth, kListHeight);
    List1_->setSelectionMode(QAbstractItemView::SingleSelection);
    row->addWidget(List1_, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Controls::kSpacing + 1);
    Command3_ = Controls::button(this, QStringLiteral("Command3"), QStringLiteral("Draw 1"));
    Command2_ = Controls::button(this, QStringLiteral("Command2"), QStringLiteral("Draw 6"));
    Command4_ = Controls::button(this, QStringLiteral("Command4"), u8("念入りにシャフル"));
    Command1_ = Controls::button(this, QStringLiteral("Command1"), u8("クリア"));
    Close_ = Controls::button(this, QStringLiteral("Close"), QStringLiteral("Close"));
    for (QPushButton* b : {Command3_, Command2_, Command4_, Command1_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(Close_);
    for (QPushButton* b : {Command1_, Command2_, Command3_, Command4_, Close_})
        b->setFixedWidth(std::max(kButtonWidth, b->sizeHint().width()));
    row->addLayout(buttons);

    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4_, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Close_, &QPushButton::clicked, this, [this] { Close_Click(); });
    setTabOrder(Command3_, Command2_);
    setTabOrder(Command2_, Command4_);
    setTabOrder(Command4_, Command1_);
    setTabOrder(Command1_, Close_);
    setTabOrder(Close_, List1_);
    resize(sizeHint());
}

void TestDrawForm::Form_Load() {
    if (deck_.total(DeckModel::kMain) != DrawSimulator::kDeckSize) {
        MessageBoxes::show(parentWidget() ? parentWidget() : this, MessageBoxes::programTitle(),
                           toQString(DrawSimulator::kNeedsFiftyCards), QMessageBox::NoIcon,
                           QMessageBox::Ok);
        SimurateOFF();
        return;
    }
    SimurateON();
    ReloadDeck();
}

void TestDrawForm::SimurateON() {
    on_ = true;
    showDrawn();
}

void TestDrawForm::SimurateOFF() {
    on_ = false;
    showDrawn();
}

void TestDrawForm::ReloadDeck() {
    simulator_.ReloadDeck(deck_.list(DeckModel::kMain).rows);
    showDrawn();
}

void TestDrawForm::showDrawn() {
    const std::vector<std::string>& drawn = simulator_.drawn();
    const auto count = static_cast<std::size_t>(List1_->count());
    if (drawn.size() < count) List1_->clear();
    for (auto i = static_cast<std::size_t>(List1_->count()); i < drawn.size(); ++i)
        List1_->addItem(toQString(drawn[i]));
    if (List1_->count() > 0)
        List1_->scrollToItem(List1_->item(List1_->count() - 1), QAbstractItemView::PositionAtTop);

    Command1_->setEnabled(on_);
    Command4_->setEnabled(on_);
    Command2_->setEnabled(on_ && simulator_.canDraw());
    Command3_->setEnabled(on_ && simulator_.canDraw());
}

void TestDrawForm::Command1_Click() {
    simulator_.Clear();
    showDrawn();
}

void TestDrawForm::Command2_Click() {
    simulator_.DrawSix();
    showDrawn();
}

void TestDrawForm::Command3_Click() {
    simulator_.DrawOne();
    showDrawn();
}

void TestDrawForm::Command4_Click() {
    simulator_.ThoroughShuffle();
    showDrawn();
}

void TestDrawForm::Close_Click() {
    close();
}

void TestDrawForm::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded();
    }
    event->accept();
}

}  // namespace svdb
