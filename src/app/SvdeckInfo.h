#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck info NUMBER NAME": the card-information block of a card, as
// "ファイル出力" writes it into "outest.txt".
class SvdeckInfo {
  public:
    static const std::string_view kHelp;
    static constexpr int kNoSuchCard = 1;

    // Runs with the arguments after "info"; programDir is where the card
    // list is looked for by default. Gives the exit status: 0, 1 when the
    // card list holds no such card, 2 on a bad argument or an unreadable
    // card list.
    static int Run(const std::vector<std::string>& args, const std::string& programDir,
                   std::ostream& out, std::ostream& err);
};

}  // namespace svdb
