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

}  // namespace

DeckModel::DeckModel(const CardTable& table) : table_(&table) {}

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

bool DeckModel::AddCard(std::int16_t& copies, int index, std::optional<CardRef> current,
                        const DeckOptions& options) {
    if (!current) return false;
    return addCard(*current, copies, index, options);
}

bool DeckModel::AddListItem(CardRef card, std::int16_t& copies, int index,
                            const DeckOptions& options) {
    return addCard(card, copies, index, options);
}

bool DeckModel::addCard(CardRef card, std::int16_t& copies, int index, const DeckOptions& options) {
    if (!validList(index) || copies < 1) return false;
    if (card.slot < 0 || card.slot >= CardTable::kSlots || card.row < 0 ||
        card.row >= CardTable::kRows)
        return false;
    const CardRecord& record = table_->at(card.slot, card.row);
    if (!record.occupied()) return false;
    // The texts the card list shows for the record.
    const std::string_view cardNumber = record.cardNumber;
    const std::string_view cardName = record.front.name;

    const DeckList& target = lists_[index];
    const DeckList& other = lists_[1 - index];
    const std::string faction = DeckFactionText(record.faction, options);
    const DeckEntry asEntry{faction, std::string(cardNumber), std::string(cardName), 0};
    const bool generation = IsGeneration(cardNumber);

    // Per name: no more once the list holds three copies of the name.
    if (!generation && !options.noCopyLimit && CountCopiesByName(cardName, index) > kCopyLimit - 1)
        return false;

    // Allowance: what the other list leaves of the three copies; the last
    // identical entry there counts.
    int allowance = kCopyLimit;
    for (const DeckEntry& e : other.rows)
        if (e.identicalTo(asEntry)) allowance = kCopyLimit - e.copies;

    int found = -1;
    for (int r = 0; r < target.size(); ++r) {
        const DeckEntry& e = target.rows[static_cast<std::size_t>(r)];
        if (e.cardName == cardName && e.cardNumber == cardNumber &&
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
        appendRow(index, DeckEntry{faction, std::string(cardNumber), std::string(cardName),
                                   static_cast<std::int16_t>(n)});
        notify([index](DeckObserver& o) { o.entryAppended(index); });
    }
    copies = static_cast<std::int16_t>(n);

    setTotal(index, SumOfCopies(lists_[index].rows));
    if (index == kMain) {
        tally(tallied, cardNumber, n);
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

bool DeckModel::validRow(int index, int row) const {
    return validList(index) && row >= 0 && row < lists_[index].size();
}

bool DeckModel::AddSide(std::int16_t& cKazu, int index, int fromIndex, int fromRow) {
    if (!validList(index) || !validList(fromIndex) || index == fromIndex || cKazu < 1) return false;
    if (!validRow(fromIndex, fromRow)) return false;
    const DeckEntry source = lists_[fromIndex].rows[static_cast<std::size_t>(fromRow)];
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

bool DeckModel::MoveOneCopy(int toIndex, int fromRow) {
    if (!validList(toIndex)) return false;
    std::int16_t one = 1;
    if (!AddSide(one, toIndex, 1 - toIndex, fromRow)) return false;
    RemoveOneCopy(1 - toIndex, fromRow);
    return true;
}

void DeckModel::RemoveOneCopy(int index, int row) {
    if (!validRow(index, row)) return;
    const DeckEntry entry = lists_[index].rows[static_cast<std::size_t>(row)];

    if (index == kMain) tally(entry.faction, entry.cardNumber, -1);
    setTotal(index, totals_[index] - 1);
    if (entry.copies - 1 <= 0)
        removeRow(index, row);
    else
        setCopies(index, row, entry.copies - 1);
    if (index == kMain) {
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
}

void DeckModel::RemoveEntry(int index, int row) {
    if (!validRow(index, row)) return;
    const DeckEntry entry = lists_[index].rows[static_cast<std::size_t>(row)];

    if (index == kMain) tally(entry.faction, entry.cardNumber, -entry.copies);
    setTotal(index, totals_[index] - entry.copies);
    removeRow(index, row);
    if (index == kMain) {
        notify([](DeckObserver& o) { o.statsChanged(); });
        notify([](DeckObserver& o) { o.mainDeckTallied(); });
    }
}

void DeckModel::ClearDecks() {
    for (int index : {kMain, kSide}) {
        notify([index](DeckObserver& o) { o.listAboutToBeReset(index); });
        lists_[index].rows.clear();
        notify([index](DeckObserver& o) { o.listReset(index); });
    }
    setTotal(kMain, 0);
    setTotal(kSide, 0);
    resetStats();
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
    notify([&](DeckObserver& o) { o.rowMoved(index, draggedRow, targetRow); });
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
    // A total holds at most 32767 copies: as reading a deck file ends at the
    // row its total cannot take, the rows from there on are dropped.
    auto dropBeyondTotal = [](std::vector<DeckEntry>& rows) {
        int total = 0;
        const auto beyond = std::find_if(rows.begin(), rows.end(), [&total](const DeckEntry& e) {
            total += e.copies;
            return total > std::numeric_limits<DeckTotal>::max();
        });
        rows.erase(beyond, rows.end());
    };
    dropEmpty(mainRows);
    dropEmpty(sideRows);
    dropBeyondTotal(mainRows);
    dropBeyondTotal(sideRows);

    resetStats();
    setTotal(kMain, 0);
    std::array<std::vector<DeckEntry>*, 2> incoming{&mainRows, &sideRows};
    for (int index : {kMain, kSide}) {
        notify([index](DeckObserver& o) { o.listAboutToBeReset(index); });
        lists_[index].rows = std::move(*incoming[static_cast<std::size_t>(index)]);
        notify([index](DeckObserver& o) { o.listReset(index); });
    }
    for (const DeckEntry& e : lists_[kMain].rows) tally(e.faction, e.cardNumber, e.copies);
    setTotal(kMain, SumOfCopies(lists_[kMain].rows));
    setTotal(kSide, SumOfCopies(lists_[kSide].rows));
    notify([](DeckObserver& o) { o.statsChanged(); });
    notify([](DeckObserver& o) { o.mainDeckTallied(); });
}

void DeckModel::setTotal(int index, int value) {
    const auto total = static_cast<DeckTotal>(value);
    if (totals_[index] == total) return;
    totals_[index] = total;
    notify([index](DeckObserver& o) { o.totalChanged(index); });
}

// Every observer hears the tallies and resets of an operation before any of
// them hears its statsChanged.
void DeckModel::tally(std::string_view faction, std::string_view cardNumber, int copies) {
    notify([&](DeckObserver& o) { o.copiesTallied(faction, cardNumber, copies); });
}

void DeckModel::resetStats() {
    notify([](DeckObserver& o) { o.statsReset(); });
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
    notify([&](DeckObserver& o) { o.rowRemoved(index, row); });
}

void DeckModel::setCopies(int index, int row, int copies) {
    lists_[index].rows[static_cast<std::size_t>(row)].copies = static_cast<std::int16_t>(copies);
    notify([&](DeckObserver& o) { o.rowChanged(index, row); });
}

}  // namespace svdb
