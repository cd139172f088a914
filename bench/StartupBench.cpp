// Start-up as the program runs it, from the card list file to the first paint
// of the main window listing the full generated catalogue (7 x 501 cards),
// beside the floor any window of the program stands on: a bare main window
// with the same fonts and two Japanese labels, up to its first paint. Both
// windows are shown on the offscreen platform and destroyed after each run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "CatalogueGenerator.h"
#include "app/AppPaths.h"
#include "app/gui/MainWindow.h"
#include "app/gui/Startup.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "search/gui/CardListPane.h"
#include "text/FileBytes.h"
#include "widgets/AppFonts.h"

namespace {

// The application of the whole run, with the fonts the program sets up in
// main().
QApplication& App() {
    static int argc = 1;
    static char name[] = "svdb_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = [] {
        auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!existing) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            existing = new QApplication(argc, argv);
        }
        svdb::AppFonts::installSubstitutes();
        QApplication::setFont(svdb::AppFonts::proportional());
        return existing;
    }();
    return *app;
}

// A program folder holding the generated card list, written once.
const QString& ProgramDir() {
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        const std::string path = svdb::AppPaths::CardListPath(d->path().toStdString());
        if (!svdb::WriteFileBytes(path, svdb::GenerateCatalogueBytes())) d.reset();
        return d;
    }();
    static const QString path = dir ? dir->path() : QString();
    return path;
}

// Tells when a widget has received its first paint.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
    // Delivers events until the paint has come (the pass that paints it
    // paints and flushes the whole window).
    void wait() const {
        while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    bool painted = false;
};

// Everything a destroyed window left for the event loop.
void DrainEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The program's start-up: load the card list from the program folder, build
// the main window, show it, up to its first paint.
void BM_StartupToFirstPaint(benchmark::State& state) {
    App();
    const QString& dir = ProgramDir();
    if (dir.isEmpty()) {
        state.SkipWithError("cannot write the card list");
        return;
    }
    int cards = 0;
    for (auto _ : state) {
        auto table = std::make_unique<svdb::CardTable>();
        std::optional<svdb::Startup> startup;
        startup.emplace(*table, dir, [](svdb::CardTable& t, const std::string& path) {
            return svdb::LoadCardList(t, path);
        });
        if (!startup->run()) {
            state.SkipWithError("the card list did not load");
            break;
        }
        FirstPaint(startup->mainWindow()->centralWidget()).wait();

        state.PauseTiming();
        cards = startup->mainWindow()->cardListPane()->cardCount();
        startup.reset();
        table.reset();
        DrainEvents();
        state.ResumeTiming();
    }
    state.counters["cards"] = cards;
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

// The floor: a main window of the same size and fonts with two labels.
void BM_BareWindowToFirstPaint(benchmark::State& state) {
    App();
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        window->setFont(svdb::AppFonts::proportional());
        auto* central = new QWidget(window.get());
        auto* column = new QVBoxLayout(central);
        column->addWidget(new QLabel(QString::fromUtf8("カード名"), central));
        column->addWidget(new QLabel(QString::fromUtf8("拡張セット"), central));
        window->setCentralWidget(central);
        window->resize(svdb::MainWindow::kNormalWidth, svdb::MainWindow::kNormalHeight);
        window->show();
        FirstPaint(central).wait();

        state.PauseTiming();
        window.reset();
        DrainEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
