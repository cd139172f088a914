#include <QApplication>

#include "app/gui/AppFonts.h"
#include "app/gui/Startup.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"

// SVDB: takes no arguments and runs until its last window closes.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SVDB"));
    svdb::AppFonts::installSubstitutes();
    QApplication::setFont(svdb::AppFonts::proportional());

    svdb::CardTable table;
    svdb::Startup startup(
        table, QCoreApplication::applicationDirPath(),
        [](svdb::CardTable& t, const std::string& path) { return svdb::LoadCardList(t, path); });
    QObject::connect(&startup, &svdb::Startup::abandoned, &app, &QCoreApplication::quit);
    startup.run();
    return QApplication::exec();
}
