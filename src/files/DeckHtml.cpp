#include "files/DeckHtml.h"

#include <string_view>

#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

// Appends text in Shift_JIS with the characters that markup or an attribute
// value would take for its own as character references.
void AppendText(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '&' && c != '<' && c != '>' && c != '"') continue;
        ShiftJisCodec::encodeAppend(text.substr(start, i - start), out);
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;";
        start = i + 1;
    }
    ShiftJisCodec::encodeAppend(text.substr(start), out);
}

}  // namespace

std::string DeckHtmlBytes(const DeckExport& deck) {
    // The multiplication sign and blank before the copies, in Shift_JIS.
    static const std::string times = ShiftJisCodec::encode("× ");
    std::string out;
    out.reserve(256 + deck.mainRows.size() * 96);
    out += "<HTML><HEAD><TITLE>";
    AppendText(out, deck.title);
    out += "</TITLE></HEAD><BODY>\r\n<H1>";
    AppendText(out, deck.title);
    out += "</H1>\r\n<table>\r\n<TD colspan=4><HR></TD><TR>\r\n";
    for (const DeckEntry& e : deck.mainRows) {
        out += "<TD>";
        AppendText(out, e.faction);
        out += "</TD><TD>";
        AppendText(out, e.cardNumber);
        out += "</TD><TD>";
        AppendText(out, e.cardName);
        out += "</TD><TD>";
        out += times;
        out += std::to_string(e.copies);
        out += "</TD><TR>\r\n";
    }
    out += "<TD colspan=4><HR></TD><TR>\r\n";
    out += "<TD colspan=3 align=right>Total </TD><TD align=right>";
    out += std::to_string(deck.mainTotal);
    out += "</TD><TR>\r\n</table>\r\n<P>\r\n</BODY></HTML>\r\n";
    return out;
}

bool WriteDeckHtml(const std::string& path, const DeckExport& deck, std::string* reason) {
    return WriteFileReplacing(path, DeckHtmlBytes(deck), reason);
}

}  // namespace svdb
