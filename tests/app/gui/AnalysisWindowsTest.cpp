// The analysis menu's windows in the composed main window: the draw
// simulator switched by the main deck's total, and the cost graph following
// the main deck.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <algorithm>

#include "DeckWindowFixture.h"
#include "simulator/gui/TestDrawForm.h"
#include "stats/gui/Form4.h"

namespace svdb::testing {
namespace {

class AnalysisWindowsTest : public DeckWindowTest {
  public:
    // A main deck of U-1 x3 and G-1 for the rest, loaded as a file would be.
    void loadMain(int copies) {
        deck().ReplaceDecks(
            {Entry("連邦", "U-1", "レイヴン", 3), Entry("連邦", "G-1", "連邦G", copies - 3)}, {});
        settle();
    }
    // The main window switches the simulator once the change is complete.
    static void settle() { QCoreApplication::processEvents(); }
    void menu(const char* item) {
        window->findChild<QAction*>(QLatin1String(item))->trigger();
        settle();
    }
    QPushButton* simButton(const char* name) const {
        return window->drawSimulator()->findChild<QPushButton*>(QLatin1String(name));
    }
    // Enabled state of クリア, Draw 6, Draw 1 and 念入りにシャフル.
    std::vector<bool> simButtons() const {
        std::vector<bool> on;
        for (const char* b : {"Command1", "Command2", "Command3", "Command4"})
            on.push_back(simButton(b)->isEnabled());
        return on;
    }
    QStringList drawnLines() const {
        QStringList lines;
        const QListWidget* list = window->drawSimulator()->drawnList();
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
};

const std::vector<bool> kOn = {true, true, true, true}, kOff = {false, false, false, false};

TEST_F(AnalysisWindowsTest, SimulatorFollowsTheMainTotalWhileOpen) {
    loadMain(49);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    menu("TestDraw");
    ASSERT_TRUE(window->drawSimulatorOpen());
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_EQ(MessageBoxes::last()->text,
              QStringLiteral("デッキは必ず５０枚で構成しなければなりません"));
    EXPECT_EQ(simButtons(), kOff);

    add("G-1", "CBadd1_0");  // 50
    settle();
    EXPECT_EQ(simButtons(), kOn);
    EXPECT_EQ(window->drawSimulator()->simulator().drawDeck().size(), 50u);
    QTest::mouseClick(simButton("Command2"), Qt::LeftButton);
    add("U-2", "CBadd1_1");  // the side deck plays no part
    settle();
    EXPECT_EQ(simButtons(), kOn);
    EXPECT_EQ(drawnLines().size(), 6);

    add("G-1", "CBadd1_0");  // 51
    settle();
    EXPECT_EQ(simButtons(), kOff);
    // Back to 50 by a removal, which shows its total before the copy goes:
    // the reload takes the deck as it is afterwards.
    clickDeckRow(0, 1);
    click("CBdel1_0");
    settle();
    EXPECT_EQ(simButtons(), kOn);
    const auto& order = window->drawSimulator()->simulator().drawDeck();
    EXPECT_EQ(std::count(order.begin(), order.end(), "連邦 G-1 連邦G"), 47);
    EXPECT_TRUE(drawnLines().isEmpty());

    // Past the last card: the out-of-cards line, and only the draw buttons
    // go grey until "クリア".
    for (int i = 0; i < 9; ++i) QTest::mouseClick(simButton("Command2"), Qt::LeftButton);
    const QStringList lines = drawnLines();
    ASSERT_EQ(lines.size(), 51);
    EXPECT_EQ(lines.front(), QStringLiteral("連邦 U-1 レイヴン"));
    EXPECT_EQ(lines.back(), QStringLiteral("本国がなくなりました"));
    EXPECT_EQ(simButtons(), (std::vector<bool>{true, false, false, true}));
    QTest::mouseClick(simButton("Command1"), Qt::LeftButton);
    EXPECT_TRUE(drawnLines().isEmpty());
    EXPECT_EQ(simButtons(), kOn);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("Command6");  // 全削除 closes it
    settle();
    EXPECT_FALSE(window->drawSimulatorOpen());
}

class CostGraphWindowTest : public AnalysisWindowsTest {
  public:
    void SetUp() override {
        // Total national power 3 for U-1, CH-1, C-1 and O-1; 9 for U-2.
        for (const char* number : {"U-1", "CH-1", "C-1", "O-1"}) cardOf(number).allCost = 3;
        cardOf("U-2").allCost = 9;
        cardOf("U-2").resourceCost = "X";
        DeckWindowTest::SetUp();
    }
    CardRecord& cardOf(const char* number) { return table.at(Ref(number).slot, Ref(number).row); }

