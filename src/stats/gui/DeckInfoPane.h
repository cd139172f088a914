#pragma once

#include <QWidget>
#include <array>

#include "deck/DeckObserver.h"

class QFrame;
class QLabel;
class QStackedWidget;
class QTabBar;
class QTimer;

namespace svdb {

class DeckModel;
class MainDeckStats;
class PictureBox;
struct DeckEntry;

// The tabbed frames below the deck lists, switched by the tab strip
// TabStrip1: FrameGraph_1 "デッキ情報" with the main deck's counters by type
// (Label16..Label20), by faction (LbNoOfArmy_0..LbNoOfArmy_6) and by rarity
// (Label45..Label47) and the opening-hand chance (Label21, Label22,
// Label13); FrameGraph_2 "グラフ" with the faction bar PictureBar and the
// five type bars Picture1_1..Picture1_5; FrameGraph_3 "検索", which holds the
// page given to setSearchPage. Every counter and bar follows the deck model:
// it is shown again, from here only, when the model says it changed.
class DeckInfoPane : public QWidget, private DeckObserver {
    Q_OBJECT

  public:
    // deck and stats outlive the pane.
    DeckInfoPane(DeckModel& deck, const MainDeckStats& stats, QWidget* parent = nullptr);
    ~DeckInfoPane() override;

    // Puts the page of the search tab (FrameGraph_3) in place.
    void setSearchPage(QWidget* page);
    // Brings FrameGraph index (1..3) to the front and selects its tab.
    void showGraphFrame(int index);

    // Shows the chance of drawing an entry among the first six cards: the
    // entry's name in Label22 and the chance in Label13. The deck is taken
    // to hold fifty cards whatever it holds, so the chance depends on the
    // entry's copies alone.
    void ShowOpeningChance(const DeckEntry& entry);
    // Blanks the chance (Label13), as blanking the card information does.
    void ClearOpeningChance();

    QTabBar* tabStrip() const { return TabStrip1_; }
    QStackedWidget* graphStack() const { return graphStack_; }
    // FrameGraph 1..3.
    QFrame* graphFrame(int index) const { return FrameGraph_.at(index - 1); }
    PictureBox* factionBar() const { return PictureBar_; }
    // Picture1 1..5: the UNIT, CHARACTER, COMMAND, OPERATION, GENERATION bars.
    PictureBox* typeBar(int index) const { return Picture1_.at(index - 1); }
    QTimer* timer() const { return Timer1_; }

    // --- Event handlers ---
    void TabStrip1_Click();
    void Timer1_Timer();

  private:
    QFrame* buildCounters();
    QFrame* buildBars();
    void showCounters();
    void drawTypeBars();
    void layOutFactionBar();

    void rowInserted(int list, int row) override;
    void rowRemoved(int list, int row) override;
    void rowChanged(int list, int row) override;
    void rowMoved(int list, int from, int destination) override;
    void listReset(int list) override;
    void totalChanged(int list) override;
    void statsChanged() override;

    DeckModel& deck_;
    const MainDeckStats& stats_;
    QTabBar* TabStrip1_ = nullptr;
    QStackedWidget* graphStack_ = nullptr;
    std::array<QFrame*, 3> FrameGraph_{};
    std::array<QLabel*, 5> typeLabels_{};  // GENERATION, UNIT, CHARACTER, COMMAND, OPERATION
    std::array<QLabel*, 7> factionLabels_{};
    std::array<QLabel*, 3> rarityLabels_{};  // Rare, Uncommon, Common
    PictureBox* PictureBar_ = nullptr;
    std::array<PictureBox*, 5> Picture1_{};
    QTimer* Timer1_ = nullptr;
    // The captions of the four slots that hold two factions, which Timer1
    // alternates.
    std::array<QLabel*, 4> twoFactionLabels_{};
    QLabel* Label22_ = nullptr;
    QLabel* Label13_ = nullptr;
};

}  // namespace svdb
