#include "app/gui/AnalysisWindows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "deck/DeckModel.h"
#include "simulator/DrawSimulator.h"
#include "simulator/gui/TestDrawForm.h"
#include "stats/gui/Form4.h"

namespace svdb {

AnalysisWindows::AnalysisWindows(DeckModel& deck, QWidget* window)
    : QObject(window), deck_(deck), window_(window) {}

AnalysisWindows::~AnalysisWindows() {
    qDeleteAll(window_->findChildren<Form4*>(Qt::FindDirectChildrenOnly));
    qDeleteAll(window_->findChildren<TestDrawForm*>(Qt::FindDirectChildrenOnly));
}

void AnalysisWindows::costgraph_Click() {
    if (deck_.list(DeckModel::kMain).empty()) return;
    if (!costGraph_) {
        costGraph_ = new Form4(deck_, window_);
        connect(costGraph_, &Form4::unloaded, this, [this] { costGraph_ = nullptr; });
        costGraph_->DrawCostGraph();
        placeBeside(costGraph_, false);
        return;
    }
    costGraph_->DrawCostGraph();
}

void AnalysisWindows::TestDraw_Click() {
    if (!drawSimulator_) {
        drawSimulator_ = new TestDrawForm(deck_, window_);
        connect(drawSimulator_, &TestDrawForm::unloaded, this,
                [this] { drawSimulator_ = nullptr; });
        placeBeside(drawSimulator_, true);
    }
    drawSimulator_->show();
    drawSimulator_->raise();
    drawSimulator_->activateWindow();
}

void AnalysisWindows::switchDrawSimulator() {
    if (!drawSimulator_) return;
    if (deck_.total(DeckModel::kMain) == DrawSimulator::kDeckSize) {
        drawSimulator_->SimurateON();
        drawSimulator_->ReloadDeck();
    } else {
        drawSimulator_->SimurateOFF();
    }
}

Form4* AnalysisWindows::costGraph() const {
    return costGraph_;
}

TestDrawForm* AnalysisWindows::drawSimulator() const {
    return drawSimulator_;
}

void AnalysisWindows::placeBeside(QWidget* window, bool onTheRight) {
    const QScreen* s = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QRect main = window_->frameGeometry();
    const QSize size = window->size();
    const int x = onTheRight ? main.right() + 1 : main.left() - size.width();
    window->move(std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width())),
                 std::clamp(main.top(), area.top(),
                            std::max(area.top(), area.bottom() + 1 - size.height())));
}

}  // namespace svdb
