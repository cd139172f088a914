#include "search/gui/SearchPane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "search/FilterCaptions.h"
#include "search/NumericSearch.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"

namespace svdb {

SearchPane::SearchPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SearchPane"));
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(Controls::kMargin, 0, Controls::kMargin, 2);
    col->setSpacing(2);
    col->addWidget(buildTextSearch());
    col->addWidget(buildNumericSearch());
    col->addStretch(1);

    fillChoiceLists();
    // Typing a value searches as picking one does.
    for (int i = 0; i < 2; ++i) {
        connect(ComboNum_[i], &QComboBox::editTextChanged, this, [this, i] { ComboNum_Change(i); });
    }
}

QWidget* SearchPane::buildTextSearch() {
    auto* frame = Controls::group(this, QStringLiteral("FrameFindText"), u8("テキスト内検索"));
    // Where to look and the reset on one row, the text below it, wide enough
    // for the longest preset.
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(Controls::kMargin + 2, 0, Controls::kMargin + 2, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);
    static const char* const boxes[3][2] = {{"CheckFindName", "名称"},
                                            {"CheckFindText", "テキスト"},
                                            {"CheckFindFlavor", "フレーバー"}};
    for (int i = 0; i < 3; ++i) {
        findIn_[i] = Controls::check(frame, QLatin1String(boxes[i][0]), u8(boxes[i][1]));
        connect(findIn_[i], &QCheckBox::clicked, this, [this] { CheckFind_Click(); });
        g->addWidget(findIn_[i], 0, i);
    }
    // The typed text is the search term as it stands: no preset completes it.
    ComboFind_ =
        Controls::typedCombo(frame, QStringLiteral("ComboFind"), u8("テキスト内を検索します"));
    ComboFind_->setMaxVisibleItems(16);
    ComboFind_->setFixedHeight(Controls::kButtonHeight);
    int widest = 0;
    for (std::string_view p : FindPresets())
        widest = std::max(widest, ComboFind_->fontMetrics().horizontalAdvance(toQString(p)));
    ComboFind_->setMinimumWidth(widest + 40);
    connect(ComboFind_, &QComboBox::activated, this, [this] { ComboFind_Click(); });
    connect(ComboFind_->lineEdit(), &QLineEdit::returnPressed, this, [this] { ComboFind_Enter(); });
    g->addWidget(ComboFind_, 1, 0, 1, 5);
    auto* reset =
        Controls::button(frame, Controls::indexed("CommandClear", 1), QStringLiteral("Reset"));
    reset->setFixedWidth(52);
    connect(reset, &QPushButton::clicked, this, [this] { CommandClear_Click(1); });
    g->addWidget(reset, 0, 4);
    g->setColumnStretch(3, 1);
    return frame;
}

QWidget* SearchPane::buildNumericSearch() {
    auto* frame = Controls::group(this, QStringLiteral("FrameFindNum"), u8("数値検索"));
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(Controls::kMargin + 2, 0, Controls::kMargin + 2, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);
    ComboSyugo_ = Controls::named(new QComboBox(frame), QStringLiteral("ComboSyugo"),
                                  u8("検索したい項目名を選びます"));
    ComboSyugo_->setFixedHeight(Controls::kButtonHeight);
    ComboSyugo_->setMinimumWidth(100);
    connect(ComboSyugo_, &QComboBox::activated, this, [this] { ComboSyugo_Click(); });
    g->addWidget(ComboSyugo_, 0, 0);
    for (int i = 0; i < 2; ++i) {
        ComboNum_[i] = Controls::typedCombo(frame, Controls::indexed("ComboNum", i),
                                            u8("指定した数字のものを検索します"));
        ComboNum_[i]->setFixedSize(56, Controls::kButtonHeight);
        connect(ComboNum_[i], &QComboBox::activated, this, [this, i] { ComboNum_Click(i); });
    }
    g->addWidget(ComboNum_[0], 0, 1);
    auto* tilde = new QLabel(u8("～"), frame);
    tilde->setAlignment(Qt::AlignCenter);
    g->addWidget(tilde, 0, 2);
    g->addWidget(ComboNum_[1], 0, 3);
    auto* reset =
        Controls::button(frame, Controls::indexed("CommandClear", 0), QStringLiteral("Reset"));
    reset->setFixedWidth(52);
    connect(reset, &QPushButton::clicked, this, [this] { CommandClear_Click(0); });
    g->addWidget(reset, 0, 5);
    g->setColumnStretch(4, 1);
    LabelFindHint_ =
        Controls::label(frame, QStringLiteral("LabelFindHint"), toQString(SearchHint({}, {}, {})));
    g->addWidget(LabelFindHint_, 1, 0, 1, 6);
    return frame;
}

