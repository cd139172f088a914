#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "files/gui/FileWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace svdb {
namespace {

// A folder with a few deck files, a card list and two folders.
class FileWindowTest : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QString dir;  // ends in "/"
    std::vector<FileRequest> requests;
    bool closeAfter = true;
    std::unique_ptr<FileWindow> w;

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        dir = tmp.path() + QLatin1Char('/');
        QDir(tmp.path()).mkpath(QStringLiteral("sub"));
        QDir(tmp.path()).mkpath(QStringLiteral("my.decks"));
        for (const char* name : {"deck.txt", "deck.csv", "SVANLIST.csv", "sub/inner.csv"}) {
            QFile f(dir + QLatin1String(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        w = std::make_unique<FileWindow>(
            [this](const FileRequest& r) {
                requests.push_back(r);
                return closeAfter;
            },
            nullptr, tmp.path());
        MessageBoxes::clearLast();
    }

    void showWindow() {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    template <class W>
    W* child(const char* name) const {
        return w->findChild<W*>(QLatin1String(name));
    }
    QString text1() const { return child<QLineEdit>("Text1")->text(); }
    QStringList files() const {
        QStringList out;
        const auto* list = child<QListWidget>("File1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    // Clicks the row of list whose text is given.
    void clickRow(const char* list, const QString& text, bool twice = false) {
        auto* view = child<QListWidget>(list);
        const QList<QListWidgetItem*> found = view->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QPoint at = view->visualItemRect(found[0]).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    void clickAction() { QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton); }
};

TEST_F(FileWindowTest, EachMenuItemSetsTheWindowUp) {
    struct Row {
        std::function<void(FileWindow&)> setUp;
        const char* caption;
        const char* action;
        const char* fileMode;
        const char* name;  // after the folder in Text1
        bool commaBox;
        bool typeBox;
        QStringList files;
    };
    const QString title = u8("赤単");
    // clang-format off
    const Row rows[] = {
        {[](FileWindow& f) { f.Open(); },           "File Open",       "Open", "LIST", "",       false, true,  {"deck.csv", "SVANLIST.csv"}},
        {[](FileWindow& f) { f.Deck_Open(); },      "File(DECK) Open", "Open", "DECK", "",       true,  true,  {"deck.txt"}},
        {[&](FileWindow& f) { f.Save(title); },     "File Save",       "Save", "DECK", "赤単",   true,  true,  {"deck.txt"}},
        {[&](FileWindow& f) { f.SaveXML(title); },  "XML出力",         "Save", "XML",  "赤単",   false, false, {}},
        {[](FileWindow& f) { f.SaveHTML({}); },     "HTML出力",        "Save", "HTML", "",       false, false, {}},
    };
    // clang-format on
    showWindow();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        r.setUp(*w);
        EXPECT_EQ(w->windowTitle(), u8(r.caption));
        EXPECT_EQ(child<QPushButton>("Command1")->text(), QLatin1String(r.action));
        EXPECT_EQ(w->property("fileMode").toString(), QLatin1String(r.fileMode));
        EXPECT_EQ(text1(), dir + u8(r.name));
        EXPECT_EQ(child<QCheckBox>("Check1")->isVisible(), r.commaBox);
        EXPECT_EQ(child<QComboBox>("Combo1")->isEnabled(), r.typeBox);
        EXPECT_EQ(files(), r.files);
    }
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
}

TEST_F(FileWindowTest, SavingOverAFileAsksFirst) {
    showWindow();
    w->Save(QStringLiteral("deck"));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    clickAction();
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_EQ(MessageBoxes::last()->title, QStringLiteral("SAVE"));
    EXPECT_EQ(MessageBoxes::last()->text, dir + u8("deck.txtは既に存在します。上書きしますか？"));
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(w->isVisible());

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    clickAction();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0],
              (FileRequest{FileAction::SaveDeckText, (dir + "deck.txt").toStdString()}));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_F(FileWindowTest, ANewNameIsSavedWithoutAQuestionAndAFailureKeepsTheWindowOpen) {
    showWindow();
    w->Save({});
    child<QLineEdit>("Text1")->clear();
    QTest::keyClicks(child<QLineEdit>("Text1"), QStringLiteral("new"));
    closeAfter = false;
    clickAction();
    EXPECT_FALSE(MessageBoxes::last());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0],
              (FileRequest{FileAction::SaveDeckText, (dir + "new.txt").toStdString()}));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(FileWindowTest, CardListWindowOpensADeckTextWhenTheTextTypeIsChosen) {
    showWindow();
    w->Open();
    QTest::keyClick(child<QComboBox>("Combo1"), Qt::Key_Up);  // from the CSV item to the text one
    EXPECT_EQ(w->fileMode(), QStringLiteral("DECK"));
    EXPECT_EQ(files(), QStringList{"deck.txt"});
    clickRow("File1", QStringLiteral("deck.txt"));
    EXPECT_EQ(text1(), dir + "deck.txt");
    clickAction();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0],
              (FileRequest{FileAction::OpenDeckText, (dir + "deck.txt").toStdString()}));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FileWindowTest, DeckWindowOpensACommaSeparatedDeck) {
    // clang-format off
    const std::function<void(QWidget&)> choices[] = {
        [](QWidget& f) { QTest::mouseClick(f.findChild<QCheckBox*>("Check1"), Qt::LeftButton, {}, {8, 8}); },
        [](QWidget& f) { QTest::keyClick(f.findChild<QComboBox*>("Combo1"), Qt::Key_Down); },
    };
    // clang-format on
    showWindow();
    for (const auto& choose : choices) {
        requests.clear();
        w->show();
        w->Deck_Open();
        choose(*w);
        EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
        EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), 1);
        clickRow("File1", QStringLiteral("deck.csv"));
        clickAction();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0],
                  (FileRequest{FileAction::OpenDeckCsv, (dir + "deck.csv").toStdString()}));
    }
}

