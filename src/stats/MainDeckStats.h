#pragma once

#include <string_view>
#include <vector>

#include "deck/DeckModel.h"
#include "deck/DeckObserver.h"
#include "stats/DeckStats.h"

namespace svdb {

// The statistics of a deck model's main deck, kept from its copiesTallied
// and statsReset notices. It adds itself to the model's observers and leaves
// them when destroyed, so it must not outlive the model.
//
// The model tells every observer its tallies before any observer hears
// statsChanged, so an observer that reads these statistics on statsChanged
// finds them up to date whether it was added before or after this one.
class MainDeckStats : public DeckObserver {
  public:
    // A deck that already has main-deck entries is tallied in list order, as
    // loading it would.
    explicit MainDeckStats(DeckModel& deck);
    ~MainDeckStats() override;
    MainDeckStats(const MainDeckStats&) = delete;
    MainDeckStats& operator=(const MainDeckStats&) = delete;

    const DeckStats& stats() const { return stats_; }

    // The faction bar laid out for a bar of innerWidth units and the main
    // deck's stored total.
    std::vector<FactionBarSegment> LayoutFactionBar(double innerWidth) const;

    void copiesTallied(std::string_view faction, std::string_view cardNumber, int copies) override;
    void statsReset() override;

  private:
    DeckModel& deck_;
    DeckStats stats_;
};

}  // namespace svdb
