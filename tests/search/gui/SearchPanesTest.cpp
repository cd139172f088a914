#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "catalogue/CardTable.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/FilterPane.h"

namespace svdb {
namespace {

// The stand-in for the folded filter panel is the panel's, but placed outside it.
TEST(SearchPanesTest, FilterMenuButtonLiesOutsideTheFilterPane) {
    FilterPane filter;
    EXPECT_FALSE(filter.isAncestorOf(filter.menuButton()));
}

TEST(SearchPanesTest, CardInfoPanelHoldsTheShownCardAndAsksForThePopUpMenu) {
    CardTable table;
    table.at(3, 41).faction = "ネオジオン";
    CardInfoPanel panel(table);
    panel.ShowCardDetail(CardRef{3, 41});
    EXPECT_EQ(panel.shownCard(), (CardRef{3, 41}));
    EXPECT_EQ(panel.findChild<QLabel*>(QStringLiteral("LBhide2"))->text(), QStringLiteral("3"));
    EXPECT_EQ(panel.findChild<QLabel*>(QStringLiteral("Label15"))->text(), QStringLiteral("41"));
    // No such slot, an empty row: nothing changes.
    for (const CardRef none : {CardRef{7, 0}, CardRef{3, 40}}) {
        panel.ShowCardDetail(none);
        EXPECT_EQ(panel.shownCard(), (CardRef{3, 41}));
    }
    panel.ClearCardDetail();
    EXPECT_FALSE(panel.shownCard());

    QSignalSpy asked(&panel, &CardInfoPanel::contextMenuRequested);
    for (const char* where : {"Frame3", "Label8", "Label9"}) {
        QWidget* w = panel.objectName() == QLatin1String(where)
                         ? &panel
                         : panel.findChild<QWidget*>(QLatin1String(where));
        QTest::mousePress(w, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(2, 2));
    }
    EXPECT_EQ(asked.count(), 3);
}

}  // namespace
}  // namespace svdb
