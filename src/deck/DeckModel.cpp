#include "deck/DeckModel.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "catalogue/FactionNames.h"

namespace svdb {

namespace {

constexpr int kMaxCopies = std::numeric_limits<std::int16_t>::max();

// Copies past the 16-bit range stay at its top instead of wrapping.
int Capped(int copies) {
    return std::min(copies, kMaxCopies);
}

// Where the entry at row i stands after the entry at from moved to to.
int MovedPosition(int i, int from, int to) {
    if (i == from) return to;
    if (from < to && i > from && i <= to) return i - 1;
    if (from > to && i >= to && i < from) return i + 1;
    return i;
}

}  // namespace

DeckModel::DeckModel(const CardTable& table) : table_(&table), stats_(table) {}

void DeckModel::addObserver(DeckObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void DeckModel::removeObserver(DeckObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

const DeckList& DeckModel::list(int index) const {
    return lists_[index == kSide ? kSide : kMain];
}

DeckTotal DeckModel::total(int index) const {
    return totals_[index == kSide ? kSide : kMain];
}

std::string DeckModel::DeckFactionText(std::string_view faction, const DeckOptions& options) {
    return options.shortFactionNames ? ShortFactionName(faction) : std::string(faction);
}

bool DeckModel::IsGeneration(std::string_view cardNumber) {
    return cardNumber.starts_with("G-");
}

void DeckModel::SetSelectedRow(int index, std::optional<int> row) {
    if (!validList(index)) return;
    if (row && (*row < 0 || *row >= lists_[index].size())) row.reset();
    setSelected(index, row);
}

bool DeckModel::AddCard(std::int16_t& copies, int index, const CardListRow* current,
                        const DeckOptions& options) {
    if (!current) return false;
    return addRow(*current, copies, index, options);
}

bool DeckModel::AddListItem(const CardListRow& row, std::int16_t& copies, int index,
                            const DeckOptions& options) {
    return addRow(row, copies, index, options);
}

bool DeckModel::addRow(const CardListRow& card, std::int16_t& copies, int index,
                       const DeckOptions& options) {
    if (!validList(index) || copies < 1) return false;
    const DeckList& target = lists_[index];
    const DeckList& other = lists_[1 - index];
    const std::string faction = DeckFactionText(card.faction, options);
    const DeckEntry asEntry{faction, card.cardNumber, card.cardName, 0};
    const bool generation = IsGeneration(card.cardNumber);

    // Per name: no more once the list holds three copies of the name.
    if (!generation && !options.noCopyLimit &&
        CountCopiesByName(card.cardName, index) > kCopyLimit - 1)
        return false;

    // Allowance: what the other list leaves of the three copies; the last
    // identical entry there counts.
    int allowance = kCopyLimit;
    for (const DeckEntry& e : other.rows)
        if (e.identicalTo(asEntry)) allowance = kCopyLimit - e.copies;

    int found = -1;
    for (int r = 0; r < target.size(); ++r) {
        const DeckEntry& e = target.rows[static_cast<std::size_t>(r)];
        if (e.cardName == card.cardName && e.cardNumber == card.cardNumber &&
            (!options.collectMode || e.faction == faction)) {
            found = r;
            break;
        }
    }

    int n = copies;
    std::string tallied;
    if (found >= 0) {
        const DeckEntry& e = target.rows[static_cast<std::size_t>(found)];
        const int c = e.copies;
        int updated = 0;
        if (c < allowance) {
            updated = c + n;
            if (updated > allowance) {
                n -= updated - allowance;
                updated = allowance;
            }
        } else {
            if (!generation && !options.noCopyLimit) return false;
            updated = Capped(c + n);
            n = updated - c;
        }
        tallied = e.faction;
        setCopies(index, found, updated);
    } else {
        if (n > allowance) return false;
        tallied = faction;
        appendRow(index,
                  DeckEntry{faction, card.cardNumber, card.cardName, static_cast<std::int16_t>(n)});
    }
    copies = static_cast<std::int16_t>(n);

    setTotal(index, SumOfCopies(lists_[index].rows));
    if (index == kMain) {
        tally(tallied, card.cardNumber, n);
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
    return true;
}

std::int16_t DeckModel::CountCopiesByName(std::string_view cardName, int index) const {
    if (!validList(index)) return 0;
    int sum = 0;
    for (const DeckEntry& e : lists_[index].rows)
        if (e.cardName == cardName) sum += e.copies;
    return static_cast<std::int16_t>(std::min(sum, kMaxCopies));
}

bool DeckModel::AddSide(std::int16_t& cKazu, int index, int fromIndex) {
    if (!validList(index) || !validList(fromIndex) || index == fromIndex || cKazu < 1) return false;
    const std::optional<int> selected = lists_[fromIndex].selectedRow();
    if (!selected) return false;
    const DeckEntry source = lists_[fromIndex].rows[static_cast<std::size_t>(*selected)];
    const DeckList& target = lists_[index];

    int k = cKazu;
    int found = -1;
    for (int r = 0; r < target.size(); ++r) {
        if (target.rows[static_cast<std::size_t>(r)].identicalTo(source)) {
            found = r;
            break;
        }
    }
    if (found >= 0) {
        const int c = target.rows[static_cast<std::size_t>(found)].copies;
        int updated = 0;
        if (c > kCopyLimit - 1) {
            if (!IsGeneration(source.cardNumber)) return false;
            updated = Capped(c + k);
            k = updated - c;
        } else {
            updated = c + k;
            if (updated > kCopyLimit) {
                k -= updated - kCopyLimit;
                updated = kCopyLimit;
            }
        }
        setCopies(index, found, updated);
    } else {
        appendRow(index, DeckEntry{source.faction, source.cardNumber, source.cardName,
                                   static_cast<std::int16_t>(k)});
    }
    cKazu = static_cast<std::int16_t>(k);

    setTotal(index, SumOfCopies(lists_[index].rows));
    if (index == kMain) {
        tally(source.faction, source.cardNumber, k);
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
    return true;
}

bool DeckModel::MoveOneCopy(int toIndex) {
    if (!validList(toIndex)) return false;
    std::int16_t one = 1;
    if (!AddSide(one, toIndex, 1 - toIndex)) return false;
    RemoveOneCopy(1 - toIndex);
    return true;
}

void DeckModel::RemoveOneCopy(int index) {
    if (!validList(index)) return;
    const std::optional<int> selected = lists_[index].selectedRow();
    if (!selected) return;
    const DeckEntry entry = lists_[index].rows[static_cast<std::size_t>(*selected)];

    if (index == kMain) tally(entry.faction, entry.cardNumber, -1);
    setTotal(index, totals_[index] - 1);
    if (entry.copies - 1 <= 0)
        removeRow(index, *selected);
    else
        setCopies(index, *selected, entry.copies - 1);
    if (index == kMain) {
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
}

void DeckModel::RemoveEntry(int index) {
    if (!validList(index)) return;
    const std::optional<int> selected = lists_[index].selectedRow();
    if (!selected) return;
    const DeckEntry entry = lists_[index].rows[static_cast<std::size_t>(*selected)];

    if (index == kMain) tally(entry.faction, entry.cardNumber, -entry.copies);
    setTotal(index, totals_[index] - entry.copies);
    removeRow(index, *selected);
    if (index == kMain) {
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
}

void DeckModel::ClearDecks() {
    for (int index : {kMain, kSide}) {
        const bool hadSelection = lists_[index].selected.has_value();
        notify([index](DeckObserver& o) { o.listAboutToBeReset(index); });
        lists_[index].rows.clear();
        lists_[index].selected.reset();
        notify([index](DeckObserver& o) { o.listReset(index); });
        if (hadSelection) notify([index](DeckObserver& o) { o.selectionChanged(index); });
    }
    setTotal(kMain, 0);
    setTotal(kSide, 0);
    stats_.ResetDeckStats();
    notify([](DeckObserver& o) { o.statsChanged(); });
    notify([](DeckObserver& o) { o.decksCleared(); });
}

bool DeckModel::ReorderEntry(int index, int draggedRow, int targetRow) {
    if (!validList(index)) return false;
    DeckList& l = lists_[index];
    if (draggedRow < 0 || draggedRow >= l.size() || targetRow < 0 || targetRow >= l.size())
        return false;
    // The entry lands just before the target: one place higher when it came
    // from above, so a drop on the row just below it changes nothing.
    const int to = draggedRow < targetRow ? targetRow - 1 : targetRow;
    if (to == draggedRow) return false;

    notify([&](DeckObserver& o) { o.rowAboutToBeMoved(index, draggedRow, targetRow); });
    auto first = l.rows.begin();
    if (draggedRow < to)
        std::rotate(first + draggedRow, first + draggedRow + 1, first + to + 1);
    else
        std::rotate(first + to, first + draggedRow, first + draggedRow + 1);
    const std::optional<int> before = l.selected;
    if (l.selectedRow()) l.selected = MovedPosition(*l.selected, draggedRow, to);
    notify([&](DeckObserver& o) { o.rowMoved(index, draggedRow, targetRow); });
    if (l.selected != before) notify([&](DeckObserver& o) { o.selectionChanged(index); });
    return true;
}

void DeckModel::ApplyShortFactionNames(bool shortNames) {
    for (int index : {kMain, kSide}) {
        for (int r = 0; r < lists_[index].size(); ++r) {
            DeckEntry& e = lists_[index].rows[static_cast<std::size_t>(r)];
            std::string rewritten =
                shortNames ? ShortFactionName(e.faction) : LongFactionName(e.faction);
            if (rewritten == e.faction) continue;
            e.faction = std::move(rewritten);
            notify([&](DeckObserver& o) { o.rowChanged(index, r); });
        }
    }
}

void DeckModel::ReplaceDecks(std::vector<DeckEntry> mainRows, std::vector<DeckEntry> sideRows) {
    auto dropEmpty = [](std::vector<DeckEntry>& rows) {
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [](const DeckEntry& e) { return e.copies < 1; }),
                   rows.end());
    };
    dropEmpty(mainRows);
    dropEmpty(sideRows);

    stats_.ResetDeckStats();
    setTotal(kMain, 0);
    std::array<std::vector<DeckEntry>*, 2> incoming{&mainRows, &sideRows};
    for (int index : {kMain, kSide}) {
        const bool hadSelection = lists_[index].selected.has_value();
        notify([index](DeckObserver& o) { o.listAboutToBeReset(index); });
        lists_[index].rows = std::move(*incoming[static_cast<std::size_t>(index)]);
        lists_[index].selected.reset();
        notify([index](DeckObserver& o) { o.listReset(index); });
        if (hadSelection) notify([index](DeckObserver& o) { o.selectionChanged(index); });
    }
    for (const DeckEntry& e : lists_[kMain].rows) tally(e.faction, e.cardNumber, e.copies);
    setTotal(kMain, SumOfCopies(lists_[kMain].rows));
    setTotal(kSide, SumOfCopies(lists_[kSide].rows));
    notify([](DeckObserver& o) { o.statsChanged(); });
    notify([](DeckObserver& o) { o.mainDeckTallied(); });
}

std::vector<FactionBarSegment> DeckModel::LayoutFactionBar(double innerWidth) const {
    return stats_.LayoutFactionBar(innerWidth, totals_[kMain]);
}

void DeckModel::setTotal(int index, int value) {
    const auto total = static_cast<DeckTotal>(value);
    if (totals_[index] == total) return;
    totals_[index] = total;
    notify([index](DeckObserver& o) { o.totalChanged(index); });
}

void DeckModel::tally(std::string_view faction, std::string_view cardNumber, int copies) {
    stats_.TallyCard(faction, cardNumber, static_cast<std::int16_t>(copies));
}

void DeckModel::appendRow(int index, DeckEntry entry) {
    const int row = lists_[index].size();
    notify([&](DeckObserver& o) { o.rowAboutToBeInserted(index, row); });
    lists_[index].rows.push_back(std::move(entry));
    notify([&](DeckObserver& o) { o.rowInserted(index, row); });
}

void DeckModel::removeRow(int index, int row) {
    DeckList& l = lists_[index];
    notify([&](DeckObserver& o) { o.rowAboutToBeRemoved(index, row); });
    l.rows.erase(l.rows.begin() + row);
    const std::optional<int> before = l.selected;
    if (l.selected) {
        if (*l.selected == row)
            l.selected.reset();
        else if (*l.selected > row)
            l.selected = *l.selected - 1;
    }
    notify([&](DeckObserver& o) { o.rowRemoved(index, row); });
    if (l.selected != before) notify([&](DeckObserver& o) { o.selectionChanged(index); });
}

void DeckModel::setCopies(int index, int row, int copies) {
    lists_[index].rows[static_cast<std::size_t>(row)].copies = static_cast<std::int16_t>(copies);
    notify([&](DeckObserver& o) { o.rowChanged(index, row); });
}

void DeckModel::setSelected(int index, std::optional<int> row) {
    if (lists_[index].selected == row) return;
    lists_[index].selected = row;
    notify([index](DeckObserver& o) { o.selectionChanged(index); });
}

}  // namespace svdb
