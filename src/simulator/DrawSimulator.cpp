#include "simulator/DrawSimulator.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>

namespace svdb {

const std::string_view DrawSimulator::kOutOfCards = "本国がなくなりました";
const std::string_view DrawSimulator::kNeedsFiftyCards =
    "デッキは必ず５０枚で構成しなければなりません";

namespace {

constexpr int kDealRows = 5;
constexpr int kDealColumns = 10;

DrawSimulator::CutSource ClockCuts() {
    // Seeded once: a clock read at every shuffle would repeat the cut of two
    // shuffles that fall in the same tick.
    auto engine = std::make_shared<std::mt19937>(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return [engine] {
        std::uniform_int_distribution<int> cut(DrawSimulator::kFirstCut, DrawSimulator::kLastCut);
        return cut(*engine);
    };
}

}  // namespace

DrawSimulator::DrawSimulator() : DrawSimulator(ClockCuts()) {}

DrawSimulator::DrawSimulator(CutSource cuts) : cuts_(std::move(cuts)) {}

std::string DrawSimulator::CardText(const DeckEntry& entry) {
    return entry.faction + " " + entry.cardNumber + " " + entry.cardName;
}

bool DrawSimulator::ReloadDeck(const std::vector<DeckEntry>& mainRows) {
    drawDeck_.clear();
    long copies = 0;
    for (const DeckEntry& e : mainRows) copies += std::max<int>(e.copies, 0);
    const bool legal = copies == kDeckSize;
    if (legal) {
        drawDeck_.reserve(kDeckSize);
        for (const DeckEntry& e : mainRows)
            for (int i = 0; i < e.copies; ++i) drawDeck_.push_back(CardText(e));
    }
    restart();
    return legal;
}

void DrawSimulator::restart() {
    drawn_.clear();
    drawPos_ = 1;
    canDraw_ = true;
}

// Draws the card at position, or the out-of-cards line past the last card;
// false when drawing has stopped.
bool DrawSimulator::drawAt(int position) {
    if (position <= static_cast<int>(drawDeck_.size())) {
        drawn_.push_back(drawDeck_[static_cast<std::size_t>(position - 1)]);
        return true;
    }
    drawn_.emplace_back(kOutOfCards);
    canDraw_ = false;
    return false;
}

void DrawSimulator::DrawOne() {
    if (!canDraw_) return;
    if (drawAt(drawPos_)) ++drawPos_;
}

void DrawSimulator::DrawSix() {
    if (!canDraw_) return;
    for (int i = 0; i < 6; ++i)
        if (!drawAt(drawPos_ + i)) return;
    drawPos_ += 6;
}

void DrawSimulator::Clear() {
    restart();
}

std::vector<int> DrawSimulator::DealOrder() {
    std::vector<int> order;
    order.reserve(kDeckSize);
    for (int first : {1, 2})
        for (int column = first; column <= kDealColumns; column += 2)
            for (int row = 0; row < kDealRows; ++row) order.push_back(row * kDealColumns + column);
    return order;
}

void DrawSimulator::ThoroughShuffle() {
    if (static_cast<int>(drawDeck_.size()) == kDeckSize) {
        std::vector<std::string> dealt;
        dealt.reserve(kDeckSize);
        for (int position : DealOrder())
            dealt.push_back(std::move(drawDeck_[static_cast<std::size_t>(position - 1)]));
        // The card at dealt position c comes to the top.
        const int c = std::clamp(cuts_(), kFirstCut, kLastCut);
        std::rotate(dealt.begin(), dealt.begin() + (c - 1), dealt.end());
        drawDeck_ = std::move(dealt);
    }
    restart();
}

}  // namespace svdb
