#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/gui/ContextCommands.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "deck/gui/DeckPane.h"
#include "search/gui/CardInfoPanel.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"
#include "widgets/MessageBoxes.h"

namespace svdb {
namespace {

using namespace std::string_literals;

// The card information panel, the opening-hand chance and the pop-up menu's
// commands, driven through the card list and the deck lists of a window
// over a catalogue of one card of each kind.
class CardDetailTest : public ::testing::Test {
  protected:
    static CardRecord& Put(CardTable& t, int slot, int row, const char* faction, const char* number,
                           const char* name) {
        CardRecord& r = t.at(slot, row);
        r.faction = faction;
        r.cardNumber = number;
        r.front.name = name;
        r.rare = "Rare";
        return r;
    }

    void SetUp() override {
        CardRecord& unit = Put(table, 0, 0, "連邦", "U-1", "アルヴァ");
        unit.nationCost = 1;
        unit.allCost = 3;
        unit.resourceCost = "X";
        unit.typeDetail = "宇宙";
        unit.quick = true;
        unit.expansion = 2;
        unit.front.power = "4";
        unit.front.shoot = "3";
        unit.front.toughness = "5";
        unit.front.text = "前\\r後"s;
        unit.front.flavor = "「星」";
        unit.front.transform = "可変変形";
        unit.transformed.name = "アルヴァ （巡航形態）";
        unit.transformed.text = "巡航";
        unit.transformed.power = "5";
        unit.transformed.highMobility = "高機動";
        CardRecord& pilot = Put(table, 0, 1, "連邦", "CH-1", "リオ");
        pilot.charGender = "M";
        pilot.charAge = "AD";
        pilot.charKind = "NT";
        pilot.front.power = "2";
        pilot.expansion = 17;  // listed as "--", shown as nothing
        Put(table, 1, 0, "ジオン", "SPC-2", "奇襲").front.text = "一\\r二\\r三\\r四\\r五\\r六"s;
        Put(table, 1, 1, "ジオン", "O-3", "基地").typeDetail = "配備";
        Put(table, 2, 0, "ザンスカール", "G-4", "開拓民");
        Put(table, 3, 0, "クロスボーン", "SPOL-5", "ステラ").front.text =
            std::string(350, 'a');  // 350 bytes
        Put(table, 6, 0, "その他", "O-6", "港");

        window = std::make_unique<MainWindow>(table);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->Change_List();
    }
    void TearDown() override { window.reset(); }

    QString text(const char* name) const {
        return window->findChild<QLabel*>(QLatin1String(name))->text();
    }
    bool visible(const char* name) const {
        return window->findChild<QWidget*>(QLatin1String(name))->isVisible();
    }
    CardInfoPanel* panel() const { return window->cardInfo(); }
    QPushButton* transform() const {
        return window->findChild<QPushButton*>(QStringLiteral("Command3"));
    }
    void clickCard(const char* number) {
        QTableView* v = window->cardListPane()->view();
        const CardListModel* m = window->cardListPane()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->rowAt(r).cardNumber == number) {
                QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                                  v->visualRect(m->index(r, 0)).center());
                return;
            }
        }
        ADD_FAILURE() << number;
    }
    QPoint deckRow(int list, int row) const {
        QTableView* v = window->deckPane()->deckList(list);
        return v->visualRect(v->model()->index(row, 0)).center();
    }
    QWidget* deckViewport(int list) const { return window->deckPane()->deckList(list)->viewport(); }
    // A double-click as the mouse gives it: a click (which shows the card),
    // then the second press arriving as a double-click, then its release.
    void doubleClick(int list, int row) {
        QTest::mouseClick(deckViewport(list), Qt::LeftButton, {}, deckRow(list, row));
        QTest::mouseDClick(deckViewport(list), Qt::LeftButton, {}, deckRow(list, row));
        QTest::mouseRelease(deckViewport(list), Qt::LeftButton, {}, deckRow(list, row));
    }
    // Opens the pop-up menu on a widget as the right button does, and
    // chooses an item of it.
    void choose(QWidget* on, QPoint at, QAction* item) {
        QTest::mousePress(on, Qt::RightButton, {}, at);
        ASSERT_TRUE(window->contextMenu()->isVisible());
        if (item->isEnabled()) item->trigger();
        window->contextMenu()->close();
    }

    CardTable table;
    std::unique_ptr<MainWindow> window;
};

