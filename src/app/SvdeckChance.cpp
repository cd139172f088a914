#include "app/SvdeckChance.h"

#include <charconv>
#include <cstdint>
#include <ostream>

#include "app/CommandOption.h"
#include "stats/OpeningChance.h"

namespace svdb {

const std::string_view SvdeckChance::kHelp =
    "usage: svdeck chance K\n"
    "\n"
    "Prints the chance that at least one of K copies is among the first six\n"
    "cards drawn from a deck of fifty, as \"最初の６枚に入る確率：\" shows it for a\n"
    "deck entry of K copies (0..32767), such as 32.43% for 3 copies.\n"
    "\n"
    "  --help    show this help\n"
    "\n"
    "Exit status: 0 on success, 2 on a bad argument.\n";

int SvdeckChance::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: chance: " << message << "\n";
        return 2;
    };
    if (!args.empty() && CommandOption::Parse(args[0]).name == "--help") {
        out << kHelp;
        return 0;
    }
    if (args.size() != 1) return usage("needs one copy count K (see svdeck chance --help)");
    const std::string& k = args[0];
    int copies = -1;
    const auto [end, error] = std::from_chars(k.data(), k.data() + k.size(), copies);
    if (error != std::errc() || end != k.data() + k.size() || copies < 0 || copies > INT16_MAX)
        return usage("bad copy count '" + k + "' (0..32767)");
    out << OpeningChance::ChanceText(copies) << "\n";
    out.flush();
    return out ? 0 : usage("cannot write the standard output");
}

}  // namespace svdb
