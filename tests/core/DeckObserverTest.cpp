#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeckTestSupport.h"
#include "deck/DeckModel.h"

namespace svdb {
namespace {

using testing::Entry;
using testing::Row;
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
    bool add(const CardListRow& row, int copies, int list, DeckOptions o = {}) {
        std::int16_t n = static_cast<std::int16_t>(copies);
        return model.AddListItem(row, n, list, o);
    }
};

TEST_F(DeckObserverTest, CallsOfEachOperation) {
    const CardListRow raven = Row("連邦", "U-1", "レイヴン");
    const CardListRow granat = Row("ジオン", "U-2", "グラナト");
    const CardListRow rio = Row("連邦", "CH-1", "リオ");

    EXPECT_EQ(calls([&] { add(raven, 1, 0); }),
              (Log{"insert 0 0", "total 0", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(granat, 2, 0); }), (Log{"insert 0 1", "total 0", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(raven, 1, 0); }),
              (Log{"change 0 0", "total 0", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { add(rio, 1, 1); }), (Log{"insert 1 0", "total 1"}));
    // A refused add says nothing.
    EXPECT_EQ(calls([&] {
                  add(granat, 3, 0);
                  add(granat, 3, 0);
              }),
              (Log{"change 0 1", "total 0", "stats", "tallied"}));
    EXPECT_EQ(calls([&] { model.RemoveOneCopy(0); }), Log{});

    // Main: レイヴン 2, グラナト 3. Selecting the last row, then removing the first
    // row shifts the selection up.
    EXPECT_EQ(calls([&] { model.SetSelectedRow(0, 1); }), Log{"select 0"});
    EXPECT_EQ(calls([&] { model.SetSelectedRow(0, 1); }), Log{});
    EXPECT_EQ(calls([&] { model.RemoveOneCopy(0); }),
              (Log{"total 0", "change 0 1", "stats", "tallied"}));
    EXPECT_EQ(calls([&] {
                  model.SetSelectedRow(0, 0);
                  model.RemoveEntry(0);
              }),
              (Log{"select 0", "total 0", "remove 0 0", "select 0", "stats", "tallied"}));
    EXPECT_FALSE(model.list(0).selectedRow());

    // Side removals do not touch the statistics.
    EXPECT_EQ(calls([&] {
                  model.SetSelectedRow(1, 0);
                  model.RemoveOneCopy(1);
              }),
              (Log{"select 1", "total 1", "remove 1 0", "select 1"}));

    // Move one copy of the main entry (グラナト 2) into the side deck.
    EXPECT_EQ(
        calls([&] {
            model.SetSelectedRow(0, 0);
            model.MoveOneCopy(1);
        }),
        (Log{"select 0", "insert 1 0", "total 1", "total 0", "change 0 0", "stats", "tallied"}));
    // And back: the side row goes, its selection with it.
    EXPECT_EQ(calls([&] {
                  model.SetSelectedRow(1, 0);
                  model.MoveOneCopy(0);
              }),
              (Log{"select 1", "change 0 0", "total 0", "stats", "tallied", "total 1", "remove 1 0",
                   "select 1"}));

    EXPECT_EQ(calls([&] { model.ClearDecks(); }),
              (Log{"reset 0", "select 0", "reset 1", "total 0", "stats", "cleared"}));
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
    EXPECT_EQ(calls([&] {
                  model.SetSelectedRow(0, 2);
                  model.ReorderEntry(0, 0, 3);
              }),
              (Log{"select 0", "move 0 0 3", "select 0"}));
    EXPECT_EQ(model.list(0).selectedRow(), 1);
}

TEST_F(DeckObserverTest, RewriteAndReplace) {
    model.ReplaceDecks(
        {Entry("ティターンズ", "U-4", "ヘルムート", 1), Entry("連邦", "U-1", "レイヴン", 1)},
        {Entry("ネオジオン", "U-5", "ルキナ", 1)});
    EXPECT_EQ(calls([&] { model.ApplyShortFactionNames(true); }),
              (Log{"change 0 0", "change 1 0"}));
    EXPECT_EQ(calls([&] { model.ApplyShortFactionNames(true); }), Log{});
    // Loading shows the main total passing through 0, as the reset shows it.
    EXPECT_EQ(calls([&] { model.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2)}, {}); }),
              (Log{"total 0", "reset 0", "reset 1", "total 0", "total 1", "stats", "tallied"}));
}

TEST_F(DeckObserverTest, RemovedObserverHearsNothing) {
    model.removeObserver(&observer);
    observer.log.clear();
    add(Row("連邦", "U-1", "レイヴン"), 1, 0);
    EXPECT_TRUE(observer.log.empty());
}

}  // namespace
}  // namespace svdb
