#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "DeckWindowFixture.h"
#include "app/gui/FileCommands.h"
#include "files/gui/FileWindow.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb::testing {
namespace {

using Rows = std::vector<std::string>;
using FileStep = std::function<void(FileWindow&)>;

const char* const kQuestion = "デッキは変更されています。保存しますか？";

// Acts on the file windows of the program as they show, one step per
// window in turn, from outside their modal loops.
class FileWindowDriver {
  public:
    explicit FileWindowDriver(std::vector<FileStep> steps) : steps_(std::move(steps)) { poll(); }
    // The mode ("DECK", "LIST", ...) of each window met.
    std::vector<QString> modes;

  private:
    void poll() {
        if (next_ == steps_.size() || ++tries_ > 500) return;
        QTimer::singleShot(5, &context_, [this] {
            auto* w = qobject_cast<FileWindow*>(QApplication::activeModalWidget());
            if (w && w->isVisible() && !w->property("driven").toBool()) {
                w->setProperty("driven", true);
                modes.push_back(w->fileMode());
                steps_[next_++](*w);
            }
            poll();
        });
    }

    std::vector<FileStep> steps_;
    std::size_t next_ = 0;
    int tries_ = 0;
    QObject context_;
};

// Types the path and presses the window's action button.
FileStep Choose(const QString& path) {
    return [path](FileWindow& w) {
        w.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(path);
        w.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
}
FileStep CloseWindow() {
    return [](FileWindow& w) { w.findChild<QPushButton*>(QStringLiteral("Command2"))->click(); };
}

enum class Way { CloseBox, Quit, OpenDeck, Drop, OpenCardList };

class DeckSaveQuestionTest : public DeckWindowTest {
  public:
    void SetUp() override {
        DeckWindowTest::SetUp();
        ASSERT_TRUE(WriteFileBytes(path("other.txt").toStdString(),
                                   ShiftJisCodec::encode("他\r\nジオン U-2 グラナト × 2\r\n")));
    }
    QString path(const char* name) const { return dir.path() + '/' + QLatin1String(name); }
    void freshWindow() {
        window = std::make_unique<MainWindow>(table);
        window->show();
        fillCardList();
    }
    void act(Way way) {
        switch (way) {
            case Way::CloseBox:
                window->close();
                break;
            case Way::Quit:
                window->findChild<QAction*>(QStringLiteral("Quit"))->trigger();
                break;
            case Way::OpenDeck:
                window->findChild<QAction*>(QStringLiteral("Deck_Open"))->trigger();
                break;
            case Way::OpenCardList:
                window->findChild<QAction*>(QStringLiteral("Open"))->trigger();
                break;
            case Way::Drop: {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(path("other.txt"))});
                QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(window.get(), &enter);
                QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(window.get(), &drop);
                QCoreApplication::processEvents();
                break;
            }
        }
    }
    bool asked() const {
        return MessageBoxes::last() && MessageBoxes::last()->text == QString::fromUtf8(kQuestion);
    }
    bool starred() const { return window->windowTitle().startsWith('*'); }

    QTemporaryDir dir;
};

struct QuestionCase {
    const char* name;
    Way way;
    QMessageBox::StandardButton answer;
    bool savesInWindow;  // Yes: the file window saves (else it is closed unsaved)
    bool goesOn;         // the window closes, or the other deck replaces this one
};

// A changed deck is asked about before the window closes or another deck
// replaces it: Yes saves it through the file window first, No lets it go,
// Cancel (or a file window closed without saving) keeps everything.
TEST_F(DeckSaveQuestionTest, AChangedDeckIsAskedAboutBeforeItGoes) {
    // clang-format off
    const QuestionCase cases[] = {
        {"close box, Yes",            Way::CloseBox, QMessageBox::Yes,    true,  true},
        {"close box, No",             Way::CloseBox, QMessageBox::No,     false, true},
        {"close box, Cancel",         Way::CloseBox, QMessageBox::Cancel, false, false},
        {"close box, Yes, unsaved",   Way::CloseBox, QMessageBox::Yes,    false, false},
        {"quit, Cancel",              Way::Quit,     QMessageBox::Cancel, false, false},
        {"open deck, Yes",            Way::OpenDeck, QMessageBox::Yes,    true,  true},
        {"open deck, No",             Way::OpenDeck, QMessageBox::No,     false, true},
        {"open deck, Cancel",         Way::OpenDeck, QMessageBox::Cancel, false, false},
        {"open deck, Yes, unsaved",   Way::OpenDeck, QMessageBox::Yes,    false, false},
        {"drop, Yes",                 Way::Drop,     QMessageBox::Yes,    true,  true},
        {"drop, No",                  Way::Drop,     QMessageBox::No,     false, true},
        {"drop, Cancel",              Way::Drop,     QMessageBox::Cancel, false, false},
        {"card list, Yes",            Way::OpenCardList, QMessageBox::Yes,    true,  true},
        {"card list, No",             Way::OpenCardList, QMessageBox::No,     false, true},
        {"card list, Cancel",         Way::OpenCardList, QMessageBox::Cancel, false, false},
    };
    // clang-format on
    int n = 0;
    for (const QuestionCase& c : cases) {
        SCOPED_TRACE(c.name);
        freshWindow();
        add("U-1", "CBadd1_0");
        ASSERT_TRUE(starred());
        const QString saved = path("saved") + QString::number(++n) + QStringLiteral(".txt");
        std::vector<FileStep> steps;
        if (c.answer == QMessageBox::Yes)
            steps.push_back(c.savesInWindow ? Choose(saved) : CloseWindow());
        if (c.way == Way::OpenDeck && c.goesOn) steps.push_back(Choose(path("other.txt")));
        if (c.way == Way::OpenCardList && c.goesOn) steps.push_back(CloseWindow());
        FileWindowDriver driver(steps);
        QSignalSpy unloaded(window.get(), &MainWindow::unloaded);
        MessageBoxes::clearLast();
        MessageBoxes::setNextAnswer(c.answer);

        act(c.way);

        EXPECT_TRUE(asked());
        EXPECT_EQ(driver.modes.size(), steps.size());
        EXPECT_EQ(QFile::exists(saved), c.savesInWindow);
        if (c.way == Way::CloseBox || c.way == Way::Quit) {
            EXPECT_EQ(unloaded.count(), c.goesOn ? 1 : 0);
            EXPECT_EQ(window->isVisible(), !c.goesOn);
        }
        if (!c.goesOn || c.way == Way::OpenCardList) {
            // A card list keeps the deck's rows whatever the answer.
            EXPECT_EQ(shown(0), Rows{"U-1 レイヴン 1"});
            EXPECT_EQ(starred(), !c.savesInWindow);
        } else if (c.way == Way::OpenDeck || c.way == Way::Drop) {
            EXPECT_EQ(shown(0), Rows{"U-2 グラナト 2"});
            EXPECT_EQ(window->deckPane()->title(), "他");
            EXPECT_FALSE(starred());
        }
    }
}

