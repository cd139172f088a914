#pragma once

#include <QFrame>
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/CardRef.h"
#include "deck/DeckObserver.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace svdb {

class CardChoice;
class DeckEditor;
class DeckHistory;
class DeckListModel;
class DeckModel;
class ProgramOptions;

// The deck list frame FrameLIST: the add and remove buttons beside the card
// list with the card count LBtotalLeft above them, and Frame7 with the deck
// name, the main deck list ListDeck_0 and its total Text1_0, the buttons
// that move one copy between the lists, the side deck list ListDeck_1 with
// its total Text1_1, the side deck toggle and "全削除". The editing itself is
// the DeckEditor's; the totals show the deck model's stored totals.
class DeckPane : public QFrame, private DeckObserver {
    Q_OBJECT

  public:
    // deck, options and cards outlive the pane.
    DeckPane(DeckModel& deck, const ProgramOptions& options, CardChoice& cards,
             QWidget* parent = nullptr);
    ~DeckPane() override;

    // The card list shows count cards: the count is shown, and the add
    // buttons work only while it is not 0.
    void setCardCount(int count);

    // Copies the selected entry of list fromList into list toList; copies is
    // lowered when fewer copies were placed. True when copies were placed.
    bool AddSide(std::int16_t& copies, int toList, int fromList);

    // The history that records every edit made through the pane (none:
    // nothing is recorded); it outlives the pane.
    void setHistory(DeckHistory* history);

    DeckEditor* editor() const { return editor_; }
    QTableView* deckList(int index) const { return ListDeck_.at(index); }
    DeckListModel* deckListModel(int index) const { return models_.at(index); }
    QLineEdit* deckTotal(int index) const { return Text1_.at(index); }
    QLineEdit* deckName() const { return Text2_; }
    // The deck title in Text2.
    std::string title() const;
    void setTitle(const std::string& title);
    QLabel* cardCountLabel() const { return LBtotalLeft_; }
    bool sideDeckShown() const;

    // --- Event handlers ---
    void CBadd1_Click(int index);
    void CBadd3_Click(int index);
    void CBdel1_Click(int index);
    void CBdel3_Click(int index);
    void Command6_Click();
    // Shows or hides the side deck with its total; the caption names what
    // the next click does.
    void CbViewSide_Click();
    void SideButton_Click(int index);
    // A total box changed: its colour follows the list's total.
    void Text1_Change(int index);
    // A double-click on a card-list row, and the key "A" there: one copy to
    // the main deck.
    void AddByDoubleClick();
    void AddByKey();

  signals:
    void cardChosen(CardRef card);
    void detailCleared();
    void openingChanceRequested(int list, int row);
    void contextMenuRequested(const QPoint& globalPos);
    // The main deck's total changed.
    void mainTotalChanged(int total);
    // The copy limit held back copies of a command (text empty: the notice
    // of the last command goes).
    void limitNoticeChanged(const QString& text);

  private:
    void totalChanged(int list) override;
    void entryAppended(int list) override;

    QLayout* buildButtons();
    QWidget* buildDeckColumn();
    void showTotal(int list);

    DeckModel& deck_;
    DeckEditor* editor_ = nullptr;
    QLabel* LBtotalLeft_ = nullptr;
    std::array<QPushButton*, 2> CBadd1_{};
    std::array<QPushButton*, 2> CBadd3_{};
    std::array<QPushButton*, 2> CBdel1_{};
    std::array<QPushButton*, 2> CBdel3_{};
    std::array<QPushButton*, 2> SideButton_{};
    std::array<QTableView*, 2> ListDeck_{};
    std::array<DeckListModel*, 2> models_{};
    std::array<QLineEdit*, 2> Text1_{};
    std::array<QLabel*, 2> LBTotal_{};
    QLineEdit* Text2_ = nullptr;
    QPushButton* CbViewSide_ = nullptr;
    QPushButton* Command6_ = nullptr;
};

}  // namespace svdb
