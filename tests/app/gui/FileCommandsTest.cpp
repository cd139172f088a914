#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "DeckWindowFixture.h"
#include "app/gui/FileCommands.h"
#include "text/FileBytes.h"

namespace svdb::testing {
namespace {

class FileCommandsTest : public DeckWindowTest {
  public:
    FileCommands& files() { return *window->fileCommands(); }
    std::string path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
    void carryOut(FileAction action, const std::string& p) { files().carryOut({action, p}); }
    QString status() const { return window->statusLabel()->text(); }
    QString label(const char* name) const {
        return window->findChild<QLabel*>(QLatin1String(name))->text();
    }

    QTemporaryDir dir;
};

TEST_F(FileCommandsTest, SavedDecksOpenAgainUnchanged) {
    deck().ReplaceDecks(
        {Entry("連邦", "U-1", "レイヴン", 3), Entry("ティタ", "U-4", "ヘルムート", 2)},
        {Entry("Seed", "U-7", "スパーダ", 1)});
    window->deckPane()->setTitle("速攻 & 対策");
    const auto main = deck().list(0).rows;
    const auto side = deck().list(1).rows;

    struct Case {
        FileAction save;
        const char* name;
        FileAction open;
        bool keepsSide;
    };
    const Case cases[] = {
        {FileAction::SaveDeckText, "deck.txt", FileAction::OpenDeckText, true},
        {FileAction::SaveDeckCsv, "deck.csv", FileAction::OpenDeckCsv, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        deck().ReplaceDecks(main, side);
        carryOut(c.save, path(c.name));
        EXPECT_EQ(status(), QStringLiteral("Save ") + QString::fromStdString(path(c.name)));
        deck().ClearDecks();
        window->deckPane()->setTitle("");
        carryOut(c.open, path(c.name));
        EXPECT_EQ(status(), QStringLiteral("Load ") + QString::fromStdString(path(c.name)));
        EXPECT_TRUE(SameRows(deck().list(0).rows, main));
        EXPECT_TRUE(SameRows(deck().list(1).rows, c.keepsSide ? side : decltype(side){}));
        EXPECT_EQ(total(0), QStringLiteral("5"));
        EXPECT_EQ(label("Label17"), QStringLiteral("5"));  // UNIT, recounted
        if (c.keepsSide) {
            EXPECT_EQ(window->deckPane()->title(), "速攻 & 対策");
        }
    }
    for (auto [action, name] : {std::pair{FileAction::SaveXml, "deck.xml"},
                                std::pair{FileAction::SaveHtml, "deck.htm"}}) {
        carryOut(action, path(name));
        EXPECT_TRUE(ReadFileBytes(path(name)).has_value()) << name;
    }
    EXPECT_FALSE(MessageBoxes::last());
}

TEST_F(FileCommandsTest, FailuresSayWhyAndChangeNothing) {
    deck().ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 3)}, {});
    ASSERT_TRUE(WriteFileBytes(path("old.txt"), "old"));
    // A folder where the file should go: the save fails and says why.
    QDir(dir.path()).mkpath(QStringLiteral("taken/inside"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    carryOut(FileAction::SaveDeckText, path("taken"));
    auto box = MessageBoxes::last();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, QStringLiteral("SVDBエラー"));
    EXPECT_EQ(ReadFileBytes(path("old.txt")), std::string("old"));

    // A deck file that cannot be read leaves the deck as it was.
    MessageBoxes::clearLast();
    for (FileAction open : {FileAction::OpenDeckText, FileAction::OpenDeckCsv}) {
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        carryOut(open, path("missing.txt"));
        EXPECT_TRUE(MessageBoxes::last());
        EXPECT_EQ(shown(0), std::vector<std::string>{"U-1 レイヴン 3"});
    }
}

}  // namespace
}  // namespace svdb::testing
