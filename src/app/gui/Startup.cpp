#include "app/gui/Startup.h"

#include <QFileInfo>
#include <utility>

#include "app/AppPaths.h"
#include "app/gui/AppFolders.h"
#include "app/gui/FileCommands.h"
#include "app/gui/MainWindow.h"
#include "catalogue/CardTable.h"
#include "files/gui/FileWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

Startup::Startup(CardTable& table, QString appDir, Loader loader, QObject* parent)
    : QObject(parent), table_(table), appDir_(std::move(appDir)), loader_(std::move(loader)) {}

Startup::~Startup() {
    // The window goes first: it may still refer to the chooser's results.
    mainWindow_.reset();
    chooser_.reset();
}

bool Startup::run() {
    const std::string dir = appDir_.toStdString();
    helpFilePath_ = QString::fromStdString(AppPaths::FindHelpFile(dir));
    cardListPath_ = QString::fromStdString(AppPaths::FindCardList(dir));

    if (!QFileInfo(cardListPath_).isFile()) {
        openChooser();
        return false;
    }
    // The window is built while the list may still be loading (the loader
    // waits for it); its load handler runs once the list is in.
    buildMainWindow();
    // A card list that is there but cannot be read says why before the
    // file window asks for another; no main window stands until one is read.
    if (!loadCardList(cardListPath_)) {
        mainWindow_.reset();
        openChooser();
        return false;
    }
    showMainWindow(cardListPath_);
    return true;
}

void Startup::buildMainWindow() {
    const std::string folder = AppFolders::writableFolder(appDir_).toStdString();
    mainWindow_ = std::make_unique<MainWindow>(
        table_, QString::fromStdString(AppPaths::SettingsPath(folder)), MainWindow::LoadLater{});
    mainWindow_->setHelpFilePath(helpFilePath_);
}

bool Startup::loadCardList(const QString& path) {
    const LoadOutcome outcome = loader_(table_, path.toStdString());
    if (!outcome.opened) {
        MessageBoxes::error(chooser_.get(), path + u8("\nカードリストを読み込めません。\n") +
                                                toQString(outcome.readFault.message()));
        return false;
    }
    loadStop_ = toQString(LoadStopMessage(outcome));
    return true;
}

void Startup::showMainWindow(const QString& path) {
    if (!mainWindow_) buildMainWindow();
    if (!mainWindow_->isLoaded()) {
        mainWindow_->Form_Load();
    } else {
        // A list chosen later replaces the catalogue the window lists.
        mainWindow_->MakeSeq();
        mainWindow_->Change_List();
    }
    // A list that stopped part-way says where and why after its path.
    mainWindow_->setStatusText(QStringLiteral("Load ") + path +
                               (loadStop_.isEmpty() ? QString() : u8("　") + loadStop_));
    mainWindow_->applyNormalSize();
    mainWindow_->centreOnScreen();
    mainWindow_->showGraphFrame(1);
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
    if (!deckToOpen_.isEmpty()) {
        // Once: a card list chosen later does not open the deck again.
        const QString deck = std::exchange(deckToOpen_, QString());
        mainWindow_->fileCommands()->openDeckFile(deck);
    }
    emit mainWindowShown();
}

void Startup::openChooser() {
    if (!chooser_) {
        chooser_ = std::make_unique<FileWindow>(
            [this](const FileRequest& request) {
                // Only a card list can start the program; anything else keeps
                // the window up.
                return request.action == FileAction::OpenCardList &&
                       onCardListChosen(QString::fromStdString(request.path));
            },
            nullptr, appDir_);
        // The window stands for the program until a card list is loaded.
        chooser_->setClosesOnFocusLoss(false);
        connect(chooser_.get(), &QDialog::finished, this, [this] {
            if (!mainWindow_ || !mainWindow_->isVisible()) emit abandoned();
        });
    }
    chooser_->Open();
    chooser_->show();
    chooser_->raise();
    chooser_->activateWindow();
}

bool Startup::onCardListChosen(const QString& path) {
    // A file that cannot be read leaves nothing to show: ask again.
    if (!loadCardList(path)) return false;
    showMainWindow(path);
    return true;
}

}  // namespace svdb