TEST_F(CardDetailTest, LabelsOfEachCardType) {
    struct Row {
        const char* number;
        QStringList texts;  // Label5 Label1 Label6 Label51 LblChar Label10 Label7 Label14 LblCardNo
        QString shown;      // of Label51 LblChar Label10 Command3: "1" visible, "0" hidden
    };
    // clang-format off
    const Row rows[] = {
        {"U-1", {"軍隊：連邦", "カード名： アルヴァ", "種別：UNIT", "地形適性： 宇宙", "", "格闘 4",
                 "クイック ", "撃墜王出撃", "U-1"}, "1011"},
        {"CH-1", {"軍隊：連邦", "カード名： リオ", "種別：CHARACTER", "", "M AD NT", "格闘 2", "", "",
                  "CH-1"}, "0110"},
        {"SPC-2", {"軍隊：ジオン", "カード名： 奇襲", "種別：COMMAND", "", "", "", "", "基本",
                   "SPC-2"}, "0000"},
        {"O-3", {"軍隊：ジオン", "カード名： 基地", "種別：OPERATION(配備)", "", "", "", "", "基本",
                 "O-3"}, "0000"},
        {"SPOL-5", {"軍隊：クロスボーン", "カード名： ステラ", "種別：UNIT", "地形適性： ", "", "格闘 ",
                    "", "基本", "SPOL-5"}, "1010"},
    };
    // clang-format on
    const char* const names[] = {"Label5",  "Label1", "Label6",  "Label51",  "LblChar",
                                 "Label10", "Label7", "Label14", "LblCardNo"};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.number);
        clickCard(r.number);
        QStringList texts;
        for (const char* name : names) texts << text(name);
        EXPECT_EQ(texts, r.texts);
        const QString shown =
            QString::number(visible("Label51")) + QString::number(visible("LblChar")) +
            QString::number(visible("Label10")) + QString::number(visible("Command3"));
        EXPECT_EQ(shown, r.shown);
    }
    clickCard("U-1");
    EXPECT_EQ(text("Label3") + text("Label2") + text("Label49") + text("Label50"),
              QStringLiteral("レアリティ：Rare13X"));
    EXPECT_EQ(text("Label8"), QStringLiteral("前\n後"));
    EXPECT_EQ(text("Label9"), QStringLiteral("「星」"));
    EXPECT_EQ(transform()->text(), QStringLiteral("可変変形"));
}

TEST_F(CardDetailTest, FactionColoursAndTextLayouts) {
    struct Row {
        const char* number;
        QColor frame;
        QColor cost;
        int textHeight;  // pixels of the card text's box; the flavour's takes the rest
    };
    // clang-format off
    const Row rows[] = {
        {"U-1", {204, 255, 255}, {0, 0, 255}, 62},
        {"SPC-2", {153, 204, 153}, {0, 128, 0}, 75},     // six line marks
        {"SPOL-5", {255, 204, 204}, {128, 0, 0}, 75},    // 350 bytes
        {"O-6", {204, 204, 255}, {128, 0, 0}, 62},       // その他 keeps the cost colour
        {"G-4", {204, 204, 204}, {0, 0, 0}, 62},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.number);
        clickCard(r.number);
        EXPECT_EQ(panel()->palette().color(QPalette::Window), r.frame);
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2"))
                      ->palette()
                      .color(QPalette::WindowText),
                  r.cost);
        EXPECT_EQ(panel()->textBox()->height(), r.textHeight);
        EXPECT_EQ(panel()->textBox()->height() + panel()->flavorBox()->height(), 62 + 48);
    }
}

TEST_F(CardDetailTest, TransformButtonFlipsFacesAndCarriesItsStateAcross) {
    clickCard("U-1");
    transform()->click();
    EXPECT_EQ(text("Label1"), QStringLiteral("カード名： アルヴァ （巡航形態）"));
    EXPECT_EQ(text("Label8") + text("Label9") + text("Label10") + text("Label7"),
              QStringLiteral("巡航格闘 5高機動 "));
    EXPECT_EQ(text("Label6"), QStringLiteral("種別：UNIT"));
    EXPECT_EQ(transform()->palette().color(QPalette::Button), QColor(255, 0, 0));

    // Another card shows its front; the button stays red, and its next press
    // shows that front again.
    clickCard("CH-1");
    clickCard("U-1");
    EXPECT_EQ(text("Label1"), QStringLiteral("カード名： アルヴァ"));
    EXPECT_TRUE(panel()->transformShown());
    transform()->click();
    EXPECT_EQ(text("Label1"), QStringLiteral("カード名： アルヴァ"));
    EXPECT_NE(transform()->palette().color(QPalette::Button), QColor(255, 0, 0));
    transform()->click();
    EXPECT_EQ(text("Label1"), QStringLiteral("カード名： アルヴァ （巡航形態）"));

    // Blanked, the panel has no card to turn.
    panel()->ClearCardDetail();
    transform()->click();
    EXPECT_EQ(text("Label1"), QStringLiteral("カード名： アルヴァ （巡航形態）"));
    EXPECT_EQ(text("Label10") + text("Label7") + text("Label15"), QStringLiteral("格闘 "));
}

