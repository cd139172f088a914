#pragma once

#include <optional>
#include <vector>

#include "catalogue/CardRef.h"

namespace svdb {

// What the deck commands need of the card list: the card of its current
// row, the cards of its selected rows, and the focus back after an add.
class CardChoice {
  public:
    virtual ~CardChoice() = default;

    // The card of the current row, if the list has one.
    virtual std::optional<CardRef> currentCard() const = 0;
    // The cards of every selected row, top to bottom as shown.
    virtual std::vector<CardRef> selectedCards() const = 0;
    // How many rows the list shows.
    virtual int cardCount() const = 0;
    // Gives the keyboard focus to the list.
    virtual void focusList() = 0;
};

}  // namespace svdb
