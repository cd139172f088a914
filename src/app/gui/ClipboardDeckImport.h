#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <vector>

#include "files/SharedDeckText.h"

class QWidget;

namespace svdb {

class DeckHistory;
class DeckModel;
class DeckPane;
class FileCommands;

// "クリップボードから読み込む": takes a deck from the clipboard's text, as
// ReadSharedDeckText reads it, in place of the deck, as one undoable step.
// The title changes only when the text carries one (the deck text file's
// layout). Lines that could not be read are listed in one message; a text
// without a single card line, or no text at all, is told and changes nothing.
class ClipboardDeckImport : public QObject {
    Q_OBJECT

  public:
    // Every reference outlives the import; window parents the message boxes.
    ClipboardDeckImport(DeckModel& deck, DeckPane& deckPane, FileCommands& files, QWidget* window);

    // The history that records the import as one step (none: not recorded).
    void setHistory(DeckHistory* history) { history_ = history; }

    // The menu item: imports the clipboard's text.
    void importClipboard();
    // Imports the text; true when the deck was replaced.
    bool importText(const QString& text);

    // The message listing unreadable lines: at most kShownLines of them, each
    // cut to kShownWidth characters, then how many more there are.
    static constexpr int kShownLines = 20;
    static constexpr int kShownWidth = 40;
    static QString UnreadableMessage(const std::vector<SharedDeckText::Unreadable>& lines);

  signals:
    // Text for the status label.
    void statusChanged(const QString& text);

  private:
    void tell(const QString& text, QMessageBox::Icon icon) const;

    DeckModel& deck_;
    DeckPane& deckPane_;
    FileCommands& files_;
    QWidget* window_;
    DeckHistory* history_ = nullptr;
};

}  // namespace svdb
