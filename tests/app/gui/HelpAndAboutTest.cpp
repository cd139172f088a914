#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "stats/gui/DeckInfoPane.h"
#include "widgets/MessageBoxes.h"

namespace svdb {
namespace {

class HelpAndAboutTest : public ::testing::Test {
  public:
    void SetUp() override {
        table.ListVersion = "2026.12";
        window = std::make_unique<MainWindow>(table);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    QWidget* openAbout() {
        window->aboutItem(1)->trigger();
        return window->findChild<QWidget*>(QStringLiteral("frmSplash"));
    }
    QLabel* label(QWidget* about, const char* name) {
        return about->findChild<QLabel*>(QLatin1String(name));
    }

    CardTable table;
    std::unique_ptr<MainWindow> window;
};

TEST_F(HelpAndAboutTest, AboutWindowShowsItsTextsAndClosesAsDesigned) {
    struct Case {
        const char* name;
        std::function<void(HelpAndAboutTest&, QWidget*)> act;
        bool staysOpen;
    };
    const Case cases[] = {
        {"any key", [](auto&, QWidget* a) { QTest::keyClick(a, Qt::Key_Space); }, false},
        {"a click on a text",
         [](auto& t, QWidget* a) { QTest::mouseClick(t.label(a, "lblWarning"), Qt::LeftButton); },
         false},
        {"a plain press on the logo",
         [](auto& t, QWidget* a) { QTest::mousePress(t.label(a, "imgLogo"), Qt::LeftButton); },
         false},
        {"Ctrl+Alt on the logo",
         [](auto& t, QWidget* a) {
             QTest::mousePress(t.label(a, "imgLogo"), Qt::LeftButton,
                               Qt::ControlModifier | Qt::AltModifier);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* about = openAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(label(about, "lblVersion")->text(), QString::fromUtf8("Version 1.0.0β"));
        EXPECT_EQ(label(about, "LbListVersion")->text(),
                  QString::fromUtf8("カードリストバージョン：2026.12"));
        const QString comments = label(about, "Label1")->text();
        c.act(*this, about);
        EXPECT_EQ(about->isVisible(), c.staysOpen);
        if (c.staysOpen) {
            EXPECT_NE(label(about, "Label1")->text(), comments);
            about->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(HelpAndAboutTest, HelpWithoutItsFileSaysSo) {
    window->setHelpFilePath(QStringLiteral("/nonexistent/SVHELP.chm"));
    MessageBoxes::clearLast();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window->aboutItem(0)->trigger();
    ASSERT_TRUE(MessageBoxes::last().has_value());
    EXPECT_EQ(MessageBoxes::last()->title, QString::fromUtf8("SVDBエラー"));
    EXPECT_TRUE(MessageBoxes::last()->text.contains(QStringLiteral("/nonexistent/SVHELP.chm")));
}

TEST_F(HelpAndAboutTest, TimerAlternatesTheTwoFactionSlots) {
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
