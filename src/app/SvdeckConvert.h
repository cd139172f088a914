#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck convert IN OUT": reads a deck file and writes it in the format its
// output name asks for.
class SvdeckConvert {
  public:
    static const std::string_view kHelp;

    // Runs with the arguments after "convert"; programDir is where the card
    // list is looked for by default. Gives the exit status: 0, or 2 on a bad
    // argument, an unreadable input or card list, or an output that cannot
    // be written.
    static int Run(const std::vector<std::string>& args, const std::string& programDir,
                   std::ostream& out, std::ostream& err);
};

}  // namespace svdb
