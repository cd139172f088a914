#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/gui/AppFonts.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"

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

QString captionOf(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    return {};
}

QString toolTipOf(QObject* o) {
    if (auto* w = qobject_cast<QWidget*>(o)) return w->toolTip();
    return {};
}

struct NamedControl {
    const char* name;
    const char* caption;
    const char* toolTip;
};

// Every control whose caption or tool tip the window fixes.
const NamedControl kControls[] = {
    {"ListView1", "", "左クリックで情報表示"},
    {"FrameLIST", "", ""},
    {"Frame7", "", ""},
    {"ListDeck_0", "", ""},
    {"ListDeck_1", "", ""},
    {"Text2", "", ""},
    {"Label48", "Deck名", ""},
    {"Text1_0", "0", ""},
    {"Text1_1", "0", ""},
    {"CBadd1_0", ">", "１枚登録"},
    {"CBadd1_1", "> SIDE", "サイドボードに１枚登録"},
    {"CBadd3_0", ">>", "３枚登録"},
    {"CBadd3_1", ">>SIDE", "サイドボードに３枚登録"},
    {"CBdel1_0", "<", "１枚削除"},
    {"CBdel1_1", "< SIDE", "サイドボードから１枚削除"},
    {"CBdel3_0", "<<", "１行削除"},
    {"CBdel3_1", "<<SIDE", "サイドボードから１行削除"},
    {"Command6", "全削除", "右のリストを全て削除します"},
    {"CbViewSide", "サイドボードを隠す", "サイドボード表示切り替え"},
    {"SideButton_0", "", "メインデッキへ"},
    {"SideButton_1", "", "サイドボードへ"},
    {"LBTotal_0", "Total", ""},
    {"LBTotal_1", "Side", ""},
    {"LBtotalLeft", "0", ""},  // the first refill lists no card of the empty table
    {"FrameGraph_1", "", ""},
    {"FrameGraph_2", "", ""},
    {"FrameGraph_3", "", ""},
    {"TabStrip1", "", ""},
    {"PictureBar", "", ""},
    {"Picture1_1", "", ""},
    {"Picture1_5", "", ""},
    {"Label16", "0", ""},
    {"Label17", "0", ""},
    {"Label18", "0", ""},
    {"Label19", "0", ""},
    {"Label20", "0", ""},
    {"LbNoOfArmy_0", "0", ""},
    {"LbNoOfArmy_6", "0", ""},
    {"Label32", "ティターンズ", ""},
    {"Label33", "ネオジオン", ""},
    {"lblHIGE", "∀", ""},
    {"LblWing", "Ｗ", ""},
    {"Label45", "0", ""},
    {"Label46", "0", ""},
    {"Label47", "0", ""},
    {"Label21", "最初の６枚に入る確率：", ""},
    {"Label22", "", ""},
    {"Label13", "", ""},
    {"Frame3", "カード情報", "右クリックでコンテキストメニュー表示"},
    {"Label5", "軍隊：", ""},
    {"Label1", "カード名：", ""},
    {"Label3", "レアリティ：", ""},
    {"Label4", "コスト：", ""},
    {"Label2", "", ""},
    {"Label49", "", ""},
    {"Label50", "", ""},
    {"Label6", "種別：", ""},
    {"Label51", "地形適性：", ""},
    {"LblChar", "", ""},
    {"Label10", "格闘", ""},
    {"Label11", "射撃", ""},
    {"Label12", "防御", ""},
    {"Label8", "", ""},
    {"Label9", "", ""},
    {"Label14", "", ""},
    {"Label7", "", ""},
    {"LblCardNo", "CH-000", ""},
    {"Command3", "変形", ""},
    {"LBhide2", "", ""},
    {"Label15", "", ""},
    {"Label24", "", ""},
    {"FrameFindText", "テキスト内検索", ""},
    {"CheckFindName", "名称", ""},
    {"CheckFindText", "テキスト", ""},
    {"CheckFindFlavor", "フレーバー", ""},
    {"ComboFind", "", "テキスト内を検索します"},
    {"CommandClear_1", "Reset", ""},
    {"FrameFindNum", "数値検索", ""},
    {"ComboSyugo", "", "検索したい項目名を選びます"},
    {"ComboNum_0", "", "指定した数字のものを検索します"},
    {"ComboNum_1", "", "指定した数字のものを検索します"},
    {"CommandClear_0", "Reset", ""},
    {"LabelFindHint", "検索項目を指定してください。", ""},
    {"FrameMenu", "", ""},
    {"Frame1", "勢力", "検索したい勢力をチェックしてください"},
    {"CheckColor_0", "ALL", ""},
    {"CheckColor_1", "青", "連邦"},
    {"CheckColor_2", "緑", "ジオン公国"},
    {"CheckColor_3", "黒", "ティターンズ/ザンスカール"},
    {"CheckColor_4", "赤", "ネオジオン/クロスボーン"},
    {"CheckColor_5", "茶", "∀"},
    {"CheckColor_6", "白", "ウィング"},
    {"CheckColor_7", "その他", ""},
    {"Frame2", "種別", "検索したい種別をチェックしてください"},
    {"CBkind_0", "GENERATION", ""},
    {"CBkind_1", "UNIT", ""},
    {"CBkind_2", "CHARACTER", ""},
    {"CBkind_3", "COMMAND", ""},
    {"CBkind_4", "OPERATION", ""},
    {"CBmenu", nullptr, ""},
    {"Frame4", "Rarity", "検索したいレアリティをチェックしてください"},
    {"CheckRare_0", "Common", ""},
    {"CheckRare_1", "Uncommon", ""},
    {"CheckRare_2", "Rare", ""},
    {"CheckRare_3", "Special", ""},
    {"Frame5", "能力", "検索したい能力をチェックしてください"},
    {"CheckPSArm", "PS装甲", ""},
    {"CheckSupport", "サポート", ""},
    {"CheckValture", "バルチャー", ""},
    {"CheckHani", "範囲兵器", ""},
    {"CheckPrivent", "プリベント", ""},
    {"CheckMizu", "水", ""},
    {"Check21", "コロニー", ""},
    {"Check17", "高機動", ""},
    {"CheckTire", "タイヤ", ""},
    {"CheckKamei", "家名", ""},
    {"CheckShild", "特殊シールド", ""},
    {"CheckSokkou", "速攻", ""},
    {"CheckKyousyu", "強襲", ""},
    {"CbQuick", "クイック", ""},
    {"Check20", "補給", ""},
    {"Check19", "変形", ""},
    {"Check18", "艦船", ""},
    {"Check16", "拠点", ""},
    {"Check11", "サイコミュ", ""},
    {"CBDesert", "砂漠", ""},
    {"CBkShusei", "艦船用修正", ""},
    {"CbTaiki", "大気圏突入", ""},
    {"ToolbarChar", "", ""},
    {"ToolbarChar_1", "M", "「男性」を検索"},
    {"ToolbarChar_2", "F", "「女性」を検索"},
    {"ToolbarChar_3", "AD", "「大人」を検索"},
    {"ToolbarChar_4", "CH", "「子供」を検索"},
    {"ToolbarChar_5", "NT", "「ニュータイプ」を検索"},
    {"ToolbarChar_6", "CO", "「CO」を検索"},
    // Menus and their items.
    {"File", "ファイル(&F)", ""},
    {"Deck_Open", "開く(DECK)", ""},
    {"Open", "開く(DB)", ""},
    {"Save", "保存", ""},
    {"SaveHTML", "HTMLで保存", ""},
    {"SaveXML", "XMLで保存", ""},
    {"Quit", "終了", ""},
    {"anari", "分析(&A)", ""},
    {"costgraph", "コストグラフ", ""},
    {"TestDraw", "引きテスト", ""},
    {"ExpansionMain", "拡張セット(&E)", ""},
    {"ExpansionSub_0", "基本セット", ""},
    {"ExpansionSub_1", "撃墜王出撃！", ""},
    {"ExpansionSub_2", "ドラマチック１", ""},
    {"ExpansionSub_3", "宇宙の記憶", ""},
    {"ExpansionSub_4", "新しき翼", ""},
    {"ExpansionSub_5", "ドラマチック２", ""},
    {"ExpansionSub_6", "永久の絆", ""},
    {"ExpansionSub_7", "一年戦争", ""},
    {"ExpansionSub_8", "新世紀の鼓動", ""},
    {"ExpansionSub_9", "ウィング/∀編", ""},
    {"ExpansionSub_10", "革新の波濤", ""},
    {"ExpansionSub_11", "BASED BOOSTER", ""},
    {"ExpansionSub_12", "月下の戦塵", ""},
    {"ExpansionSub_13", "ギレンの野望", ""},
    {"ExpansionSub_14", "相剋の軌跡", ""},
    {"ExpansionSub_15", "その他", ""},
    {"OptionMain", "オプション(&O)", ""},
    {"OptionSub_1", "勢力名を短縮名にする", ""},
    {"OptionSub_2", "３枚制限を外す", ""},
    {"OptionSub_3", "コレクトモード", ""},
    {"OptionSub_4", "VAIO C1モード", ""},
    {"OptionSub_5", "マルチセレクト", ""},
    {"AboutMain", "About(&H)", ""},
    {"AboutSub_0", "ヘルプ", ""},
    {"AboutSub_1", "SVDBについて...", ""},
    {"SearchMenu", "検索", ""},
    {"FindDetail", "詳細検索", ""},
    {"contextmenu", "コンテキスト", ""},
    {"ToClipboard_1", "クリップボードへ", ""},
    {"ToClipboard_2", "トレードモードでコピー", ""},
    {"ToClipboard_3", "カード情報のコピー", ""},
    {"ContextOutput2File", "ファイル出力", ""},
};

