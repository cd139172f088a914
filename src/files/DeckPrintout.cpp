#include "files/DeckPrintout.h"

#include <algorithm>
#include <cmath>

#include "catalogue/CardType.h"
#include "deck/DeckModel.h"
#include "stats/DeckStats.h"

namespace svdb {

namespace {

// The type counts in the order of the deck text file's type lines.
constexpr CardType kPrintedTypes[] = {CardType::Unit, CardType::Character, CardType::Command,
                                      CardType::Operation, CardType::Generation};

void AddList(std::vector<PrintoutRow>& rows, const char* heading, const DeckModel& deck, int list) {
    using Kind = PrintoutRow::Kind;
    rows.push_back({Kind::Heading, {}, {}, heading, 0});
    for (const DeckEntry& e : deck.list(list).rows)
        rows.push_back({Kind::Card, e.faction, e.cardNumber, e.cardName, e.copies});
    rows.push_back({Kind::Figure, {}, {}, "合計", deck.total(list)});
}

// The columns the rows take with at most perColumn rows in each.
std::vector<PrintoutPlan::Column> BreakColumns(std::span<const PrintoutRow> rows,
                                               std::size_t perColumn) {
    std::vector<PrintoutPlan::Column> columns;
    std::size_t begin = 0;
    while (begin < rows.size()) {
        std::size_t end = std::min(begin + perColumn, rows.size());
        // A heading goes with the first row under it.
        if (end < rows.size() && end - begin > 1 &&
            rows[end - 1].kind == PrintoutRow::Kind::Heading)
            --end;
        columns.push_back({begin, end});
        begin = end;
    }
    return columns;
}

}  // namespace

std::string PrintoutTitle(std::string_view deckTitle) {
    const bool blank = deckTitle.find_first_not_of(" \t") == std::string_view::npos;
    return blank ? std::string("無題のデッキ") : std::string(deckTitle);
}

DeckPrintout MakeDeckPrintout(std::string_view deckTitle, const DeckModel& deck,
                              const DeckStats& stats) {
    DeckPrintout out;
    out.title = PrintoutTitle(deckTitle);
    AddList(out.rows, "メインデッキ", deck, DeckModel::kMain);
    if (!deck.list(DeckModel::kSide).rows.empty())
        AddList(out.rows, "サイドボード", deck, DeckModel::kSide);
    out.rows.push_back({PrintoutRow::Kind::Heading, {}, {}, "タイプ別枚数", 0});
    for (const CardType type : kPrintedTypes) {
        out.rows.push_back({PrintoutRow::Kind::Figure,
                            {},
                            {},
                            std::string(CardTypeWord(type)),
                            stats.typeCount(type)});
    }
    return out;
}

int PrintoutPlan::pages() const {
    const std::size_t perPage = static_cast<std::size_t>(std::max(columns, 1));
    return static_cast<int>((filled.size() + perPage - 1) / perPage);
}

PrintoutPlan PlanPrintout(std::span<const PrintoutRow> rows, const PrintoutFrame& frame) {
    // At least a heading and the row under it fit a column, however small
    // the page.
    auto rowsAt = [&](double size) {
        double lines = std::floor(frame.bodyHeight / (size * frame.lineSpacing));
        if (!(lines >= 2.0)) lines = 2.0;  // NaN too
        return static_cast<std::size_t>(std::min(lines, static_cast<double>(rows.size()) + 2.0));
    };
    auto widthFits = [&](double size, int columns) {
        return columns * frame.rowWidth * size + (columns - 1) * frame.columnGap <= frame.bodyWidth;
    };
    auto plan = [&](double size, int columns) {
        PrintoutPlan p;
        p.fontSize = size;
        p.columns = columns;
        p.rowsPerColumn = static_cast<int>(rowsAt(size));
        p.filled = BreakColumns(rows, rowsAt(size));
        return p;
    };

    // Sizes in half points from the full size down to the smallest.
    const int steps =
        static_cast<int>(std::floor((frame.fullSize - frame.smallestSize) * 2.0 + 1e-9));
    for (int step = 0; step <= std::max(steps, 0); ++step) {
        const double size = frame.fullSize - step * 0.5;
        for (const int columns : {1, 2}) {
            if (!widthFits(size, columns)) continue;
            if (BreakColumns(rows, rowsAt(size)).size() <= static_cast<std::size_t>(columns))
                return plan(size, columns);
        }
    }
    // More pages at the smallest size, or smaller still for a row wider than
    // the page.
    double size = std::min(frame.fullSize, frame.smallestSize);
    if (!widthFits(size, 1)) size = std::max(frame.bodyWidth / frame.rowWidth, 1.0);
    return plan(size, widthFits(size, 2) ? 2 : 1);
}

}  // namespace svdb
