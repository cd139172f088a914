#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "DeckTestSupport.h"
#include "deck/ProgramOptions.h"
#include "deck/gui/DeckPane.h"
#include "search/gui/CardChoice.h"

namespace svdb::testing {
namespace {

// A card list of the test's own: one current card, or none.
class FixedChoice : public CardChoice {
  public:
    std::optional<CardRef> current;
    std::optional<CardRef> currentCard() const override { return current; }
    std::vector<CardRef> selectedCards() const override {
        return current ? std::vector<CardRef>{*current} : std::vector<CardRef>{};
    }
    int cardCount() const override { return current ? 1 : 0; }
    void focusList() override {}
};

class DeckPaneTest : public ::testing::Test {
  protected:
    CardTable table = MakeTestTable();
    DeckModel deck{table};
    ProgramOptions options;
    FixedChoice cards;
    DeckPane pane{deck, options, cards};

    QPushButton* button(const char* name) const {
        return pane.findChild<QPushButton*>(QLatin1String(name));
    }
    QColor totalColour(int list) const {
        return pane.deckTotal(list)->palette().color(QPalette::Text);
    }
};

TEST_F(DeckPaneTest, AddButtonsFollowTheCardCountAndTotalsTheModel) {
    pane.setCardCount(0);
    EXPECT_FALSE(button("CBadd3_0")->isEnabled());
    EXPECT_EQ(pane.cardCountLabel()->text(), QStringLiteral("0"));
    pane.setCardCount(160);
    EXPECT_TRUE(button("CBadd3_0")->isEnabled());
    EXPECT_EQ(pane.cardCountLabel()->text(), QStringLiteral("160"));

    cards.current = Ref("G-1");
    for (int i = 0; i < 16; ++i) button("CBadd3_0")->click();
    button("CBadd1_0")->click();
    EXPECT_EQ(pane.deckTotal(0)->text(), QStringLiteral("49"));
    EXPECT_EQ(totalColour(0), QColor(255, 0, 0));
    button("CBadd1_0")->click();
    EXPECT_EQ(pane.deckTotal(0)->text(), QStringLiteral("50"));
    EXPECT_EQ(totalColour(0), QColor(0, 0, 0));
    // The colour follows the total, not whatever the box reads.
    pane.deckTotal(0)->setText(QStringLiteral("12"));
    EXPECT_EQ(totalColour(0), QColor(0, 0, 0));
}

}  // namespace
}  // namespace svdb::testing
