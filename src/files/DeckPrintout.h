#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

class DeckModel;
class DeckStats;

// One line of the printed deck list.
struct PrintoutRow {
    enum class Kind {
        Heading,  // a section heading: text
        Card,     // a deck entry: faction, cardNumber, text (the card name), count (copies)
        Figure,   // a total: text (what is counted) and count, in cards
    };
    Kind kind = Kind::Heading;
    std::string faction;
    std::string cardNumber;
    std::string text;
    int count = 0;

    bool operator==(const PrintoutRow&) const = default;
};

// What the printed page (and the PDF) shows of a deck: the title line, then
// the rows in order: "メインデッキ" with the main deck's entries and its total,
// "サイドボード" with the side deck's entries and its total when the side deck
// has entries, and "タイプ別枚数" with the main deck's five type counts.
struct DeckPrintout {
    std::string title;
    std::vector<PrintoutRow> rows;
};

// The title a printout shows for the deck pane's title: the title itself, or
// "無題のデッキ" when it is empty or only blanks.
std::string PrintoutTitle(std::string_view deckTitle);

// The printout of a deck model's lists, with the stored totals of the model
// and the type counts of the main deck's statistics.
DeckPrintout MakeDeckPrintout(std::string_view deckTitle, const DeckModel& deck,
                              const DeckStats& stats);

// The room the rows have on a page, in points, as the window side measured it.
struct PrintoutFrame {
    double bodyWidth = 0.0;    // the page's width inside its margins
    double bodyHeight = 0.0;   // the height under the title line
    double rowWidth = 0.0;     // the widest row at a font size of one point
    double columnGap = 0.0;    // between two columns
    double lineSpacing = 1.5;  // a row's height per point of font size
    double fullSize = 10.0;    // the font size the rows are printed at when they fit
    double smallestSize = 6.0;
};

// Where the rows go: columns of consecutive rows, filled top to bottom and
// left to right, `columns` to a page.
struct PrintoutPlan {
    struct Column {
        std::size_t begin = 0;  // first row
        std::size_t end = 0;    // one past the last row
        bool operator==(const Column&) const = default;
    };
    double fontSize = 0.0;
    int columns = 1;  // columns on a page: 1 or 2
    int rowsPerColumn = 0;
    std::vector<Column> filled;  // every column that holds rows, in reading order

    int pages() const;
};

// Fits the rows on one page: one column at the full size, else two columns,
// else two columns (or one, while two are too wide) at a font size smaller by
// half points down to the smallest size. Rows that do not fit one page even
// then go on further pages at the smallest size: no row is ever left out. A
// row wider than the page at the smallest size makes the font smaller still,
// so that every text prints whole. A heading never ends a column while rows
// follow it.
PrintoutPlan PlanPrintout(std::span<const PrintoutRow> rows, const PrintoutFrame& frame);

}  // namespace svdb
