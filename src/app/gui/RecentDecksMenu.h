#pragma once

#include <QList>
#include <QMenu>
#include <QString>

#include "app/RecentDecks.h"

class QAction;

namespace svdb {

// "最近使ったデッキ" under the file menu: the deck files opened or saved
// last, newest first, as "&1 path" ... "&8 path". A file that is no longer
// there is greyed; "見つからないファイルを一覧から消す" takes such files out and
// "一覧を消去" empties the list. Whether each file is there is asked again
// every time the menu is about to show. The list lives in its own file
// (AppPaths::RecentDecksPath), written whenever it changes.
class RecentDecksMenu : public QMenu {
    Q_OBJECT

  public:
    explicit RecentDecksMenu(QWidget* parent);

    // Reads the list from filePath; an empty path reads and writes no file.
    void load(const QString& filePath);
    QString filePath() const { return filePath_; }
    const RecentDecks& recent() const { return recent_; }

    // A deck file was opened or saved: it goes first (as an absolute path)
    // and the list is written.
    void noteUsed(const QString& path);

    // Builds the items afresh, asking which files are there.
    void refresh();

    // The items of the files, newest first, and the two list commands.
    QList<QAction*> entryItems() const { return entries_; }
    QAction* removeMissingItem() const { return removeMissing_; }
    QAction* clearItem() const { return clear_; }

  signals:
    // An item was chosen: the deck file to open.
    void openRequested(const QString& path);

  private:
    // Writes the list after a change. The first failure of a run is told in
    // the error box; later ones are not, until a write succeeds again.
    void changed();

    RecentDecks recent_;
    QString filePath_;
    bool failureTold_ = false;
    QList<QAction*> entries_;
    QAction* removeMissing_ = nullptr;
    QAction* clear_ = nullptr;
};

}  // namespace svdb
