#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "deck/DeckEntry.h"

namespace svdb {

// The draw simulator's deck: the main deck's 50 card texts in draw order,
// the position of the next card to draw and the lines drawn so far (the
// card texts and the out-of-cards line), as the simulator window lists them.
//
// A card text is the entry's faction, card number and card name joined by
// single spaces; an entry of three copies gives three equal texts in a row.
// Positions are 1-based: position 1 is the top of the deck.
class DrawSimulator {
  public:
    static constexpr int kDeckSize = 50;
    // Where the cut of a thorough shuffle falls: 2..50.
    static constexpr int kFirstCut = 2;
    static constexpr int kLastCut = kDeckSize;
    // "本国がなくなりました": drawn in place of a card once the deck is used up.
    static const std::string_view kOutOfCards;
    // "デッキは必ず５０枚で構成しなければなりません".
    static const std::string_view kNeedsFiftyCards;

    // Gives the cut of each thorough shuffle, kFirstCut..kLastCut; a value
    // outside that range is taken as the nearest end.
    using CutSource = std::function<int()>;

    // Cuts uniformly at random, from a generator seeded from the clock.
    DrawSimulator();
    explicit DrawSimulator(CutSource cuts);

    static std::string CardText(const DeckEntry& entry);

    // Rebuilds the draw order from the main deck's rows, each entry's copies
    // one after another in list order, empties the drawn lines and starts
    // again at position 1. Answers false, leaving the deck empty, when the
    // rows do not hold exactly 50 copies: the simulator works only on a
    // legal deck.
    bool ReloadDeck(const std::vector<DeckEntry>& mainRows);

    // Draw 1: the card at the next position, or, past the last card, the
    // out-of-cards line, after which drawing stops.
    void DrawOne();
    // Draw 6: the next six cards in order; at the first position past the
    // last card the out-of-cards line instead, drawing stops and the
    // position stays where it was (so from position 47 the cards 47 to 50
    // come, then the line).
    void DrawSix();
    // Starts drawing again from the top of the same order.
    void Clear();
    // Deals the deck into ten piles and cuts it at the next cut of the
    // source, then starts drawing again from the top. Repeated shuffles
    // compound. Does nothing but start again when the deck is empty.
    void ThoroughShuffle();

    // The card texts in draw order (empty until a reload succeeds).
    const std::vector<std::string>& drawDeck() const { return drawDeck_; }
    // Position of the next card to draw, 1..51; 51: the deck is used up.
    int drawPos() const { return drawPos_; }
    // What has been drawn since the last reload, clear or shuffle.
    const std::vector<std::string>& drawn() const { return drawn_; }
    // False once the out-of-cards line was drawn, until a clear, shuffle or
    // reload.
    bool canDraw() const { return canDraw_; }

    // The positions of the current order that the deal puts first, second,
    // ...: five rows of ten read column by column, odd columns first
    // (1, 11, 21, 31, 41, 3, 13, ..., 10, 20, 30, 40, 50).
    static std::vector<int> DealOrder();

  private:
    bool drawAt(int position);
    void restart();

    CutSource cuts_;
    std::vector<std::string> drawDeck_;
    int drawPos_ = 1;
    std::vector<std::string> drawn_;
    bool canDraw_ = true;
};

}  // namespace svdb
