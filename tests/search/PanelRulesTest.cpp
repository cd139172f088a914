#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/FilterPanel.h"
#include "search/NumericSearch.h"

namespace svdb {
namespace {

TEST(TypeGroupsFor, AGroupIsDisabledWhileOnlyOtherTypesAreTicked) {
    constexpr int o = kUnticked, X = kTicked, g = kGreyed;
    using Kinds = std::array<int, 5>;  // GENERATION, UNIT, CHARACTER, COMMAND, OPERATION
    const struct {
        const char* name;
        Kinds kinds;
        TypeGroups groups;
    } rows[] = {
        // clang-format off
        {"none ticked",               {o, o, o, o, o}, {true,  true}},
        {"COMMAND only",              {o, o, o, X, o}, {false, false}},
        {"COMMAND and UNIT",          {o, X, o, X, o}, {false, true}},
        {"CHARACTER only",            {o, o, X, o, o}, {true,  false}},
        {"UNIT and CHARACTER",        {o, X, X, o, o}, {true,  true}},
        {"greyed COMMAND is no tick", {o, o, o, g, o}, {true,  true}},
        // clang-format on
    };
    for (const auto& r : rows) EXPECT_EQ(TypeGroupsFor(r.kinds), r.groups) << r.name;
}

TEST(NumericSearch, MaximaFromTheMinimumUpToNine) {
    using V = std::vector<std::string>;
    const struct {
        const char* minimum;
        V maxima;
    } rows[] = {
        // clang-format off
        {"*",  {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"9",  {"9"}},
        {"12", {}},  // above 9
        {"X",  {}},  // no number
        // clang-format on
    };
    for (const auto& r : rows) EXPECT_EQ(MaximumChoices(r.minimum), r.maxima) << r.minimum;
}

}  // namespace
}  // namespace svdb
