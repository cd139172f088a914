#include "app/SvdeckClip.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "app/CommandArguments.h"
#include "app/SvdeckDeckInput.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "files/ClipboardText.h"

namespace svdb {

const std::string_view SvdeckClip::kHelp =
    "usage: svdeck clip DECKFILE [OPTIONS]\n"
    "\n"
    "Prints the text that \"クリップボードへ\" on a deck list puts on the clipboard\n"
    "for the deck in DECKFILE (a deck text file, or a comma-separated deck file\n"
    "when its name ends in .csv): the main deck under \"-- メインボード --\", a\n"
    "rule, the total, then the side deck under \"-- サイドボード --\". Lines end\n"
    "with LF here (CR LF on the clipboard).\n"
    "\n"
    "  --trade    the text of \"トレードモードでコピー\" instead: the main deck\n"
    "             under \"-- 希望 --\", the side deck under \"-- 提供 --\", no total\n"
    "  --help     show this help\n"
    "\n"
    "Exit status: 0 on success, 1 when the main deck is empty (nothing would be\n"
    "copied), 2 on a bad option or an unreadable deck file.\n";

int SvdeckClip::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: clip: " << message << "\n";
        return 2;
    };
    DeckCopyMode mode = DeckCopyMode::Normal;
    const CommandArguments a = CommandArguments::Scan(args, {}, {"--trade"});
    if (a.help) {
        out << kHelp;
        return 0;
    }
    if (a.error) return usage(*a.error);
    if (!a.options.empty()) mode = DeckCopyMode::Trade;
    const std::vector<std::string>& names = a.words;
    if (names.size() != 1) return usage("needs one DECKFILE (see svdeck clip --help)");
    SvdeckDeckInput read = SvdeckDeckInput::Read(names[0]);
    if (!read.opened) return usage("cannot read '" + names[0] + "': " + read.reason);

    // The deck as the deck lists hold it once the file is opened: entries of
    // fewer than one copy are dropped and the totals summed.
    const auto table = std::make_unique<CardTable>();
    DeckModel deck(*table);
    deck.ReplaceDecks(std::move(read.mainRows), std::move(read.sideRows));
    std::optional<std::string> text =
        DeckClipboardText(deck.list(DeckModel::kMain).rows, deck.list(DeckModel::kSide).rows,
                          deck.total(DeckModel::kMain), mode);
    if (!text) {
        err << "svdeck: clip: the main deck of '" << names[0] << "' is empty\n";
        return kEmptyMainDeck;
    }
    text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
    out << *text;
    out.flush();
    return out ? 0 : usage("cannot write the standard output");
}

}  // namespace svdb
