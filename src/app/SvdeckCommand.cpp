#include "app/SvdeckCommand.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <system_error>

#include "app/AppPaths.h"
#include "app/CommandOption.h"
#include "app/SvdeckChance.h"
#include "app/SvdeckClip.h"
#include "app/SvdeckConvert.h"
#include "app/SvdeckCosts.h"
#include "app/SvdeckDraw.h"
#include "app/SvdeckInfo.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "catalogue/ValueInRange.h"
#include "search/CardFilter.h"
#include "search/FilterCaptions.h"
#include "search/FilterWalk.h"

namespace svdb {

namespace {

constexpr std::string_view kCardsHelp =
    "usage: svdeck cards [OPTIONS]\n"
    "\n"
    "Prints the cards that the filter lists, in list order, one per line:\n"
    "faction, card number, card name and expansion name, separated by TABs.\n"
    "Lists of words are separated by commas; an option given twice keeps the\n"
    "last value.\n"
    "\n"
    "  --list FILE          card list to read (default: SVANLIST.csv beside the program)\n"
    "  --faction W,...      faction boxes: ALL 青 緑 黒 赤 茶 白 その他 (default ALL;\n"
    "                       an empty value ticks none and lists nothing)\n"
    "  --type W,...         UNIT CHARACTER COMMAND OPERATION GENERATION\n"
    "  --rarity W,...       Common Uncommon Rare Special\n"
    "  --ability W,...      ability boxes: 砂漠 補給 コロニー サイコミュ 変形 艦船 高機動\n"
    "                       拠点 艦船用修正 水 クイック 大気圏突入 特殊シールド 家名\n"
    "                       タイヤ 速攻 強襲 プリベント 範囲兵器 バルチャー サポート\n"
    "                       PS装甲 (a card passes when it has any of them)\n"
    "  --char W,...         character codes: M F AD CH NT CO\n"
    "  --expansion N,...    expansion indices 0..31 (default: every expansion)\n"
    "  --number ITEM:MIN[:MAX]\n"
    "                       numeric search; ITEM is 指定国力 合計国力 資源 格闘力 射撃力\n"
    "                       防御力; with MAX, MIN is * or 0..255 and MAX 0..255 (* and X\n"
    "                       count as 0 and 9); without MAX the value must equal MIN as\n"
    "                       text (資源:* finds the value *, 資源:X the value X)\n"
    "  --text TERM          text search: TERM must occur in one of the --in fields\n"
    "  --in F,...           fields of the text search: name text flavor (default name)\n"
    "  --help               show this help\n"
    "\n"
    "Exit status: 0 on success, 2 on a bad option or an unreadable card list.\n";

std::vector<std::string> SplitCommas(std::string_view value) {
    std::vector<std::string> words;
    if (value.empty()) return words;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        words.emplace_back(value.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return words;
}

template <std::size_t N>
std::optional<std::uint32_t> CaptionBits(const std::array<CaptionBit, N>& table,
                                         std::string_view value, std::string& bad) {
    std::uint32_t bits = 0;
    for (const std::string& word : SplitCommas(value)) {
        bool found = false;
        for (const CaptionBit& entry : table) {
            if (entry.caption == word) {
                bits |= entry.bit;
                found = true;
            }
        }
        if (!found) {
            bad = word;
            return std::nullopt;
        }
    }
    return bits;
}

// Everything the cards command was asked for.
struct CardsRequest {
    std::string listPath;
    FilterState state;
    SearchTexts texts;
};

}  // namespace

SvdeckCommand::SvdeckCommand(std::string programDir, std::ostream& out, std::ostream& err)
    : programDir_(std::move(programDir)), out_(out), err_(err) {}

const std::vector<SvdeckCommand::Command>& SvdeckCommand::Commands() {
    static const std::vector<Command> commands = {
        {"cards", "print the cards that a filter lists", &SvdeckCommand::cards, kCardsHelp},
        {"convert", "convert a deck file to text, CSV, XML or HTML", &SvdeckCommand::convert,
         SvdeckConvert::kHelp},
        {"draw", "print the draw simulator's order of a 50-card deck", &SvdeckCommand::draw,
         SvdeckDraw::kHelp},
        {"costs", "print the cost graph of a deck", &SvdeckCommand::costs, SvdeckCosts::kHelp},
        {"info", "print the card information of a card", &SvdeckCommand::info, SvdeckInfo::kHelp},
        {"clip", "print the clipboard text of a deck", &SvdeckCommand::clip, SvdeckClip::kHelp},
        {"chance", "print the chance of drawing one of K copies in six cards",
         &SvdeckCommand::chance, SvdeckChance::kHelp},
    };
    return commands;
}

void SvdeckCommand::printHelp(std::ostream& os) const {
    os << "usage: svdeck COMMAND [OPTIONS]\n"
          "       svdeck COMMAND --help\n"
          "\n"
          "Commands:\n";
    for (const Command& c : Commands()) os << "  " << c.name << "    " << c.summary << "\n";
}

int SvdeckCommand::usage(std::string_view message) {
    err_ << "svdeck: " << message << "\n";
    return kUsage;
}

int SvdeckCommand::run(const std::vector<std::string>& args) {
    if (args.empty()) {
        printHelp(err_);
        return kUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(out_);
        return kOk;
    }
    for (const Command& c : Commands()) {
        if (c.name != args[0]) continue;
        if (args.size() > 1 && (args[1] == "--help" || args[1] == "-h")) {
            out_ << c.help;
            return kOk;
        }
        return (this->*c.run)(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    return usage("unknown command '" + args[0] + "' (see svdeck --help)");
}

int SvdeckCommand::cards(const std::vector<std::string>& args) {
    CardsRequest req;
    req.listPath = AppPaths::SvdeckCardList(programDir_);
    req.state.factionMask = kAllFactions;
    std::string inFields = "name";

    for (std::size_t i = 0; i < args.size(); ++i) {
        auto [option, value] = CommandOption::Parse(args[i]);
        if (option == "--help" || option == "-h") {
            out_ << kCardsHelp;
            return kOk;
        }
        static constexpr std::string_view kValued[] = {
            "--list",    "--faction", "--type",      "--number", "--rarity",
            "--ability", "--char",    "--expansion", "--text",   "--in"};
        bool known = false;
        for (std::string_view v : kValued) known = known || option == v;
        if (!known)
            return usage("cards: unknown option '" + option + "' (see svdeck cards --help)");
        if (!value) {
            if (i + 1 >= args.size()) return usage("cards: option " + option + " needs a value");
            value = args[++i];
        }

        std::string bad;
        if (option == "--list") {
            if (value->empty()) return usage("cards: --list needs a file name");
            req.listPath = *value;
        } else if (option == "--faction") {
            const auto bits = CaptionBits(FactionBoxes(), *value, bad);
            if (!bits) return usage("cards: unknown faction '" + bad + "'");
            // "ALL" ticks every slot and makes the single boxes no difference.
            req.state.factionMask = static_cast<std::uint8_t>(*bits & kAllFactions);
        } else if (option == "--type") {
            const auto bits = CaptionBits(TypeBoxes(), *value, bad);
            if (!bits) return usage("cards: unknown type '" + bad + "'");
            req.state.typeMask = static_cast<std::uint8_t>(*bits);
        } else if (option == "--rarity") {
            const auto bits = CaptionBits(RarityBoxes(), *value, bad);
            if (!bits) return usage("cards: unknown rarity '" + bad + "'");
            req.state.rarityMask = static_cast<std::uint8_t>(*bits);
        } else if (option == "--ability") {
            std::uint32_t bits = 0;
            for (const std::string& word : SplitCommas(*value)) {
                bool found = false;
                for (const AbilityBox& box : AbilityBoxes()) {
                    if (box.caption == word) {
                        bits |= box.bit;
                        found = true;
                    }
                }
                if (!found) return usage("cards: unknown ability '" + word + "'");
            }
            req.state.abilityMask = bits;
        } else if (option == "--char") {
            req.state.genderMask = req.state.ageMask = req.state.kindMask = 0;
            for (const std::string& word : SplitCommas(*value)) {
                bool found = false;
                for (const CharButton& b : CharButtons()) {
                    if (b.caption != word) continue;
                    found = true;
                    switch (b.mask) {
                        case CharMask::Gender:
                            req.state.genderMask |= b.bit;
                            break;
                        case CharMask::Age:
                            req.state.ageMask |= b.bit;
                            break;
                        case CharMask::Kind:
                            req.state.kindMask |= b.bit;
                            break;
                    }
                }
                if (!found) return usage("cards: unknown character code '" + word + "'");
            }
        } else if (option == "--expansion") {
            std::uint32_t bits = 0;
            for (const std::string& word : SplitCommas(*value)) {
                const std::optional<int> n = ParseByte(word);
                if (!n || *n > 31)
                    return usage("cards: bad expansion index '" + word + "' (0..31)");
                bits |= std::uint32_t{1} << *n;
            }
            req.state.expansionMask = bits;
        } else if (option == "--number") {
            const std::size_t c1 = value->find(':');
            if (c1 == std::string::npos) return usage("cards: --number needs ITEM:MIN[:MAX]");
            const std::string item = value->substr(0, c1);
            std::string rest = value->substr(c1 + 1);
            std::string maximum;
            if (const std::size_t c2 = rest.find(':'); c2 != std::string::npos) {
                maximum = rest.substr(c2 + 1);
                rest.resize(c2);
                if (!ParseByte(maximum)) return usage("cards: bad maximum '" + maximum + "'");
            }
            if (!SearchItemOf(item)) return usage("cards: unknown search item '" + item + "'");
            if (rest.empty()) return usage("cards: --number needs a minimum");
            // Without a maximum the minimum is compared as text, whatever it is.
            if (!maximum.empty() && rest != "*" && !ParseByte(rest))
                return usage("cards: bad minimum '" + rest + "'");
            req.texts.searchItem = item;
            req.texts.minimum = rest;
            req.texts.maximum = maximum;
        } else if (option == "--text") {
            req.texts.findTerm = *value;
        } else if (option == "--in") {
            inFields = *value;
        }
    }

    req.texts.findName = req.texts.findText = req.texts.findFlavor = false;
    for (const std::string& field : SplitCommas(inFields)) {
        if (field == "name") {
            req.texts.findName = true;
        } else if (field == "text") {
            req.texts.findText = true;
        } else if (field == "flavor") {
            req.texts.findFlavor = true;
        } else {
            return usage("cards: unknown text field '" + field + "' (name, text, flavor)");
        }
    }

    auto table = std::make_unique<CardTable>();
    const LoadOutcome outcome = LoadCardList(*table, req.listPath);
    if (!outcome.opened) {
        return usage("cannot read card list '" + req.listPath + "': " + outcome.readFault.reason());
    }
    if (!outcome.fault.empty()) {
        err_ << "svdeck: warning: card list '" << req.listPath << "' line " << outcome.faultLine
             << ": " << outcome.fault << "; the cards before it are listed\n";
    }

    const FilterWalkResult result = WalkFilter(*table, req.state, req.texts);
    std::string text;
    for (const ListedCard& card : result.cards) {
        text += card.texts.faction;
        text += '\t';
        text += card.texts.cardNumber;
        text += '\t';
        text += card.texts.cardName;
        text += '\t';
        text += card.texts.expansionName;
        text += '\n';
    }
    out_ << text;
    out_.flush();
    return kOk;
}

int SvdeckCommand::convert(const std::vector<std::string>& args) {
    return SvdeckConvert::Run(args, programDir_, out_, err_);
}

int SvdeckCommand::draw(const std::vector<std::string>& args) {
    return SvdeckDraw::Run(args, out_, err_);
}

int SvdeckCommand::costs(const std::vector<std::string>& args) {
    return SvdeckCosts::Run(args, programDir_, out_, err_);
}

int SvdeckCommand::info(const std::vector<std::string>& args) {
    return SvdeckInfo::Run(args, programDir_, out_, err_);
}

int SvdeckCommand::clip(const std::vector<std::string>& args) {
    return SvdeckClip::Run(args, out_, err_);
}

int SvdeckCommand::chance(const std::vector<std::string>& args) {
    return SvdeckChance::Run(args, out_, err_);
}

std::string SvdeckCommand::ProgramDirectory(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    if (argv0 != nullptr && *argv0 != '\0') {
        const fs::path p = fs::absolute(fs::path(argv0), ec);
        if (!ec) return p.parent_path().string();
    }
    return fs::current_path(ec).string();
}

}  // namespace svdb
