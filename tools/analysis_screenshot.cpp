// Builds a 50-card main deck in the main window with the add buttons, opens
// the analysis menu's two windows and saves a picture of each: the cost graph
// and the draw simulator after a shuffle and "Draw 6".
//   usage: analysis_screenshot CARDLIST.csv COST_GRAPH.png DRAW_SIMULATOR.png
// Runs on any platform plugin; QT_QPA_PLATFORM=offscreen needs no display.

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <cstdio>

#include "ToolWindow.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "search/gui/CardListPane.h"
#include "simulator/gui/TestDrawForm.h"
#include "stats/gui/Form4.h"

namespace {

bool save(QWidget* w, const char* path) {
    if (w && w->grab().save(QString::fromLocal8Bit(path))) {
        std::printf("saved %s\n", path);
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", path);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s CARDLIST.csv COST_GRAPH.png DRAW_SIMULATOR.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    svdb::CardTable table;
    const std::unique_ptr<svdb::MainWindow> window = svdb::OpenToolWindow(table, argv[1]);
    if (!window) return 1;
    svdb::MainWindow& w = *window;
    QTableView* list = w.cardListPane()->view();
    const QAbstractItemModel* cards = list->model();

    // Three copies of each of the first sixteen cards that are not
    // GENERATION cards, then GENERATION cards up to fifty.
    for (int r = 0; r < cards->rowCount() && w.deckModel().total(0) < 48; ++r) {
        if (cards->index(r, 1).data().toString().startsWith(QLatin1String("G-"))) continue;
        list->setCurrentIndex(cards->index(r, 0));
        svdb::PressButton(w, "CBadd3_0");
    }
    for (int r = 0; r < cards->rowCount() && w.deckModel().total(0) < 50; ++r) {
        if (!cards->index(r, 1).data().toString().startsWith(QLatin1String("G-"))) continue;
        list->setCurrentIndex(cards->index(r, 0));
        while (w.deckModel().total(0) < 50) svdb::PressButton(w, "CBadd1_0");
    }
    if (w.deckModel().total(0) != 50) {
        std::fprintf(stderr, "the card list does not make a 50-card deck\n");
        return 1;
    }

    // The main window hears of the total's changes once events are processed.
    QTest::qWait(100);
    w.findChild<QAction*>(QStringLiteral("costgraph"))->trigger();
    w.findChild<QAction*>(QStringLiteral("TestDraw"))->trigger();
    svdb::TestDrawForm* sim = w.drawSimulator();
    if (sim) {
        svdb::PressButton(*sim, "Command4");
        svdb::PressButton(*sim, "Command2");
    }
    QTest::qWait(200);
    const bool ok = save(w.costGraph(), argv[2]) && save(sim, argv[3]);
    return ok ? 0 : 1;
}
