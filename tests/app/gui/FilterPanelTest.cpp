#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <vector>

#include "CardBrowserFixture.h"
#include "search/FilterCaptions.h"

namespace svdb {
namespace {

using FilterPanelTest = CardBrowserFixture;

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

// Clicks a check box on its indicator, any other widget in its middle.
void Click(QWidget* w) {
    QPoint at = w->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// Types a text that may hold characters beyond ASCII.
void Type(QWidget* w, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, c, {});
}

TEST_F(FilterPanelTest, PanelChoicesNarrowTheList) {
    auto box = [this](const char* name) {
        return window->findChild<QWidget*>(QString::fromUtf8(name));
    };
    const struct {
        const char* name;
        std::function<void()> act;
        QStringList numbers;
    } rows[] = {
        {"ALL", [] {}, Texts({"U-2", "U-10", "CH-1", "U-5", "C-3", "U-7", "U-8", "U-9"})},
        {"no faction box", [&] { Click(box("CheckColor_0")); }, {}},
        {"青 while ALL unticks ALL", [&] { Click(box("CheckColor_1")); },
         Texts({"U-2", "U-10", "CH-1"})},
        {"ALL unticks 青 and 赤",
         [&] {
             Click(box("CheckColor_1"));
             Click(box("CheckColor_4"));
             Click(box("CheckColor_0"));
             FilterPane* f = window->filterPane();
             EXPECT_FALSE(f->factionBox(1)->isChecked() || f->factionBox(4)->isChecked());
         },
         Texts({"U-2", "U-10", "CH-1", "U-5", "C-3", "U-7", "U-8", "U-9"})},
        {"last box unticked",
         [&] {
             Click(box("CheckColor_1"));
             Click(box("CheckColor_1"));
         },
         {}},
        {"黒 and 白",
         [&] {
             Click(box("CheckColor_0"));
             Click(box("CheckColor_3"));
             Click(box("CheckColor_6"));
         },
         Texts({"U-7", "U-8", "U-9"})},
        {"UNIT", [&] { Click(box("CBkind_1")); },
         Texts({"U-2", "U-10", "U-5", "U-7", "U-8", "U-9"})},
        {"Rare", [&] { Click(box("CheckRare_2")); }, Texts({"CH-1", "C-3"})},
        {"速攻 or 強襲",
         [&] {
             Click(box("CheckSokkou"));
             Click(box("CheckKyousyu"));
         },
         Texts({"U-10", "U-5"})},
        {"character M", [&] { Click(box("ToolbarChar_1")); }, Texts({"CH-1"})},
        {"基本セット (expansions 0 and 1)",
         [&] {
             window->expansionItem(0)->trigger();
             EXPECT_TRUE(window->expansionItem(0)->isChecked());
             EXPECT_EQ(window->filterPane()->filterState().expansionMask, 3u);
         },
         Texts({"U-2", "U-10", "U-5", "U-9"})},
        {"基本セット on and off again",
         [&] {
             window->expansionItem(0)->trigger();
             window->expansionItem(0)->trigger();
         },
         Texts({"U-2", "U-10", "CH-1", "U-5", "C-3", "U-7", "U-8", "U-9"})},
        {"名称 contains ト, on Enter",
         [&] {
             Click(box("CheckFindName"));
             Type(window->searchPane()->comboFind()->lineEdit(), QString::fromUtf8("ト"));
             QTest::keyClick(window->searchPane()->comboFind()->lineEdit(), Qt::Key_Return);
         },
         Texts({"U-5", "U-7"})},
        {"名称 or テキスト contains ト",
         [&] {
             Click(box("CheckFindName"));
             Click(box("CheckFindText"));
             Type(window->searchPane()->comboFind()->lineEdit(), QString::fromUtf8("ト"));
             QTest::keyClick(window->searchPane()->comboFind()->lineEdit(), Qt::Key_Return);
         },
         Texts({"CH-1", "U-5", "U-7"})},
        {"格闘力 equal to a typed 3",
         [&] {
             window->searchPane()->comboSyugo()->setFocus();
             // "格闘力" is the fourth item: picked with the keyboard.
             for (int i = 0; i < 4; ++i)
                 QTest::keyClick(window->searchPane()->comboSyugo(), Qt::Key_Down);
             QTest::keyClicks(window->searchPane()->comboNum(0)->lineEdit(), QStringLiteral("3"));
         },
         Texts({"U-2", "U-7"})},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();  // a fresh window for each row
        r.act();
        EXPECT_EQ(numbers(), r.numbers);
        EXPECT_EQ(window->deckPane()->cardCountLabel()->text(), QString::number(r.numbers.size()));
        for (const char* add : {"CBadd1_0", "CBadd1_1", "CBadd3_0", "CBadd3_1"}) {
            EXPECT_EQ(box(add)->isEnabled(), !r.numbers.isEmpty()) << add;
        }
    }
}

TEST_F(FilterPanelTest, TypingAloneDoesNotRefill) {
    Click(window->findChild<QWidget*>(QStringLiteral("CheckFindName")));
    Type(window->searchPane()->comboFind()->lineEdit(), QString::fromUtf8("ト"));
    EXPECT_EQ(model()->rowCount(), 8);
    // The next refill by another control takes the typed text along.
    Click(window->filterPane()->rareBox(0));
    EXPECT_EQ(numbers(), Texts({"U-5", "U-7"}));
}

TEST_F(FilterPanelTest, TypeBoxesEnableTheirGroups) {
    FilterPane* pane = window->filterPane();
    auto box = [this](const char* name) {
        return window->findChild<QCheckBox*>(QString::fromUtf8(name));
    };
    const char* const unitOnly[] = {"Check11",     "Check16",     "Check17",    "Check18",
                                    "Check19",     "CheckHani",   "Check21",    "CBDesert",
                                    "CheckMizu",   "CbTaiki",     "CheckShild", "CheckTire",
                                    "CheckSokkou", "CheckKyousyu"};
    // Whether each group is enabled, with every box of a disabled group unticked.
    auto expectGroups = [&](bool character, bool unit) {
        EXPECT_EQ(pane->charToolbar()->isEnabled(), character);
        for (const char* name : {"CBkShusei", "CheckKamei"}) {
            EXPECT_EQ(box(name)->isEnabled(), character) << name;
            if (!character) {
                EXPECT_FALSE(box(name)->isChecked()) << name;
            }
        }
        for (const char* name : unitOnly) {
            EXPECT_EQ(box(name)->isEnabled(), unit) << name;
            if (!unit) {
                EXPECT_FALSE(box(name)->isChecked()) << name;
            }
        }
        EXPECT_TRUE(box("CheckPSArm")->isEnabled());
        EXPECT_TRUE(box("Check20")->isEnabled());
    };
    Click(box("CheckKamei"));
    Click(box("CheckSokkou"));
    Click(pane->charButton(2));  // "F"
    ASSERT_EQ(numbers(), Texts({}));

    Click(pane->kindBox(3));  // COMMAND alone
    expectGroups(false, false);
    EXPECT_TRUE(pane->charButton(2)->isChecked());  // pressed, but not counted
    EXPECT_EQ(numbers(), Texts({"C-3"}));

    Click(pane->kindBox(1));  // and UNIT
    expectGroups(false, true);
    EXPECT_FALSE(box("CheckSokkou")->isChecked());  // re-enabled, not re-ticked
    EXPECT_EQ(numbers(), Texts({"U-2", "U-10", "U-5", "C-3", "U-7", "U-8", "U-9"}));

    Click(pane->kindBox(3));
    Click(pane->kindBox(1));  // no type ticked: both groups back, "F" counts again
    expectGroups(true, true);
    EXPECT_EQ(numbers(), Texts({"C-3"}));
}

TEST_F(FilterPanelTest, ExpansionKeysSwitchTheirBits) {
    const struct {
        Qt::Key key;
        std::uint32_t mask;
        QStringList numbers;
    } rows[] = {
        // clang-format off
        {Qt::Key_F1,  0x3,     Texts({"U-2", "U-10", "U-5", "U-9"})},  // 基本セット: 0 and 1
        {Qt::Key_F3,  0xB,     Texts({"U-2", "U-10", "U-5", "U-7", "U-9"})},  // ドラマチック１: 3
        {Qt::Key_F1,  0x8,     Texts({"U-7"})},
        {Qt::Key_F12, 0x1008,  Texts({"U-7"})},  // 革新の波濤: 12
        {Qt::Key_F3,  0x1000,  {}},
        {Qt::Key_F12, 0,       Texts({"U-2", "U-10", "CH-1", "U-5", "C-3", "U-7", "U-8", "U-9"})},
        // clang-format on
    };
    // The keys work with the focus in the search box too.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& r : rows) {
        QTest::keyClick(window->searchPane()->comboFind()->lineEdit(), r.key);
        EXPECT_EQ(window->filterPane()->filterState().expansionMask, r.mask) << r.key;
        EXPECT_EQ(numbers(), r.numbers) << r.key;
        for (int i = 0; i < 16; ++i) {
            const std::uint32_t bits = ExpansionMenuItems()[static_cast<std::size_t>(i)].bits;
            EXPECT_EQ(window->expansionItem(i)->isChecked(), (r.mask & bits) != 0) << i;
        }
    }
}

TEST_F(FilterPanelTest, TextSearchRunsOnEnterAndResets) {
    SearchPane* search = window->searchPane();
    QLineEdit* edit = search->comboFind()->lineEdit();
    Click(window->findChild<QWidget*>(QStringLiteral("CheckFindName")));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    edit->setFocus();
    // "ド" begins the preset "ドロー" and stays "ド": nothing completes it.
    Type(edit, QString::fromUtf8("ド"));
    EXPECT_EQ(model()->rowCount(), 8);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(search->comboFind()->currentText(), QString::fromUtf8("ド"));
    EXPECT_EQ(numbers(), Texts({"U-10"}));

    Click(window->findChild<QWidget*>(QStringLiteral("CommandClear_1")));
    EXPECT_EQ(search->comboFind()->currentText(), QString());
    EXPECT_EQ(model()->rowCount(), 8);
}

TEST_F(FilterPanelTest, DisabledAbilityFrameAndToolbarDoNotFilter) {
    Click(window->findChild<QWidget*>(QStringLiteral("CheckSokkou")));
    Click(window->filterPane()->charButton(1));
    ASSERT_EQ(model()->rowCount(), 0);  // 速攻 and M together: no card has both
    window->findChild<QWidget*>(QStringLiteral("Frame5"))->setEnabled(false);
    window->filterPane()->charToolbar()->setEnabled(false);
    window->MakeSeq();
    window->Change_List();
    EXPECT_EQ(model()->rowCount(), 8);
}

}  // namespace
}  // namespace svdb
