#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "DeckWindowFixture.h"
#include "MalformedInput.h"
#include "app/gui/FileCommands.h"
#include "app/gui/PrintCommands.h"
#include "app/gui/Startup.h"
#include "catalogue/CardListLoader.h"
#include "files/gui/FileWindow.h"
#include "search/gui/FilterPane.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"
#include "widgets/QtText.h"

namespace svdb::testing {
namespace {

class FileCommandsTest : public DeckWindowTest {
  public:
    std::string path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
    void carryOut(FileAction action, const std::string& p) {
        window->fileCommands()->carryOut({action, p});
    }
    QString status() const { return window->statusLabel()->text(); }

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
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label17"))->text(),
                  QStringLiteral("5"));  // UNIT, recounted
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

class PrintCommandsTest : public FileCommandsTest {
  public:
    bool savePdf(const std::string& p) { return window->findChild<PrintCommands*>()->savePdf(p); }
};

TEST_F(PrintCommandsTest, TheItemsWaitForAMainDeck) {
    // With an empty main deck neither item shows a window; one that did would
    // be closed here and counted.
    int shown = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ++shown;
            w->close();
        }
    });
    watch.start(50);
    deck().ReplaceDecks({}, {Entry("連邦", "U-1", "レイヴン", 1)});
    for (const char* name : {"PrintDeck", "SavePdf"}) {
        window->findChild<QAction*>(QLatin1String(name))->trigger();
    }
    EXPECT_EQ(shown, 0);
}

TEST_F(PrintCommandsTest, ThePdfCarriesTheDeckAsText) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    add("U-1", "CBadd1_0");
    add("CH-1", "CBadd1_0");
    add("U-7", "CBadd1_1");
    window->deckPane()->setTitle("青の速攻");
    ASSERT_TRUE(savePdf(path("deck.pdf")));
    EXPECT_EQ(window->statusLabel()->text(),
              QStringLiteral("Save ") + QString::fromStdString(path("deck.pdf")));

    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
             QString::fromStdString(path("deck.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* shownText : {"青の速攻", "メインデッキ", "レイヴン", "リオ", "サイドボード",
                                  "スパーダ", "タイプ別枚数", "CHARACTER"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(shownText))) << shownText << "\n"
                                                                 << text.toStdString();
    }
    EXPECT_FALSE(MessageBoxes::last());
}

TEST_F(PrintCommandsTest, AFailedSaveSaysWhy) {
    add("U-1", "CBadd1_0");
    QDir(dir.path()).mkpath(QStringLiteral("taken.pdf/inside"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(savePdf(path("taken.pdf")));
    const auto box = MessageBoxes::last();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, QStringLiteral("SVDBエラー"));
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/taken.pdf/inside")).exists());
}

// Files from anywhere opened and saved through the file menu, as the file
// window hands them over.
class BadFilesTest : public FileCommandsTest {
  public:
    void SetUp() override {
        DeckWindowTest::SetUp();
        deck().ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 3)},
                            {Entry("Seed", "U-7", "スパーダ", 1)});
        window->deckPane()->setTitle("いつもの");
    }
    bool deckAsBefore() {
        return shown(0) == std::vector<std::string>{"U-1 レイヴン 3"} &&
               shown(1) == std::vector<std::string>{"U-7 スパーダ 1"} &&
               window->deckPane()->title() == "いつもの" && total(0) == QStringLiteral("3");
    }
};

