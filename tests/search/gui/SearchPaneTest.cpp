#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "search/gui/SearchPane.h"

namespace svdb {
namespace {

QStringList Entries(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

// The numeric search driven by the keyboard as a user would: each step
// leaves its hint, the maxima on offer and a request to search again.
TEST(SearchPaneTest, NumericSearchHintsMaximaAndReset) {
    SearchPane pane;
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    QSignalSpy asked(&pane, &SearchPane::searchChanged);
    QComboBox* item = pane.comboSyugo();
    QLineEdit* minimum = pane.comboNum(0)->lineEdit();
    QLineEdit* maximum = pane.comboNum(1)->lineEdit();
    const QString hint = QString::fromUtf8("検索項目を指定してください。");
    EXPECT_EQ(pane.hintLabel()->text(), hint);

    for (int i = 0; i < 4; ++i) QTest::keyClick(item, Qt::Key_Down);
    EXPECT_EQ(item->currentText(), QString::fromUtf8("格闘力"));
    EXPECT_EQ(pane.hintLabel()->text(), QString::fromUtf8("最小値／最大値を指定してください。"));

    QTest::keyClicks(maximum, QStringLiteral("5"));
    EXPECT_EQ(pane.hintLabel()->text(), QString::fromUtf8("最小値を指定してください。"));

    // Down to "7" in "*", "0".."9": each minimum picked offers its maxima
    // afresh, without a maximum chosen.
    for (int i = 0; i < 9; ++i) QTest::keyClick(minimum, Qt::Key_Down);
    EXPECT_EQ(pane.comboNum(0)->currentText(), QStringLiteral("7"));
    EXPECT_EQ(Entries(pane.comboNum(1)), (QStringList{"7", "8", "9"}));
    EXPECT_EQ(pane.comboNum(1)->currentText(), QString());
    EXPECT_EQ(pane.hintLabel()->text(), QString::fromUtf8("最小値のみで完全一致検索しました。"));

    QTest::keyClick(maximum, Qt::Key_Down);
    EXPECT_EQ(pane.comboNum(1)->currentText(), QStringLiteral("7"));
    EXPECT_EQ(Entries(pane.comboNum(1)), (QStringList{"7", "8", "9"}));  // left alone
    EXPECT_EQ(pane.hintLabel()->text(), QString::fromUtf8("範囲検索しました。"));

    const int before = static_cast<int>(asked.count());
    EXPECT_GT(before, 0);
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("CommandClear_0")),
                      Qt::LeftButton);
    EXPECT_EQ(asked.count(), before + 1);  // one search, after everything is cleared
    EXPECT_EQ(item->currentText(), QString());
    EXPECT_EQ(pane.comboNum(0)->currentText(), QString());
    EXPECT_EQ(pane.comboNum(1)->currentText(), QString());
    EXPECT_EQ(pane.comboNum(1)->count(), 0);
    EXPECT_EQ(pane.hintLabel()->text(), hint);
}

// Enter in the text box searches once for the term as typed, without adding
// it to the list (an empty term searches too: it ends the text search).
TEST(SearchPaneTest, EnterSearchesOnceForTheTypedText) {
    for (const char* term : {"A", ""}) {
        SCOPED_TRACE(term);
        SearchPane pane;
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
        QComboBox* find = pane.comboFind();
        find->addItem(QStringLiteral("ABC"));
        const int items = find->count();
        QSignalSpy asked(&pane, &SearchPane::searchChanged);
        QTest::keyClicks(find, QString::fromUtf8(term));  // the box has the focus
        EXPECT_EQ(find->currentText(), QString::fromUtf8(term));
        EXPECT_EQ(asked.count(), 0);
        QTest::keyClick(find, Qt::Key_Return);
        EXPECT_EQ(asked.count(), 1);
        EXPECT_EQ(find->currentText(), QString::fromUtf8(term));
        EXPECT_EQ(find->count(), items);
    }
}

}  // namespace
}  // namespace svdb
