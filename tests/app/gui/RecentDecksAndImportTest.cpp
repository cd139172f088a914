#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <cerrno>

#include "DeckWindowFixture.h"
#include "app/RecentDecks.h"
#include "app/gui/ClipboardDeckImport.h"
#include "app/gui/FileCommands.h"
#include "app/gui/RecentDecksMenu.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb::testing {
namespace {

using Rows = std::vector<std::string>;

// A window whose settings, and so its recent decks, live in a folder of
// the test's own.
class RecentDecksTest : public DeckWindowTest {
  public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteFileBytes(path("deck.txt"),
                                   ShiftJisCodec::encode("題\r\n連邦 U-1 レイヴン × 2\r\n")));
        ASSERT_TRUE(WriteFileBytes(recentFile(), ShiftJisCodec::encode(path("deck.txt") + "\r\n" +
                                                                       path("gone.txt") + "\r\n")));
        MessageBoxes::clearLast();
        window = std::make_unique<MainWindow>(table, QString::fromStdString(path("SVDB.ini")));
        window->show();
        fillCardList();
    }
    std::string path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
    std::string recentFile() const { return path("SVDBRECENT.txt"); }
    std::vector<std::string> listed() const { return window->recentDecksMenu()->recent().paths(); }
    std::vector<std::string> inFile() const {
        return RecentDecks::FromBytes(ReadFileBytes(recentFile()).value_or("")).paths();
    }

    QTemporaryDir dir;
};

TEST_F(RecentDecksTest, ARecentDeckOpensAndEveryUseIsKept) {
    RecentDecksMenu* menu = window->recentDecksMenu();
    auto* fileMenu = window->findChild<QMenu*>(QStringLiteral("File"));
    ASSERT_TRUE(fileMenu->actions().contains(menu->menuAction()));

    // The missing file is greyed and can be taken out.
    QList<QAction*> items = menu->entryItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "&1 " + QString::fromStdString(path("deck.txt")));
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_FALSE(items[1]->isEnabled());
    EXPECT_TRUE(menu->removeMissingItem()->isEnabled());

    items[0]->trigger();
    EXPECT_EQ(shown(0), Rows{"U-1 レイヴン 2"});
    EXPECT_EQ(window->deckPane()->title(), "題");

    // A deck saved goes first, in the menu and in the file; an export does not.
    window->fileCommands()->carryOut({FileAction::SaveDeckCsv, path("b.csv")});
    window->fileCommands()->carryOut({FileAction::SaveXml, path("b.xml")});
    const std::vector<std::string> three = {path("b.csv"), path("deck.txt"), path("gone.txt")};
    EXPECT_EQ(listed(), three);
    EXPECT_EQ(inFile(), three);
    EXPECT_EQ(menu->entryItems().front()->text(), "&1 " + QString::fromStdString(path("b.csv")));

    menu->removeMissingItem()->trigger();
    EXPECT_EQ(inFile(), (std::vector<std::string>{path("b.csv"), path("deck.txt")}));
    EXPECT_FALSE(menu->removeMissingItem()->isEnabled());
    menu->clearItem()->trigger();
    EXPECT_TRUE(inFile().empty());
    EXPECT_FALSE(menu->clearItem()->isEnabled());
    EXPECT_FALSE(MessageBoxes::last());
}

// A list that cannot be written says so once, not at every deck opened.
TEST_F(RecentDecksTest, AFailedWriteIsToldOnceUntilOneSucceeds) {
    RecentDecksMenu* menu = window->recentDecksMenu();
    FailFileWritesForTesting(ENOSPC);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    menu->noteUsed(QString::fromStdString(path("one.txt")));
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_EQ(MessageBoxes::last()->title, QStringLiteral("SVDBエラー"));
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);  // answered by the last step below
    menu->noteUsed(QString::fromStdString(path("two.txt")));
    EXPECT_FALSE(MessageBoxes::last());
    FailFileWritesForTesting(0);
    menu->noteUsed(QString::fromStdString(path("dir/../three.txt")));
    EXPECT_FALSE(MessageBoxes::last());
    EXPECT_EQ(inFile().front(), path("three.txt"));
    FailFileWritesForTesting(ENOSPC);
    menu->noteUsed(QString::fromStdString(path("four.txt")));
    FailFileWritesForTesting(0);
    EXPECT_TRUE(MessageBoxes::last());
    EXPECT_EQ(listed().size(), 6u);
}

using ClipboardImportTest = DeckWindowTest;

TEST_F(ClipboardImportTest, UnreadableLinesAreListedInOneMessage) {
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "-- メインボード --\n連邦 U-1 レイヴン × 3\nよろしく\nジオン U-2 グラナト ×２\n"
        "-- サイドボード --\n謎 X-9 ないカード x1\n連邦 U-1\n"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window->findChild<QAction*>(QStringLiteral("ImportClipboard"))->trigger();
    EXPECT_EQ(shown(0), (Rows{"U-1 レイヴン 3", "U-2 グラナト 2"}));
    EXPECT_EQ(shown(1), Rows{"X-9 ないカード 1"});
    auto box = MessageBoxes::last();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, QStringLiteral("読み込めなかった行があります（2行）。\n3行目: よろしく\n"
                                        "7行目: 連邦 U-1"));
    // One step of the history takes it back.
    window->Undo_Click();
    EXPECT_TRUE(shown(0).empty());

    // Texts without a deck say so and change nothing.
    for (const char* text : {"", "  \n", "今日は晴れ\nまた明日"}) {
        MessageBoxes::clearLast();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        EXPECT_FALSE(window->clipboardImport()->importText(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(MessageBoxes::last()) << text;
        EXPECT_TRUE(shown(0).empty());
        EXPECT_FALSE(window->deckHistory().canUndo());
    }

    // A changed deck is asked about first; Cancel keeps it.
    deck().ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 1)}, {});
    MessageBoxes::setNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(window->clipboardImport()->importText(QStringLiteral("連邦 CH-1 リオ × 3")));
    EXPECT_EQ(MessageBoxes::last()->text,
              QStringLiteral("デッキは変更されています。保存しますか？"));
    EXPECT_EQ(shown(0), Rows{"U-1 レイヴン 1"});
}

TEST(ClipboardDeckImport, TheMessageShowsTwentyLinesAtMost) {
    std::vector<SharedDeckText::Unreadable> lines;
    for (int n = 1; n <= 23; ++n) lines.push_back({n * 2, "行" + std::to_string(n)});
    lines[0].text = std::string(50, 'a');
    const QStringList message = ClipboardDeckImport::UnreadableMessage(lines).split('\n');
    ASSERT_EQ(message.size(), 22);
    EXPECT_EQ(message[1], "2行目: " + QString(39, 'a') + "…");
    EXPECT_EQ(message[20], QStringLiteral("40行目: 行20"));
    EXPECT_EQ(message[21], QStringLiteral("ほか3行"));
}

}  // namespace
}  // namespace svdb::testing