    Form4* graph() const { return window->costGraph(); }
    // The rows of a section, top down, as "cost:count".
    QStringList rows(int kind) const {
        std::vector<QLabel*> costs;
        for (QLabel* l : graph()->costFrame(kind)->findChildren<QLabel*>()) {
            if (l->objectName().startsWith(QLatin1String("LBcost_")) &&
                l->objectName() != QLatin1String("LBcost_0"))
                costs.push_back(l);
        }
        std::sort(costs.begin(), costs.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QStringList out;
        for (QLabel* l : costs) {
            const QString n = l->objectName().mid(7);
            out << l->text() + QLatin1Char(':') +
                       graph()->findChild<QLabel*>(QStringLiteral("LBsum_") + n)->text();
        }
        return out;
    }
    int barWidth(int member) const {
        return graph()->findChild<QWidget*>(QStringLiteral("ShapeCost_%1").arg(member))->width();
    }
};

TEST_F(CostGraphWindowTest, ShowsTheMainDeckAndFollowsEveryChange) {
    menu("costgraph");  // an empty main deck opens nothing
    EXPECT_FALSE(window->costGraphOpen());

    // 40 copies, 10 of them at total national power 3.
    deck().ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 3), Entry("連邦", "CH-1", "リオ", 3),
                         Entry("連邦", "C-1", "作戦", 3), Entry("連邦", "O-1", "基地", 1),
                         Entry("連邦", "G-1", "連邦G", 30)},
                        {});
    menu("costgraph");
    ASSERT_TRUE(window->costGraphOpen());
    EXPECT_EQ(rows(0), QStringList{QStringLiteral("3:10")});
    EXPECT_EQ(barWidth(1), std::lround(barWidth(0) / 4.0));

    add("U-2", "CBadd1_0");
    EXPECT_EQ(rows(0), (QStringList{QStringLiteral("3:10"), QStringLiteral("X:1")}));
    EXPECT_EQ(rows(2).back(), QStringLiteral("X:1"));

    // Sections stacked in order, each row inside its section, Close below.
    QRect previous;
    for (int kind = 0; kind < 3; ++kind) {
        QGroupBox* f = graph()->costFrame(kind);
        if (kind > 0) {
            EXPECT_EQ(f->geometry().top(), previous.bottom() + 1);
        }
        for (QWidget* w : f->findChildren<QWidget*>()) {
            EXPECT_TRUE(f->rect().contains(w->geometry())) << w->objectName().toStdString();
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
            }
        }
        previous = f->geometry();
    }
    const QRect close = graph()->closeButton()->geometry();
    EXPECT_GT(close.top(), previous.bottom());
    EXPECT_TRUE(graph()->rect().contains(close));

    // Removing every card leaves the window open with empty sections, and so
    // does clearing.
    while (!deck().list(0).empty()) {
        clickDeckRow(0, 0);
        click("CBdel3_0");
    }
    EXPECT_TRUE(window->costGraphOpen());
    for (int kind = 0; kind < 3; ++kind) EXPECT_TRUE(rows(kind).isEmpty()) << kind;
    add("U-1", "CBadd3_0");
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("Command6");
    EXPECT_TRUE(rows(0).isEmpty());

    graph()->Close_Click();
    EXPECT_FALSE(window->costGraphOpen());
}

}  // namespace
}  // namespace svdb::testing
