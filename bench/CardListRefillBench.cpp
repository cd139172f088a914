// The whole refill of the card list ListView1 on a full catalogue (7 x 501
// cards, "ALL" ticked): the walk, the model reset and the repaints of the
// shown window, counted per refill ("paints" for the rows, "header_paints"
// for the column header).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
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
    // Another case of the run may have made it already.
    static QApplication* const app = [] {
        if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
            return existing;
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The main window at its normal size, shown, with the full catalogue listed.
svdb::MainWindow& Window() {
    static const std::unique_ptr<svdb::MainWindow> window = [] {
        App();
        auto w = std::make_unique<svdb::MainWindow>(svdb::GeneratedCatalogue());
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return *window;
}

// Counts the paints a widget receives.
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

// The paints of the card list's rows and of its header.
struct ListPaints {
    explicit ListPaints(QTableView* view)
        : rows(view->viewport()), header(view->horizontalHeader()->viewport()) {}
    double total() const { return rows.paints + header.paints; }
    PaintCounter rows;
    PaintCounter header;
};

// Delivers everything a change left to do (posted events, zero timers and
// the paints they lead to) until three rounds in a row paint nothing more.
void Settle(const ListPaints& paints) {
    for (int quiet = 0; quiet < 3;) {
        const double before = paints.total();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        quiet = paints.total() == before ? quiet + 1 : 0;
    }
}

// Paints of the rows and the header per change.
void ReportPaints(benchmark::State& state, const ListPaints& paints, int changesPerIteration) {
    const auto perChange = [&](double n) {
        return benchmark::Counter(n / changesPerIteration, benchmark::Counter::kAvgIterations);
    };
    state.counters["paints"] = perChange(paints.rows.paints);
    state.counters["header_paints"] = perChange(paints.header.paints);
}

// Change_List and the paints it causes, as a click on a filter box does.
void BM_CardListRefillAll(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    ListPaints paints(w.cardListPane()->view());
    Settle(paints);
    paints.rows.paints = paints.header.paints = 0;
    for (auto _ : state) {
        w.Change_List();
        Settle(paints);
    }
    state.counters["cards"] = w.cardListPane()->model()->rowCount();
    ReportPaints(state, paints, 1);
}
BENCHMARK(BM_CardListRefillAll)->Unit(benchmark::kMillisecond);

// The same while the list is sorted by card name.
void BM_CardListRefillAllSorted(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    svdb::CardListModel* model = w.cardListPane()->model();
    w.cardListPane()->controller()->columnClicked(svdb::CardListModel::kCardName + 1);
    ListPaints paints(w.cardListPane()->view());
    Settle(paints);
    paints.rows.paints = paints.header.paints = 0;
    for (auto _ : state) {
        w.Change_List();
        Settle(paints);
    }
    state.counters["cards"] = model->rowCount();
    ReportPaints(state, paints, 1);
    // Sorting off again for the cases that follow.
    if (model->sortColumn() >= 0) {
        w.cardListPane()->controller()->columnClicked(svdb::CardListModel::kCardName + 1);
    }
}
BENCHMARK(BM_CardListRefillAllSorted)->Unit(benchmark::kMillisecond);

// Two faction box clicks: "ALL" off empties the list, on again lists
// everything; each is MakeSeq, the refill and its paints.
void BM_CardListFactionClick(benchmark::State& state) {
    svdb::MainWindow& w = Window();
    QCheckBox* all = w.filterPane()->factionBox(0);
    ListPaints paints(w.cardListPane()->view());
    Settle(paints);
    paints.rows.paints = paints.header.paints = 0;
    for (auto _ : state) {
        all->click();
        Settle(paints);
        all->click();
        Settle(paints);
    }
    state.counters["cards"] = w.cardListPane()->model()->rowCount();
    ReportPaints(state, paints, 2);
}
BENCHMARK(BM_CardListFactionClick)->Unit(benchmark::kMillisecond);

}  // namespace
