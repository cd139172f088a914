#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <string>

#include "catalogue/CardTable.h"
#include "search/FilterState.h"
#include "search/SearchTexts.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"

namespace svdb {
namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// Delivers what is left to do: posted events, zero timers, the paints.
void Settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

FilterState Factions(std::uint8_t mask) {
    FilterState s;
    s.factionMask = mask;
    return s;
}

// The card list alone, shown, over 40 cards in two factions: more rows than
// it has room for.
class CardListRepaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 40; ++i) {
            CardRecord& r = table.at(i % 2, i / 2);
            r.faction = i % 2 ? "ジオン" : "連邦";
            r.cardNumber = "U-" + std::to_string(i);
            r.front.name = "タンクル";
        }
        table.FactionChangeCount = 2;
        pane.resize(420, 160);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
        pane.refill(table, Factions(kAllFactions), {});
        Settle();
    }

    int columnsWidth() const {
        int w = 0;
        for (int c = 0; c < CardListModel::kColumnCount; ++c) w += pane.view()->columnWidth(c);
        return w;
    }

    CardTable table;
    CardListPane pane;
};

TEST_F(CardListRepaintTest, EachRefillPaintsTheRowsOnceAndNotTheHeader) {
    const struct {
        const char* change;
        std::uint8_t factions;
        int rows;
    } refills[] = {
        {"the list empties", 0, 0},
        {"the list fills", kAllFactions, 40},
        {"the same cards again", kAllFactions, 40},
        {"one faction", slotColourBit[1], 20},
    };
    QTableView* view = pane.view();
    for (const auto& r : refills) {
        SCOPED_TRACE(r.change);
        PaintCounter rows(view->viewport());
        PaintCounter header(view->horizontalHeader()->viewport());
        EXPECT_EQ(pane.refill(table, Factions(r.factions), {}), r.rows);
        Settle();
        EXPECT_EQ(rows.paints, 1);
        EXPECT_EQ(header.paints, 0);
    }
}

// The card name takes what the other columns leave, at any width and however
// many rows are listed, and the list never scrolls sideways.
TEST_F(CardListRepaintTest, CardNameTakesTheRestOfTheWidth) {
    QTableView* view = pane.view();
    const int others = columnsWidth() - view->columnWidth(CardListModel::kCardName);
    for (const int width : {420, 640, 500}) {
        for (const std::uint8_t factions : {std::uint8_t{0}, kAllFactions}) {
            SCOPED_TRACE(std::to_string(width) + " " + std::to_string(factions));
            pane.resize(width, 160);
            pane.refill(table, Factions(factions), {});
            Settle();
            EXPECT_EQ(columnsWidth(), view->viewport()->width());
            EXPECT_EQ(columnsWidth() - view->columnWidth(CardListModel::kCardName), others);
            EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
        }
    }
}

}  // namespace
}  // namespace svdb
