#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "catalogue/ExpansionNames.h"
#include "deck/gui/DeckPane.h"
#include "search/FilterCaptions.h"
#include "search/gui/CardListPane.h"
#include "search/gui/FilterPane.h"
#include "search/gui/SearchPane.h"
#include "stats/gui/DeckInfoPane.h"
#include "text/ShiftJisCodec.h"
#include "widgets/AppFonts.h"
#include "widgets/MessageBoxes.h"

namespace svdb {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(table);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    QObject* find(const QString& name) const {
        if (window->objectName() == name) return window.get();
        return window->findChild<QObject*>(name);
    }

    CardTable table;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, NormalSizeSticksAndListsTakeExtraRoom) {
    EXPECT_EQ(window->size(), QSize(800, 570));
    // The layout asks for no more than the normal size, so the size sticks.
    EXPECT_LE(window->minimumSizeHint().width(), 800);
    EXPECT_LE(window->minimumSizeHint().height(), 570);
    window->resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(800, 570));

    QTableView* cards = window->cardListPane()->view();
    QTableView* deck = window->deckPane()->deckList(0);
    const QSize cardsBefore = cards->size(), deckBefore = deck->size();
    window->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_GT(cards->width(), cardsBefore.width());
    EXPECT_GT(cards->height(), cardsBefore.height());
    EXPECT_GT(deck->width(), deckBefore.width());
    EXPECT_GT(deck->height(), deckBefore.height());
}

TEST_F(MainWindowTest, TabStripHasThreeTabsSwitchingTheGraphFrames) {
    DeckInfoPane* info = window->deckInfoPane();
    QTabBar* tabs = info->tabStrip();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(info->graphStack()->currentWidget(), info->graphFrame(1));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(info->graphStack()->currentWidget(), info->graphFrame(2));
    window->findChild<QAction*>(QStringLiteral("FindDetail"))->trigger();
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(info->graphStack()->currentWidget(), info->graphFrame(3));
    EXPECT_TRUE(info->graphFrame(3)->isAncestorOf(window->searchPane()));
}

// Every text a column can show fits in it, at the fonts in use: the widest
// faction names, a long card number and every expansion name.
TEST_F(MainWindowTest, ListColumnsShowTheirWidestTextsWhole) {
    QStringList expansions;
    for (std::string_view e : ExpansionNames()) expansions << QString::fromUtf8(e.data(), e.size());
    const QStringList factions = {"ティターンズ", "ザンスカール", "ネオジオン", "クロスボーン"};
    struct Column {
        QTableView* view;
        int column;
        QStringList texts;
    };
    QTableView* cards = window->cardListPane()->view();
    const Column columns[] = {
        {cards, 0, factions},
        {cards, 1, {"SPOL-10"}},
        {cards, 3, expansions},
        {window->deckPane()->deckList(0), 0, factions},
        {window->deckPane()->deckList(0), 1, {"SPOL-10"}},
        {window->deckPane()->deckList(1), 0, {"ティタ", "ザンスカール"}},
        {window->deckPane()->deckList(1), 3, {"枚数"}},
    };
    for (const Column& c : columns) {
        SCOPED_TRACE(c.view->objectName().toStdString() + " " + std::to_string(c.column));
        const int margin =
            c.view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, c.view) + 1;
        const QFontMetrics fm(c.view->font());
        for (const QString& t : c.texts) {
            EXPECT_LE(fm.horizontalAdvance(t) + 2 * margin, c.view->columnWidth(c.column))
                << t.toStdString();
        }
        EXPECT_FALSE(c.view->verticalHeader()->isVisible());
        EXPECT_GE(c.view->horizontalHeader()->height(), fm.height());  // the captions' line
        EXPECT_EQ(c.view->selectionBehavior(), QAbstractItemView::SelectRows);
    }
}

