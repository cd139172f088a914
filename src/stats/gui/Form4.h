#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "deck/DeckObserver.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace svdb {

class DeckModel;

// The cost graph window "コストグラフ": three sections stacked, FrmCost_0
// "合計国力", FrmCost_1 "指定国力" and FrmCost_2 "資源", each with a header
// row ("コスト", the full bar that stands for the whole main deck, "枚数")
// and one row per cost that the main deck's cards have, lowest first: the
// cost (9 reads "X"), a bar of that cost's share of the main deck and its
// copies, as LBcost_n, ShapeCost_n and LBsum_n with n running on across the
// sections from 1. The button Close sits below the last section.
//
// While it is open it follows the deck model: every change of the main
// deck's copies, and clearing, draws it afresh. Closing it unloads it
// (emits unloaded) and deletes it.
class Form4 : public QWidget, private DeckObserver {
    Q_OBJECT

  public:
    // deck outlives the window.
    explicit Form4(DeckModel& deck, QWidget* parent = nullptr);
    ~Form4() override;

    // Rebuilds all three sections from the main deck, lays the window out
    // and shows it.
    void DrawCostGraph();

    // FrmCost 0..2.
    QGroupBox* costFrame(int kind) const { return FrmCost_.at(kind); }
    QPushButton* closeButton() const { return Close_; }
    // The full bar of the header rows, in pixels.
    static constexpr int kFullBarWidth = 309;

    // --- Event handlers ---
    void Close_Click();

  signals:
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Row {
        QLabel* cost = nullptr;
        QFrame* bar = nullptr;
        QLabel* count = nullptr;
    };
    Row makeRow(QWidget* frame, const QString& suffix);
    void placeRow(const Row& row, int top, int barWidth);

    void mainDeckTallied() override;
    void decksCleared() override;

    DeckModel& deck_;
    bool unloaded_ = false;
    int rowHeight_ = 0;
    std::array<QGroupBox*, 3> FrmCost_{};
    std::array<Row, 3> headers_{};  // member 0 is FrmCost_0's header row
    std::vector<Row> rows_;         // members 1, 2, ...
    QPushButton* Close_ = nullptr;
};

}  // namespace svdb