// A folder, a FIFO, a device, a file beyond the bound, one that vanished
// after it was chosen: each reader refuses it at once, says why in its box,
// and the deck and the catalogue stay as they were.
TEST_F(BadFilesTest, RefusedFilesChangeNothingAndSayWhy) {
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    std::ofstream{path("huge")};
    std::filesystem::resize_file(path("huge"), kMaxFileBytes + 1);
    struct Bad {
        std::string path;
        const char* message;
    };
    // clang-format off
    const Bad bads[] = {
        {dir.path().toStdString(), "フォルダーは読み込めません。"},
        {path("fifo"),             "通常のファイルではないため読み込めません。"},
        {"/dev/zero",              "通常のファイルではないため読み込めません。"},
        {path("huge"),             "ファイルが大きすぎます（64 MB まで）。"},
        {path("vanished.txt"),     "ファイルが見つかりません。"},
    };
    // clang-format on
    const int cards = table.occupiedCount();
    for (const Bad& bad : bads) {
        for (FileAction action :
             {FileAction::OpenDeckText, FileAction::OpenDeckCsv, FileAction::OpenCardList}) {
            SCOPED_TRACE(bad.path + " " + std::to_string(static_cast<int>(action)));
            MessageBoxes::clearLast();
            MessageBoxes::setNextAnswer(QMessageBox::Ok);
            carryOut(action, bad.path);
            const auto box = MessageBoxes::last();
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->text.startsWith(QString::fromStdString(bad.path) + '\n'));
            EXPECT_TRUE(box->text.endsWith(QString::fromUtf8(bad.message)))
                << box->text.toStdString();
            if (action == FileAction::OpenCardList) {
                EXPECT_EQ(box->title, QStringLiteral("SVDBエラー"));
            }
            EXPECT_TRUE(deckAsBefore());
            EXPECT_EQ(table.occupiedCount(), cards);
        }
    }
}

TEST_F(BadFilesTest, AFileWithoutReadPermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root, which may read any file";
    ASSERT_TRUE(WriteFileBytes(path("secret.txt"), "t\r\n"));
    ::chmod(path("secret.txt").c_str(), 0);
    for (FileAction action : {FileAction::OpenDeckText, FileAction::OpenDeckCsv}) {
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        carryOut(action, path("secret.txt"));
        ASSERT_TRUE(MessageBoxes::last());
        EXPECT_TRUE(MessageBoxes::last()->text.endsWith(u8("ファイルを読む権限がありません。")));
        EXPECT_TRUE(deckAsBefore());
    }
}

// A damaged deck file that could be read replaces the deck with what was
// read, without a word; a card list that stopped part-way keeps the cards
// before the fault and says after its path where and why it stopped.
TEST_F(BadFilesTest, DamagedFilesThatWereReadShowWhatTheyHeld) {
    const std::string good = ShiftJisCodec::encode("t\r\n連邦 U-1 レイヴン × 2\r\n");
    ASSERT_TRUE(WriteFileBytes(path("utf16.txt"), Damaged(good, Damage::Utf16WithBom)));
    carryOut(FileAction::OpenDeckText, path("utf16.txt"));
    EXPECT_TRUE(shown(0).empty() && shown(1).empty());
    EXPECT_EQ(total(0), QStringLiteral("0"));

    ASSERT_TRUE(WriteFileBytes(path("deck.csv"),
                               ShiftJisCodec::encode("連邦,U-1,レイヴン,2\r\n連邦,U-4,X,\r\n")));
    carryOut(FileAction::OpenDeckCsv, path("deck.csv"));
    EXPECT_EQ(shown(0), std::vector<std::string>{"U-1 レイヴン 2"});
    EXPECT_FALSE(MessageBoxes::last());

    std::string line(52, ',');
    const std::string list = ShiftJisCodec::encode("#VERSION 1\r\nジオン,U-2,グラナト,Common,1,2" +
                                                   line.substr(5) + "0,\r\nジオン,U-3,ザク\r\n");
    ASSERT_TRUE(WriteFileBytes(path("list.csv"), list));
    carryOut(FileAction::OpenCardList, path("list.csv"));
    EXPECT_EQ(status(), u8("Load ") + QString::fromStdString(path("list.csv")) +
                            u8("　3 行目で読み込みを中断しました（項目が 53 個に足りません）"));
    EXPECT_EQ(table.occupiedCount(), 1);
    EXPECT_EQ(window->cardListPane()->model()->rowCount(), 1);
    EXPECT_FALSE(MessageBoxes::last());
}