TEST_F(FileWindowTest, FoldersOpenByKeyboardAndDoubleClick) {
    showWindow();
    auto* folders = child<QListWidget>("Dir1");
    folders->setFocus();
    QTest::keyClick(folders, Qt::Key_End);  // "..", "my.decks", "sub"
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(w->folderPath(), dir + "sub/");
    EXPECT_EQ(text1(), dir + "sub/");
    EXPECT_EQ(files(), QStringList{"inner.csv"});

    clickRow("Dir1", QStringLiteral(".."), true);
    EXPECT_EQ(text1(), dir);
    EXPECT_EQ(files(), (QStringList{"deck.csv", "SVANLIST.csv"}));
    // A name typed without its folder is taken in the shown folder.
    child<QLineEdit>("Text1")->setText(QStringLiteral("deck.csv"));
    clickAction();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].path, (dir + "deck.csv").toStdString());
}

TEST_F(FileWindowTest, EnterInTheNameBoxAndADoubleClickOnAFileAreTheAction) {
    showWindow();
    w->Save({});
    child<QLineEdit>("Text1")->setText(dir + "typed");
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);
    w->show();
    w->Deck_Open();
    clickRow("File1", QStringLiteral("deck.txt"), true);
    EXPECT_EQ(requests, (std::vector<FileRequest>{
                            {FileAction::SaveDeckText, (dir + "typed.txt").toStdString()},
                            {FileAction::OpenDeckText, (dir + "deck.txt").toStdString()}}));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FileWindowTest, ClosesWhenTheProgramLosesTheFocusButNotUnderItsOwnQuestion) {
    showWindow();
    w->Save(QStringLiteral("deck"));
    // While the overwrite question is up, another program takes the focus; then No.
    std::function<void()> whileAsked = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, whileAsked);
            return;
        }
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        box->button(QMessageBox::No)->click();
    };
    QTimer::singleShot(0, whileAsked);
    child<QPushButton>("Command1")->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(requests.empty());

    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_TRUE(requests.empty());
}

}  // namespace
}  // namespace svdb
