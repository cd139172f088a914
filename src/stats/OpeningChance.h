#pragma once

#include <string>
#include <string_view>

namespace svdb {

// The chance that at least one copy of a deck entry is among the first six
// cards drawn from a shuffled deck of fifty. The deck is always taken to
// hold fifty cards with the entry's copies among them, whatever the deck
// really holds, so the answer depends on the copies alone.
class OpeningChance {
  public:
    static constexpr int kDeckSize = 50;
    static constexpr int kHandSize = 6;
    // From this many copies on, a copy is certain to be drawn.
    static constexpr int kCertainFrom = 45;

    // The number of ways to choose r of n, as a double. 0 when r is negative
    // or greater than n.
    static double Combination(int n, int r);

    // The chance for an entry of the given copies, 0 to 1: the sum over one
    // to six copies drawn of the hypergeometric probability of drawing that
    // many; 0 for no copies (or fewer), 1 from kCertainFrom copies on.
    static double Chance(int copies);

    // The chance as Label13 shows it: a percentage with two decimals and
    // "%", such as "32.43%".
    static std::string ChanceText(int copies);

    // What Label22 shows before it: "「" + the card name + "」が、".
    static std::string CardText(std::string_view cardName);
};

}  // namespace svdb
