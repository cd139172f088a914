// A whole start-up in a process of its own, for the start-up benchmark:
//   svdb_startup_probe svdb DIR   runs what the program's main runs, with DIR
//                                 as the program's folder (its SVANLIST.csv)
//   svdb_startup_probe bare       the same application set-up, then a bare
//                                 main window with two Japanese labels, one in
//                                 each of the program's fonts
// Either ends as soon as its main window has been painted once, without
// tearing anything down (what is measured ends there); the exit status is 0
// then, 1 when the card list did not load. Just before it ends, it writes to
// its standard output the microseconds from the start of main to that point.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/CardListPreload.h"
#include "app/gui/MainWindow.h"
#include "app/gui/Startup.h"
#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/AppStyle.h"
#include "widgets/AppTranslations.h"

namespace {

std::chrono::steady_clock::time_point mainStarted;

// Quits once a main window has finished its first paint.
class FirstPaintQuits : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && qobject_cast<QMainWindow*>(w->window())) {
                quitting_ = true;
                QTimer::singleShot(0, qApp, [] {
                    const auto elapsed = std::chrono::steady_clock::now() - mainStarted;
                    std::printf("%lld\n",
                                static_cast<long long>(
                                    std::chrono::duration_cast<std::chrono::microseconds>(elapsed)
                                        .count()));
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

  private:
    bool quitting_ = false;
};

// What both runs do before their window: the program's application set-up,
// and the quitting at the first paint.
void SetUp(QApplication& app, FirstPaintQuits& quits) {
    svdb::AppTranslations::install();
    svdb::AppStyle::install();
    svdb::AppFonts::installSubstitutes();
    QApplication::setFont(svdb::AppFonts::proportional());
    app.installEventFilter(&quits);
}

int RunBare(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaintQuits quits;
    SetUp(app, quits);
    QMainWindow window;
    window.setFont(svdb::AppFonts::proportional());
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    // One label in each of the program's two fonts.
    column->addWidget(new QLabel(QString::fromUtf8("カード名"), central));
    auto* fixed = new QLabel(QString::fromUtf8("拡張セット"), central);
    fixed->setFont(svdb::AppFonts::fixed());
    column->addWidget(fixed);
    window.setCentralWidget(central);
    window.resize(svdb::MainWindow::kNormalWidth, svdb::MainWindow::kNormalHeight);
    window.show();
    return QApplication::exec();
}

// The program's main with dir as the program's folder.
int RunProgram(int argc, char** argv, const std::string& dir) {
    svdb::CardListPreload preload(dir);
    QApplication app(argc, argv);
    FirstPaintQuits quits;
    SetUp(app, quits);
    svdb::Startup startup(
        preload.table(), QString::fromStdString(dir),
        [&preload](svdb::CardTable&, const std::string& path) { return preload.load(path); });
    if (!startup.run()) return 1;
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    mainStarted = std::chrono::steady_clock::now();
    if (argc >= 2 && std::strcmp(argv[1], "bare") == 0) return RunBare(argc, argv);
    if (argc < 3) return 2;
    return RunProgram(argc, argv, argv[2]);
}
