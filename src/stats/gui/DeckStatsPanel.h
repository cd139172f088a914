#pragma once

#include <QObject>
#include <array>

#include "deck/DeckObserver.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace svdb {

class DeckModel;
class PictureBox;

// Shows the main deck's statistics in the main window and keeps them in step
// with every change of the deck model: the counters by type (Label16..Label20),
// by faction (LbNoOfArmy_0..LbNoOfArmy_6) and by rarity (Label45..Label47),
// the faction bar PictureBar, the five type bars Picture1_1..Picture1_5, and
// the two deck totals Text1_0 and Text1_1. The controls are found by name
// under the window; the panel only shows what the deck model computes.
class DeckStatsPanel : public QObject, public DeckObserver {
    Q_OBJECT

  public:
    DeckStatsPanel(DeckModel& deck, QWidget& window, QObject* parent = nullptr);
    ~DeckStatsPanel() override;

    // Shows every counter, both totals and both kinds of bar as the deck
    // model has them (all zero for an empty deck).
    void ShowAll();
    // Shows the fifteen counters.
    void ShowCounters();
    // Shows a list's total in its box.
    void ShowTotal(int list);
    // Repaints the five type bars from the main deck's rows.
    void DrawTypeBars();
    // Repaints the faction bar from the counters and the main total.
    void LayoutFactionBar();

    // Colours a total box by its text: black at exactly "50", red otherwise.
    static void ColourTotalBox(QLineEdit& box);

  private:
    void rowInserted(int list, int row) override;
    void rowRemoved(int list, int row) override;
    void rowChanged(int list, int row) override;
    void rowMoved(int list, int from, int destination) override;
    void listReset(int list) override;
    void totalChanged(int list) override;
    void statsChanged() override;
    void decksCleared() override;

    void mainRowsChanged(int list);

    DeckModel& deck_;
    std::array<QLabel*, 5> typeLabels_{};  // GENERATION, UNIT, CHARACTER, COMMAND, OPERATION
    std::array<QLabel*, 7> factionLabels_{};
    std::array<QLabel*, 3> rarityLabels_{};  // Rare, Uncommon, Common
    std::array<QLineEdit*, 2> totals_{};
    PictureBox* factionBar_ = nullptr;
    std::array<PictureBox*, 5> typeBars_{};  // kinds 1..5
};

}  // namespace svdb