QStringList itemsOf(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

TEST_F(MainWindowTest, ChoiceListsAreFilledAndStartEmpty) {
    struct Choice {
        const char* combo;
        QStringList items;
    };
    auto texts = [](const auto& captions) {
        QStringList out;
        for (std::string_view c : captions) out << QString::fromUtf8(c.data(), c.size());
        return out;
    };
    const Choice choices[] = {
        {"ComboSyugo", texts(SearchItemCaptions())},
        {"ComboNum_0", {"*", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"ComboNum_1", {}},
        {"ComboFind", texts(FindPresets())},
    };
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.combo);
        auto* box = window->findChild<QComboBox*>(QString::fromUtf8(c.combo));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(itemsOf(box), c.items);
        EXPECT_TRUE(box->currentText().isEmpty());
    }
    SearchPane* search = window->searchPane();
    EXPECT_TRUE(search->comboFind()->isEditable());
    EXPECT_TRUE(search->comboNum(0)->isEditable());
    EXPECT_TRUE(search->comboNum(1)->isEditable());
    EXPECT_FALSE(search->comboSyugo()->isEditable());
}

TEST_F(MainWindowTest, LoadStateBeforeTheFirstRefill) {
    // The whole catalogue is asked for, and adding waits for rows.
    EXPECT_TRUE(window->filterPane()->factionBox(0)->isChecked());
    for (int i = 1; i < 8; ++i) EXPECT_FALSE(window->filterPane()->factionBox(i)->isChecked()) << i;
    for (const char* name : {"CBadd1_0", "CBadd1_1", "CBadd3_0", "CBadd3_1"}) {
        EXPECT_FALSE(window->findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
    }
    for (const char* name : {"CBdel1_0", "CBdel3_0", "Command6", "SideButton_0"}) {
        EXPECT_TRUE(window->findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
    }
    EXPECT_FALSE(window->costGraphOpen());
    EXPECT_TRUE(window->deckInfoPane()->timer()->isActive());
}

TEST_F(MainWindowTest, MenuItemsCheckMarksAndShortcuts) {
    const QKeySequence keys[11] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3, Qt::Key_F4,
                                   Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7, Qt::Key_F8,
                                   Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        QAction* a = window->expansionItem(i);
        EXPECT_TRUE(a->isCheckable());
        EXPECT_FALSE(a->isChecked());
        EXPECT_EQ(a->shortcut(), i < 11 ? keys[i] : QKeySequence());
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(window->optionItem(i)->isCheckable()) << i;
        EXPECT_FALSE(window->optionItem(i)->isChecked()) << i;
    }
    // The function keys work while the menu is closed.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy chosen(window->expansionItem(9), &QAction::triggered);
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_EQ(chosen.count(), 1);
    // The pop-up menu is not part of the bar.
    for (QAction* a : window->menuBar()->actions()) {
        EXPECT_NE(a->menu(), window->contextMenu());
    }
}

TEST_F(MainWindowTest, WindowsFontNamesResolveToTheInstalledJapaneseFonts) {
    EXPECT_EQ(QFontInfo(QFont(AppFonts::kFixedFamily)).family(), AppFonts::kFixedSubstitute);
    EXPECT_EQ(QFontInfo(QFont(AppFonts::kProportionalFamily)).family(),
              AppFonts::kProportionalSubstitute);
    struct Shown {
        QWidget* widget;
        const QString& family;
    };
    const Shown shown[] = {
        {window->deckPane()->deckList(0), AppFonts::kFixedSubstitute},
        {window->deckPane()->deckTotal(1), AppFonts::kFixedSubstitute},
        {window->filterPane()->factionBox(3), AppFonts::kProportionalSubstitute},
        {window->findChild<QLabel*>(QStringLiteral("Label5")), AppFonts::kProportionalSubstitute},
    };
    for (const Shown& s : shown) {
        EXPECT_EQ(QFontInfo(s.widget->font()).family(), s.family)
            << s.widget->objectName().toStdString();
    }
}

// A control is shown whole: visible, inside the window and every frame that
// holds it, and large enough for its caption.
void expectShownWhole(QWidget* w, QWidget* window) {
    SCOPED_TRACE(w->objectName().toStdString());
    ASSERT_TRUE(w->isVisible());
    for (QWidget* p = w; p != window; p = p->parentWidget()) {
        const QRect inParent = p->geometry();
        ASSERT_TRUE(p->parentWidget()->rect().contains(inParent))
            << p->objectName().toStdString() << " leaves its parent";
    }
    const QFontMetrics fm = w->fontMetrics();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        int need = fm.horizontalAdvance(b->text());
        if (qobject_cast<QCheckBox*>(w)) {
            need += w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                    w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        }
        EXPECT_LE(need, w->width());
        EXPECT_LE(fm.height(), w->height());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (!l->wordWrap() && !l->text().isEmpty()) {
            EXPECT_LE(fm.horizontalAdvance(l->text()), l->contentsRect().width());
            EXPECT_LE(fm.height(), l->height());
        }
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        EXPECT_LE(fm.horizontalAdvance(g->title()), g->width());
    }
}

