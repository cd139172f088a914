#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace svdb {

class CardTable;

// The help menu "About(&H)" and the keyword help of the filter panel:
// AboutSub 0 "ヘルプ" opens the help file "SVHELP.chm" with the desktop's
// viewer, AboutSub 1 "SVDBについて..." opens the about window frmSplash with
// the card list's version. A help file that is missing, or that nothing can
// open, is told in the error box.
class HelpCommands : public QObject {
    Q_OBJECT

  public:
    // window parents the about window and the message boxes; the catalogue
    // outlives the commands.
    HelpCommands(const CardTable& table, QWidget* window);

    // AboutSub index 0..1.
    void AboutSub_Click(int index);
    // Opens the help file; a missing file, or one that nothing can open, is
    // told in a message box.
    void openHelpFile();
    // The keyword help of a search box: the text cut into lines of 40
    // characters in a box under the title, after the help file when asked.
    void showKeywordHelp(const QString& title, const QString& text, bool openHelpFirst);

    // The help file; none (an empty path) until set.
    QString helpFilePath() const { return helpFilePath_; }
    void setHelpFilePath(const QString& path) { helpFilePath_ = path; }

  private:
    const CardTable& table_;
    QWidget* window_;
    QString helpFilePath_;
};

}  // namespace svdb
