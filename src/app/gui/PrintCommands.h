#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "files/DeckPrintout.h"
#include "files/FileNames.h"

class QMenu;
class QWidget;

namespace svdb {

class DeckModel;
class DeckPane;
class MainDeckStats;

// The file menu's "印刷..." and "PDFで保存": both lay the deck out on A4 pages
// (DeckPrintPage) under the deck pane's title. "印刷..." asks for a printer in
// the print dialog; "PDFで保存" asks for a file name in the file window and
// writes the PDF, replacing a file only once the new one is complete. Like
// the other saves, both do nothing while the main deck is empty. A failure is
// shown in the error box.
class PrintCommands : public QObject {
    Q_OBJECT

  public:
    // window parents the dialogs and the message boxes; every reference
    // outlives the commands.
    PrintCommands(const DeckModel& deck, const MainDeckStats& stats, const DeckPane& deckPane,
                  QWidget* window);

    // Adds "印刷..." (PrintDeck) and "PDFで保存" (SavePdf) to the menu.
    void addItems(QMenu* menu);

    // The menu items.
    void PrintDeck();
    void SavePdf();

    // Writes the PDF of the deck to path; false, after the error box, when it
    // could not.
    bool savePdf(const std::string& path);

    // What the page shows of the deck as it is now.
    DeckPrintout printout() const;

  signals:
    // Text for the status label.
    void statusChanged(const QString& text);

  private:
    bool hasMainDeck() const;
    void error(const QString& text);

    const DeckModel& deck_;
    const MainDeckStats& stats_;
    const DeckPane& deckPane_;
    QWidget* window_;
};

}  // namespace svdb
