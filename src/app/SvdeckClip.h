#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// "svdeck clip DECKFILE": the text that copying the deck from a deck list's
// pop-up menu puts on the clipboard.
class SvdeckClip {
  public:
    static const std::string_view kHelp;
    static constexpr int kEmptyMainDeck = 1;

    // Runs with the arguments after "clip". Gives the exit status: 0, 1 when
    // the main deck is empty (the menu leaves the clipboard alone then), 2 on
    // a bad argument or an unreadable deck file.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace svdb