TEST_F(DeckSaveQuestionTest, AnUnchangedDeckIsNeverAskedAbout) {
    // A deck edited back to where it was, the window opening a deck, a
    // dropped deck or closing: no question, and the file window shows at once.
    add("U-1", "CBadd1_0");
    window->undoItem()->trigger();
    ASSERT_FALSE(starred());
    for (Way way : {Way::OpenDeck, Way::Drop}) {
        MessageBoxes::clearLast();
        FileWindowDriver driver(way == Way::OpenDeck
                                    ? std::vector<FileStep>{Choose(path("other.txt"))}
                                    : std::vector<FileStep>{});
        act(way);
        EXPECT_FALSE(MessageBoxes::last());
        EXPECT_EQ(shown(0), Rows{"U-2 グラナト 2"});
        EXPECT_FALSE(starred());
    }
    QSignalSpy unloaded(window.get(), &MainWindow::unloaded);
    window->close();
    EXPECT_FALSE(MessageBoxes::last());
    EXPECT_EQ(unloaded.count(), 1);
}

TEST_F(DeckSaveQuestionTest, TheTitleShowsAChangedDeck) {
    const QString title = QStringLiteral("Starvane Deck Builder");
    EXPECT_EQ(window->windowTitle(), title);
    add("U-1", "CBadd1_0");
    EXPECT_EQ(window->windowTitle(), '*' + title);
    window->OptionSub_Click(1);
    EXPECT_EQ(window->windowTitle(), '*' + title + QString::fromUtf8(" [短縮]"));
    // Saved as deck text: unchanged; renamed: changed; named back: unchanged.
    window->fileCommands()->carryOut({FileAction::SaveDeckText, path("a.txt").toStdString()});
    EXPECT_EQ(window->windowTitle(), title + QString::fromUtf8(" [短縮]"));
    QTest::keyClicks(window->deckPane()->deckName(), "x");
    EXPECT_TRUE(starred());
    QTest::keyClick(window->deckPane()->deckName(), Qt::Key_Backspace);
    EXPECT_FALSE(starred());
    // An export is not a deck file that opens again.
    add("U-1", "CBadd1_0");
    window->fileCommands()->carryOut({FileAction::SaveHtml, path("a.htm").toStdString()});
    EXPECT_TRUE(starred());
}

// A side deck alone is saved when asked, though the file menu saves no deck
// without a main deck; a comma-separated save that leaves it out asks again.
TEST_F(DeckSaveQuestionTest, YesSavesASideDeckAloneAndAsksAgainAfterACommaSeparatedSave) {
    add("U-1", "CBadd1_1");
    ASSERT_TRUE(starred());
    {
        FileWindowDriver driver({[this](FileWindow& w) {
            w.findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
            MessageBoxes::setNextAnswer(QMessageBox::Cancel);  // the second question
            Choose(path("main.csv"))(w);
        }});
        MessageBoxes::setNextAnswer(QMessageBox::Yes);
        EXPECT_FALSE(window->fileCommands()->maySetDeckAside());
        EXPECT_TRUE(QFile::exists(path("main.csv")));
        EXPECT_TRUE(starred());
    }
    FileWindowDriver driver({Choose(path("side.txt"))});
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    EXPECT_TRUE(window->fileCommands()->maySetDeckAside());
    EXPECT_FALSE(starred());
    deck().ClearDecks();
    window->fileCommands()->carryOut({FileAction::OpenDeckText, path("side.txt").toStdString()});
    EXPECT_EQ(shown(1), Rows{"U-1 レイヴン 1"});
}

}  // namespace
}  // namespace svdb::testing
