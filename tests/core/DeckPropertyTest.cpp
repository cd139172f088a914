#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"
#include "deck/DeckTotal.h"

namespace svdb {
namespace {

// After any sequence of adds, moves, removals, reorders and faction
// rewrites, the counters kept step by step equal a fresh count of the main
// deck's rows, the totals equal the sums of copies, no entry is empty, and a
// view kept only from the observer calls shows the same rows.
TEST(DeckProperty, IncrementalCountersMatchARecount) {
    const CardTable table = testing::MakeTestTable();
    // Cards whose number occurs once in the catalogue.
    std::vector<CardListRow> cards;
    for (const testing::TestCard& c : testing::TestCards())
        if (std::string(c.number) != "U-3") cards.push_back(testing::RowOf(c));

    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        DeckModel model(table);
        testing::MirrorObserver mirror(model);
        model.addObserver(&mirror);

        for (int step = 0; step < 300; ++step) {
            const int list = pick(2);
            std::string op;
            switch (pick(9)) {
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
                    model.SetSelectedRow(list, pick(model.list(list).size() + 1));
                    op = "select";
                    break;
                case 4:
                    model.MoveOneCopy(list);
                    op = "move";
                    break;
                case 5:
                    model.RemoveOneCopy(list);
                    op = "remove one";
                    break;
                case 6:
                    if (pick(3) == 0) model.RemoveEntry(list);
                    op = "remove entry";
                    break;
                case 7: {
                    const int n = model.list(list).size() + 1;
                    model.ReorderEntry(list, pick(n), pick(n));
                    op = "reorder";
                    break;
                }
                case 8:
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
            ASSERT_TRUE(model.stats().sameCounts(testing::Recount(table, main)))
                << testing::Describe(main);
            for (int i : {0, 1}) {
                ASSERT_EQ(model.total(i), SumOfCopies(model.list(i).rows));
                for (const DeckEntry& e : model.list(i).rows) ASSERT_GE(e.copies, 1);
                if (model.list(i).selected) {
                    ASSERT_TRUE(model.list(i).selectedRow());
                }
            }
            ASSERT_TRUE(mirror.inStep());

            // Every faction of slots 0..5 with copies has its own segment.
            std::set<int> positions;
            for (int slot = 0; slot < 6; ++slot) {
                const int p = model.stats().barOfSlot(slot);
                if (model.stats().factionCount(slot) != 0) {
                    ASSERT_NE(p, 0) << slot;
                }
                if (p != 0) {
                    ASSERT_LE(p, model.stats().barCount());
                    ASSERT_TRUE(positions.insert(p).second);
                }
            }
            ASSERT_EQ(static_cast<int>(positions.size()), model.stats().barCount());
        }
        model.removeObserver(&mirror);
    }
}

}  // namespace
}  // namespace svdb
