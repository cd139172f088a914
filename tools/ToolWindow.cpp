#include "ToolWindow.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>

#include "app/gui/MainWindow.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/CardTable.h"
#include "widgets/AppFonts.h"
#include "widgets/AppStyle.h"

namespace svdb {

std::unique_ptr<MainWindow> OpenToolWindow(CardTable& table, const char* path) {
    QApplication::setApplicationName(QStringLiteral("SVDB"));
    AppStyle::install();
    AppFonts::installSubstitutes();
    QApplication::setFont(AppFonts::proportional());
    if (!LoadCardList(table, path).opened) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(table);
    window->setStatusText(QStringLiteral("Load ") + QString::fromLocal8Bit(path));
    window->show();
    window->Change_List();
    return window;
}

void PressButton(QWidget& window, const char* name) {
    window.findChild<QPushButton*>(QLatin1String(name))->click();
}

}  // namespace svdb
