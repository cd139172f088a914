#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPersistentModelIndex>
#include <functional>

#include "DeckWindowFixture.h"
#include "catalogue/ExpansionNames.h"
#include "deck/gui/DeckEditor.h"
#include "deck/gui/DeckListModel.h"

namespace svdb::testing {
namespace {

using Rows = std::vector<std::string>;

class DeckEditingTest : public DeckWindowTest {
  public:
    QString label(const char* name) const {
        return window->findChild<QLabel*>(QLatin1String(name))->text();
    }
    // Chooses the option's menu item when its check mark is not as wanted.
    void check(int option, bool on) {
        if (window->optionItem(option)->isChecked() != on) window->optionItem(option)->trigger();
    }
};

struct CommandCase {
    const char* name;
    std::function<void(DeckEditingTest&)> run;
    Rows main;
    Rows side;
};

TEST_F(DeckEditingTest, AddCommandsFromTheCardList) {
    const CommandCase cases[] = {
        {"> adds one", [](auto& t) { t.add("U-1", "CBadd1_0"); }, {"U-1 レイヴン 1"}, {}},
        {">> adds three", [](auto& t) { t.add("U-1", "CBadd3_0"); }, {"U-1 レイヴン 3"}, {}},
        {"> SIDE and >>SIDE go to the side deck",
         [](auto& t) {
             t.add("U-2", "CBadd1_1");
             t.add("CH-1", "CBadd3_1");
         },
         {},
         {"U-2 グラナト 1", "CH-1 リオ 3"}},
        {"the option lifting the limit is read at the click",
         [](auto& t) {
             t.add("U-1", "CBadd3_0");
             t.check(2, true);
             t.click("CBadd1_0");
         },
         {"U-1 レイヴン 4"},
         {}},
        {"double-click adds one to the main deck",
         [](auto& t) {
             QTableView* v = t.window->cardListPane()->view();
             t.doubleClick(v->viewport(), t.rowCentre(v, t.cardIndex("G-1")));
         },
         {"G-1 連邦G 1"},
         {}},
        {"key A adds one to the main deck",
         [](auto& t) {
             t.pickCard("O-1");
             QTest::keyClick(t.window->cardListPane()->view(), Qt::Key_A);
             QTest::keyClick(t.window->cardListPane()->view(), Qt::Key_A);
         },
         {"O-1 基地 2"},
         {}},
        {"multi-select adds every selected row from the top",
         [](auto& t) {
             t.check(5, true);
             QTableView* v = t.window->cardListPane()->view();
             v->setSelectionMode(QAbstractItemView::MultiSelection);
             v->clearSelection();
             for (const char* number : {"C-5", "U-1", "U-2", "U-3"}) {
                 v->selectionModel()->select(
                     t.cardIndex(number), QItemSelectionModel::Select | QItemSelectionModel::Rows);
             }
             t.click("CBadd3_0");
         },
         // The second グラナト gets nothing: three of the name are in already.
         {"U-1 レイヴン 3", "U-2 グラナト 3", "C-5 海賊 3"},
         {}},
        {"double-click adds only the current row under multi-select",
         [](auto& t) {
             t.check(5, true);
             QTableView* v = t.window->cardListPane()->view();
             v->setSelectionMode(QAbstractItemView::MultiSelection);
             v->selectionModel()->select(t.cardIndex("U-1"),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
             t.doubleClick(v->viewport(), t.rowCentre(v, t.cardIndex("CH-1")));
         },
         {"CH-1 リオ 1"},
         {}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.run(*this);
        EXPECT_EQ(shown(0), c.main);
        EXPECT_EQ(shown(1), c.side);
        int mainCopies = 0;
        for (const DeckEntry& e : deck().list(0).rows) mainCopies += e.copies;
        EXPECT_EQ(total(0), QString::number(mainCopies));
        TearDown();
    }
}

TEST_F(DeckEditingTest, AnAddToTheHiddenSideDeckShowsItAgain) {
    QWidget* side = window->findChild<QWidget*>(QStringLiteral("ListDeck_1"));
    click("CbViewSide");
    ASSERT_TRUE(side->isHidden());
    add("U-2", "CBadd1_1");
    add("U-2", "CBadd1_1");  // a further copy of an entry in view changes nothing
    EXPECT_FALSE(side->isHidden());
    EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("Text1_1"))->isHidden());
    EXPECT_EQ(button("CbViewSide")->text(), QString::fromUtf8("サイドボードを隠す"));
    EXPECT_EQ(shown(1), Rows{"U-2 グラナト 2"});
}

TEST_F(DeckEditingTest, AddButtonsGiveTheFocusBackToTheCardListAndTheKeyKeepsIt) {
    pickCard("U-1");
    click("CBadd1_0");
    EXPECT_EQ(QApplication::focusWidget(), window->cardListPane()->view());
    deckView(0)->setFocus();
    window->deckPane()->AddByKey();
    EXPECT_EQ(QApplication::focusWidget(), deckView(0));
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 2"}));
}

TEST_F(DeckEditingTest, RemoveButtonsAndTheDKeyActOnTheSelectedRow) {
    add("U-1", "CBadd3_0");
    add("U-2", "CBadd1_0");
    add("CH-1", "CBadd3_1");

    click("CBdel1_0");  // nothing selected yet
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 3", "U-2 グラナト 1"}));

    clickDeckRow(0, 0);
    click("CBdel1_0");
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 2", "U-2 グラナト 1"}));
    EXPECT_EQ(total(0), QStringLiteral("3"));
    EXPECT_EQ(label("Label17"), QStringLiteral("3"));  // UNIT

    QTest::keyClick(deckView(0), Qt::Key_D);
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 1", "U-2 グラナト 1"}));
    click("CBdel3_0");
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 1"}));
    EXPECT_EQ(total(0), QStringLiteral("1"));
    // The removed row was the selected one: the row now in its place is.
    EXPECT_EQ(window->deckPane()->editor()->selectedRow(0), 0);

    // "D" in the side deck leaves the statistics alone.
    clickDeckRow(1, 0);
    QTest::keyClick(deckView(1), Qt::Key_D);
    EXPECT_EQ(shown(1), (Rows{"CH-1 リオ 2"}));
    EXPECT_EQ(total(1), QStringLiteral("2"));
    EXPECT_EQ(label("Label18"), QStringLiteral("0"));  // CHARACTER
    click("CBdel3_1");
    EXPECT_TRUE(shown(1).empty());
    EXPECT_EQ(total(1), QStringLiteral("0"));

    // "D" on an empty list does nothing.
    QTest::keyClick(deckView(1), Qt::Key_D);
    EXPECT_TRUE(shown(1).empty());
}

TEST_F(DeckEditingTest, MoveButtonsMoveOneCopyUnlessTheTargetIsFull) {
    add("U-2", "CBadd1_0");
    clickDeckRow(0, 0);
    click("SideButton_1");  // "サイドボードへ"
    EXPECT_TRUE(shown(0).empty());
    EXPECT_EQ(shown(1), (Rows{"U-2 グラナト 1"}));
    EXPECT_EQ(label("LbNoOfArmy_1"), QStringLiteral("0"));

    clickDeckRow(1, 0);
    click("SideButton_0");  // "メインデッキへ"
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 1"}));
    EXPECT_TRUE(shown(1).empty());
    EXPECT_EQ(label("LbNoOfArmy_1"), QStringLiteral("1"));

    // A full main deck refuses the copy and the side deck keeps it.
    deck().ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 3)},
                        {Entry("ジオン", "U-2", "グラナト", 1)});
    clickDeckRow(1, 0);
    click("SideButton_0");
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 3"}));
    EXPECT_EQ(shown(1), (Rows{"U-2 グラナト 1"}));
}

