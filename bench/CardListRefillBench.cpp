// The whole refill of the card list ListView1 on a full catalogue (7 x 501
// cards, "ALL" ticked): the walk, the model reset and the repaint of the
// shown window.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QTableView>
#include <memory>

#include "CatalogueGenerator.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "search/gui/CardListController.h"
#include "search/gui/CardListModel.h"
#include "search/gui/CardListPane.h"
#include "search/gui/FilterPane.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "svdb_bench";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

svdb::CardTable& FullCatalogue() {
    static const std::unique_ptr<svdb::CardTable> table = [] {
        auto t = std::make_unique<svdb::CardTable>();
        svdb::LoadCardListBytes(*t, svdb::GenerateCatalogueBytes());
        return t;
    }();
    return *table;
}

// The main window at its normal size, shown, with the full catalogue listed.
svdb::MainWindow& Window() {
    static const std::unique_ptr<svdb::MainWindow> window = [] {
        App();
        auto w = std::make_unique<svdb::MainWindow>(FullCatalogue());
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return *window;
}

// Counts the paints of the card list, to show that every refill is painted.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* w) : widget_(w) { w->installEventFilter(this); }
    ~PaintCounter() override { widget_->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    double paints = 0;

  private:
    QWidget* widget_;
};

// Change_List and the paint it causes, as a click on a filter box does.
void BM_CardListRefillAll(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    PaintCounter counter(w.cardListPane()->view()->viewport());
    for (auto _ : state) {
        w.Change_List();
        QApplication::processEvents();
    }
    state.counters["cards"] = w.cardListPane()->model()->rowCount();
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CardListRefillAll)->Unit(benchmark::kMillisecond);

// The same while the list is sorted by card name.
void BM_CardListRefillAllSorted(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    svdb::CardListModel* model = w.cardListPane()->model();
    w.cardListPane()->controller()->columnClicked(svdb::CardListModel::kCardName + 1);
    for (auto _ : state) {
        w.Change_List();
        QApplication::processEvents();
    }
    state.counters["cards"] = model->rowCount();
    // Sorting off again for the cases that follow.
    if (model->sortColumn() >= 0) {
        w.cardListPane()->controller()->columnClicked(svdb::CardListModel::kCardName + 1);
    }
}
BENCHMARK(BM_CardListRefillAllSorted)->Unit(benchmark::kMillisecond);

// A faction box click: MakeSeq, the refill and the paint.
void BM_CardListFactionClick(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    QCheckBox* all = w.filterPane()->factionBox(0);
    for (auto _ : state) {
        all->click();  // off: the list empties; on again: everything
        QApplication::processEvents();
        all->click();
        QApplication::processEvents();
    }
    state.counters["cards"] = w.cardListPane()->model()->rowCount();
}
BENCHMARK(BM_CardListFactionClick)->Unit(benchmark::kMillisecond);

}  // namespace
