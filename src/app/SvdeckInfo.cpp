#include "app/SvdeckInfo.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "app/CommandArguments.h"
#include "app/SvdeckCardList.h"
#include "catalogue/CardTable.h"
#include "files/CardInfoText.h"

namespace svdb {

const std::string_view SvdeckInfo::kHelp =
    "usage: svdeck info NUMBER NAME [OPTIONS]\n"
    "\n"
    "Prints the card information of the first card (in card list order) whose\n"
    "card number is NUMBER and whose name is NAME, as the pop-up menu's file\n"
    "output writes it: number and name, rarity, costs, type, keywords, text,\n"
    "combat values and the transformed face, in UTF-8.\n"
    "\n"
    "  --list FILE    card list to read (default: SVANLIST.csv beside the program)\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 on success, 1 when there is no such card, 2 on a bad option\n"
    "or an unreadable card list.\n";

namespace {

std::optional<CardRef> FindCard(const CardTable& table, std::string_view number,
                                std::string_view name) {
    for (int slot = 0; slot < CardTable::kSlots; ++slot) {
        if (const std::optional<int> row = FindCardRow(table, slot, number, name))
            return CardRef{slot, *row};
    }
    return std::nullopt;
}

}  // namespace

int SvdeckInfo::Run(const std::vector<std::string>& args, const std::string& programDir,
                    std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: info: " << message << "\n";
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
    const std::vector<std::string>& words = a.words;
    if (words.size() != 2) return usage("needs NUMBER and NAME (see svdeck info --help)");

    std::string why;
    const std::unique_ptr<CardTable> table = list.load(why);
    if (!table) return usage(why);
    const std::optional<CardRef> card = FindCard(*table, words[0], words[1]);
    if (!card) {
        err << "svdeck: info: no card " << words[0] << " " << words[1] << " in '" << list.path
            << "'\n";
        return kNoSuchCard;
    }
    std::string text;
    WriteCardInfo(*table, *card, text);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    out << text;
    out.flush();
    return out ? 0 : usage("cannot write the standard output");
}

}  // namespace svdb
