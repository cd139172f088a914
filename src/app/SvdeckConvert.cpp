#include "app/SvdeckConvert.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "app/CommandArguments.h"
#include "app/SvdeckCardList.h"
#include "catalogue/CardTable.h"
#include "deck/DeckModel.h"
#include "files/DeckCsvFile.h"
#include "files/DeckHtml.h"
#include "files/DeckTextFile.h"
#include "files/DeckXml.h"
#include "files/FileNames.h"
#include "stats/MainDeckStats.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

const std::string_view SvdeckConvert::kHelp =
    "usage: svdeck convert IN OUT [OPTIONS]\n"
    "\n"
    "Reads the deck file IN (a deck text file, or a comma-separated deck file\n"
    "when its name ends in .csv) and writes it as OUT, in the format its name\n"
    "ends in: .txt deck text, .csv comma-separated (main deck only), .xml XML,\n"
    ".htm or .html HTML. OUT - prints the deck text in UTF-8. The summary and\n"
    "the XML card data come from the card list.\n"
    "\n"
    "  --list FILE    card list to read (default: SVANLIST.csv beside the program)\n"
    "  --title T      deck title to write instead of the one read\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 on success, 2 on a bad option, an unreadable input or card\n"
    "list, or an output that cannot be written.\n";

namespace {

enum class Format { Text, Csv, Xml, Html, Stdout };

// The name ends in "." + extension, in any letter case, as the file window
// judges it.
bool HasExtension(std::string_view name, std::string_view extension) {
    return EnsureExtension(name, extension) == name;
}

std::optional<Format> OutputFormat(std::string_view name) {
    if (name == "-") return Format::Stdout;
    if (HasExtension(name, "txt")) return Format::Text;
    if (HasExtension(name, "csv")) return Format::Csv;
    if (HasExtension(name, "xml")) return Format::Xml;
    if (HasExtension(name, "htm") || HasExtension(name, "html")) return Format::Html;
    return std::nullopt;
}

}  // namespace

int SvdeckConvert::Run(const std::vector<std::string>& args, const std::string& programDir,
                       std::ostream& out, std::ostream& err) {
    auto usage = [&err](const std::string& message) {
        err << "svdeck: convert: " << message << "\n";
        return 2;
    };
    const CommandArguments a = CommandArguments::Scan(args, {"--list", "--title"});
    if (a.help) {
        out << kHelp;
        return 0;
    }
    if (a.error) return usage(*a.error);
    const SvdeckCardList list = SvdeckCardList::From(a, programDir);
    if (list.error) return usage(*list.error);
    std::optional<std::string> title;
    for (const auto& [option, value] : a.options) {
        if (option == "--title") title = value;
    }
    const std::vector<std::string>& names = a.words;
    if (names.size() != 2) return usage("needs IN and OUT (see svdeck convert --help)");
    const std::string& in = names[0];
    const std::string& outName = names[1];
    const std::optional<Format> format = OutputFormat(outName);
    if (!format) return usage("cannot tell the format of '" + outName + "' (.txt .csv .xml .htm)");

    std::string why;
    const std::unique_ptr<CardTable> table = list.load(why);
    if (!table) return usage(why);

    // The deck as the window would hold it after opening the file: the
    // statistics are recounted from the main deck's rows.
    DeckModel deck(*table);
    MainDeckStats stats(deck);
    std::string readTitle;
    if (HasExtension(in, "csv")) {
        DeckCsvRead read = LoadDeckCsv(in);
        if (!read.opened) return usage("cannot read '" + in + "': " + read.reason);
        deck.ReplaceDecks(std::move(read.mainRows), {});
    } else {
        DeckTextRead read = LoadDeckText(in);
        if (!read.opened) return usage("cannot read '" + in + "': " + read.reason);
        readTitle = std::move(read.title);
        deck.ReplaceDecks(std::move(read.mainRows), std::move(read.sideRows));
    }
    const std::string deckTitle = title ? *title : readTitle;

    std::string reason;
    bool written = false;
    switch (*format) {
        case Format::Stdout: {
            std::string text =
                ShiftJisCodec::decode(DeckTextBytes(MakeDeckText(deckTitle, deck, stats.stats())));
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            out << text;
            out.flush();
            return out ? 0 : usage("cannot write the standard output");
        }
        case Format::Text:
            written = SaveDeckText(outName, MakeDeckText(deckTitle, deck, stats.stats()), &reason);
            break;
        case Format::Csv:
            written = SaveDeckCsv(outName, deck.list(DeckModel::kMain).rows, &reason);
            break;
        case Format::Xml:
            written = WriteDeckXml(outName, MainDeckExport(deck, deckTitle), &reason);
            break;
        case Format::Html:
            written = WriteDeckHtml(outName, MainDeckExport(deck, deckTitle), &reason);
            break;
    }
    if (!written) return usage("cannot write '" + outName + "': " + reason);
    return 0;
}

}  // namespace svdb
