#include "app/SvdeckInfo.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "app/AppPaths.h"
#include "app/CommandArguments.h"
#include "catalogue/CardListLoader.h"
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
    std::string listPath = AppPaths::SvdeckCardList(programDir);
    const CommandArguments a = CommandArguments::Scan(args, {"--list"});
    if (a.help) {
        out << kHelp;
        return 0;
    }
    if (a.error) return usage(*a.error);
    for (const auto& [option, value] : a.options) {
        if (value.empty()) return usage("--list needs a file name");
        listPath = value;
    }
    const std::vector<std::string>& words = a.words;
    if (words.size() != 2) return usage("needs NUMBER and NAME (see svdeck info --help)");

    auto table = std::make_unique<CardTable>();
    if (const LoadOutcome list = LoadCardList(*table, listPath); !list.opened)
        return usage("cannot read card list '" + listPath + "': " + list.readFault.reason());
    const std::optional<CardRef> card = FindCard(*table, words[0], words[1]);
    if (!card) {
        err << "svdeck: info: no card " << words[0] << " " << words[1] << " in '" << listPath
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
