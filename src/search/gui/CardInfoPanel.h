#pragma once

#include <QGroupBox>
#include <optional>

#include "catalogue/CardRef.h"

class QLabel;
class QPushButton;

namespace svdb {

class CardTable;

// The card-information frame Frame3 "カード情報": the labels that show one
// card in full, the transform button Command3, and the hidden labels LBhide2
// and Label15 that hold the shown card's slot and row. The right button on
// the frame or on its text labels Label8 and Label9 asks for the pop-up menu.
class CardInfoPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit CardInfoPanel(const CardTable& table, QWidget* parent = nullptr);

    // Blanks the panel.
    void ClearCardDetail();
    // Shows a card of the catalogue.
    void ShowCardDetail(CardRef card);
    // The card shown, if any.
    std::optional<CardRef> shownCard() const { return shown_; }

    // --- Event handlers ---
    void Command3_Click();

  signals:
    void contextMenuRequested(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* label(const char* name, const char* text);

    const CardTable& table_;
    std::optional<CardRef> shown_;
    QLabel* LBhide2_ = nullptr;
    QLabel* Label15_ = nullptr;
};

}  // namespace svdb
