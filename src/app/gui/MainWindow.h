#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "deck/DeckModel.h"
#include "deck/DeckOptions.h"
#include "search/FilterState.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTimer;
class QToolButton;

namespace svdb {

class CardListController;
class CardListModel;
class CardTable;
class DeckEditor;
class DeckListModel;
class DeckStatsPanel;
class PictureBox;

// The main window (Form1): the filter panel across the top, the card list with
// the card-information panel on the left, the two deck lists with their buttons
// and the tabbed deck-information, graph and search frames on the right, and
// the menu bar.
//
// Every control carries its control name as objectName (members of a control
// array are Name_index, e.g. CheckColor_3); control<T>("Name") finds any of
// them, and the accessors below return the ones used most. Each control event
// is wired to a handler named control plus event (CBadd1_Click(index)); the
// handlers whose behaviour belongs to a later stage are empty.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kNormalWidth = 800;
    static constexpr int kNormalHeight = 570;
    static const QString kTitle;  // "Starvane Deck Builder"

    // Creating the window runs its initialise and load handlers. The
    // catalogue must already be loaded and outlives the window.
    explicit MainWindow(CardTable& table, QWidget* parent = nullptr);
    ~MainWindow() override;

    CardTable& cardTable() const { return table_; }

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
    // Gives the main deck list the height that is left above the buttons.
    void applyDeckListHeightRule();
    // Shows text in the status label Label24.
    void setStatusText(const QString& text);

    // Hooks of the start-up and shut-down steps; filled in by the parts that
    // own them.
    void ResetDeckStats();
    void LoadSettings();
    void SaveSettings();
    void InstallRowColouring();
    void RemoveRowColouring();

    // --- Card-information panel ---
    // Blanks the card-information panel.
    void ClearCardDetail();
    // Finds the card by faction slot, number, name and expansion name and
    // shows it in the card-information panel.
    void ShowCardDetail(int slot, const QString& cardNumber, const QString& cardName,
                        const QString& expansionName);
    struct CardDetailRequest {
        int slot = -1;
        QString cardNumber, cardName, expansionName;
    };
    // The arguments of the last ShowCardDetail call (for tests and later use).
    const std::optional<CardDetailRequest>& lastCardDetail() const { return lastCardDetail_; }

    // The deck options read from the option menu's check marks at this moment.
    DeckOptions deckOptions() const;

    // --- Deck editing and statistics ---
    // The two deck lists over the catalogue, with their totals and statistics.
    DeckModel& deckModel() { return deckModel_; }
    const DeckModel& deckModel() const { return deckModel_; }
    DeckEditor* deckEditor() const { return deckEditor_; }
    DeckStatsPanel* deckStatsPanel() const { return deckStatsPanel_; }
    // Shows the chance of drawing the selected entry of list index among the
    // first six cards (double-click on a deck list).
    void ShowOpeningChance(int index);

    // The control the pop-up menu was opened on: 8 card list, 4 card-information
    // panel, 1 deck list.
    int contextSource = 0;

    QString helpFilePath() const { return helpFilePath_; }
    void setHelpFilePath(const QString& path) { helpFilePath_ = path; }

    // Set while the cost graph window is open.
    bool costGraphOpen = false;
    // Faction group table of the card list, indices 0..FactionChangeCount.
    std::vector<std::int16_t> groupStart;
    // The filter masks: MakeSeq writes all but expansionMask, which the
    // expansion menu switches.
    FilterState filterState;

    // --- Controls ---
    template <class T = QWidget>
    T* control(const QString& name) const {
        return findChild<T*>(name);
    }

    QTableView* cardList() const { return ListView1_; }
    CardListModel* cardListModel() const { return cardListModel_; }
    CardListController* cardListController() const { return cardListController_; }
    QTableView* deckList(int index) const { return ListDeck_.at(index); }
    DeckListModel* deckListModel(int index) const { return deckListModels_.at(index); }
    QLineEdit* deckTotal(int index) const { return Text1_.at(index); }
    QLineEdit* deckName() const { return Text2_; }
    QLabel* cardCountLabel() const { return LBtotalLeft_; }
    QCheckBox* factionBox(int index) const { return CheckColor_.at(index); }
    QCheckBox* kindBox(int index) const { return CBkind_.at(index); }
    QCheckBox* rareBox(int index) const { return CheckRare_.at(index); }
    // The ability boxes of Frame5 in panel order.
    const std::vector<QCheckBox*>& abilityBoxes() const { return abilityBoxes_; }
    // ToolbarChar buttons 1..6: "M", "F", "AD", "CH", "NT", "CO".
    QToolButton* charButton(int index) const { return ToolbarChar_.at(index - 1); }
    QFrame* charToolbar() const { return ToolbarCharFrame_; }
    QComboBox* comboFind() const { return ComboFind_; }
    QComboBox* comboSyugo() const { return ComboSyugo_; }
    QComboBox* comboNum(int index) const { return ComboNum_.at(index); }
    QTabBar* tabStrip() const { return TabStrip1_; }
    QStackedWidget* graphStack() const { return graphStack_; }
    // FrameGraph 1..3.
    QFrame* graphFrame(int index) const { return FrameGraph_.at(index - 1); }
    PictureBox* factionBar() const { return PictureBar_; }
    // Picture1 1..5: the UNIT, CHARACTER, COMMAND, OPERATION, GENERATION bars.
    PictureBox* typeBar(int index) const { return Picture1_.at(index - 1); }
    QLabel* statusLabel() const { return Label24_; }
    QMenu* contextMenu() const { return contextmenu_; }
    QAction* expansionItem(int index) const { return ExpansionSub_.at(index); }
    // OptionSub 1..5.
    QAction* optionItem(int index) const { return OptionSub_.at(index - 1); }
    QAction* aboutItem(int index) const { return AboutSub_.at(index); }
    // ToClipboard 1..3.
    QAction* toClipboardItem(int index) const { return ToClipboard_.at(index - 1); }
    QTimer* timer() const { return Timer1_; }