TEST_F(MainWindowTest, NormalLayoutShowsEveryControlWhole) {
    // Command3 shows only with a card of two faces.
    const QStringList hidden = {"LBhide2", "Label15", "CBmenu", "Command3"};
    for (int tab = 1; tab <= 3; ++tab) {
        SCOPED_TRACE(tab);
        window->showGraphFrame(tab);
        QApplication::processEvents();
        int checked = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || hidden.contains(name))
                continue;
            if (w->window() != window.get()) continue;                // menus
            if (qobject_cast<QTabBar*>(w->parentWidget())) continue;  // its scroll buttons
            bool onOtherTab = false;
            for (int other = 1; other <= 3; ++other) {
                QWidget* frame = window->deckInfoPane()->graphFrame(other);
                if (other != tab && (w == frame || frame->isAncestorOf(w))) onOtherTab = true;
            }
            if (onOtherTab) continue;
            expectShownWhole(w, window.get());
            ++checked;
        }
        EXPECT_GT(checked, 100);
    }
    // The side deck and its total are shown from the start.
    EXPECT_TRUE(window->deckPane()->deckList(1)->isVisible());
    EXPECT_TRUE(window->deckPane()->deckTotal(1)->isVisible());
    for (const char* name : {"LBhide2", "Label15", "CBmenu"}) {
        EXPECT_FALSE(window->findChild<QWidget*>(QLatin1String(name))->isVisible()) << name;
    }
}

TEST_F(MainWindowTest, SmallScreenOptionPutsThePanelBesideTheDeckListsAndBack) {
    QWidget* panel = window->filterPane();
    QWidget* mainList = window->deckPane()->deckList(0);
    window->optionItem(4)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(MainWindow::kVaioWidth, MainWindow::kVaioHeight));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Starvane Deck Builder [VAIO C1モード]"));
    EXPECT_GE(panel->mapTo(window.get(), QPoint(0, 0)).x(),
              mainList->mapTo(window.get(), QPoint(mainList->width(), 0)).x());
    int checked = 0;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        expectShownWhole(w, window.get());
        ++checked;
    }
    EXPECT_GT(checked, 40);
    // The panel cannot be folded away here.
    QTest::mouseDClick(static_cast<QWidget*>(find(QStringLiteral("Frame2"))), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());

    window->optionItem(4)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(MainWindow::kNormalWidth, MainWindow::kNormalHeight));
    EXPECT_LT(panel->mapTo(window.get(), QPoint(0, panel->height())).y(),
              mainList->mapTo(window.get(), QPoint(0, 0)).y());
}