TEST_F(DeckEditingTest, ClearAsksAndClearsUnlessTheAnswerIsNo) {
    struct Answer {
        QMessageBox::StandardButton answer;
        bool cleared;
    };
    for (const Answer& a : {Answer{QMessageBox::No, false}, Answer{QMessageBox::Yes, true}}) {
        SCOPED_TRACE(a.cleared);
        add("U-1", "CBadd3_0");
        add("CH-1", "CBadd1_1");
        MessageBoxes::setNextAnswer(a.answer);
        click("Command6");
        const auto shownBox = MessageBoxes::last();
        ASSERT_TRUE(shownBox);
        EXPECT_EQ(shownBox->title, QStringLiteral("全削除"));
        EXPECT_EQ(shownBox->text, QStringLiteral("デッキリストを全て削除します。よろしいですか？"));
        EXPECT_EQ(shownBox->icon, QMessageBox::Warning);
        EXPECT_EQ(shownBox->buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(shown(0).empty(), a.cleared);
        EXPECT_EQ(shown(1).empty(), a.cleared);
        EXPECT_EQ(total(0), a.cleared ? QStringLiteral("0") : QStringLiteral("3"));
        EXPECT_EQ(total(1), a.cleared ? QStringLiteral("0") : QStringLiteral("1"));
        EXPECT_EQ(label("Label17"), a.cleared ? QStringLiteral("0") : QStringLiteral("3"));
    }
}

TEST_F(DeckEditingTest, CommandsActOnTheRowSelectedInTheView) {
    add("U-1", "CBadd1_0");
    add("U-2", "CBadd1_0");
    add("U-5", "CBadd1_0");
    // A new row is not selected.
    EXPECT_FALSE(window->deckPane()->editor()->selectedRow(0));

    clickDeckRow(0, 1);
    EXPECT_EQ(window->deckPane()->editor()->selectedRow(0), 1);
    deckView(0)->selectRow(2);
    click("CBdel3_0");
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 1", "U-2 グラナト 1"}));
}

TEST_F(DeckEditingTest, ClickingADeckRowFindsItsCardByTheShortFactionName) {
    table.at(3, 0).expansion = 2;  // ルキナ
    deck().ReplaceDecks({Entry("ネオジ", "U-5", " ルキナ ", 1)}, {});
    clickDeckRow(0, 0);
    EXPECT_EQ(window->cardInfo()->shownCard(), (CardRef{3, 0}));  // the short name finds it
}

TEST_F(DeckEditingTest, OptionsActAtOnceAndNameThemselvesInTheTitle) {
    add("U-4", "CBadd1_0");  // ティターンズ
    add("U-1", "CBadd1_1");  // 連邦
    check(1, true);
    EXPECT_EQ(shown(0), (Rows{"U-4 ヘルムート 1"}));
    EXPECT_EQ(deck().list(0).rows[0].faction, "ティタ");
    EXPECT_EQ(deck().list(1).rows[0].faction, "連邦");
    check(5, true);
    // "*": the deck has changed since the start.
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("*Starvane Deck Builder [短縮] [マルチセレクトモード]"));
    EXPECT_EQ(window->cardListPane()->view()->selectionMode(),
              QAbstractItemView::ExtendedSelection);

    check(1, false);
    check(5, false);
    EXPECT_EQ(deck().list(0).rows[0].faction, "ティターンズ");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("*Starvane Deck Builder"));
    EXPECT_EQ(window->cardListPane()->view()->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(DeckEditingTest, RightClickOpensThePopUpMenuForADeckList) {
    window->toClipboardItem(2)->setEnabled(false);
    // An empty list opens nothing.
    QTest::mousePress(deckView(0)->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(window->contextMenu()->isVisible());
    EXPECT_FALSE(window->toClipboardItem(2)->isEnabled());

    add("U-1", "CBadd1_0");
    QTest::mousePress(deckView(0)->viewport(), Qt::RightButton, {}, deckRowCentre(0, 0));
    EXPECT_TRUE(window->contextMenu()->isVisible());
    EXPECT_TRUE(window->toClipboardItem(2)->isEnabled());
    EXPECT_EQ(window->options().contextSource(), 1);
    window->contextMenu()->close();
}

// --- Reordering by drag and drop ---

class DeckDragTest : public DeckEditingTest {
  public:
    void fourRows() {
        deck().ReplaceDecks({Entry("連邦", "U-1", "A", 1), Entry("連邦", "U-2", "B", 1),
                             Entry("連邦", "U-3", "C", 1), Entry("連邦", "U-4", "D", 1)},
                            {Entry("連邦", "U-5", "E", 1)});
    }
    std::string names(int list) {
        std::string s;
        for (const DeckEntry& e : deck().list(list).rows) s += e.cardName;
        return s;
    }

    // Presses on a row of list `from`, drags over a row of list `to` (none:
    // below the last row) and releases there. The mouse stays with the
    // pressed list's viewport, as it does while a button is held.
    void drag(int from, int fromRow, int to, std::optional<int> toRow,
              const std::function<void()>& whileOver = {}) {
        QWidget* source = deckView(from)->viewport();
        QWidget* target = deckView(to)->viewport();
        const QPoint start = deckRowCentre(from, fromRow);
        const QPoint end = toRow ? deckRowCentre(to, *toRow) : QPoint(10, target->height() - 3);
        const QPoint endInSource = source->mapFromGlobal(target->mapToGlobal(end));
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QTest::mouseMove(source, start + QPoint(0, 2));
        QTest::mouseMove(source, start + QPoint(40, 0));
        QTest::mouseMove(source, (start + endInSource) / 2);
        QTest::mouseMove(source, endInSource);
        if (whileOver) whileOver();
        QTest::mouseRelease(source, Qt::LeftButton, {}, endInSource);
    }
};

TEST_F(DeckDragTest, DroppingARowPutsItJustBeforeTheRowDroppedOn) {
    struct Case {
        const char* name;
        int from;
        std::optional<int> onto;
        const char* after;
    };
    const Case cases[] = {
        {"D onto B", 3, 1, "ADBC"},      {"A onto C", 0, 2, "BACD"},
        {"B onto A", 1, 0, "BACD"},      {"A onto D, the last row", 0, 3, "BCAD"},
        {"B onto itself", 1, 1, "ABCD"}, {"C below the last row", 2, std::nullopt, "ABCD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fourRows();
        const int total = deck().total(0);
        drag(0, c.from, 0, c.onto, [&] {
            EXPECT_TRUE(window->deckPane()->editor()->dragging());
            EXPECT_EQ(window->deckPane()->deckListModel(0)->dropHighlightRow(), c.onto);
        });
        EXPECT_EQ(names(0), c.after);
        EXPECT_EQ(deck().total(0), total);
        EXPECT_FALSE(window->deckPane()->editor()->dragging());
        EXPECT_FALSE(window->deckPane()->deckListModel(0)->dropHighlightRow());
        EXPECT_FALSE(MessageBoxes::last());
        // The dragged entry stays selected wherever it went.
        const auto selected = window->deckPane()->editor()->selectedRow(0);
        ASSERT_TRUE(selected);
        EXPECT_EQ(c.after[*selected], "ABCD"[c.from]);
    }
}

TEST_F(DeckDragTest, ADropOnTheOtherListIsNotSupported) {
    fourRows();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    drag(0, 3, 1, 0, [&] {
        EXPECT_EQ(window->deckPane()->deckListModel(1)->dropHighlightRow(), 0);
        EXPECT_FALSE(window->deckPane()->deckListModel(0)->dropHighlightRow());
    });
    const auto box = MessageBoxes::last();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, QStringLiteral("未対応"));
    EXPECT_EQ(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(names(0), "ABCD");
    EXPECT_EQ(names(1), "E");
    EXPECT_FALSE(window->deckPane()->deckListModel(1)->dropHighlightRow());

    // Onto the empty part of the other list, or onto an empty list: nothing.
    MessageBoxes::clearLast();
    drag(0, 0, 1, std::nullopt);
    deck().ReplaceDecks(deck().list(0).rows, {});
    drag(0, 0, 1, std::nullopt);
    EXPECT_FALSE(MessageBoxes::last());
    EXPECT_EQ(names(0), "ABCD");
}

}  // namespace
}  // namespace svdb::testing
