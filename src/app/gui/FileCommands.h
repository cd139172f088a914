#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "files/FileNames.h"

class QWidget;

namespace svdb {

class CardTable;
class DeckHistory;
class DeckModel;
class DeckPane;
class DeckSaveMark;
class MainDeckStats;

// The file menu's commands: each shows the file window set up for its
// purpose, and carries out what the window settles — loading a card list or
// a deck file, saving the deck as text, comma-separated, XML or HTML. The
// status label shows "Load " or "Save " and the path while it works. A deck
// file that cannot be read leaves the deck as it was and says why; a failed
// save leaves the previous file as it was and says why in the error box.
class FileCommands : public QObject {
    Q_OBJECT

  public:
    // window parents the file window and the message boxes; every reference
    // outlives the commands.
    FileCommands(CardTable& table, DeckModel& deck, const MainDeckStats& stats, DeckPane& deckPane,
                 QWidget* window);

    // The menu items. The three saves do nothing while the main deck is empty.
    void Open();
    void Deck_Open();
    void Save();
    void SaveXML();
    void SaveHTML();

    // Carries out a settled request; answers whether the file window may
    // close (it may, whatever happened).
    bool carryOut(const FileRequest& request);

    // Opens a deck file named outside the file window (on the command line,
    // or dropped on the window): comma-separated when its name ends in
    // ".csv", deck text otherwise.
    void openDeckFile(const QString& path);
    // Whether a dropped file is one openDeckFile takes: a ".txt" or ".csv" name.
    static bool isDeckFileName(const QString& path);

    // The history that records opening a deck file as one step (none:
    // nothing is recorded); it outlives the commands.
    void setHistory(DeckHistory* history) { history_ = history; }

    // The mark of the deck as it was last opened or saved, which opening and
    // saving a deck file here set and which follows the deck title (none:
    // the deck is never asked about); it outlives the commands.
    void setSaveMark(DeckSaveMark* mark);

    // Asked before the deck is replaced or the program ends: while the deck
    // has changed, asks whether to save it. Yes shows the file window to save
    // it as a deck file (a side deck alone too); No lets the deck go. False
    // keeps the deck: Cancel, or the file window closed without a save, or a
    // failed save. A comma-separated save that left the side deck or the
    // title unsaved asks again.
    bool maySetDeckAside();

    // The folder the file window starts in (the process's current folder
    // when empty).
    void setStartFolder(const QString& folder) { startFolder_ = folder; }

  signals:
    // Text for the status label.
    void statusChanged(const QString& text);
    // A card list was loaded into the catalogue: the card list is to be
    // refilled.
    void cardListLoaded();
    // A deck text or comma-separated deck file was opened or saved (not an
    // XML or HTML export): one to offer again among the recent decks.
    void deckFileUsed(const QString& path);

  private:
    void show(FilePurpose purpose);
    // Shows the file window set up for purpose, with no refusal.
    void runWindow(FilePurpose purpose);
    // A deck file now holds the deck as it stands (mainOnly: its main deck).
    void markSaved(bool mainOnly);
    void error(const QString& text);
    // A deck file could not be opened: its path and why, the deck unchanged.
    void cannotOpen(const QString& shownPath, const std::string& why);

    CardTable& table_;
    DeckModel& deck_;
    const MainDeckStats& stats_;
    DeckPane& deckPane_;
    QWidget* window_;
    DeckHistory* history_ = nullptr;
    DeckSaveMark* saveMark_ = nullptr;
    int decksSaved_ = 0;  // deck text or comma-separated saves that succeeded
    bool asking_ = false;
    QString startFolder_;
};

}  // namespace svdb
