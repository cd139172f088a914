#include "app/gui/PrintCommands.h"

#include <QAction>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include "deck/DeckModel.h"
#include "deck/gui/DeckPane.h"
#include "files/gui/DeckPrintPage.h"
#include "files/gui/FileWindow.h"
#include "stats/MainDeckStats.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace svdb {

PrintCommands::PrintCommands(const DeckModel& deck, const MainDeckStats& stats,
                             const DeckPane& deckPane, QWidget* window)
    : QObject(window), deck_(deck), stats_(stats), deckPane_(deckPane), window_(window) {}

void PrintCommands::addItems(QMenu* menu) {
    auto item = [&](const char* name, const char* text, void (PrintCommands::*handler)()) {
        auto* a = new QAction(u8(text), menu);
        a->setObjectName(QLatin1String(name));
        menu->addAction(a);
        connect(a, &QAction::triggered, this, handler);
    };
    item("PrintDeck", "印刷...", &PrintCommands::PrintDeck);
    item("SavePdf", "PDFで保存", &PrintCommands::SavePdf);
}

bool PrintCommands::hasMainDeck() const {
    return !deck_.list(DeckModel::kMain).empty();
}

DeckPrintout PrintCommands::printout() const {
    return MakeDeckPrintout(deckPane_.title(), deck_, stats_.stats());
}

void PrintCommands::error(const QString& text) {
    MessageBoxes::error(window_, text);
}

void PrintCommands::PrintDeck() {
    if (!hasMainDeck()) return;
    const DeckPrintPage page(printout());
    QPrinter printer(QPrinter::HighResolution);
    DeckPrintPage::setUpPage(printer);
    printer.setDocName(toQString(page.printout().title));
    printer.setCreator(QStringLiteral("SVDB"));
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(u8("印刷"));
    if (dialog.exec() != QDialog::Accepted) return;
    emit statusChanged(u8("印刷 ") + toQString(page.printout().title));
    if (!page.paint(printer)) error(u8("印刷できませんでした。"));
}

void PrintCommands::SavePdf() {
    if (!hasMainDeck()) return;
    FileWindow w(
        [this](const FileRequest& r) {
            if (r.action == FileAction::SavePdf) savePdf(r.path);
            return true;
        },
        window_);
    w.setUp(FilePurpose::SavePdf, toQString(deckPane_.title()));
    w.exec();
}

bool PrintCommands::savePdf(const std::string& path) {
    const QString shownPath = toQString(path);
    emit statusChanged(QStringLiteral("Save ") + shownPath);
    std::string reason;
    if (DeckPrintPage(printout()).writePdf(path, &reason)) return true;
    error(shownPath + u8("\n保存できませんでした: ") + toQString(reason));
    return false;
}

}  // namespace svdb