    // --- Event handlers ---
    void Form_Initialize();
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();

    void Quit_Click();
    void Open_Click();
    void Deck_Open_Click();
    void Save_Click();
    void SaveHTML_Click();
    void SaveXML_Click();
    void costgraph_Click();
    void TestDraw_Click();
    void ExpansionSub_Click(int index);
    void OptionSub_Click(int index);
    void AboutSub_Click(int index);
    void FindDetail_Click();
    void ToClipboard_Click(int index);
    void ContextOutput2File_Click();

    void CheckColor_Click(int index);
    void CBkind_Click(int index);
    void CheckRare_Click(int index);
    void Ability_Click(QCheckBox* box);
    void ToolbarChar_ButtonClick(int index);
    void CBmenu_Click();
    void CheckFind_Click();
    void ComboFind_Click();
    void ComboFind_Enter();
    void ComboSyugo_Click();
    void ComboNum_Click(int index);
    void CommandClear_Click(int index);

    void CBadd1_Click(int index);
    void CBadd3_Click(int index);
    void CBdel1_Click(int index);
    void CBdel3_Click(int index);
    void Command6_Click();
    void CbViewSide_Click();
    void SideButton_Click(int index);
    void Text1_Change(int index);

    void ListView1_DblClick();
    void ListView1_KeyA();

    void Command3_Click();
    void TabStrip1_Click();
    void Timer1_Timer();

  signals:
    // The unload steps have run (the window is closing).
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildFilterPanel();
    QWidget* buildCardInfoFrame();
    QWidget* buildDeckFrame();
    QWidget* buildGraphArea();
    QFrame* buildDeckInfoFrame();
    QFrame* buildBarFrame();
    QFrame* buildSearchFrame();
    void buildMenus();
    void setUpListColumns();
    void fillChoiceLists();
    void updateAddButtons();
    void setUpDeckEditing();

    CardTable& table_;
    DeckModel deckModel_{table_};
    DeckEditor* deckEditor_ = nullptr;
    DeckStatsPanel* deckStatsPanel_ = nullptr;
    QString helpFilePath_;
    std::optional<CardDetailRequest> lastCardDetail_;
    bool loaded_ = false;

    QFrame* FrameMenu_ = nullptr;
    QFrame* FrameLIST_ = nullptr;
    QPushButton* CBmenu_ = nullptr;
    std::array<QCheckBox*, 8> CheckColor_{};
    std::array<QCheckBox*, 5> CBkind_{};
    std::array<QCheckBox*, 4> CheckRare_{};
    std::vector<QCheckBox*> abilityBoxes_;
    QFrame* ToolbarCharFrame_ = nullptr;
    std::array<QToolButton*, 6> ToolbarChar_{};

    QTableView* ListView1_ = nullptr;
    CardListModel* cardListModel_ = nullptr;
    CardListController* cardListController_ = nullptr;
    std::array<QTableView*, 2> ListDeck_{};
    std::array<DeckListModel*, 2> deckListModels_{};
    std::array<QLineEdit*, 2> Text1_{};
    QLineEdit* Text2_ = nullptr;
    QLabel* LBtotalLeft_ = nullptr;
    std::array<QPushButton*, 2> CBadd1_{};
    std::array<QPushButton*, 2> CBadd3_{};
    std::array<QPushButton*, 2> CBdel1_{};
    std::array<QPushButton*, 2> CBdel3_{};
    std::array<QPushButton*, 2> SideButton_{};
    QPushButton* Command6_ = nullptr;
    QPushButton* CbViewSide_ = nullptr;

    QTabBar* TabStrip1_ = nullptr;
    QStackedWidget* graphStack_ = nullptr;
    std::array<QFrame*, 3> FrameGraph_{};
    PictureBox* PictureBar_ = nullptr;
    std::array<PictureBox*, 5> Picture1_{};

    QComboBox* ComboFind_ = nullptr;
    QComboBox* ComboSyugo_ = nullptr;
    std::array<QComboBox*, 2> ComboNum_{};

    QLabel* Label24_ = nullptr;
    QMenu* contextmenu_ = nullptr;
    std::array<QAction*, 16> ExpansionSub_{};
    std::array<QAction*, 5> OptionSub_{};
    std::array<QAction*, 2> AboutSub_{};
    std::array<QAction*, 3> ToClipboard_{};
    QTimer* Timer1_ = nullptr;
};

}  // namespace svdb