// A save that cannot be completed leaves the previous file byte for byte and
// says why in the error box: a folder that does not exist, a folder where the
// file should go, a full disk.
TEST_F(BadFilesTest, FailedSavesLeaveThePreviousFile) {
    std::filesystem::create_directories(path("taken"));
    const std::string old = ShiftJisCodec::encode("前の\r\nデッキ\r\n");
    struct Failure {
        const char* name;
        std::string target;
        int injected;
        const char* reason;
    };
    const Failure failures[] = {
        {"missing folder", path("missing/deck"), 0, std::strerror(ENOENT)},
        {"folder", path("taken"), 0, std::strerror(EISDIR)},
        {"full disk", path("deck"), ENOSPC, std::strerror(ENOSPC)},
    };
    for (const Failure& f : failures) {
        for (FileAction save : {FileAction::SaveDeckText, FileAction::SaveDeckCsv,
                                FileAction::SaveXml, FileAction::SaveHtml}) {
            SCOPED_TRACE(std::string(f.name) + " " + std::to_string(static_cast<int>(save)));
            ASSERT_TRUE(WriteFileBytes(path("deck"), old));
            MessageBoxes::clearLast();
            MessageBoxes::setNextAnswer(QMessageBox::Ok);
            FailFileWritesForTesting(f.injected);
            carryOut(save, f.target);
            FailFileWritesForTesting(0);
            const auto box = MessageBoxes::last();
            ASSERT_TRUE(box);
            EXPECT_EQ(box->title, QStringLiteral("SVDBエラー"));
            EXPECT_TRUE(box->text.endsWith(QString::fromUtf8(f.reason))) << box->text.toStdString();
            EXPECT_EQ(ReadFileBytes(path("deck")), old);
            EXPECT_TRUE(std::filesystem::is_directory(path("taken")));
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 2);
}

// A settings file that is a FIFO, or one naming a FIFO as the list's
// picture, does not hold up the window's start; the FIFO is not replaced at
// the end: the window starts as without the file.
TEST(BadSettingsFile, AFifoIsNeitherReadNorReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("SVDB.ini"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    CardTable table = MakeTestTable();
    MessageBoxes::clearLast();
    {
        MainWindow window(table, fifo);
        EXPECT_EQ(window.filterPane()->factionBoxValue(0), 1);
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        window.SaveSettings();
    }
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_EQ(MessageBoxes::last()->title, QStringLiteral("SVDBエラー"));
    struct stat info;
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // A picture that is a FIFO cannot be loaded, which ends the reading.
    const QString ini = dir.filePath(QStringLiteral("other.ini"));
    ASSERT_TRUE(WriteFileBytes(ini.toStdString(),
                               "ZEON=1\r\nLIST1PICTURE=" + fifo.toStdString() + "\r\nRENPO=1\r\n"));
    MainWindow window(table, ini);
    EXPECT_EQ(window.filterPane()->factionBoxValue(2), 1);
    EXPECT_EQ(window.filterPane()->factionBoxValue(1), 0);
}

// At start-up, a card list that stopped part-way says so after its path.
TEST(BadCardListAtStartup, APartLoadSaysWhereItStopped) {
    QTemporaryDir dir;
    const std::string list = "#VERSION 1\r\n" + ShiftJisCodec::encode("謎,U-1,X,") + "\r\n";
    ASSERT_TRUE(WriteFileBytes(dir.filePath(QStringLiteral("SVANLIST.csv")).toStdString(), list));
    CardTable table;
    Startup startup(table, dir.path(),
                    [](CardTable& t, const std::string& p) { return LoadCardList(t, p); });
    ASSERT_TRUE(startup.run());
    EXPECT_EQ(startup.mainWindow()->statusLabel()->text(),
              u8("Load ") + startup.cardListPath() +
                  u8("　2 行目で読み込みを中断しました（項目が 53 個に足りません）"));
}

}  // namespace
}  // namespace svdb::testing
