#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/gui/AnalysisWindows.h"
#include "app/gui/HelpCommands.h"
#include "deck/DeckHistory.h"
#include "deck/DeckModel.h"
#include "deck/DeckSaveMark.h"
#include "deck/ProgramOptions.h"
#include "stats/MainDeckStats.h"

class QAction;
class QGridLayout;
class QLabel;
class QMenu;

namespace svdb {

class CardInfoPanel;
class CardListPane;
class CardTable;
class ClipboardDeckImport;
class ContextCommands;
class DeckInfoPane;
class DeckPane;
class FileCommands;
class FilterPane;
class Form4;
class RecentDecksMenu;
class SearchPane;
class TestDrawForm;

// The main window (Form1): the filter panel across the top, the card list
// with the card-information panel on the left, the deck lists with their
// buttons and the tabbed deck-information, graph and search frames on the
// right, the menu bar and the status label Label24. It composes the panes,
// which build and own their controls, and connects them; it owns the deck
// model, the statistics that follow it and the options, and carries the
// menus' handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kNormalWidth = 800;
    static constexpr int kNormalHeight = 570;
    // The window under "VAIO C1モード", for a 1024 x 480 screen.
    static constexpr int kVaioWidth = 1024;
    static constexpr int kVaioHeight = 480;
    static const QString kTitle;  // "Starvane Deck Builder"

    // Creating the window runs its initialise and load handlers. The
    // catalogue must already be loaded and outlives the window. The settings
    // file is read at load and written at unload; without one (an empty
    // path) the window starts as it would without the file and saves none.
    explicit MainWindow(CardTable& table, QString settingsPath = QString(),
                        QWidget* parent = nullptr);
    // Creating the window this way runs its initialise handler only: the
    // window is built without looking at the catalogue, which may still be
    // loading, and Form_Load runs once it has loaded.
    struct LoadLater {};
    MainWindow(CardTable& table, QString settingsPath, LoadLater);
    ~MainWindow() override;

    // --- Public operations of the window ---
    // Reads the filter panel into the filter masks.
    void MakeSeq();
    // Refills the card list from the filter.
    void Change_List();
    // Copies the selected entry of list fromList into list toList; copies is
    // lowered when fewer copies were placed. True when copies were placed.
    bool AddSide(std::int16_t& copies, int toList, int fromList);

    // --- Life cycle (start-up and shut-down) ---
    // Sizes the window to the normal 800 x 570 pixels.
    void applyNormalSize();
    // Centres the window on its screen.
    void centreOnScreen();
    // Brings FrameGraph index (1..3) to the front and selects its tab.
    void showGraphFrame(int index);
    // Shows text in the status label Label24.
    void setStatusText(const QString& text);

    // Hooks of the start-up and shut-down steps.
    void LoadSettings();
    void SaveSettings();
    void InstallRowColouring();
    void RemoveRowColouring();

    QString helpFilePath() const { return helpCommands_->helpFilePath(); }
    void setHelpFilePath(const QString& path) { helpCommands_->setHelpFilePath(path); }
    // Whether the cost graph window is open.
    bool costGraphOpen() const { return analysisWindows_->costGraphOpen(); }
    // Whether the draw simulator window is open.
    bool drawSimulatorOpen() const { return analysisWindows_->drawSimulatorOpen(); }
    // The cost graph and draw simulator windows while they are open.
    Form4* costGraph() const { return analysisWindows_->costGraph(); }
    TestDrawForm* drawSimulator() const { return analysisWindows_->drawSimulator(); }

    // --- Parts ---
    CardTable& cardTable() const { return table_; }
    DeckModel& deckModel() { return deckModel_; }
    const DeckHistory& deckHistory() const { return deckHistory_; }
    // Whether the deck changed since it was last opened or saved.
    const DeckSaveMark& deckSaveMark() const { return deckSaveMark_; }
    const MainDeckStats& deckStats() const { return deckStats_; }
    const ProgramOptions& options() const { return options_; }
    FilterPane* filterPane() const { return filterPane_; }
    SearchPane* searchPane() const { return searchPane_; }
    CardListPane* cardListPane() const { return cardListPane_; }
    CardInfoPanel* cardInfo() const { return cardInfo_; }
    DeckPane* deckPane() const { return deckPane_; }
    DeckInfoPane* deckInfoPane() const { return deckInfoPane_; }
    FileCommands* fileCommands() const { return fileCommands_; }
    ContextCommands* contextCommands() const { return contextCommands_; }
    ClipboardDeckImport* clipboardImport() const { return clipboardImport_; }
    // The analysis menu's windows and the help menu's commands.
    AnalysisWindows* analysisWindows() const { return analysisWindows_; }
    HelpCommands* helpCommands() const { return helpCommands_; }
    // "最近使ったデッキ" under the file menu.
    RecentDecksMenu* recentDecksMenu() const { return recentDecks_; }

