#pragma once

#include <QWidget>
#include <array>

#include "search/SearchTexts.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace svdb {

// The two search frames shown on the "検索" tab: the text search
// FrameFindText (where to look, the text, its reset) and the numeric search
// FrameFindNum (the item, the range, its reset and the hint below). The box
// texts are the searches' whole state; searchTexts reads them all.
// searchChanged asks for a refill: on a click of a text-search box, a preset
// picked or Enter in ComboFind (typing alone does not search), any change of
// the numeric boxes and either reset. Choosing a minimum offers the maxima
// from it up to 9; the hint says what the numeric search still needs.
class SearchPane : public QWidget {
    Q_OBJECT

  public:
    explicit SearchPane(QWidget* parent = nullptr);

    // The texts and boxes of both frames as the filter reads them.
    SearchTexts searchTexts() const;

    // Fills the item list, the minimum list and the text presets, with
    // nothing chosen.
    void fillChoiceLists();

    QComboBox* comboFind() const { return ComboFind_; }
    QComboBox* comboSyugo() const { return ComboSyugo_; }
    QComboBox* comboNum(int index) const { return ComboNum_.at(index); }
    QLabel* hintLabel() const { return LabelFindHint_; }

    // Gives the text search box the focus with its text selected, ready to
    // be typed over.
    void focusTextSearch();

    // Writes the hint for the numeric boxes' texts into LabelFindHint.
    void UpdateSearchHint();

    // --- Event handlers ---
    void CheckFind_Click();
    void ComboFind_Click();
    void ComboFind_Enter();
    void ComboSyugo_Click();
    void ComboNum_Change(int index);
    void ComboNum_Click(int index);
    void CommandClear_Click(int index);

  signals:
    void searchChanged();

  private:
    QWidget* buildTextSearch();
    QWidget* buildNumericSearch();
    // Offers the maxima for the minimum's text, starting with no maximum.
    void refillMaximumList();

    std::array<QCheckBox*, 3> findIn_{};  // CheckFindName, CheckFindText, CheckFindFlavor
    QComboBox* ComboFind_ = nullptr;
    QComboBox* ComboSyugo_ = nullptr;
    std::array<QComboBox*, 2> ComboNum_{};
    QLabel* LabelFindHint_ = nullptr;
};

}  // namespace svdb