TEST_F(MainWindowTest, TypeFrameDoubleClickFoldsThePanelAndCBmenuUnfoldsIt) {
    auto* frame2 = static_cast<QWidget*>(find(QStringLiteral("Frame2")));
    auto* menuButton = static_cast<QAbstractButton*>(find(QStringLiteral("CBmenu")));
    QWidget* cardList = window->cardListPane();
    const int listTop = cardList->mapTo(window.get(), QPoint(0, 0)).y();
    QTest::mouseDClick(frame2, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(window->filterPane()->isVisible());
    EXPECT_TRUE(menuButton->isVisible());
    EXPECT_TRUE(menuButton->isEnabled());
    EXPECT_LT(cardList->mapTo(window.get(), QPoint(0, 0)).y(), listTop);
    QTest::mouseClick(menuButton, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(window->filterPane()->isVisible());
    EXPECT_FALSE(menuButton->isVisible());
    EXPECT_FALSE(menuButton->isEnabled());
    EXPECT_EQ(cardList->mapTo(window.get(), QPoint(0, 0)).y(), listTop);
}

TEST_F(MainWindowTest, RightButtonOnFourAbilityBoxesShowsTheirKeywordHelp) {
    struct Case {
        const char* box;
        const char* title;
    };
    const Case cases[] = {
        {"Check18", "艦船とは"}, {"Check19", "変形とは"}, {"CbQuick", "クイックとは"}};
    for (const Case& c : cases) {
        auto* box = static_cast<QCheckBox*>(find(QLatin1String(c.box)));
        MessageBoxes::clearLast();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        QTest::mousePress(box, Qt::RightButton);
        QTest::mouseRelease(box, Qt::RightButton);
        ASSERT_TRUE(MessageBoxes::last().has_value()) << c.box;
        EXPECT_EQ(MessageBoxes::last()->title, QString::fromUtf8(c.title));
        // Lines of at most 40 characters.
        for (const QString& line : MessageBoxes::last()->text.split(QStringLiteral("\r\n")))
            EXPECT_LE(line.size(), 40);
        EXPECT_FALSE(box->isChecked());
    }
    // A left click only ticks the box.
    MessageBoxes::clearLast();
    QTest::mouseClick(static_cast<QWidget*>(find(QStringLiteral("Check18"))), Qt::LeftButton);
    EXPECT_FALSE(MessageBoxes::last().has_value());
}

TEST_F(MainWindowTest, NamedChildrenDoNotOverlapTheirSiblings) {
    for (QWidget* parent : window->findChildren<QWidget*>()) {
        QList<QWidget*> kids;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->isVisible() && !w->objectName().isEmpty() && !w->isWindow() &&
                !w->objectName().startsWith(QLatin1String("qt_")))
                kids << w;
        }
        for (int i = 0; i < kids.size(); ++i) {
            for (int j = i + 1; j < kids.size(); ++j) {
                EXPECT_FALSE(kids[i]->geometry().intersects(kids[j]->geometry()))
                    << kids[i]->objectName().toStdString() << " overlaps "
                    << kids[j]->objectName().toStdString();
            }
        }
    }
}

struct CloseWay {
    const char* name;
    void (*close)(MainWindow&);
};

TEST_F(MainWindowTest, QuitAndTheCloseBoxBothRunTheUnloadSteps) {
    const CloseWay ways[] = {
        {"Quit menu item",
         [](MainWindow& w) { w.findChild<QAction*>(QStringLiteral("Quit"))->trigger(); }},
        {"close box", [](MainWindow& w) { w.close(); }},
    };
    for (const CloseWay& way : ways) {
        SCOPED_TRACE(way.name);
        window = std::make_unique<MainWindow>(table);
        window->show();
        QWidget other;
        other.setWindowTitle(QStringLiteral("other window"));
        other.show();
        QSignalSpy unloaded(window.get(), &MainWindow::unloaded);

        way.close(*window);

        EXPECT_EQ(unloaded.count(), 1);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(other.isVisible());
        // A second close after unloading does not unload again.
        window->close();
        EXPECT_EQ(unloaded.count(), 1);
    }
}

TEST_F(MainWindowTest, SettingsSetTheBoxesAtLoadAndAreWrittenBackAtUnload) {
    const QString path = QDir::tempPath() + QStringLiteral("/svdb_window_settings.ini");
    QFile::remove(path);
    // No file: only "ALL" is ticked, and the first unload writes the file.
    window = std::make_unique<MainWindow>(table, path);
    EXPECT_EQ(window->filterPane()->factionBoxValue(0), 1);
    window->close();
    EXPECT_TRUE(QFile::exists(path));

    // A picture that cannot be shown ends the reading: OTHER is not applied.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(
            "[SEIRYOKU]\r\nALL=0\r\nZEON=1\r\n[TYPE]\r\nUNIT=2\r\n"
            "LIST1PICTURE=/nowhere/p.png\r\nOTHER=1\r\n");
    }
    window = std::make_unique<MainWindow>(table, path);
    const FilterPane* f = window->filterPane();
    EXPECT_EQ(f->factionBoxValue(0), 0);
    EXPECT_EQ(f->factionBoxValue(2), 1);
    EXPECT_EQ(f->factionBoxValue(7), 0);
    EXPECT_EQ(f->kindBoxValue(1), 2);
    window->close();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(ShiftJisCodec::decode(written.readAll().toStdString()),
              "[SEIRYOKU]\r\nALL=0\r\nRENPO=0\r\nZEON=1\r\nTITA=0\r\nNEOZEON=0\r\nTURNA=0\r\n"
              "WING=0\r\nOTHER=0\r\n\r\n[TYPE]\r\nGENERATION=0\r\nUNIT=2\r\nCHARACTER=0\r\n"
              "COMMAND=0\r\nOPERATION=0\r\n\r\nLIST1PICTURE=/nowhere/p.png\r\n");

    // A picture that can be shown goes behind the card list, and reading goes on.
    const QString picture = QDir::tempPath() + QStringLiteral("/svdb_window_settings.png");
    QPixmap pixels(8, 8);
    pixels.fill(Qt::yellow);
    ASSERT_TRUE(pixels.save(picture));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(("LIST1PICTURE=" + picture + "\r\nOTHER=1\r\n").toUtf8());
    }
    window = std::make_unique<MainWindow>(table, path);
    EXPECT_EQ(window->filterPane()->factionBoxValue(7), 1);
    EXPECT_FALSE(window->cardListPane()->view()->viewport()->palette().base().texture().isNull());
    window.reset();
    QFile::remove(picture);
    QFile::remove(path);

    // A settings file that cannot be written is reported, and the window
    // unloads all the same.
    window = std::make_unique<MainWindow>(table, QStringLiteral("/nonexistent/folder/SVDB.ini"));
    window->show();
    QSignalSpy unloaded(window.get(), &MainWindow::unloaded);
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window->close();
    EXPECT_EQ(unloaded.count(), 1);
    ASSERT_TRUE(MessageBoxes::last().has_value());
    EXPECT_EQ(MessageBoxes::last()->title, QString::fromUtf8("SVDBエラー"));
}