void SearchPane::fillChoiceLists() {
    const QSignalBlocker blockSyugo(ComboSyugo_);
    const QSignalBlocker blockMin(ComboNum_[0]);
    const QSignalBlocker blockMax(ComboNum_[1]);
    const QSignalBlocker blockFind(ComboFind_);
    ComboSyugo_->clear();
    for (std::string_view s : SearchItemCaptions()) ComboSyugo_->addItem(toQString(s));
    ComboSyugo_->setCurrentIndex(-1);

    ComboNum_[0]->clear();
    ComboNum_[0]->addItem(QStringLiteral("*"));
    for (int n = 0; n <= 9; ++n) ComboNum_[0]->addItem(QString::number(n));
    ComboNum_[0]->setCurrentIndex(-1);
    ComboNum_[0]->setEditText(QString());
    ComboNum_[1]->clear();
    ComboNum_[1]->setEditText(QString());

    ComboFind_->clear();
    for (std::string_view s : FindPresets()) ComboFind_->addItem(toQString(s));
    ComboFind_->setCurrentIndex(-1);
    ComboFind_->setEditText(QString());
}

SearchTexts SearchPane::searchTexts() const {
    SearchTexts texts;
    texts.searchItem = ComboSyugo_->currentText().toStdString();
    texts.minimum = ComboNum_[0]->currentText().toStdString();
    texts.maximum = ComboNum_[1]->currentText().toStdString();
    texts.findTerm = ComboFind_->currentText().toStdString();
    texts.findName = findIn_[0]->checkState() == Qt::Checked;
    texts.findText = findIn_[1]->checkState() == Qt::Checked;
    texts.findFlavor = findIn_[2]->checkState() == Qt::Checked;
    return texts;
}

void SearchPane::UpdateSearchHint() {
    LabelFindHint_->setText(toQString(SearchHint(ComboSyugo_->currentText().toStdString(),
                                                 ComboNum_[0]->currentText().toStdString(),
                                                 ComboNum_[1]->currentText().toStdString())));
}

void SearchPane::refillMaximumList() {
    // Quietly: the maximum's own handler is for the user's changes.
    const QSignalBlocker block(ComboNum_[1]);
    ComboNum_[1]->clear();
    for (const std::string& n : MaximumChoices(ComboNum_[0]->currentText().toStdString())) {
        ComboNum_[1]->addItem(toQString(n));
    }
    ComboNum_[1]->setCurrentIndex(-1);
    ComboNum_[1]->setEditText(QString());
}

void SearchPane::CheckFind_Click() {
    emit searchChanged();
}
void SearchPane::ComboFind_Click() {
    emit searchChanged();
}
void SearchPane::ComboFind_Enter() {
    emit searchChanged();
}

void SearchPane::ComboSyugo_Click() {
    UpdateSearchHint();
    emit searchChanged();
}

void SearchPane::ComboNum_Change(int index) {
    if (index == 0 && !ComboNum_[0]->currentText().isEmpty()) refillMaximumList();
    UpdateSearchHint();
    emit searchChanged();
}

void SearchPane::ComboNum_Click(int index) {
    if (index == 0) refillMaximumList();
    UpdateSearchHint();
    emit searchChanged();
}

void SearchPane::CommandClear_Click(int index) {
    if (index == 0) {
        const QSignalBlocker blockSyugo(ComboSyugo_);
        const QSignalBlocker blockMin(ComboNum_[0]);
        const QSignalBlocker blockMax(ComboNum_[1]);
        ComboSyugo_->setCurrentIndex(-1);
        ComboNum_[0]->setCurrentIndex(-1);
        ComboNum_[0]->setEditText(QString());
        ComboNum_[1]->clear();
        ComboNum_[1]->setEditText(QString());
        LabelFindHint_->setText(toQString(SearchHint({}, {}, {})));
    } else {
        const QSignalBlocker blockFind(ComboFind_);
        ComboFind_->setCurrentIndex(-1);
        ComboFind_->setEditText(QString());
    }
    emit searchChanged();
}

void SearchPane::focusTextSearch() {
    ComboFind_->setFocus(Qt::ShortcutFocusReason);
    if (QLineEdit* edit = ComboFind_->lineEdit()) edit->selectAll();
}

}  // namespace svdb
