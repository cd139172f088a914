#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"
#include "stats/MainDeckStats.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Ref;

// The statistics as a fresh count of the rows would give them.
DeckStats Recount(const CardTable& table, const std::vector<DeckEntry>& rows) {
    DeckStats s(table);
    for (const DeckEntry& e : rows) s.TallyCard(e.faction, e.cardNumber, e.copies);
    return s;
}

// Added to the model before the statistics: on every statsChanged it checks
// that they already count the main deck as it now stands.
class StatsReader : public DeckObserver {
  public:
    explicit StatsReader(const DeckModel& model) : model_(model) {}
    const DeckStats* stats = nullptr;
    int stale = 0;
    void statsChanged() override {
        if (!stats->sameCounts(Recount(model_.table(), model_.list(0).rows))) ++stale;
    }

  private:
    const DeckModel& model_;
};

// After any sequence of adds, moves, removals, reorders and faction
// rewrites, the counters kept step by step equal a fresh count of the main
// deck's rows, the totals equal the sums of copies, no entry is empty, and a
// view kept only from the observer calls shows the same rows.
TEST(DeckProperty, IncrementalCountersMatchARecount) {
    const CardTable table = testing::MakeTestTable();
    // Cards whose number occurs once in the catalogue.
    std::vector<CardRef> cards;
    for (const testing::TestCard& c : testing::TestCards())
        if (std::string(c.number) != "U-3") cards.push_back(Ref(c.number));

    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        DeckModel model(table);
        testing::MirrorObserver mirror(model);
        model.addObserver(&mirror);
        StatsReader reader(model);
        model.addObserver(&reader);
        const MainDeckStats mainStats(model);
        const DeckStats& stats = mainStats.stats();
        reader.stats = &stats;

        for (int step = 0; step < 300; ++step) {
            const int list = pick(2);
            // A row of a list, now and then one past its end.
            auto row = [&](int l) { return pick(model.list(l).size() + 1); };
            std::string op;
            switch (pick(8)) {
                case 0:
                case 1:
                case 2: {
                    DeckOptions options{pick(2) == 0, pick(4) == 0, pick(3) == 0};
                    std::int16_t copies = pick(2) == 0 ? 1 : 3;
                    model.AddListItem(
                        cards[static_cast<std::size_t>(pick(static_cast<int>(cards.size())))],
                        copies, list, options);
                    op = "add";
                    break;
                }
                case 3:
                    if (pick(2) == 0) {
                        model.MoveOneCopy(list, row(1 - list));
                    } else {
                        std::int16_t copies = pick(2) == 0 ? 1 : 3;
                        model.AddSide(copies, list, 1 - list, row(1 - list));
                    }
                    op = "move";
                    break;
                case 4:
                    model.RemoveOneCopy(list, row(list));
                    op = "remove one";
                    break;
                case 5:
                    if (pick(3) == 0) model.RemoveEntry(list, row(list));
                    op = "remove entry";
                    break;
                case 6: {
                    const int n = model.list(list).size() + 1;
                    model.ReorderEntry(list, pick(n), pick(n));
                    op = "reorder";
                    break;
                }
                case 7:
                    if (pick(10) == 0) {
                        model.ApplyShortFactionNames(pick(2) == 0);
                    } else if (pick(30) == 0) {
                        model.ClearDecks();
                    } else if (pick(30) == 0) {
                        model.ReplaceDecks(model.list(0).rows, model.list(1).rows);
                    }
                    op = "other";
                    break;
            }
            SCOPED_TRACE("step " + std::to_string(step) + " " + op);
            const auto& main = model.list(0).rows;
            ASSERT_TRUE(stats.sameCounts(Recount(table, main))) << testing::Describe(main);
            ASSERT_EQ(reader.stale, 0);
            for (int i : {0, 1}) {
                ASSERT_EQ(model.total(i), SumOfCopies(model.list(i).rows));
                for (const DeckEntry& e : model.list(i).rows) ASSERT_GE(e.copies, 1);
            }
            ASSERT_TRUE(mirror.inStep());

            // Every faction of slots 0..5 with copies has its own segment.
            std::set<int> positions;
            for (int slot = 0; slot < 6; ++slot) {
                const int p = stats.barOfSlot(slot);
                if (stats.factionCount(slot) != 0) {
                    ASSERT_NE(p, 0) << slot;
                }
                if (p != 0) {
                    ASSERT_LE(p, stats.barCount());
                    ASSERT_TRUE(positions.insert(p).second);
                }
            }
            ASSERT_EQ(static_cast<int>(positions.size()), stats.barCount());
        }
        model.removeObserver(&reader);
        model.removeObserver(&mirror);
    }
}

// Attached to a loaded deck it starts from the deck's main entries; the bar
// is laid out over the main total alone; a clear empties counters and bar.
TEST(MainDeckStats, FollowsTheMainDeckFromItsLoad) {
    const CardTable table = testing::MakeTestTable();
    DeckModel model(table);
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2), Entry("ジオン", "U-2", "グラナト", 1)},
                       {Entry("連邦", "CH-1", "リオ", 2)});
    const MainDeckStats stats(model);
    std::int16_t copies = 3;
    ASSERT_TRUE(model.AddListItem(Ref("U-1"), copies, DeckModel::kMain, DeckOptions{}));
    EXPECT_EQ(stats.stats().typeCount(CardType::Unit), 4);  // the one copy added
    EXPECT_EQ(stats.stats().rarityCount(Rarity::Rare), 3);
    EXPECT_EQ(stats.stats().typeCount(CardType::Character), 0);

    const std::vector<FactionBarSegment> bar = stats.LayoutFactionBar(100.0);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].slot, 0);
    EXPECT_DOUBLE_EQ(bar[0].width, 75.0);
    EXPECT_EQ(bar[1].slot, 1);
    EXPECT_DOUBLE_EQ(bar[1].width, 25.0);

    model.ClearDecks();
    EXPECT_TRUE(stats.stats().empty());
    EXPECT_TRUE(stats.LayoutFactionBar(100.0).empty());
}

}  // namespace
}  // namespace svdb
