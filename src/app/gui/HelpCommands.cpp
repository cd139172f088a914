#include "app/gui/HelpCommands.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include "app/gui/SplashWindow.h"
#include "catalogue/CardTable.h"
#include "text/WrapText.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

HelpCommands::HelpCommands(const CardTable& table, QWidget* window)
    : QObject(window), table_(table), window_(window) {}

void HelpCommands::AboutSub_Click(int index) {
    if (index == 0) {
        openHelpFile();
    } else {
        auto* about = new SplashWindow(toQString(table_.ListVersion), window_);
        about->show();
        about->activateWindow();
    }
}

void HelpCommands::openHelpFile() {
    const auto fail = [this](const char* what) {
        MessageBoxes::error(window_, helpFilePath_ + u8(what));
    };
    if (!QFileInfo(helpFilePath_).isFile()) {
        fail("\nヘルプファイルが見つかりません。");
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath_))) {
        fail("\nヘルプファイルを開くプログラムがありません。");
    }
}

void HelpCommands::showKeywordHelp(const QString& title, const QString& text, bool openHelpFirst) {
    if (openHelpFirst) openHelpFile();
    MessageBoxes::show(window_, title, toQString(WrapText(text.toStdString(), 40)),
                       QMessageBox::Information, QMessageBox::Ok);
}

}  // namespace svdb