QLabel* label(QWidget* about, const char* name) {
    return about->findChild<QLabel*>(QLatin1String(name));
}

TEST_F(MainWindowTest, AboutWindowShowsItsTextsAndClosesAsDesigned) {
    struct Case {
        const char* name;
        std::function<void(QWidget*)> act;
        bool staysOpen;
    };
    const Case cases[] = {
        {"any key", [](QWidget* a) { QTest::keyClick(a, Qt::Key_Space); }, false},
        {"a click on a text",
         [](QWidget* a) { QTest::mouseClick(label(a, "lblWarning"), Qt::LeftButton); }, false},
        {"a plain press on the logo",
         [](QWidget* a) { QTest::mousePress(label(a, "imgLogo"), Qt::LeftButton); }, false},
        {"Ctrl+Alt on the logo",
         [](QWidget* a) {
             QTest::mousePress(label(a, "imgLogo"), Qt::LeftButton,
                               Qt::ControlModifier | Qt::AltModifier);
         },
         true},
    };
    table.ListVersion = "2026.12";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->aboutItem(1)->trigger();
        QWidget* about = window->findChild<QWidget*>(QStringLiteral("frmSplash"));
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(label(about, "LbListVersion")->text(),
                  QString::fromUtf8("カードリストバージョン：2026.12"));
        const QString comments = label(about, "Label1")->text();
        c.act(about);
        EXPECT_EQ(about->isVisible(), c.staysOpen);
        if (c.staysOpen) {
            EXPECT_NE(label(about, "Label1")->text(), comments);
            about->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MainWindowTest, HelpWithoutItsFileSaysSo) {
    window->setHelpFilePath(QStringLiteral("/nonexistent/SVHELP.chm"));
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window->aboutItem(0)->trigger();
    ASSERT_TRUE(MessageBoxes::last().has_value());
    EXPECT_EQ(MessageBoxes::last()->title, QString::fromUtf8("SVDBエラー"));
    EXPECT_TRUE(MessageBoxes::last()->text.contains(QStringLiteral("/nonexistent/SVHELP.chm")));
}

TEST_F(MainWindowTest, TimerAlternatesTheTwoFactionSlots) {
    const char* const names[4] = {"Label32", "Label33", "lblHIGE", "LblWing"};
    const char* const first[4] = {"ティターンズ", "ネオジオン", "∀", "Ｗ"};
    const char* const second[4] = {"ザンスカール", "クロスボーン", "Ｘ", "Seed"};
    for (const auto* expected : {second, first, second}) {
        window->deckInfoPane()->Timer1_Timer();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(window->findChild<QLabel*>(QLatin1String(names[i]))->text(),
                      QString::fromUtf8(expected[i]))
                << names[i];
        }
    }
}

}  // namespace
}  // namespace svdb
