#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck draw DECKFILE [--shuffle C ...]": the draw simulator's order of a
// 50-card main deck.
class SvdeckDraw {
  public:
    static const std::string_view kHelp;
    static constexpr int kNotFifty = 1;  // the main deck does not hold 50 copies

    // Runs with the arguments after "draw". Gives the exit status: 0, 1 when
    // the main deck does not hold exactly 50 copies, 2 on a bad argument or
    // an unreadable deck file.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace svdb
