#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <functional>

#include "CardBrowserFixture.h"
#include "search/gui/CardListController.h"

namespace svdb {
namespace {

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

const QStringList kWalkOrder = Texts({"U-2", "U-10", "CH-1", "U-5", "C-3", "U-7", "U-8", "U-9"});

TEST(CardListModelAlone, PassesTheModelTesterThroughRefillsAndSorts) {
    CardListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setRows({{"ジオン", "U-5", "グラナト", "宇宙の記憶"},
                   {"連邦", "U-10", "ポッド", "--"},
                   {"連邦", "U-2", "タンクル", "基本セット"}});
    model.columnClicked(2);
    EXPECT_EQ(model.rowAt(0).cardNumber, "U-10");
    model.setRows({});
    model.setRows({{"Seed", "U-9", "スパーダ", ""}});
    model.columnClicked(2);
    model.setRowColouring(true);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.sortColumn(), -1);
}

TEST(CardListModelAlone, RowColourComesFromTheFactionText) {
    CardListModel model;
    const struct {
        const char* faction;
        QColor colour;
    } rows[] = {
        {"ジオン", QColor(0x99, 0xCC, 0x99)},
        {"ティタ", QColor(0xCC, 0xCC, 0xCC)},  // short names too
        {"", QColor(0xCC, 0xCC, 0xFF)},
    };
    std::vector<CardListRow> listed;
    for (const auto& r : rows) listed.push_back({r.faction, "U-1", "x", "--"});
    model.setRows(listed);

    // Colours only once installed, on every column.
    EXPECT_FALSE(model.index(0, 0).data(Qt::BackgroundRole).isValid());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setRowColouring(true);
    EXPECT_EQ(changed.count(), 1);
    for (int i = 0; i < model.rowCount(); ++i) {
        for (int c = 0; c < CardListModel::kColumnCount; ++c) {
            EXPECT_EQ(model.index(i, c).data(Qt::BackgroundRole).value<QBrush>().color(),
                      rows[i].colour)
                << rows[i].faction << " column " << c;
        }
    }
    model.setRowColouring(false);
    EXPECT_FALSE(model.index(0, 0).data(Qt::BackgroundRole).isValid());
}

using CardListTest = CardBrowserFixture;

TEST_F(CardListTest, StartUpListsEveryCardColouredInWalkOrder) {
    EXPECT_EQ(numbers(), kWalkOrder);
    EXPECT_EQ(column(CardListModel::kExpansion).at(6), QStringLiteral("--"));
    EXPECT_EQ(window->cardListPane()->groupStart(), (std::vector<std::int16_t>{1, 3, 5, 6, 7, -1}));
    EXPECT_EQ(window->deckPane()->cardCountLabel()->text(), QStringLiteral("8"));
    for (int r = 0; r < model()->rowCount(); ++r) {
        EXPECT_TRUE(model()->index(r, 0).data(Qt::BackgroundRole).isValid()) << r;
    }
    // Closing takes the colouring off again.
    window->Form_QueryUnload();
    EXPECT_FALSE(model()->rowColouring());
}

TEST_F(CardListTest, ColumnClicksToggleSorting) {
    QAbstractItemModelTester tester(model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QHeaderView* header = list()->horizontalHeader();
    clickRow(3);  // ジオン U-5 "グラナト"

    clickHeader(CardListModel::kCardName);
    const QStringList byName = Texts({"グラナト", "ジオンの作戦", "スパーダ", "ゾルダ", "タンクル",
                                      "ヘルムート", "ポッド", "リオ"});
    EXPECT_EQ(column(CardListModel::kCardName), byName);
    EXPECT_EQ(header->sortIndicatorSection(), CardListModel::kCardName);
    EXPECT_EQ(model()->lastSortColumn(), 3);
    // The selection follows its card.
    EXPECT_EQ(list()->currentIndex().row(), 0);

    // Again: sorting off, the rows keep the sorted order.
    clickHeader(CardListModel::kCardName);
    EXPECT_EQ(column(CardListModel::kCardName), byName);
    EXPECT_EQ(model()->sortColumn(), -1);
    EXPECT_EQ(header->sortIndicatorSection(), -1);
    // A third click changes nothing; a refill lists in walk order.
    clickHeader(CardListModel::kCardName);
    EXPECT_EQ(column(CardListModel::kCardName), byName);
    window->Change_List();
    EXPECT_EQ(numbers(), kWalkOrder);

    // "No." sorts card numbers as text, and refills stay sorted.
    clickHeader(CardListModel::kCardNumber);
    const QStringList byNumber = Texts({"C-3", "CH-1", "U-10", "U-2", "U-5", "U-7", "U-8", "U-9"});
    EXPECT_EQ(numbers(), byNumber);
    EXPECT_EQ(header->sortIndicatorSection(), CardListModel::kCardNumber);
    window->Change_List();
    EXPECT_EQ(numbers(), byNumber);
    EXPECT_EQ(model()->lastSortColumn(), 2);
}

TEST_F(CardListTest, ClickShowsTheRowsCard) {
    QSignalSpy cleared(window->cardListPane()->controller(),
                       &CardListController::clearDetailRequested);
    clickRow(6);
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_EQ(window->cardInfo()->shownCard(), (CardRef{2, 1}));  // ゾルダ, in slot 2

    // On an empty list a click only blanks the panel.
    QTest::mouseClick(window->filterPane()->factionBox(0),
                      Qt::LeftButton);  // "ALL" off: nothing listed
    ASSERT_EQ(model()->rowCount(), 0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(cleared.count(), 2);
    EXPECT_FALSE(window->cardInfo()->shownCard());
}

TEST_F(CardListTest, ArrowKeysShowTheRowTheSelectionLandsOn) {
    const struct {
        const char* name;
        int startRow;  // 0-based
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int landing;  // 0-based
    } rows[] = {
        {"Up on the first row", 0, Qt::Key_Up, Qt::NoModifier, 0},
        {"Down on the last row", 7, Qt::Key_Down, Qt::NoModifier, 7},
        {"Down", 1, Qt::Key_Down, Qt::NoModifier, 2},
        {"Shift+Down inside a group", 1, Qt::Key_Down, Qt::ShiftModifier, 3},
        {"Shift+Down on a group's last row", 2, Qt::Key_Down, Qt::ShiftModifier, 3},
        {"Shift+Up", 4, Qt::Key_Up, Qt::ShiftModifier, 0},
        {"Shift+Up from a group's first row", 5, Qt::Key_Up, Qt::ShiftModifier, 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        clickRow(r.startRow);
        QTest::keyClick(list(), r.key, r.modifiers);
        EXPECT_EQ(list()->currentIndex().row(), r.landing);
        EXPECT_TRUE(list()->selectionModel()->isRowSelected(r.landing));
        EXPECT_EQ(shownNumber(), kWalkOrder.at(r.landing));
    }
}

TEST_F(CardListTest, GroupMovesFollowTheWalkOrderWhileSorted) {
    clickHeader(CardListModel::kCardNumber);  // C-3 CH-1 U-10 U-2 U-5 U-7 U-8 U-9
    clickRow(1);                              // CH-1, last of the 連邦 group
    QTest::keyClick(list(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(shownNumber(), QStringLiteral("U-5"));  // first of ジオン
    EXPECT_EQ(list()->currentIndex().row(), 4);
}

TEST_F(CardListTest, NavModeLastsFromKeyDownToKeyUp) {
    clickRow(2);
    auto* controller = window->cardListPane()->controller();
    QTest::keyPress(list(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(controller->navMode(), 4);
    QTest::keyRelease(list(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(controller->navMode(), 0);
}

TEST_F(CardListTest, RightClickOpensThePopUpMenu) {
    struct Case {
        const char* where;
        std::function<void()> press;
        int source;
    };
    auto pressOn = [this](const char* name) {
        return [this, name] {
            auto* w = window->findChild<QWidget*>(QLatin1String(name));
            QTest::mousePress(w, Qt::RightButton, {}, QPoint(4, 4));
        };
    };
    const Case cases[] = {
        {"card list", [this] { clickRow(2, Qt::RightButton); }, 8},
        {"card information", pressOn("Frame3"), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        window->toClipboardItem(2)->setEnabled(true);
        c.press();
        QMenu* menu = window->contextMenu();
        EXPECT_TRUE(menu->isVisible());
        EXPECT_FALSE(window->toClipboardItem(2)->isEnabled());
        EXPECT_TRUE(window->toClipboardItem(1)->isEnabled());
        EXPECT_EQ(window->options().contextSource(), c.source);
        menu->close();
    }
}

TEST_F(CardListTest, DoubleClickAndKeyAGoToTheDeckCommands) {
    auto* controller = window->cardListPane()->controller();
    QSignalSpy doubled(controller, &CardListController::rowDoubleClicked);
    QSignalSpy keyA(controller, &CardListController::keyAPressed);
    clickRow(2);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {},
                       list()->visualRect(model()->index(2, 0)).center());
    EXPECT_EQ(doubled.count(), 1);

    clickRow(0);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_A);
    EXPECT_EQ(keyA.count(), 1);
    // "A" is no search key: the selection stays where it was.
    EXPECT_EQ(list()->currentIndex().row(), 0);

    // A double-click below the rows hits no card.
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {},
                       QPoint(10, list()->viewport()->height() - 3));
    EXPECT_EQ(doubled.count(), 1);
}

}  // namespace
}  // namespace svdb
