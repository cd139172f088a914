#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "catalogue/CardListLoader.h"

namespace svdb {

class FileWindow;
class CardTable;
class MainWindow;

// The program's start-up: finds the help file and the card list in the
// program's folder (or, installed, its shared data folder: AppPaths), loads
// the catalogue and shows the main window; when the card list cannot be
// loaded, the file window opens instead to choose a card list, and the main
// window follows once a list has been chosen and loaded.
class Startup : public QObject {
    Q_OBJECT

  public:
    using Loader = std::function<LoadOutcome(CardTable&, const std::string&)>;

    // appDir is the program's folder; loader reads a card list into the table.
    Startup(CardTable& table, QString appDir, Loader loader, QObject* parent = nullptr);
    ~Startup() override;

    // Runs the start-up sequence. True when the main window was shown, false
    // when the chooser opened instead.
    bool run();
    // A deck file to open once the main window is first shown (named on the
    // command line); none when empty.
    void setDeckToOpen(const QString& path) { deckToOpen_ = path; }

    QString helpFilePath() const { return helpFilePath_; }
    QString cardListPath() const { return cardListPath_; }
    // The main window, once created; it lives as long as this object.
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    // The file window choosing a card list, once opened.
    FileWindow* chooser() const { return chooser_.get(); }

  signals:
    void mainWindowShown();
    // The file window was closed without a card list while no main window
    // is shown: nothing is left to run.
    void abandoned();

  private:
    // Loads a card list; one that cannot be read says why in the error box.
    bool loadCardList(const QString& path);
    // The main window without its load handler, which needs the list.
    void buildMainWindow();
    void showMainWindow(const QString& path);
    void openChooser();
    bool onCardListChosen(const QString& path);

    CardTable& table_;
    QString appDir_;
    Loader loader_;
    QString helpFilePath_;
    QString cardListPath_;
    QString deckToOpen_;
    // Where and why the last card list loaded stopped part-way, or empty.
    QString loadStop_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<FileWindow> chooser_;
};

}  // namespace svdb
