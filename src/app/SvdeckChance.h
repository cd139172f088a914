#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck chance K": the chance that one of K copies is among the first six
// cards drawn, as a double-click on a deck entry of K copies shows it.
class SvdeckChance {
  public:
    static const std::string_view kHelp;

    // Runs with the arguments after "chance". Gives the exit status: 0, or 2
    // on a bad argument.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace svdb
