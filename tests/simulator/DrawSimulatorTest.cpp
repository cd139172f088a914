#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "simulator/DrawSimulator.h"

namespace svdb {
namespace {

// Fifty entries of one copy each, whose card texts are "f N name": the text
// of position p names p.
std::vector<DeckEntry> FiftyDistinct() {
    std::vector<DeckEntry> rows;
    for (int p = 1; p <= 50; ++p) rows.push_back({"f", std::to_string(p), "name", 1});
    return rows;
}

std::string At(int position) {
    return "f " + std::to_string(position) + " name";
}

std::vector<std::string> Positions(int first, int last) {
    std::vector<std::string> texts;
    for (int p = first; p <= last; ++p) texts.push_back(At(p));
    return texts;
}

TEST(DrawSimulator, ReloadTakesEveryCopyInListOrderAndOnlyFifty) {
    DrawSimulator sim;
    const std::vector<DeckEntry> rows = {{"ティターンズ", "U-12", "機体 改", 3},
                                         {"連邦", "G-1", "基地", 47}};
    ASSERT_TRUE(sim.ReloadDeck(rows));
    ASSERT_EQ(sim.drawDeck().size(), 50u);
    EXPECT_EQ(sim.drawDeck()[0], "ティターンズ U-12 機体 改");
    EXPECT_EQ(sim.drawDeck()[2], "ティターンズ U-12 機体 改");
    EXPECT_EQ(sim.drawDeck()[3], "連邦 G-1 基地");

    for (int copies : {46, 48}) {
        EXPECT_FALSE(sim.ReloadDeck(
            {{"連邦", "U-1", "a", 3}, {"連邦", "G-1", "b", static_cast<std::int16_t>(copies)}}))
            << copies;
        EXPECT_TRUE(sim.drawDeck().empty());
    }
}

TEST(DrawSimulator, DrawingOneOrSixAtATime) {
    enum Press { One, Six, Clear };
    struct Case {
        const char* name;
        std::vector<std::pair<Press, int>> presses;  // press, how many times
        std::vector<std::string> drawn;
        int drawPos;
        bool canDraw;
    };
    auto plus = [](std::vector<std::string> v, const std::string& line) {
        v.push_back(line);
        return v;
    };
    const std::string out(DrawSimulator::kOutOfCards);
    // clang-format off
    const Case cases[] = {
        {"fifty Draw 1",       {{One, 50}},          Positions(1, 50),            51, true},
        {"51st Draw 1",        {{One, 51}},          plus(Positions(1, 50), out), 51, false},
        {"a press once used up adds nothing", {{One, 53}}, plus(Positions(1, 50), out), 51, false},
        {"eight Draw 6",       {{Six, 8}},           Positions(1, 48),            49, true},
        {"ninth Draw 6",       {{Six, 9}},           plus(Positions(1, 50), out), 49, false},
        {"Draw 6 from 47",     {{One, 46}, {Six, 1}}, plus(Positions(1, 50), out), 47, false},
        {"Draw 6 up to 50",    {{One, 44}, {Six, 1}}, Positions(1, 50),            51, true},
        {"clear starts again", {{Six, 9}, {Clear, 1}, {One, 2}}, Positions(1, 2), 3, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        DrawSimulator sim;
        ASSERT_TRUE(sim.ReloadDeck(FiftyDistinct()));
        for (auto [press, times] : c.presses) {
            for (int i = 0; i < times; ++i) {
                if (press == One) sim.DrawOne();
                if (press == Six) sim.DrawSix();
                if (press == Clear) sim.Clear();
            }
        }
        EXPECT_EQ(sim.drawn(), c.drawn) << c.name;
        EXPECT_EQ(sim.drawPos(), c.drawPos) << c.name;
        EXPECT_EQ(sim.canDraw(), c.canDraw) << c.name;
    }
}

TEST(DrawSimulator, DealReadsFiveRowsOfTenByColumnsOddFirst) {
    const std::vector<int> deal = DrawSimulator::DealOrder();
    ASSERT_EQ(deal.size(), 50u);
    EXPECT_EQ(std::vector<int>(deal.begin(), deal.begin() + 10),
              (std::vector<int>{1, 11, 21, 31, 41, 3, 13, 23, 33, 43}));
    EXPECT_EQ(std::vector<int>(deal.begin() + 25, deal.begin() + 30),
              (std::vector<int>{2, 12, 22, 32, 42}));
    EXPECT_EQ(std::vector<int>(deal.end() - 5, deal.end()), (std::vector<int>{10, 20, 30, 40, 50}));
    EXPECT_EQ(std::set<int>(deal.begin(), deal.end()).size(), 50u);
}

TEST(DrawSimulator, EachCutGivesOneOfFortyNineRotationsOfTheDeal) {
    std::vector<std::string> dealt;
    for (int p : DrawSimulator::DealOrder()) dealt.push_back(At(p));
    std::set<std::vector<std::string>> orders;
    for (int cut = 2; cut <= 50; ++cut) {
        DrawSimulator sim([cut] { return cut; });
        ASSERT_TRUE(sim.ReloadDeck(FiftyDistinct()));
        sim.DrawSix();
        sim.ThoroughShuffle();
        std::vector<std::string> expected = dealt;
        std::rotate(expected.begin(), expected.begin() + (cut - 1), expected.end());
        EXPECT_EQ(sim.drawDeck(), expected) << cut;
        EXPECT_EQ(sim.drawDeck().front(), dealt[static_cast<std::size_t>(cut - 1)]) << cut;
        EXPECT_TRUE(sim.drawn().empty());
        EXPECT_EQ(sim.drawPos(), 1);
        orders.insert(sim.drawDeck());
    }
    EXPECT_EQ(orders.size(), 49u);
}

}  // namespace
}  // namespace svdb
