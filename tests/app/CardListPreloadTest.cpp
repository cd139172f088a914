#include "app/CardListPreload.h"

#include <gtest/gtest.h>

#include "app/AppPaths.h"
#include "catalogue/CardTable.h"

namespace svdb {
namespace {

TEST(CardListPreload, HandsTheListOverOnceAndOnlyForItsOwnPath) {
    const std::string dir = SVDB_SOURCE_DIR "/data";
    const std::string path = AppPaths::FindCardList(dir);
    CardListPreload preload(dir);
    EXPECT_FALSE(preload.take(path + ".other"));  // another file is the caller's to load
    const std::optional<LoadOutcome> outcome = preload.take(path);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->opened);
    EXPECT_TRUE(preload.table().at(0, 0).occupied());
    EXPECT_FALSE(preload.take(path));

    CardListPreload none{std::string()};
    EXPECT_FALSE(none.take(path));
    EXPECT_FALSE(none.table().at(0, 0).occupied());
}

}  // namespace
}  // namespace svdb
