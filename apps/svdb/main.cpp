#include <QApplication>

#include "app/gui/Startup.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/AppTranslations.h"

// SVDB: takes no arguments and runs until its last window closes.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Before any window, so Qt's own buttons and dialogs come up in Japanese.
    if (!svdb::AppTranslations::install()) {
        qWarning(
            "SVDB: Qt's Japanese catalogue (qtbase_ja) was not found; "
            "standard buttons stay in English");
    }
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
