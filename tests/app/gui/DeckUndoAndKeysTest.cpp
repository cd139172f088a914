#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>
#include <functional>

#include "DeckWindowFixture.h"
#include "app/gui/FileCommands.h"
#include "deck/gui/DeckEditor.h"
#include "search/gui/SearchPane.h"

namespace svdb::testing {
namespace {

using Rows = std::vector<std::string>;

class DeckUndoTest : public DeckWindowTest {
  public:
    QString label(const char* name) const {
        return window->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString status() const { return window->statusLabel()->text(); }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    void undo() { keys(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { keys(Qt::Key_Y, Qt::ControlModifier); }
    // The main deck, its total and its UNIT and CHARACTER counters.
    void expectMain(const Rows& rows, const char* mainTotal, const char* units,
                    const char* characters) {
        EXPECT_EQ(shown(0), rows);
        EXPECT_EQ(total(0), QString::fromUtf8(mainTotal));
        EXPECT_EQ(label("Label17"), QString::fromUtf8(units));
        EXPECT_EQ(label("Label18"), QString::fromUtf8(characters));
    }
};

TEST_F(DeckUndoTest, KeysUndoAndRedoAnAddAndTheClear) {
    EXPECT_FALSE(window->undoItem()->isEnabled());
    EXPECT_FALSE(window->redoItem()->isEnabled());
    add("U-1", "CBadd3_0");
    add("CH-1", "CBadd1_0");
    expectMain({"U-1 レイヴン 3", "CH-1 リオ 1"}, "4", "3", "1");
    EXPECT_TRUE(window->undoItem()->isEnabled());

    undo();
    expectMain({"U-1 レイヴン 3"}, "3", "3", "0");
    EXPECT_TRUE(window->redoItem()->isEnabled());
    redo();
    expectMain({"U-1 レイヴン 3", "CH-1 リオ 1"}, "4", "3", "1");
    EXPECT_FALSE(window->redoItem()->isEnabled());

    add("U-2", "CBadd1_1");
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("Command6");
    expectMain({}, "0", "0", "0");
    EXPECT_TRUE(shown(1).empty());

    undo();
    expectMain({"U-1 レイヴン 3", "CH-1 リオ 1"}, "4", "3", "1");
    EXPECT_EQ(shown(1), (Rows{"U-2 グラナト 1"}));
    EXPECT_EQ(total(1), QStringLiteral("1"));
    keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the other redo key
    expectMain({}, "0", "0", "0");
    EXPECT_TRUE(shown(1).empty());

    // Back to the empty start, where the undo item greys.
    for (int i = 0; i < 4; ++i) undo();
    expectMain({}, "0", "0", "0");
    EXPECT_FALSE(window->undoItem()->isEnabled());
    // Answering No clears nothing and leaves no step.
    redo();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    click("Command6");
    undo();
    expectMain({}, "0", "0", "0");
}

TEST_F(DeckUndoTest, OpeningADeckFileIsUndone) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + QStringLiteral("/deck.csv")).toStdString();
    deck().ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 2)}, {});
    window->fileCommands()->carryOut({FileAction::SaveDeckCsv, path});
    add("U-1", "CBadd1_0");
    window->fileCommands()->carryOut({FileAction::OpenDeckCsv, path});
    expectMain({"U-2 グラナト 2"}, "2", "2", "0");
    undo();
    expectMain({"U-2 グラナト 2", "U-1 レイヴン 1"}, "3", "3", "0");
}

struct NoticeCase {
    const char* name;
    std::function<void(DeckUndoTest&)> run;
    const char* notice;
};

TEST_F(DeckUndoTest, TheStatusLabelSaysWhatTheCopyLimitHeldBack) {
    // clang-format off
    const NoticeCase cases[] = {
        {"refused add", [](DeckUndoTest& t) { t.add("U-1", "CBadd3_0"); t.add("U-1", "CBadd1_0"); },
         "「レイヴン」は３枚までです"},
        {"add of 3 placing 2", [](DeckUndoTest& t) { t.add("U-2", "CBadd1_0"); t.add("U-2", "CBadd3_0"); },
         "「グラナト」は３枚までです"},
        {"key A", [](DeckUndoTest& t) {
             t.add("U-1", "CBadd3_0");
             QTest::keyClick(t.window->cardListPane()->view(), Qt::Key_A); },
         "「レイヴン」は３枚までです"},
        {"refused move", [](DeckUndoTest& t) {
             t.deck().ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 3)},
                                   {Entry("ジオン", "U-2", "グラナト", 1)});
             t.clickDeckRow(1, 0);
             t.click("SideButton_0"); },
         "「グラナト」は３枚までです"},
        {"add within the limit", [](DeckUndoTest& t) { t.add("U-1", "CBadd3_0"); }, ""},
    };
    // clang-format on
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(c.name);
        deck().ClearDecks();
        window->setStatusText(QString());
        c.run(*this);
        EXPECT_EQ(status(), QString::fromUtf8(c.notice));
        // The next command takes the notice away.
        click("CBdel1_1");
        EXPECT_EQ(status(), QString());
    }
    // Another text in the label stays.
    add("U-1", "CBadd3_0");
    add("U-1", "CBadd3_0");
    window->setStatusText(QStringLiteral("Load x"));
    click("CBdel1_1");
    EXPECT_EQ(status(), QStringLiteral("Load x"));
}

TEST_F(DeckUndoTest, KeyboardReachesSearchListsAndRemovals) {
    // Ctrl+F: the search tab in front, the focus in its text box.
    keys(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window->deckInfoPane()->tabStrip()->currentIndex(), 2);
    EXPECT_TRUE(window->searchPane()->comboFind()->hasFocus() ||
                window->searchPane()->comboFind()->isAncestorOf(QApplication::focusWidget()));

    // Home and End in the card list.
    QTableView* cards = window->cardListPane()->view();
    pickCard("CH-1");
    QTest::keyClick(cards, Qt::Key_End);
    EXPECT_EQ(cards->currentIndex().row(), TestCardCount() - 1);
    QTest::keyClick(cards, Qt::Key_Home);
    EXPECT_EQ(cards->currentIndex().row(), 0);

    // Delete removes one copy as "D" does; the row after a removed one is
    // selected, so the key goes on removing.
    add("U-1", "CBadd1_0");
    add("U-2", "CBadd3_0");
    add("CH-1", "CBadd1_0");
    clickDeckRow(0, 0);
    QTest::keyClick(deckView(0), Qt::Key_Delete);
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 3", "CH-1 リオ 1"}));
    EXPECT_EQ(window->deckPane()->editor()->selectedRow(0), 0);
    QTest::keyClick(deckView(0), Qt::Key_D);
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 2", "CH-1 リオ 1"}));
    // The last row gone, the one above it is selected.
    clickDeckRow(0, 1);
    QTest::keyClick(deckView(0), Qt::Key_D);
    EXPECT_EQ(window->deckPane()->editor()->selectedRow(0), 0);
    QTest::keyClick(deckView(0), Qt::Key_D);
    EXPECT_EQ(shown(0), (Rows{"U-2 グラナト 1"}));
}

}  // namespace
}  // namespace svdb::testing
