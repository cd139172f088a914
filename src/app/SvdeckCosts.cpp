#include "app/SvdeckCosts.h"

#include <memory>
#include <optional>
#include <ostream>

#include "app/CommandArguments.h"
#include "app/SvdeckCardList.h"
#include "app/SvdeckDeckInput.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "stats/CostGraph.h"

namespace svdb {

const std::string_view SvdeckCosts::kHelp =
    "usage: svdeck costs DECKFILE [OPTIONS]\n"
    "\n"
    "Prints the cost graph of the main deck of DECKFILE (a deck text file, or a\n"
    "comma-separated deck file when its name ends in .csv) in three sections:\n"
    "a caption line (合計国力, 指定国力, 資源), then one line per cost that the\n"
    "deck's cards have, lowest first: the cost (9 reads X), a TAB and the\n"
    "copies. GENERATION cards, cards with no resource value (資源 only) and\n"
    "cards the card list lacks are not counted.\n"
    "\n"
    "  --list FILE    card list to read (default: SVANLIST.csv beside the program)\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 on success, 2 on a bad option or an unreadable deck file or\n"
    "card list.\n";

int SvdeckCosts::Run(const std::vector<std::string>& args, const std::string& programDir,
                     std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: costs: " << message << "\n";
        return 2;
    };
    const CommandArguments a = CommandArguments::Scan(args, {"--list"});
    if (a.help) {
        out << kHelp;
        return 0;
    }
    if (a.error) return usage(*a.error);
    const SvdeckCardList list = SvdeckCardList::From(a, programDir);
    if (list.error) return usage(*list.error);
    const std::vector<std::string>& names = a.words;
    if (names.size() != 1) return usage("needs one DECKFILE (see svdeck costs --help)");

    SvdeckDeckInput input = SvdeckDeckInput::Read(names[0]);
    if (!input.opened) return usage("cannot read '" + names[0] + "': " + input.reason);
    std::string why;
    const std::unique_ptr<CardTable> table = list.load(why);
    if (!table) return usage(why);

    // The main deck as the window holds it once the file is opened.
    DeckModel deck(*table);
    deck.ReplaceDecks(std::move(input.mainRows), {});
    std::string text;
    for (const CostGraphSection& section : CostGraphSections(
             *table, deck.list(DeckModel::kMain).rows, deck.total(DeckModel::kMain))) {
        text += section.caption + "\n";
        for (const CostGraphRow& row : section.rows)
            text += row.label + "\t" + std::to_string(row.count) + "\n";
    }
    out << text;
    out.flush();
    return out ? 0 : usage("cannot write the standard output");
}

}  // namespace svdb
