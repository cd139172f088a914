#pragma once

// A main window over a small catalogue of the deck tests, with helpers that
// drive the card list and the deck lists the way a user does.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "app/gui/MainWindow.h"
#include "deck/DeckModel.h"
#include "deck/gui/DeckPane.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"
#include "stats/gui/DeckInfoPane.h"
#include "widgets/MessageBoxes.h"

namespace svdb::testing {

class DeckWindowTest : public ::testing::Test {
  public:
    void SetUp() override {
        MessageBoxes::clearLast();
        window = std::make_unique<MainWindow>(table);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        fillCardList();
    }
    void TearDown() override { window.reset(); }

    // The card list shows every card of the catalogue.
    void fillCardList() {
        window->Change_List();
        ASSERT_EQ(window->cardListPane()->model()->rowCount(), TestCardCount());
    }
    static int TestCardCount() { return static_cast<int>(TestCards().size()); }

    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The card-list row of a card number, as the view shows it.
    QModelIndex cardIndex(const char* number) const {
        const QAbstractItemModel* m = window->cardListPane()->view()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->index(r, 1).data().toString() == QString::fromUtf8(number))
                return m->index(r, 0);
        }
        ADD_FAILURE() << "no card-list row for " << number;
        return {};
    }
    QPoint rowCentre(QTableView* view, const QModelIndex& index) const {
        view->scrollTo(index);
        return view->visualRect(index).center();
    }
    // A double-click as the mouse gives it: a click, then the second press
    // arriving as a double-click, then its release.
    static void doubleClick(QWidget* widget, const QPoint& pos) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    }
    // Clicks the card's row in the card list, making it the current row.
    void pickCard(const char* number) {
        QTableView* v = window->cardListPane()->view();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, rowCentre(v, cardIndex(number)));
        ASSERT_EQ(v->currentIndex().row(), cardIndex(number).row());
    }
    // Picks the card and clicks the button.
    void add(const char* number, const char* buttonName) {
        pickCard(number);
        click(buttonName);
    }

    QTableView* deckView(int list) const { return window->deckPane()->deckList(list); }
    QPoint deckRowCentre(int list, int row) const {
        QTableView* v = deckView(list);
        return rowCentre(v, v->model()->index(row, 0));
    }
    void clickDeckRow(int list, int row) {
        QTest::mouseClick(deckView(list)->viewport(), Qt::LeftButton, {}, deckRowCentre(list, row));
    }

    // A deck list as its view shows it: "number name copies" per row.
    std::vector<std::string> shown(int list) const {
        const QAbstractItemModel* m = deckView(list)->model();
        std::vector<std::string> rows;
        for (int r = 0; r < m->rowCount(); ++r) {
            rows.push_back((m->index(r, 1).data().toString() + " " +
                            m->index(r, 2).data().toString() + " " +
                            m->index(r, 3).data().toString())
                               .toStdString());
        }
        return rows;
    }
    QString total(int list) const { return window->deckPane()->deckTotal(list)->text(); }

    DeckModel& deck() { return window->deckModel(); }

    CardTable table = MakeTestTable();
    std::unique_ptr<MainWindow> window;
};

}  // namespace svdb::testing
