// Builds a 50-card main deck and a small side deck in the main window, the way
// a user does with the add buttons, and saves a picture of the window.
//   usage: deck_screenshot CARDLIST.csv OUT.png [TAB]
// TAB picks the frame below the deck lists: 1 "デッキ情報" (default), 2 "グラフ".
// Runs on any platform plugin; QT_QPA_PLATFORM=offscreen needs no display.

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <cstdio>

#include "ToolWindow.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "deck/gui/DeckPane.h"
#include "search/gui/CardListPane.h"

namespace {

// Makes the card-list row current whose number is given; false when absent.
bool pickCard(svdb::MainWindow& w, const QString& number) {
    const QAbstractItemModel* m = w.cardListPane()->view()->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        if (m->index(r, 1).data().toString() == number) {
            w.cardListPane()->view()->setCurrentIndex(m->index(r, 0));
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CARDLIST.csv OUT.png [TAB]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    svdb::CardTable table;
    const std::unique_ptr<svdb::MainWindow> window = svdb::OpenToolWindow(table, argv[1]);
    if (!window) return 1;
    svdb::MainWindow& w = *window;
    const QAbstractItemModel* cards = w.cardListPane()->view()->model();
    if (cards->rowCount() == 0) {
        std::fprintf(stderr, "the card list is empty\n");
        return 1;
    }

    // Three copies each of the first UNIT, CHARACTER, COMMAND and OPERATION
    // cards of two factions, then GENERATION cards up to fifty.
    const char* const prefixes[] = {"U-", "CH-", "C-", "O-"};
    for (const QString& faction : {QStringLiteral("連邦"), QStringLiteral("ジオン")}) {
        for (const char* prefix : prefixes) {
            int wanted = prefix[0] == 'U' ? 3 : prefix[1] == 'H' ? 2 : 1;
            for (int r = 0; r < cards->rowCount() && wanted > 0; ++r) {
                const QString number = cards->index(r, 1).data().toString();
                if (cards->index(r, 0).data().toString() != faction ||
                    !number.startsWith(QLatin1String(prefix)))
                    continue;
                w.cardListPane()->view()->setCurrentIndex(cards->index(r, 0));
                svdb::PressButton(w, "CBadd3_0");
                --wanted;
            }
        }
    }
    for (int r = 0; r < cards->rowCount() && w.deckModel().total(0) < 50; ++r) {
        if (!cards->index(r, 1).data().toString().startsWith(QLatin1String("G-"))) continue;
        w.cardListPane()->view()->setCurrentIndex(cards->index(r, 0));
        while (w.deckModel().total(0) < 50) svdb::PressButton(w, "CBadd1_0");
    }
    // A side deck of a few answers from a third faction.
    int side = 0;
    for (int r = 0; r < cards->rowCount() && side < 3; ++r) {
        if (cards->index(r, 0).data().toString() != QStringLiteral("ネオジオン")) continue;
        w.cardListPane()->view()->setCurrentIndex(cards->index(r, 0));
        svdb::PressButton(w, side == 0 ? "CBadd3_1" : "CBadd1_1");
        ++side;
    }
    pickCard(w, cards->index(0, 1).data().toString());

    w.showGraphFrame(argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1);
    QTest::qWait(200);
    if (!w.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("saved %s (main %s, side %s)\n", argv[2],
                w.deckPane()->deckTotal(0)->text().toLocal8Bit().constData(),
                w.deckPane()->deckTotal(1)->text().toLocal8Bit().constData());
    return 0;
}
