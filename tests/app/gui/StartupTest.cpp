#include <gtest/gtest.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "app/AppPaths.h"
#include "app/gui/MainWindow.h"
#include "app/gui/Startup.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "files/gui/FileWindow.h"
#include "search/gui/CardListPane.h"
#include "stats/gui/DeckInfoPane.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {
namespace {

TEST(AppPathsTest, HelpFileAndCardListBesideTheProgram) {
    struct Row {
        const char* name;
        const char* appDir;
        const char* help;
        const char* cardList;
    };
    const Row rows[] = {
        {"ordinary folder", "/opt/svdb", "/opt/svdb/SVHELP.chm", "/opt/svdb/SVANLIST.csv"},
        // The help path never doubles the separator; the card list path always adds one.
        {"root folder", "/", "/SVHELP.chm", "//SVANLIST.csv"},
        {"folder with separator", "/opt/svdb/", "/opt/svdb/SVHELP.chm", "/opt/svdb//SVANLIST.csv"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(AppPaths::HelpFilePath(r.appDir), r.help);
        EXPECT_EQ(AppPaths::CardListPath(r.appDir), r.cardList);
    }
}

// Records the paths it is asked to load; "loads" only the paths it is told
// are readable, through fill when it is given.
struct FakeLoader {
    std::vector<std::string> paths;
    bool readable = true;
    std::function<void(CardTable&)> fill;

    Startup::Loader fn() {
        return [this](CardTable& table, const std::string& path) {
            paths.push_back(path);
            if (readable && fill) fill(table);
            LoadOutcome outcome;
            outcome.opened = readable;
            return outcome;
        };
    }
};

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Picks a file in the file window as the user does: its path in Text1,
    // then "Open".
    static void choose(FileWindow* window, const QString& path) {
        window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(path);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }

    QString writeFile(const QString& name) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#VERSION test\r\n");
        return path;
    }
    QString cardListPath() const { return dir.path() + QStringLiteral("/SVANLIST.csv"); }

    QTemporaryDir dir;
    CardTable table;
    FakeLoader loader;
};

void expectShownAsAtStart(MainWindow* w, const QString& loadedPath) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->size(), QSize(800, 570));
    EXPECT_EQ(w->statusLabel()->text(), QStringLiteral("Load ") + loadedPath);
    EXPECT_EQ(w->deckInfoPane()->graphStack()->currentWidget(), w->deckInfoPane()->graphFrame(1));
    EXPECT_FALSE(w->costGraphOpen());
}

