#pragma once

#include <QWidget>

#include "deck/DeckObserver.h"
#include "simulator/DrawSimulator.h"

class QListWidget;
class QPushButton;

namespace svdb {

class DeckModel;

// The draw simulator window "Draw Simurator": the drawn card texts in List1,
// and the buttons "クリア" (Command1), "Draw 6" (Command2), "Draw 1"
// (Command3), "念入りにシャフル" (Command4) and "Close". It works on the main
// deck only while it holds exactly 50 copies; the main window switches it on
// and off as the main deck's total changes. The draw order and what has been
// drawn are the DrawSimulator's; the list shows them.
//
// Creating the window loads it: at any total but 50 it says so and opens with
// the four buttons disabled. Closing it unloads it (emits unloaded) and
// deletes it; clearing both deck lists closes it.
class TestDrawForm : public QWidget, private DeckObserver {
    Q_OBJECT

  public:
    // deck outlives the window. cuts, when given, decides every thorough
    // shuffle's cut (tests fix it); by default the cut is random.
    explicit TestDrawForm(DeckModel& deck, QWidget* parent = nullptr,
                          DrawSimulator::CutSource cuts = {});
    ~TestDrawForm() override;

    // --- Public operations, called by the main window ---
    // Enables the four buttons.
    void SimurateON();
    // Disables the four buttons.
    void SimurateOFF();
    // Takes the draw order afresh from the main deck's list and empties the
    // list of drawn cards.
    void ReloadDeck();

    const DrawSimulator& simulator() const { return simulator_; }
    QListWidget* drawnList() const { return List1_; }

    // --- Event handlers ---
    void Form_Load();
    void Command1_Click();  // クリア
    void Command2_Click();  // Draw 6
    void Command3_Click();  // Draw 1
    void Command4_Click();  // 念入りにシャフル
    void Close_Click();

  signals:
    // The window is unloading (closed by its button, its close box or the
    // main window).
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    // List1 shows what the simulator has drawn, its last line scrolled into
    // view; the draw buttons follow whether drawing may go on.
    void showDrawn();

    void decksCleared() override;

    DeckModel& deck_;
    DrawSimulator simulator_;
    bool on_ = false;
    bool unloaded_ = false;

    QListWidget* List1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Close_ = nullptr;
};

}  // namespace svdb