    // --- Menus ---
    QMenu* contextMenu() const { return contextmenu_; }
    QAction* expansionItem(int index) const { return ExpansionSub_.at(index); }
    // OptionSub 1..5.
    QAction* optionItem(int index) const { return OptionSub_.at(index - 1); }
    QAction* aboutItem(int index) const { return AboutSub_.at(index); }
    // ToClipboard 1..3.
    QAction* toClipboardItem(int index) const { return ToClipboard_.at(index - 1); }
    QLabel* statusLabel() const { return Label24_; }
    // The edit menu's "元に戻す" and "やり直し".
    QAction* undoItem() const { return Undo_; }
    QAction* redoItem() const { return Redo_; }

    // --- Event handlers ---
    void Form_Initialize();
    void Form_Load();
    // Between Form_Load and Form_Unload.
    bool isLoaded() const { return loaded_; }
    void Form_QueryUnload();
    void Form_Unload();

    void Quit_Click();
    void Open_Click();
    void Deck_Open_Click();
    // "クリップボードから読み込む": a deck from the clipboard's text.
    void ImportClipboard_Click();
    void Save_Click();
    void SaveHTML_Click();
    void SaveXML_Click();
    void costgraph_Click() { analysisWindows_->costgraph_Click(); }
    void TestDraw_Click() { analysisWindows_->TestDraw_Click(); }
    void ExpansionSub_Click(int index);
    void OptionSub_Click(int index);
    void AboutSub_Click(int index) { helpCommands_->AboutSub_Click(index); }
    void FindDetail_Click();
    void ToClipboard_Click(int index);
    void ContextOutput2File_Click();
    // Undo and redo of the deck edits.
    void Undo_Click();
    void Redo_Click();
    // Ctrl+F: the search frame to the front and the focus in its text box.
    void FindText_Click();

  signals:
    // The unload steps have run (the window is closing).
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A deck file (".txt" or ".csv") dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Where the filter panel FrameMenu stands: across the top, folded away
    // behind CBmenu, or beside the deck lists (the small-screen layout).
    enum class PanelPlace { Across, Folded, Beside };
    MainWindow(CardTable& table, QString settingsPath, QWidget* parent, bool loadNow);
    void layOut(PanelPlace place);
    // Frame2's double-click folds the panel, CBmenu unfolds it; neither acts
    // under the small-screen layout.
    void foldFilterPanel(bool fold);

    void composePanes();
    void connectPanes();
    void connectFiles();
    void buildMenus();
    // Greys the undo and redo items while there is nothing to undo or redo.
    void updateUndoItems();
    // The caption: the program's name with the options that are on, with
    // "*" in front while the deck has changed since it was last opened or
    // saved.
    void updateWindowTitle();
    // Shows the copy limit's notice in the status label, or takes it away
    // (an empty text) while the label still shows it.
    void showLimitNotice(const QString& text);
    // Opens the pop-up menu for source (ProgramOptions::kFrom...), with
    // "トレードモードでコピー" only for the deck lists.
    void popUpContextMenu(int source, const QPoint& globalPos);

    CardTable& table_;
    DeckModel deckModel_{table_};
    MainDeckStats deckStats_{deckModel_};
    DeckHistory deckHistory_{deckModel_};
    DeckSaveMark deckSaveMark_{deckModel_};
    ProgramOptions options_;
    QString settingsPath_;
    // The picture line of the settings file, written back as it was read.
    std::string listPictureLine_;
    bool loaded_ = false;

    QGridLayout* body_ = nullptr;
    QWidget* leftColumn_ = nullptr;   // the card list above the card information
    QWidget* rightColumn_ = nullptr;  // the deck lists above the tabbed frames
    int cardListMinimumWidth_ = -1;   // the card list's own, kept while beside the panel
    FilterPane* filterPane_ = nullptr;
    SearchPane* searchPane_ = nullptr;
    CardListPane* cardListPane_ = nullptr;
    CardInfoPanel* cardInfo_ = nullptr;
    DeckPane* deckPane_ = nullptr;
    DeckInfoPane* deckInfoPane_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    ContextCommands* contextCommands_ = nullptr;
    ClipboardDeckImport* clipboardImport_ = nullptr;
    RecentDecksMenu* recentDecks_ = nullptr;
    AnalysisWindows* analysisWindows_ = nullptr;
    HelpCommands* helpCommands_ = nullptr;

    QLabel* Label24_ = nullptr;
    bool limitNoticeShown_ = false;
    QAction* Undo_ = nullptr;
    QAction* Redo_ = nullptr;
    QMenu* contextmenu_ = nullptr;
    std::array<QAction*, 16> ExpansionSub_{};
    std::array<QAction*, 5> OptionSub_{};
    std::array<QAction*, 2> AboutSub_{};
    std::array<QAction*, 3> ToClipboard_{};
};

}  // namespace svdb