TEST_F(MainWindowTest, EveryNamedControlHasItsCaptionAndToolTip) {
    for (const NamedControl& c : kControls) {
        SCOPED_TRACE(c.name);
        QObject* o = find(QString::fromUtf8(c.name));
        ASSERT_NE(o, nullptr);
        if (c.caption) {
            EXPECT_EQ(captionOf(o), QString::fromUtf8(c.caption));
        }
        EXPECT_EQ(toolTipOf(o), QString::fromUtf8(c.toolTip));
    }
}

TEST_F(MainWindowTest, WindowTitleNameAndNormalSize) {
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Starvane Deck Builder"));
    EXPECT_EQ(window->size(), QSize(800, 570));
    // The layout asks for no more than the normal size, so the size sticks.
    EXPECT_LE(window->minimumSizeHint().width(), 800);
    EXPECT_LE(window->minimumSizeHint().height(), 570);
}

TEST_F(MainWindowTest, TabStripHasThreeTabsSwitchingTheGraphFrames) {
    QTabBar* tabs = window->tabStrip();
    ASSERT_EQ(tabs->count(), 3);
    const char* const captions[3] = {"デッキ情報", "グラフ", "検索"};
    const char* const tips[3] = {"デッキの構成情報を表示します", "色別にグラフ表示します",
                                 "検索します"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(captions[i]));
        EXPECT_EQ(tabs->tabToolTip(i), QString::fromUtf8(tips[i]));
    }
    EXPECT_EQ(window->graphStack()->currentWidget(), window->graphFrame(1));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(window->graphStack()->currentWidget(), window->graphFrame(2));
    window->control<QAction>(QStringLiteral("FindDetail"))->trigger();
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(window->graphStack()->currentWidget(), window->graphFrame(3));
}

