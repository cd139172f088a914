#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Ref;
using Log = std::vector<std::string>;

class DeckObserverTest : public ::testing::Test {
  protected:
    CardTable table = testing::MakeTestTable();
    DeckModel model{table};
    testing::MirrorObserver observer{model};

    void SetUp() override { model.addObserver(&observer); }

    // The calls made by one operation.
    template <typename F>
    Log calls(F&& operation) {
        observer.log.clear();
        operation();
        EXPECT_TRUE(observer.inStep());
        return observer.log;
    }
    bool add(CardRef card, int copies, int list, DeckOptions o = {}) {
        std::int16_t n = static_cast<std::int16_t>(copies);
        return model.AddListItem(card, n, list, o);
    }
};

TEST_F(DeckObserverTest, CallsOfEachOperation) {
    const CardRef raven = Ref("U-1");
    const CardRef granat = Ref("U-2");
    const CardRef rio = Ref("CH-1");

    EXPECT_EQ(calls([&] { add(raven, 1, 0); }),
              (Log{"insert 0 0", "total 0", "tally 連邦 U-1 1", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(granat, 2, 0); }),
              (Log{"insert 0 1", "total 0", "tally ジオン U-2 2", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(raven, 1, 0); }),
              (Log{"change 0 0", "total 0", "tally 連邦 U-1 1", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(rio, 1, 1); }), (Log{"insert 1 0", "total 1"}));
    // A refused add says nothing; a clamped one tallies the copies added.
    EXPECT_EQ(calls([&] {
                  add(granat, 3, 0);
                  add(granat, 3, 0);
              }),
              (Log{"change 0 1", "total 0", "tally ジオン U-2 1", "stats", "tallied"}));

    // Main: レイヴン 2, グラナト 3. A row outside the list is refused silently.
    EXPECT_EQ(calls([&] {
                  model.RemoveOneCopy(0, 2);
                  model.RemoveEntry(0, -1);
              }),
              Log{});
    EXPECT_EQ(calls([&] { model.RemoveOneCopy(0, 1); }),
              (Log{"tally ジオン U-2 -1", "total 0", "change 0 1", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { model.RemoveEntry(0, 0); }),
              (Log{"tally 連邦 U-1 -2", "total 0", "remove 0 0", "stats", "tallied"}));

    // Side removals do not touch the statistics.
    EXPECT_EQ(calls([&] { model.RemoveOneCopy(1, 0); }), (Log{"total 1", "remove 1 0"}));

    // Move one copy of the main entry (グラナト 2) into the side deck.
    EXPECT_EQ(calls([&] { model.MoveOneCopy(1, 0); }),
              (Log{"insert 1 0", "total 1", "tally ジオン U-2 -1", "total 0", "change 0 0", "stats",
                   "tallied"}));
    // And back: the side row goes.
    EXPECT_EQ(calls([&] { model.MoveOneCopy(0, 0); }),
              (Log{"change 0 0", "total 0", "tally ジオン U-2 1", "stats", "tallied", "total 1",
                   "remove 1 0"}));

    EXPECT_EQ(calls([&] { model.ClearDecks(); }),
              (Log{"reset 0", "reset 1", "total 0", "stats reset", "stats", "cleared"}));
}

TEST_F(DeckObserverTest, ReorderPositions) {
    model.ReplaceDecks({Entry("連邦", "U-1", "A", 1), Entry("連邦", "U-1", "B", 1),
                        Entry("連邦", "U-1", "C", 1), Entry("連邦", "U-1", "D", 1)},
                       {});
    // The destination is the row before which the entry lands, counted
    // before the move.
    EXPECT_EQ(calls([&] { model.ReorderEntry(0, 3, 1); }), Log{"move 0 3 1"});
    EXPECT_EQ(calls([&] { model.ReorderEntry(0, 0, 3); }), Log{"move 0 0 3"});
    EXPECT_EQ(calls([&] { model.ReorderEntry(0, 1, 2); }), Log{});
}

TEST_F(DeckObserverTest, RewriteAndReplace) {
    model.ReplaceDecks(
        {Entry("ティターンズ", "U-4", "ヘルムート", 1), Entry("連邦", "U-1", "レイヴン", 1)},
        {Entry("ネオジオン", "U-5", "ルキナ", 1)});
    EXPECT_EQ(calls([&] { model.ApplyShortFactionNames(true); }),
              (Log{"change 0 0", "change 1 0"}));
    EXPECT_EQ(calls([&] { model.ApplyShortFactionNames(true); }), Log{});
    // The tally names the faction of the entry that grew, not the card's.
    EXPECT_EQ(calls([&] { add(Ref("U-4"), 1, 0); }),
              (Log{"change 0 0", "total 0", "tally ティタ U-4 1", "stats", "tallied"}));
    // Loading shows the main total passing through 0, as the reset shows it.
    EXPECT_EQ(calls([&] { model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2)}, {}); }),
              (Log{"stats reset", "total 0", "reset 0", "reset 1", "tally 連邦 U-1 2", "total 0",
                   "total 1", "stats", "tallied"}));
}

TEST_F(DeckObserverTest, RemovedObserverHearsNothing) {
    model.removeObserver(&observer);
    observer.log.clear();
    add(Ref("U-1"), 1, 0);
    EXPECT_TRUE(observer.log.empty());
}

// A card that is no occupied row of the catalogue is refused like any other
// add: nothing changes and no observer hears of it.
TEST_F(DeckObserverTest, AddOfAnInvalidCardRefChangesNothing) {
    // clang-format off
    const CardRef cards[] = {
        CardRef{},                      // none
        CardRef{-1, 0},
        CardRef{0, -1},
        CardRef{CardTable::kSlots, 0},
        CardRef{0, CardTable::kRows},
        CardRef{0, 5},                  // past the slot's last card
        CardRef{4, CardTable::kRows - 1},
    };
    // clang-format on
    model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 1)}, {Entry("連邦", "CH-1", "リオ", 1)});
    for (const CardRef& card : cards) {
        SCOPED_TRACE(::testing::Message() << card.slot << "," << card.row);
        for (int list : {0, 1}) {
            std::int16_t copies = 2;
            EXPECT_EQ(calls([&] {
                          EXPECT_FALSE(model.AddListItem(card, copies, list, DeckOptions{}));
                          EXPECT_FALSE(model.AddCard(copies, list, card, DeckOptions{true, true}));
                      }),
                      Log{});
            EXPECT_EQ(copies, 2);
        }
    }
    EXPECT_TRUE(testing::SameRows(model.list(0).rows, {Entry("連邦", "U-1", "レイヴン", 1)}));
    EXPECT_TRUE(testing::SameRows(model.list(1).rows, {Entry("連邦", "CH-1", "リオ", 1)}));
}

}  // namespace
}  // namespace svdb
