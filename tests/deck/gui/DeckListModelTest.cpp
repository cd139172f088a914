#include <QAbstractItemModelTester>
#include <QColor>
#include <random>

#include "DeckTestSupport.h"
#include "catalogue/RowColour.h"
#include "deck/DeckModel.h"
#include "deck/gui/DeckListModel.h"

namespace svdb::testing {
namespace {

std::string rowText(const QAbstractItemModel& m, int r) {
    QString s;
    for (int c = 0; c < m.columnCount(); ++c) s += m.index(r, c).data().toString() + '|';
    const QColor bg = m.index(r, 0).data(Qt::BackgroundRole).value<QColor>();
    return (s + bg.name()).toStdString();
}

std::string entryText(const DeckEntry& e) {
    const Rgb c = FactionRowColour(e.faction);
    return e.faction + '|' + e.cardNumber + '|' + e.cardName + '|' + std::to_string(e.copies) +
           '|' + QColor(c.r, c.g, c.b).name().toStdString();
}

// Rebuilds a list from the model's signals alone, the way a view keeps its
// rows: a wrong insert, remove, move or change notice leaves it out of step.
class SignalMirror {
  public:
    explicit SignalMirror(const QAbstractItemModel& m) : m_(m) {
        reload();
        QObject::connect(&m, &QAbstractItemModel::rowsInserted, [this](auto&, int first, int last) {
            for (int r = first; r <= last; ++r) rows.insert(rows.begin() + r, rowText(m_, r));
        });
        QObject::connect(&m, &QAbstractItemModel::rowsRemoved, [this](auto&, int first, int last) {
            rows.erase(rows.begin() + first, rows.begin() + last + 1);
        });
        QObject::connect(&m, &QAbstractItemModel::rowsMoved,
                         [this](auto&, int first, int last, auto&, int destination) {
                             ASSERT_EQ(first, last);
                             const std::string moved = rows[static_cast<std::size_t>(first)];
                             rows.erase(rows.begin() + first);
                             const int to = destination > first ? destination - 1 : destination;
                             rows.insert(rows.begin() + to, moved);
                         });
        QObject::connect(&m, &QAbstractItemModel::dataChanged,
                         [this](const QModelIndex& from, const QModelIndex& to) {
                             for (int r = from.row(); r <= to.row(); ++r)
                                 rows[static_cast<std::size_t>(r)] = rowText(m_, r);
                         });
        QObject::connect(&m, &QAbstractItemModel::modelReset, [this] { reload(); });
    }
    std::vector<std::string> rows;

  private:
    void reload() {
        rows.clear();
        for (int r = 0; r < m_.rowCount(); ++r) rows.push_back(rowText(m_, r));
    }
    const QAbstractItemModel& m_;
};

std::vector<std::string> expected(const DeckModel& deck, int list) {
    std::vector<std::string> rows;
    for (const DeckEntry& e : deck.list(list).rows) rows.push_back(entryText(e));
    return rows;
}

TEST(DeckListModelTest, FollowsARandomRunOfDeckOperations) {
    const CardTable table = MakeTestTable();
    DeckModel deck(table);
    DeckListModel main, side;
    main.setDeck(&deck, 0);
    side.setDeck(&deck, 1);
    QAbstractItemModelTester mainTester(&main,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester sideTester(&side,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
    SignalMirror mainMirror(main), sideMirror(side);

    std::mt19937 random(20240611);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::vector<TestCard>& cards = TestCards();
    for (int step = 0; step < 3000; ++step) {
        SCOPED_TRACE(step);
        const int list = pick(2);
        const int size = deck.list(list).size();
        // A row of the list, now and then one outside it.
        const int row = pick(size + 1);
        DeckOptions options;
        options.shortFactionNames = pick(4) == 0;
        options.noCopyLimit = pick(5) == 0;
        options.collectMode = pick(5) == 0;
        switch (pick(10)) {
            case 0:
            case 1:
            case 2: {
                std::int16_t n = pick(2) ? 3 : 1;
                const TestCard& c = cards[static_cast<std::size_t>(pick(cards.size()))];
                deck.AddListItem(Ref(c.number), n, list, options);
                break;
            }
            case 3:
            case 4:
                deck.RemoveOneCopy(list, row);
                break;
            case 5:
                if (pick(3) == 0) deck.RemoveEntry(list, row);
                break;
            case 6:
                deck.MoveOneCopy(1 - list, row);
                break;
            case 7:
                if (size) deck.ReorderEntry(list, pick(size), pick(size));
                break;
            case 8:
                deck.ApplyShortFactionNames(pick(2) == 0);
                break;
            case 9:
                if (pick(40) == 0) deck.ClearDecks();
                if (pick(60) == 0)
                    deck.ReplaceDecks({Entry("連邦", "U-1", "レイヴン", 2),
                                       Entry("ティタ", "U-4", "ヘルムート", 5)},
                                      {Entry("Seed", "U-7", "スパーダ", 1)});
                break;
        }
        ASSERT_EQ(mainMirror.rows, expected(deck, 0));
        ASSERT_EQ(sideMirror.rows, expected(deck, 1));
    }
}

}  // namespace
}  // namespace svdb::testing