struct ListColumns {
    const char* view;
    QStringList headers;
    std::array<int, 4> widths;  // pixels; kRest: the width the other columns leave
};

constexpr int kRest = -1;

TEST_F(MainWindowTest, ListViewsHaveTheirHeadersAndColumnWidths) {
    const ListColumns lists[] = {
        {"ListView1", {"勢力", "No.", "カード名", "拡張SET"}, {70, 47, kRest, 60}},
        {"ListDeck_0", {"勢力", "No.", "カード名", "枚数"}, {50, 43, 207, 27}},
        {"ListDeck_1", {"勢力", "No.", "カード名", "枚数"}, {50, 43, 207, 27}},
    };
    for (const ListColumns& l : lists) {
        SCOPED_TRACE(l.view);
        auto* view = window->control<QTableView>(QString::fromUtf8(l.view));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->model()->columnCount(), 4);
        int fixed = 0;
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(view->model()->headerData(c, Qt::Horizontal).toString(), l.headers[c]);
            const int width = l.widths[static_cast<std::size_t>(c)];
            if (width == kRest) continue;
            EXPECT_EQ(view->columnWidth(c), width) << c;
            fixed += width;
        }
        for (int c = 0; c < 4; ++c) {
            if (l.widths[static_cast<std::size_t>(c)] != kRest) continue;
            EXPECT_EQ(view->columnWidth(c), view->viewport()->width() - fixed) << c;
        }
        EXPECT_FALSE(view->verticalHeader()->isVisible());
        EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_FALSE(view->showGrid());
    }
    EXPECT_EQ(window->cardList()->width(), 393);
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
    const Choice choices[] = {
        {"ComboSyugo", {"指定国力", "合計国力", "資源", "格闘力", "射撃力", "防御力"}},
        {"ComboNum_0", {"*", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"ComboNum_1", {}},
        {"ComboFind",
         {"常時", "自動", "リロール", "ドロー", "攻撃ステップ", "防御ステップ",
          "ダメージ判定ステップ", "ターン終了時", "セット/キャラ", "範囲兵器", "特殊シールド",
          "破壊", "廃棄", "戦闘", "自軍", "敵軍"}},
    };
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.combo);
        auto* box = window->control<QComboBox>(QString::fromUtf8(c.combo));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(itemsOf(box), c.items);
        EXPECT_TRUE(box->currentText().isEmpty());
    }
    EXPECT_TRUE(window->comboFind()->isEditable());
    EXPECT_TRUE(window->comboNum(0)->isEditable());
    EXPECT_TRUE(window->comboNum(1)->isEditable());
    EXPECT_FALSE(window->comboSyugo()->isEditable());
}

