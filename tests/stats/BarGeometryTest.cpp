#include <gtest/gtest.h>

#include <vector>

#include "DeckTestSupport.h"
#include "stats/TypeBar.h"

namespace svdb {
namespace {

using testing::Entry;

struct Span {
    int slot, left, right;
};

TEST(DrawTypeBar, Rectangles) {
    struct Case {
        const char* name;
        std::vector<DeckEntry> rows;
        int kind;
        int width;
        std::vector<Span> spans;
    };
    const Case cases[] = {
        {"OneFactionFillsTheBar", {Entry("ジオン", "U-2", "グラナト", 3)}, 1, 100, {{1, 0, 100}}},
        {"ThirdsRoundEachEdge",
         {Entry("連邦", "U-1", "a", 1), Entry("ジオン", "U-2", "b", 1),
          Entry("ティタ", "U-4", "c", 1)},
         1,
         100,
         {{0, 0, 33}, {1, 33, 66}, {2, 66, 99}}},
        {"RoundsToNearest",
         {Entry("連邦", "U-1", "a", 1), Entry("ジオン", "U-2", "b", 2)},
         1,
         100,
         {{0, 0, 33}, {1, 33, 100}}},
        {"SlotOrderNotRowOrder",
         {Entry("Seed", "U-7", "a", 1), Entry("その他", "U-9", "b", 1),
          Entry("連邦", "U-1", "c", 2)},
         1,
         40,
         {{0, 0, 20}, {5, 20, 30}, {6, 30, 40}}},
        {"DuplicateRowsAddUp",
         {Entry("連邦", "CH-1", "a", 1), Entry("ジオン", "CH-2", "b", 1),
          Entry("連邦", "CH-1", "a", 2)},
         2,
         80,
         {{0, 0, 60}, {1, 60, 80}}},
        {"UnrecognisedFactionLeavesAGap",
         {Entry("謎", "C-1", "a", 1), Entry("連邦", "C-2", "b", 1)},
         3,
         50,
         {{0, 0, 25}}},
        {"OnlyItsOwnType",
         {Entry("連邦", "U-1", "a", 3), Entry("ジオン", "O-2", "b", 1)},
         4,
         10,
         {{1, 0, 10}}},
        {"Generation", {Entry("∀", "G-3", "a", 2), Entry("Ｘ", "G-4", "b", 2)}, 5, 9, {{4, 0, 9}}},
        {"NoCopiesOfTheType", {Entry("連邦", "U-1", "a", 3)}, 2, 100, {}},
        {"EmptyDeck", {}, 1, 100, {}},
        {"UnknownKind", {Entry("連邦", "U-1", "a", 3)}, 0, 100, {}},
        {"UnknownKindAbove", {Entry("連邦", "U-1", "a", 3)}, 6, 100, {}},
        {"ZeroWidth", {Entry("連邦", "U-1", "a", 3)}, 1, 0, {{0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TypeBarRect> rects = DrawTypeBar(c.rows, c.kind, c.width);
        ASSERT_EQ(rects.size(), c.spans.size());
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(rects[i].slot, c.spans[i].slot) << i;
            EXPECT_EQ(rects[i].left, c.spans[i].left) << i;
            EXPECT_EQ(rects[i].right, c.spans[i].right) << i;
            EXPECT_EQ(rects[i].colour, FactionColour(c.spans[i].slot)) << i;
        }
    }
}

}  // namespace
}  // namespace svdb
