#include "app/SvdeckDraw.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "app/CommandArguments.h"
#include "app/SvdeckDeckInput.h"
#include "catalogue/ValueInRange.h"
#include "simulator/DrawSimulator.h"

namespace svdb {

const std::string_view SvdeckDraw::kHelp =
    "usage: svdeck draw DECKFILE [--shuffle C ...]\n"
    "\n"
    "Prints the draw simulator's order of the main deck of DECKFILE (a deck text\n"
    "file, or a comma-separated deck file when its name ends in .csv): its 50\n"
    "card texts (faction, card number, card name), the top card first, one per\n"
    "line. Without --shuffle the order is the deck list's, each entry's copies\n"
    "one after another.\n"
    "\n"
    "  --shuffle C    one thorough shuffle with its cut at C (2..50): the deck is\n"
    "                 dealt into ten piles and the card dealt C-th comes to the\n"
    "                 top; give it again for further shuffles, in order\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 on success, 1 when the main deck does not hold exactly 50\n"
    "copies, 2 on a bad option or an unreadable deck file.\n";

int SvdeckDraw::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: draw: " << message << "\n";
        return 2;
    };
    std::vector<int> cuts;
    const CommandArguments a = CommandArguments::Scan(args, {"--shuffle"});
    if (a.help) {
        out << kHelp;
        return 0;
    }
    if (a.error) return usage(*a.error);
    for (const auto& [option, value] : a.options) {
        const std::optional<int> cut = ParseByte(value);
        if (!cut || *cut < DrawSimulator::kFirstCut || *cut > DrawSimulator::kLastCut)
            return usage("bad cut '" + value + "' (2..50)");
        cuts.push_back(*cut);
    }
    const std::vector<std::string>& names = a.words;
    if (names.size() != 1) return usage("needs one DECKFILE (see svdeck draw --help)");

    const SvdeckDeckInput deck = SvdeckDeckInput::Read(names[0]);
    if (!deck.opened) return usage("cannot read '" + names[0] + "': " + deck.reason);

    std::size_t next = 0;
    DrawSimulator simulator([&cuts, &next] { return cuts[next++]; });
    // Entries of fewer than one copy are dropped, as opening the deck does.
    std::vector<DeckEntry> rows;
    std::copy_if(deck.mainRows.begin(), deck.mainRows.end(), std::back_inserter(rows),
                 [](const DeckEntry& e) { return e.copies >= 1; });
    if (!simulator.ReloadDeck(rows)) {
        err << DrawSimulator::kNeedsFiftyCards << "\n";
        return kNotFifty;
    }
    for (std::size_t i = 0; i < cuts.size(); ++i) simulator.ThoroughShuffle();

    std::string text;
    for (const std::string& card : simulator.drawDeck()) text += card + "\n";
    out << text;
    out.flush();
    return out ? 0 : usage("cannot write the standard output");
}

}  // namespace svdb