TEST_F(MainWindowTest, LoadStateBeforeTheFirstRefill) {
    // The whole catalogue is asked for, and adding waits for rows.
    EXPECT_TRUE(window->factionBox(0)->isChecked());
    for (int i = 1; i < 8; ++i) EXPECT_FALSE(window->factionBox(i)->isChecked()) << i;
    for (const char* name : {"CBadd1_0", "CBadd1_1", "CBadd3_0", "CBadd3_1"}) {
        EXPECT_FALSE(window->control<QWidget>(QLatin1String(name))->isEnabled()) << name;
    }
    for (const char* name : {"CBdel1_0", "CBdel3_0", "Command6", "SideButton_0"}) {
        EXPECT_TRUE(window->control<QWidget>(QLatin1String(name))->isEnabled()) << name;
    }
    EXPECT_FALSE(window->costGraphOpen);
    EXPECT_EQ(window->timer()->interval(), 5000);
    EXPECT_TRUE(window->timer()->isActive());
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
    EXPECT_EQ(window->menuBar()->actions().size(), 6);
}

TEST_F(MainWindowTest, WindowsFontNamesResolveToTheInstalledJapaneseFonts) {
    EXPECT_EQ(QFontInfo(AppFonts::fixed()).family(), AppFonts::kFixedSubstitute);
    EXPECT_EQ(QFontInfo(AppFonts::proportional()).family(), AppFonts::kProportionalSubstitute);
    EXPECT_EQ(window->deckList(0)->font().family(), AppFonts::kFixedFamily);
    EXPECT_EQ(window->deckTotal(1)->font().family(), AppFonts::kFixedFamily);
    EXPECT_EQ(window->factionBox(3)->font().family(), AppFonts::kProportionalFamily);
    EXPECT_EQ(window->control<QLabel>(QStringLiteral("Label5"))->font().family(),
              AppFonts::kProportionalFamily);
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
    const QStringList hidden = {"LBhide2", "Label15", "CBmenu"};
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
                QWidget* frame = window->graphFrame(other);
                if (other != tab && (w == frame || frame->isAncestorOf(w))) onOtherTab = true;
            }
            if (onOtherTab) continue;
            expectShownWhole(w, window.get());
            ++checked;
        }
        EXPECT_GT(checked, 100);
    }
    // The side deck and its total are shown from the start.
    EXPECT_TRUE(window->deckList(1)->isVisible());
    EXPECT_TRUE(window->deckTotal(1)->isVisible());
    for (const char* name : {"LBhide2", "Label15", "CBmenu"}) {
        EXPECT_FALSE(window->control<QWidget>(QLatin1String(name))->isVisible()) << name;
    }
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
         [](MainWindow& w) { w.control<QAction>(QStringLiteral("Quit"))->trigger(); }},
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
        EXPECT_TRUE(window->groupStart.empty());
        // A second close after unloading does not unload again.
        window->close();
        EXPECT_EQ(unloaded.count(), 1);
    }
}

}  // namespace
}  // namespace svdb
