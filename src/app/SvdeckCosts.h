#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck costs DECKFILE [--list FILE]": the cost graph of a deck's main
// deck as text.
class SvdeckCosts {
  public:
    static const std::string_view kHelp;

    // Runs with the arguments after "costs"; programDir is where the card
    // list is looked for by default. Gives the exit status: 0, or 2 on a bad
    // argument or an unreadable deck file or card list.
    static int Run(const std::vector<std::string>& args, const std::string& programDir,
                   std::ostream& out, std::ostream& err);
};

}  // namespace svdb
