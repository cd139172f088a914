// The card list walk on a full catalogue, against a plain loop that only
// reads every occupied record.
#include <benchmark/benchmark.h>


#include "CatalogueGenerator.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/ExpansionNames.h"
#include "search/FilterWalk.h"

namespace {

// Every PassesFilter plus the row list, with "ALL" ticked and nothing else.
void BM_FilterWalkAll(benchmark::State& state) {
    const svdb::CardTable& table = svdb::GeneratedCatalogue();
    svdb::FilterState filter;
    filter.factionMask = svdb::kAllFactions;
    const svdb::SearchTexts texts;
    std::size_t listed = 0;
    for (auto _ : state) {
        svdb::FilterWalkResult result = svdb::WalkFilter(table, filter, texts);
        listed = result.cards.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["cards"] = static_cast<double>(listed);
}
BENCHMARK(BM_FilterWalkAll)->Unit(benchmark::kMicrosecond);

// The same walk into the result of the previous one, as a window that keeps
// its last result does: the rows' text buffers are reused.
void BM_FilterWalkAllReused(benchmark::State& state) {
    const svdb::CardTable& table = svdb::GeneratedCatalogue();
    svdb::FilterState filter;
    filter.factionMask = svdb::kAllFactions;
    const svdb::SearchTexts texts;
    svdb::FilterWalkResult result;
    for (auto _ : state) {
        svdb::WalkFilter(table, filter, texts, result);
        benchmark::DoNotOptimize(result);
    }
    state.counters["cards"] = static_cast<double>(result.cards.size());
}
BENCHMARK(BM_FilterWalkAllReused)->Unit(benchmark::kMicrosecond);

// Reads each occupied record: the four texts of its row, every byte of them.
void BM_PlainReadLoop(benchmark::State& state) {
    const svdb::CardTable& table = svdb::GeneratedCatalogue();
    std::size_t cards = 0;
    for (auto _ : state) {
        cards = 0;
        unsigned sum = 0;
        for (int slot = 0; slot < svdb::CardTable::kSlots; ++slot) {
            for (int row = 0; row < svdb::CardTable::kRows; ++row) {
                const svdb::CardRecord& c = table.at(slot, row);
                if (!c.occupied()) continue;
                for (std::string_view text :
                     {std::string_view(c.faction), std::string_view(c.cardNumber),
                      std::string_view(c.front.name), svdb::ExpansionNameOf(c.expansion)}) {
                    for (char ch : text) sum += static_cast<unsigned char>(ch);
                }
                ++cards;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(cards);
    }
    state.counters["cards"] = static_cast<double>(cards);
}
BENCHMARK(BM_PlainReadLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
