#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "catalogue/CardTable.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListPane.h"
#include "search/gui/FilterPane.h"
#include "search/gui/SearchPane.h"

namespace svdb {
namespace {

struct Owned {
    const char* pane;
    std::function<std::unique_ptr<QWidget>(const CardTable&)> make;
    std::vector<const char*> controls;
};

// Each pane builds the controls it owns under their control names.
TEST(SearchPanesTest, EachPaneOwnsItsNamedControls) {
    const CardTable table;
    // clang-format off
    const Owned panes[] = {
        {"FilterPane", [](const CardTable&) { return std::make_unique<FilterPane>(); },
         {"Frame1", "CheckColor_0", "CheckColor_7", "Frame2", "CBkind_0", "CBkind_4",
          "Frame4", "CheckRare_0", "CheckRare_3", "Frame5", "CheckPSArm", "CBkShusei", "CbTaiki",
          "ToolbarChar", "ToolbarChar_1", "ToolbarChar_6"}},
        {"SearchPane", [](const CardTable&) { return std::make_unique<SearchPane>(); },
         {"FrameFindText", "CheckFindName", "CheckFindText", "CheckFindFlavor", "ComboFind",
          "CommandClear_1", "FrameFindNum", "ComboSyugo", "ComboNum_0", "ComboNum_1",
          "CommandClear_0", "LabelFindHint"}},
        {"CardListPane", [](const CardTable&) { return std::make_unique<CardListPane>(); },
         {"ListView1"}},
        {"CardInfoPanel", [](const CardTable& t) { return std::make_unique<CardInfoPanel>(t); },
         {"Label5", "Label1", "Label3", "Label4", "Label2", "Label49", "Label50", "Label6",
          "Label51", "LblChar", "Label10", "Label11", "Label12", "Label8", "Label9", "Label14",
          "Label7", "LblCardNo", "Command3", "LBhide2", "Label15"}},
    };
    // clang-format on
    for (const Owned& p : panes) {
        SCOPED_TRACE(p.pane);
        const std::unique_ptr<QWidget> pane = p.make(table);
        for (const char* name : p.controls) {
            EXPECT_NE(pane->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
        }
    }
    // The stand-in for the folded panel is the panel's, but placed outside it.
    FilterPane filter;
    EXPECT_EQ(filter.menuButton()->objectName(), QStringLiteral("CBmenu"));
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