TEST_F(StartupTest, WithACardListTheMainWindowShows) {
    writeFile(QStringLiteral("SVANLIST.csv"));
    Startup startup(table, dir.path(), loader.fn());
    QSignalSpy shown(&startup, &Startup::mainWindowShown);

    EXPECT_TRUE(startup.run());

    EXPECT_EQ(loader.paths, std::vector<std::string>{cardListPath().toStdString()});
    expectShownAsAtStart(startup.mainWindow(), cardListPath());
    EXPECT_EQ(startup.mainWindow()->helpFilePath(), dir.path() + QStringLiteral("/SVHELP.chm"));
    EXPECT_EQ(startup.chooser(), nullptr);
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(StartupTest, TheWindowIsBuiltWhileTheListLoadsAndListsItOnceLoaded) {
    writeFile(QStringLiteral("SVANLIST.csv"));
    Startup startup(table, dir.path(), loader.fn());
    bool builtUnloaded = false;
    loader.fill = [&](CardTable& t) {
        MainWindow* w = startup.mainWindow();
        builtUnloaded = w && !w->isVisible() && !w->isLoaded();
        t = testing::MakeTestTable();
    };

    ASSERT_TRUE(startup.run());

    EXPECT_TRUE(builtUnloaded);
    EXPECT_TRUE(startup.mainWindow()->isLoaded());
    EXPECT_EQ(startup.mainWindow()->cardListPane()->cardCount(),
              static_cast<int>(testing::TestCards().size()));
}

TEST_F(StartupTest, WithoutACardListTheChooserOpensInstead) {
    Startup startup(table, dir.path(), loader.fn());

    EXPECT_FALSE(startup.run());

    EXPECT_TRUE(loader.paths.empty());
    EXPECT_EQ(startup.mainWindow(), nullptr);
    ASSERT_NE(startup.chooser(), nullptr);
    EXPECT_TRUE(startup.chooser()->isVisible());

    // The user picks a list: it is loaded and the main window appears.
    const QString chosen = writeFile(QStringLiteral("other.csv"));
    EXPECT_EQ(startup.chooser()->fileMode(), QStringLiteral("LIST"));
    choose(startup.chooser(), chosen);

    EXPECT_EQ(loader.paths, std::vector<std::string>{chosen.toStdString()});
    EXPECT_FALSE(startup.chooser()->isVisible());
    expectShownAsAtStart(startup.mainWindow(), chosen);
}

TEST_F(StartupTest, AnUnreadableCardListLeadsToTheChooser) {
    writeFile(QStringLiteral("SVANLIST.csv"));
    loader.readable = false;
    Startup startup(table, dir.path(), loader.fn());

    // The list is there but cannot be read: the error box says so first.
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(startup.run());
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_TRUE(MessageBoxes::last()->text.startsWith(cardListPath() +
                                                      u8("\nカードリストを読み込めません。")));
    EXPECT_EQ(startup.mainWindow(), nullptr);
    ASSERT_NE(startup.chooser(), nullptr);
    EXPECT_TRUE(startup.chooser()->isVisible());

    // A chosen list that cannot be read either says so and leaves the chooser up.
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    choose(startup.chooser(), dir.filePath(QStringLiteral("gone.csv")));
    EXPECT_TRUE(MessageBoxes::last());
    EXPECT_EQ(startup.mainWindow(), nullptr);
    EXPECT_TRUE(startup.chooser()->isVisible());
}

TEST_F(StartupTest, ClosingTheChooserWithoutAListEndsTheProgram) {
    Startup startup(table, dir.path(), loader.fn());
    QSignalSpy abandoned(&startup, &Startup::abandoned);

    EXPECT_FALSE(startup.run());
    EXPECT_EQ(abandoned.count(), 0);
    QTest::mouseClick(startup.chooser()->findChild<QPushButton*>(QStringLiteral("Command2")),
                      Qt::LeftButton);

    EXPECT_EQ(abandoned.count(), 1);
    EXPECT_EQ(startup.mainWindow(), nullptr);
}

TEST_F(StartupTest, ADeckNamedAtStartOpensAndADroppedDeckFileToo) {
    writeFile(QStringLiteral("SVANLIST.csv"));
    Startup startup(table, dir.path(), loader.fn());
    startup.setDeckToOpen(QStringLiteral(SVDB_TEST_DATA_DIR "/files/deck_with_side.txt"));
    ASSERT_TRUE(startup.run());
    MainWindow* w = startup.mainWindow();
    EXPECT_FALSE(w->deckModel().list(DeckModel::kMain).rows.empty());
    EXPECT_FALSE(w->deckModel().list(DeckModel::kSide).rows.empty());

    struct Drop {
        const char* file;
        bool accepted;
    };
    for (const Drop& d : {Drop{"export_deck.xml", false}, Drop{"deck.csv", true}}) {
        SCOPED_TRACE(d.file);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(SVDB_TEST_DATA_DIR "/files/") +
                                          QLatin1String(d.file))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        EXPECT_EQ(enter.isAccepted(), d.accepted);
        if (!d.accepted) continue;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &drop);
        QCoreApplication::processEvents();  // the file opens once the drop is over
        // A comma-separated deck holds a main deck only.
        EXPECT_TRUE(w->deckModel().list(DeckModel::kSide).rows.empty());
        EXPECT_TRUE(w->statusLabel()->text().endsWith(QLatin1String("deck.csv")));
    }
}

}  // namespace
}  // namespace svdb
