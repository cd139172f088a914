#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "search/gui/CardChoice.h"

class QTableView;

namespace svdb {

class CardListController;
class CardListModel;
class CardTable;
struct FilterState;
struct SearchTexts;

// The card list ListView1: every card that passes the filter, in four
// columns and faction colours. It reports the card a click or an arrow key
// lands on, the double-click, the key "A" and the right button, and answers
// the deck commands which cards are current and selected.
class CardListPane : public QWidget, public CardChoice {
    Q_OBJECT

  public:
    explicit CardListPane(QWidget* parent = nullptr);

    // Lists the cards of the table that pass the filter; reports and
    // returns how many were listed.
    int refill(const CardTable& table, const FilterState& state, const SearchTexts& texts);
    // Faction group table of the last refill.
    const std::vector<std::int16_t>& groupStart() const;

    // Row colours by faction on or off.
    void setRowColouring(bool on);
    // Several rows may be selected at once, or one.
    void setMultiSelect(bool on);
    // Shows the picture in the file at path behind the list's rows; false,
    // leaving the list as it was, when it cannot be read as a picture.
    bool setBackgroundPicture(const QString& path);

    std::optional<CardRef> currentCard() const override;
    std::vector<CardRef> selectedCards() const override;
    int cardCount() const override;
    void focusList() override;

    QTableView* view() const { return ListView1_; }
    CardListModel* model() const { return model_; }
    CardListController* controller() const { return controller_; }

  signals:
    // How many cards the last refill listed.
    void cardCountChanged(int count);
    // The card-information panel is to be blanked, and then perhaps shows a
    // card.
    void detailCleared();
    void cardShown(CardRef card);
    // A row was double-clicked (ListView1_DblClick), or "A" was pressed.
    void rowDoubleClicked();
    void keyAPressed();
    // The right button was pressed on the list, at a global position.
    void contextMenuRequested(const QPoint& globalPos);

  private:
    void setColumnWidths();

    QTableView* ListView1_ = nullptr;
    CardListModel* model_ = nullptr;
    CardListController* controller_ = nullptr;
};

}  // namespace svdb
