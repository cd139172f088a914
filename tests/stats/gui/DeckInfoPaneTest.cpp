#include <gtest/gtest.h>

#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>

#include "DeckTestSupport.h"
#include "stats/MainDeckStats.h"
#include "stats/gui/DeckInfoPane.h"

namespace svdb::testing {
namespace {

TEST(DeckInfoPaneTest, OwnsItsNamedControlsAndHoldsTheSearchPage) {
    CardTable table = MakeTestTable();
    DeckModel deck(table);
    MainDeckStats stats(deck);
    DeckInfoPane pane(deck, stats);
    // clang-format off
    const char* const names[] = {
        "TabStrip1", "FrameGraph_1", "FrameGraph_2", "FrameGraph_3", "PictureBar", "Picture1_1",
        "Picture1_5", "Label16", "Label20", "LbNoOfArmy_0", "LbNoOfArmy_6", "Label32", "Label33",
        "lblHIGE", "LblWing", "Label45", "Label47", "Label21", "Label22", "Label13",
    };
    // clang-format on
    for (const char* name : names) {
        EXPECT_NE(pane.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }
    auto* page = new QWidget;
    pane.setSearchPage(page);
    EXPECT_TRUE(pane.graphFrame(3)->isAncestorOf(page));
    pane.showGraphFrame(3);
    EXPECT_EQ(pane.tabStrip()->currentIndex(), 2);
    EXPECT_EQ(pane.graphStack()->currentWidget(), pane.graphFrame(3));
}

}  // namespace
}  // namespace svdb::testing
