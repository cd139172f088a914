#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "stats/MainDeckStats.h"

namespace svdb {
namespace {

using testing::Describe;
using testing::Entry;
using testing::Ref;
using testing::SameRows;
using testing::TestCards;

// What a user sees of the deck at one moment: both lists, both totals and
// the main deck's counters.
struct Seen {
    DeckState state;
    DeckTotal mainTotal = 0;
    DeckTotal sideTotal = 0;
    DeckStats stats;
};

Seen See(const DeckModel& deck, const MainDeckStats& stats) {
    return Seen{DeckState{deck.list(0).rows, deck.list(1).rows}, deck.total(0), deck.total(1),
                stats.stats()};
}

void ExpectSeen(const Seen& expected, const DeckModel& deck, const MainDeckStats& stats) {
    EXPECT_TRUE(SameRows(deck.list(0).rows, expected.state.mainRows))
        << Describe(deck.list(0).rows) << " / " << Describe(expected.state.mainRows);
    EXPECT_TRUE(SameRows(deck.list(1).rows, expected.state.sideRows))
        << Describe(deck.list(1).rows) << " / " << Describe(expected.state.sideRows);
    EXPECT_EQ(deck.total(0), expected.mainTotal);
    EXPECT_EQ(deck.total(1), expected.sideTotal);
    EXPECT_TRUE(stats.stats().sameCounts(expected.stats));
}

// One random edit of the kinds the window makes, with random options.
void RandomEdit(DeckModel& deck, std::mt19937& rng) {
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto anyRow = [&](int list) { return pick(deck.list(list).size() + 1) - 1; };
    const DeckOptions options{pick(4) == 0, pick(4) == 0, pick(4) == 0};
    const int list = pick(3) == 0 ? DeckModel::kSide : DeckModel::kMain;
    switch (pick(10)) {
        case 0:
        case 1:
        case 2: {
            const auto& cards = TestCards();
            auto copies = static_cast<std::int16_t>(pick(2) == 0 ? 1 : 3);
            deck.AddListItem(
                Ref(cards[static_cast<std::size_t>(pick(static_cast<int>(cards.size())))].number),
                copies, list, options);
            break;
        }
        case 3: {
            auto copies = static_cast<std::int16_t>(1 + pick(3));
            deck.AddSide(copies, list, 1 - list, anyRow(1 - list));
            break;
        }
        case 4:
            deck.MoveOneCopy(list, anyRow(1 - list));
            break;
        case 5:
        case 6:
            deck.RemoveOneCopy(list, anyRow(list));
            break;
        case 7:
            deck.RemoveEntry(list, anyRow(list));
            break;
        case 8:
            deck.ReorderEntry(list, anyRow(list), anyRow(list));
            break;
        default:
            if (pick(4) == 0) {
                deck.ClearDecks();
            } else {
                deck.ReplaceDecks({Entry("ジオン", "U-2", "グラナト", 2 + pick(3)),
                                   Entry("ティタ", "U-4", "ヘルムート", 1)},
                                  {Entry("連邦", "G-1", "連邦G", 5)});
            }
            break;
    }
}

// Any run of edits, stepped back to the start and forth to the end again,
// shows at every step the lists, totals and counters the edits showed.
TEST(DeckHistoryTest, UndoAndRedoRetraceEveryEditExactly) {
    const CardTable table = testing::MakeTestTable();
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        DeckModel deck(table);
        MainDeckStats stats(deck);
        if (seed % 3 == 0) {
            deck.ReplaceDecks(
                {Entry("連邦", "U-1", "レイヴン", 3), Entry("謎", "U-10", "不明機", 2)},
                {Entry("ジオン", "U-3", "グラナト", 1)});
        }
        DeckHistory history(deck);
        std::vector<Seen> trail{See(deck, stats)};
        for (int step = 0; step < 60; ++step) {
            const std::size_t steps = history.undoCount();
            {
                const DeckHistory::Edit edit(&history);
                RandomEdit(deck, rng);
            }
            const bool changed = !trail.back().state.sameAs(history.current());
            ASSERT_EQ(history.undoCount(), steps + (changed ? 1 : 0));
            if (changed) trail.push_back(See(deck, stats));
        }
        for (std::size_t i = trail.size() - 1; i-- > 0;) {
            ASSERT_TRUE(history.Undo());
            ExpectSeen(trail[i], deck, stats);
        }
        EXPECT_FALSE(history.Undo());
        for (std::size_t i = 1; i < trail.size(); ++i) {
            ASSERT_TRUE(history.Redo());
            ExpectSeen(trail[i], deck, stats);
        }
        EXPECT_FALSE(history.Redo());
    }
}

// A refused add leaves no step, nested edits make one, the depth drops the
// oldest step, a new edit the redo steps, and kept steps follow the switch
// to short faction names.
TEST(DeckHistoryTest, KeepsOnlyTheStepsThatShowAChange) {
    const CardTable table = testing::MakeTestTable();
    DeckModel deck(table);
    DeckHistory history(deck, 3);
    auto add = [&](const char* number, int copies) {
        const DeckHistory::Edit edit(&history);
        auto n = static_cast<std::int16_t>(copies);
        deck.AddListItem(Ref(number), n, DeckModel::kMain, DeckOptions{});
    };
    add("U-4", 3);
    add("U-4", 1);
    EXPECT_EQ(history.undoCount(), 1u);
    {
        const DeckHistory::Edit outer(&history);
        add("U-2", 1);
        add("U-3", 1);
    }
    add("U-5", 1);
    add("U-6", 1);
    EXPECT_EQ(history.undoCount(), 3u);

    deck.ApplyShortFactionNames(true);
    history.ApplyShortFactionNames(true);
    while (history.Undo()) {
    }
    ASSERT_EQ(deck.list(0).size(), 1);  // the step before U-4 went past the depth
    EXPECT_EQ(deck.list(0).rows[0].faction, "ティタ");

    add("U-7", 1);
    EXPECT_FALSE(history.canRedo());
}

}  // namespace
}  // namespace svdb
