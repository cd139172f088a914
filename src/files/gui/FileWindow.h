#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "files/FileNames.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace svdb {

// The program's own modal file chooser Form2: drives (Drive1), the folders of
// the shown folder (Dir1, ".." first), its files that match the pattern
// (File1), the file type (Combo1), the comma-separated box (Check1) and the
// full path (Text1). One of the set-ups Open, Deck_Open, Save, SaveXML or
// SaveHTML prepares it for a menu item; the caller then shows it with exec().
//
// The window reads and writes no file: its action settles the path and hands
// a FileRequest to the caller's handler, and closes unless the handler returns
// false. Before saving over an existing file it asks first; any answer but Yes
// keeps it open and asks the handler nothing. It closes by itself when the
// program loses the focus to another one, never under its own question.
class FileWindow : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString fileMode READ fileMode)

  public:
    // Does what the request says; false keeps the window open.
    using Handler = std::function<bool(const FileRequest&)>;

    // Starts in folder, or in the process's current folder when folder is
    // empty or no folder; set up as "開く(DB)" until a set-up says otherwise.
    explicit FileWindow(Handler handler, QWidget* parent = nullptr, const QString& folder = {});

    // --- Set-ups, one per menu item ---
    void Open();
    void Deck_Open();
    // The save set-ups propose the deck title as the file name when it is
    // not empty.
    void Save(const QString& deckTitle);
    void SaveXML(const QString& deckTitle);
    void SaveHTML(const QString& deckTitle);
    void setUp(FilePurpose purpose, const QString& deckTitle = {});

    // "LIST", "DECK", "CSV", "XML" or "HTML".
    QString fileMode() const;
    const FileChoice& choice() const { return choice_; }
    // The shown folder, ending in "/".
    QString folderPath() const { return folderPath_; }
    // Whether the window closes when the program loses the focus (it does
    // unless told otherwise; a window that stands for the whole program, as
    // at start-up, should not).
    void setClosesOnFocusLoss(bool closes) { closesOnFocusLoss_ = closes; }

    // Shows folder (its folders and files) and puts its path in Text1.
    void changeFolder(const QString& folder);

    // --- Event handlers ---
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Combo1_Click();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();

  private:
    void build();
    void fillDrives();
    void showDriveOf(const QString& folder);
    void showChoice();
    void refreshFiles();
    void finish(const FileRequest& request);
    void programStateChanged(Qt::ApplicationState state);

    Handler handler_;
    FileChoice choice_;
    QString folderPath_;
    bool busy_ = false;
    bool closesOnFocusLoss_ = true;  // our question or the caller's work is under way

    QComboBox* Drive1_ = nullptr;
    QListWidget* Dir1_ = nullptr;
    QListWidget* File1_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
};

}  // namespace svdb
