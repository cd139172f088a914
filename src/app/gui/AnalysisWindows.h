#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace svdb {

class DeckModel;
class Form4;
class TestDrawForm;

// The two windows of the analysis menu "分析(&A)": "コストグラフ" opens the cost
// graph Form4 and "引きテスト" the draw simulator TestDrawForm. Each is a
// window of its own beside the main window, not modal, parented to the main
// window and kept while it is open; each clears its pointer when it unloads.
// Deleting the commands deletes both windows, a closed one too while its
// deletion is still pending, since they follow the deck model.
class AnalysisWindows : public QObject {
    Q_OBJECT

  public:
    // window parents the windows and places them; the deck model outlives
    // the commands.
    AnalysisWindows(DeckModel& deck, QWidget* window);
    ~AnalysisWindows() override;

    // "コストグラフ": opens the cost graph when the main deck has an entry, or
    // draws the open one afresh.
    void costgraph_Click();
    // "引きテスト": opens the draw simulator, or brings the open one to the
    // front.
    void TestDraw_Click();

    // The main deck's total changed: at exactly 50 the open draw simulator
    // is switched on and reloads the deck, at any other total off.
    void switchDrawSimulator();

    // Whether the cost graph and the draw simulator are open, and the windows
    // while they are.
    bool costGraphOpen() const { return !costGraph_.isNull(); }
    bool drawSimulatorOpen() const { return !drawSimulator_.isNull(); }
    Form4* costGraph() const;
    TestDrawForm* drawSimulator() const;

  private:
    // Moves a window beside the main window, on its left or right, as far as
    // the screen lets it.
    void placeBeside(QWidget* window, bool onTheRight);

    DeckModel& deck_;
    QWidget* window_;
    // Open while not null.
    QPointer<Form4> costGraph_;
    QPointer<TestDrawForm> drawSimulator_;
};

}  // namespace svdb
