#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "DeckWindowFixture.h"
#include "catalogue/FactionColours.h"
#include "widgets/PictureBox.h"

namespace svdb::testing {
namespace {

class DeckStatsPanelTest : public DeckWindowTest {
  public:
    // The fifteen counters in label order: types GENERATION..OPERATION
    // (Label16..20), factions 0..6, rarities Rare, Uncommon, Common.
    std::vector<int> counters() const {
        std::vector<int> v;
        auto read = [&](const QString& name) {
            v.push_back(window->findChild<QLabel*>(name)->text().toInt());
        };
        for (int i = 16; i <= 20; ++i) read(QStringLiteral("Label%1").arg(i));
        for (int s = 0; s <= 6; ++s) read(QStringLiteral("LbNoOfArmy_%1").arg(s));
        for (int i = 45; i <= 47; ++i) read(QStringLiteral("Label%1").arg(i));
        return v;
    }

    // The colours of a bar's inner row of pixels, one per horizontal run.
    static std::vector<QColor> runs(PictureBox* bar) {
        const QImage image = bar->grab().toImage();
        const QRect inner = bar->innerRect();
        const int y = inner.center().y();
        std::vector<QColor> colours;
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (colours.empty() || colours.back() != c) colours.push_back(c);
        }
        return colours;
    }
    static QColor slot(int s) {
        const Rgb c = FactionColour(s);
        return QColor(c.r, c.g, c.b);
    }
    QColor totalColour(int list) const {
        return window->deckPane()->deckTotal(list)->palette().color(QPalette::Text);
    }
};

TEST_F(DeckStatsPanelTest, CountersAndBarsStartEmptyAndFollowAddsAndRemovals) {
    window->showGraphFrame(2);
    EXPECT_EQ(counters(), std::vector<int>(15, 0));
    EXPECT_EQ(total(0), QStringLiteral("0"));
    EXPECT_EQ(totalColour(0), QColor(255, 0, 0));
    EXPECT_EQ(totalColour(1), QColor(255, 0, 0));
    EXPECT_EQ(runs(window->deckInfoPane()->factionBar()), std::vector<QColor>{Qt::white});
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(runs(window->deckInfoPane()->typeBar(k)), std::vector<QColor>{Qt::white});

    // Three グラナト (UNIT, slot 1, Common).
    add("U-2", "CBadd3_0");
    EXPECT_EQ(counters(), (std::vector<int>{0, 3, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(runs(window->deckInfoPane()->factionBar()), std::vector<QColor>{slot(1)});
    EXPECT_EQ(runs(window->deckInfoPane()->typeBar(1)), std::vector<QColor>{slot(1)});

    // A レイヴン (UNIT, slot 0, Rare) joins to the right in the faction bar and
    // first in the UNIT bar (slot order).
    add("U-1", "CBadd1_0");
    EXPECT_EQ(counters(), (std::vector<int>{0, 4, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0, 1, 0, 3}));
    EXPECT_EQ(runs(window->deckInfoPane()->factionBar()), (std::vector<QColor>{slot(1), slot(0)}));
    EXPECT_EQ(runs(window->deckInfoPane()->typeBar(1)), (std::vector<QColor>{slot(0), slot(1)}));
    EXPECT_EQ(runs(window->deckInfoPane()->typeBar(2)), std::vector<QColor>{Qt::white});

    // A card of "その他" counts but has no faction-bar segment.
    add("U-9", "CBadd1_0");
    EXPECT_EQ(counters()[5 + 6], 1);
    const std::vector<QColor> withOther = runs(window->deckInfoPane()->factionBar());
    EXPECT_EQ(withOther, (std::vector<QColor>{slot(1), slot(0), Qt::white}));

    // Side-deck changes count nowhere.
    const std::vector<int> before = counters();
    add("CH-1", "CBadd3_1");
    EXPECT_EQ(counters(), before);
    EXPECT_EQ(runs(window->deckInfoPane()->typeBar(2)), std::vector<QColor>{Qt::white});

    // Removing every グラナト: its segment stays with no width, レイヴン now starts
    // the bar; the UNIT bar drops slot 1.
    clickDeckRow(0, 0);
    click("CBdel3_0");
    EXPECT_EQ(counters(), (std::vector<int>{0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(runs(window->deckInfoPane()->factionBar()),
              (std::vector<QColor>{slot(0), Qt::white}));
    EXPECT_EQ(runs(window->deckInfoPane()->typeBar(1)), (std::vector<QColor>{slot(0), slot(6)}));
}

TEST_F(DeckStatsPanelTest, TotalIsBlackAtExactlyFifty) {
    pickCard("G-1");  // GENERATION: no copy limit on one entry
    for (int i = 0; i < 16; ++i) click("CBadd3_0");
    EXPECT_EQ(total(0), QStringLiteral("48"));
    EXPECT_EQ(totalColour(0), QColor(255, 0, 0));
    click("CBadd1_0");
    click("CBadd1_0");
    EXPECT_EQ(total(0), QStringLiteral("50"));
    EXPECT_EQ(totalColour(0), QColor(0, 0, 0));
    EXPECT_EQ(counters()[0], 50);
    click("CBadd1_0");
    EXPECT_EQ(total(0), QStringLiteral("51"));
    EXPECT_EQ(totalColour(0), QColor(255, 0, 0));

    // The side box follows the same rule.
    deck().ReplaceDecks({}, {Entry("連邦", "G-1", "連邦G", 50)});
    EXPECT_EQ(totalColour(1), QColor(0, 0, 0));
    EXPECT_EQ(totalColour(0), QColor(255, 0, 0));
}

TEST_F(DeckStatsPanelTest, SideDeckViewToggle) {
    auto* toggle = button("CbViewSide");
    QWidget* sideParts[] = {deckView(1), window->deckPane()->deckTotal(1),
                            window->findChild<QWidget*>(QStringLiteral("LBTotal_1"))};
    const int mainHeight = deckView(0)->height();
    EXPECT_EQ(toggle->text(), QStringLiteral("サイドボードを隠す"));

    click("CbViewSide");
    QApplication::processEvents();
    for (QWidget* w : sideParts) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(toggle->text(), QStringLiteral("サイドボードを見る"));
    EXPECT_GT(deckView(0)->height(), mainHeight + deckView(1)->height() / 2);
    EXPECT_TRUE(button("Command6")->isVisible());

    click("CbViewSide");
    QApplication::processEvents();
    for (QWidget* w : sideParts) EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(toggle->text(), QStringLiteral("サイドボードを隠す"));
    EXPECT_EQ(deckView(0)->height(), mainHeight);
}

}  // namespace
}  // namespace svdb::testing
