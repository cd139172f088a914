#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "DeckWindowFixture.h"
#include "app/gui/PrintCommands.h"
#include "text/FileBytes.h"

namespace svdb::testing {
namespace {

class PrintCommandsTest : public DeckWindowTest {
  public:
    PrintCommands& print() { return *window->findChild<PrintCommands*>(); }
    std::string path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(PrintCommandsTest, TheItemsFollowTheSavesAndWaitForAMainDeck) {
    auto* file = window->findChild<QMenu*>(QStringLiteral("File"));
    ASSERT_TRUE(file);
    QStringList names;
    for (QAction* a : file->actions()) names << a->objectName();
    const qsizetype xml = names.indexOf(QStringLiteral("SaveXML"));
    ASSERT_GE(xml, 0);
    EXPECT_EQ(names.mid(xml + 1, 2),
              QStringList({QStringLiteral("PrintDeck"), QStringLiteral("SavePdf")}));

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
    ASSERT_TRUE(print().savePdf(path("deck.pdf")));
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
    EXPECT_FALSE(print().savePdf(path("taken.pdf")));
    const auto box = MessageBoxes::last();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, QStringLiteral("SVDBエラー"));
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/taken.pdf/inside")).exists());
}

}  // namespace
}  // namespace svdb::testing
