#include <gtest/gtest.h>

#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>

#include "DeckTestSupport.h"
#include "stats/MainDeckStats.h"
#include "stats/gui/DeckInfoPane.h"

namespace svdb::testing {
namespace {

TEST(DeckInfoPaneTest, HoldsTheSearchPageInTheThirdGraphFrame) {
    CardTable table = MakeTestTable();
    DeckModel deck(table);
    MainDeckStats stats(deck);
    DeckInfoPane pane(deck, stats);
    auto* page = new QWidget;
    pane.setSearchPage(page);
    EXPECT_TRUE(pane.graphFrame(3)->isAncestorOf(page));
    pane.showGraphFrame(3);
    EXPECT_EQ(pane.tabStrip()->currentIndex(), 2);
    EXPECT_EQ(pane.graphStack()->currentWidget(), pane.graphFrame(3));
}

}  // namespace
}  // namespace svdb::testing
