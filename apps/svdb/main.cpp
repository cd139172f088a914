#include <QApplication>
#include <QFileInfo>

#include "app/CardListPreload.h"
#include "app/gui/Startup.h"
#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/AppStyle.h"
#include "widgets/AppTranslations.h"

// SVDB: runs until its last window closes. A deck file named as the one
// argument is opened once the main window is shown.
int main(int argc, char** argv) {
    // The card list is read while Qt and the windows are set up.
    svdb::CardListPreload preload(svdb::CardListPreload::ProgramFolder());
    QApplication app(argc, argv);
    // Before any window, so Qt's own buttons and dialogs come up in Japanese.
    if (!svdb::AppTranslations::install()) {
        qWarning(
            "SVDB: Qt's Japanese catalogue (qtbase_ja) was not found; "
            "standard buttons stay in English");
    }
    QApplication::setApplicationName(QStringLiteral("SVDB"));
    svdb::AppStyle::install();
    svdb::AppFonts::installSubstitutes();
    QApplication::setFont(svdb::AppFonts::proportional());

    svdb::Startup startup(
        preload.table(), QCoreApplication::applicationDirPath(),
        [&preload](svdb::CardTable&, const std::string& path) { return preload.load(path); });
    QObject::connect(&startup, &svdb::Startup::abandoned, &app, &QCoreApplication::quit);
    if (argc >= 2)
        startup.setDeckToOpen(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    startup.run();
    return QApplication::exec();
}