TEST_F(CardDetailTest, DeckRowsShowTheirCardAndTheOpeningChance) {
    window->deckModel().ReplaceDecks({{"連邦", "U-1", "アルヴァ", 3}, {"連邦", "U-77", "幻", 1}},
                                     {{"ジオン", "O-3", " 基地 ", 20}});
    doubleClick(0, 0);
    EXPECT_EQ(panel()->shownCard(), (CardRef{0, 0}));
    // The deck counts as fifty cards, whatever it holds.
    EXPECT_EQ(text("Label22") + text("Label13"), QStringLiteral("「アルヴァ」が、32.43%"));

    // A card the catalogue lacks blanks the panel, and the chance with it.
    QTest::mouseClick(deckViewport(0), Qt::LeftButton, {}, deckRow(0, 1));
    EXPECT_FALSE(panel()->shownCard());
    EXPECT_EQ(text("Label13"), QString());
    EXPECT_EQ(text("Label22"), QStringLiteral("「アルヴァ」が、"));

    doubleClick(1, 0);
    EXPECT_EQ(panel()->shownCard(), (CardRef{1, 1}));  // found by the name trimmed
    EXPECT_EQ(text("Label22") + text("Label13"), QStringLiteral("「 基地 」が、96.26%"));
}

TEST_F(CardDetailTest, PopUpMenuCopiesAndWritesTheCardInformation) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    QWidget* cards = window->cardListPane()->view()->viewport();

    // An empty main deck leaves the clipboard alone.
    window->deckModel().ReplaceDecks({}, {{"連邦", "U-1", "アルヴァ", 1}});
    choose(deckViewport(1), deckRow(1, 0), window->toClipboardItem(1));
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    window->deckModel().ReplaceDecks({{"連邦", "U-1", "アルヴァ", 3}}, {});
    choose(deckViewport(0), deckRow(0, 0), window->toClipboardItem(2));
    EXPECT_EQ(clipboard->text(), QStringLiteral("-- 希望 --\r\n連邦 U-1 アルヴァ × 3\r\n"
                                                "--------------------\r\n"));
    choose(cards, QPoint(5, 5), window->toClipboardItem(1));
    EXPECT_TRUE(
        clipboard->text().startsWith(QStringLiteral("連邦 U-1 アルヴァ\r\n連邦 CH-1 リオ\r\n")));
    EXPECT_EQ(clipboard->text().count(QStringLiteral("\r\n")), 7);

    // The card information comes from the panel wherever the menu was opened.
    clickCard("U-1");
    choose(cards, QPoint(5, 5), window->toClipboardItem(3));
    EXPECT_EQ(clipboard->text(),
              QStringLiteral("U-1    カード名： アルヴァ\r\n\r\n        クイック \r\n"
                             "        前\r\n後\r\n        「星」\r\n"));
    EXPECT_EQ(window->options().contextSource(), ProgramOptions::kFromCardInfo);

    // "ファイル出力" writes every listed card beside the program, or says why not.
    QTemporaryDir dir;
    ContextCommands* commands = window->contextCommands();
    commands->setProgramFolder(dir.path());
    window->ContextOutput2File_Click();
    QFile out(dir.filePath(QStringLiteral("outest.txt")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll().count("\x81\x5c\x81\x5c\x81\x5c\r\n"), 7);  // a block's closing
    commands->setProgramFolder(dir.filePath(QStringLiteral("missing")));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window->ContextOutput2File_Click();
    ASSERT_TRUE(MessageBoxes::last());
    EXPECT_EQ(MessageBoxes::last()->title, QStringLiteral("SVDBエラー"));
    EXPECT_TRUE(MessageBoxes::last()->text.startsWith(commands->cardInfoFilePath()));
}

}  // namespace
}  // namespace svdb
