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
// FrameFindNum (the item, the range, its reset and the hint below). Picking
// or typing anything reports searchChanged; searchTexts reads them all.
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

    // --- Event handlers ---
    void CheckFind_Click();
    void ComboFind_Click();
    void ComboFind_Enter();
    void ComboSyugo_Click();
    void ComboNum_Click(int index);
    void CommandClear_Click(int index);

  signals:
    void searchChanged();

  private:
    QWidget* buildTextSearch();
    QWidget* buildNumericSearch();

    std::array<QCheckBox*, 3> findIn_{};  // CheckFindName, CheckFindText, CheckFindFlavor
    QComboBox* ComboFind_ = nullptr;
    QComboBox* ComboSyugo_ = nullptr;
    std::array<QComboBox*, 2> ComboNum_{};
    QLabel* LabelFindHint_ = nullptr;
};

}  // namespace svdb
