#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/CommandArguments.h"
#include "catalogue/CardTable.h"

namespace svdb {

// The card list an svdeck command reads: the one beside the program unless
// "--list FILE" names another (the last one given counts).
struct SvdeckCardList {
    std::string path;
    std::optional<std::string> error;  // an empty "--list" value, as svdeck reports it

    static SvdeckCardList From(const CommandArguments& arguments, const std::string& programDir);

    // The list loaded into a new table; nothing, with svdeck's message in
    // error, when it cannot be read.
    std::unique_ptr<CardTable> load(std::string& error) const;
};

}  // namespace svdb
