#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CatalogueGenerator.h"
#include "catalogue/CardListLoader.h"
#include "files/CardInfoText.h"
#include "text/FileBytes.h"

namespace {

// Every card, as the card list shows them with "ALL" ticked.
std::vector<svdb::CardRef> Listed() {
    std::vector<svdb::CardRef> cards;
    for (int slot = 0; slot < svdb::CardTable::kSlots; ++slot) {
        for (int row = 0; row < svdb::CardTable::kRows; ++row) {
            if (svdb::GeneratedCatalogue().at(slot, row).occupied()) cards.push_back({slot, row});
        }
    }
    return cards;
}

std::string TargetPath() {
    return (std::filesystem::temp_directory_path() / "svdb_bench_outest.txt").string();
}

void Report(benchmark::State& state, const std::string& bytes, std::size_t cards) {
    state.counters["cards"] = static_cast<double>(cards);
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

// "ファイル出力" for every card of the list: the blocks built, encoded and
// written through a temporary file renamed over "outest.txt".
void BM_CardInfoFile(benchmark::State& state) {
    const auto cards = Listed();
    const std::string path = TargetPath();
    std::string reason;
    for (auto _ : state) {
        if (!svdb::WriteCardInfoFile(path, svdb::GeneratedCatalogue(), cards, &reason))
            state.SkipWithError(reason.c_str());
    }
    Report(state, svdb::CardInfoFileBytes(svdb::GeneratedCatalogue(), cards), cards.size());
}

// The blocks alone, in Shift_JIS, without the write.
void BM_CardInfoBytesOnly(benchmark::State& state) {
    const auto cards = Listed();
    for (auto _ : state) {
        std::string bytes = svdb::CardInfoFileBytes(svdb::GeneratedCatalogue(), cards);
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, svdb::CardInfoFileBytes(svdb::GeneratedCatalogue(), cards), cards.size());
}

// The floor: the same bytes written with one buffered write.
void BM_CardInfoFloor(benchmark::State& state) {
    const auto cards = Listed();
    const std::string bytes = svdb::CardInfoFileBytes(svdb::GeneratedCatalogue(), cards);
    const std::string path = TargetPath();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) {
            state.SkipWithError("cannot write");
            break;
        }
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    Report(state, bytes, cards.size());
}

// The same bytes through the replacing write alone: a new file beside the
// target, renamed over it.
void BM_CardInfoReplacingWrite(benchmark::State& state) {
    const auto cards = Listed();
    const std::string bytes = svdb::CardInfoFileBytes(svdb::GeneratedCatalogue(), cards);
    const std::string path = TargetPath();
    std::string reason;
    for (auto _ : state) {
        if (!svdb::WriteFileReplacing(path, bytes, &reason)) state.SkipWithError(reason.c_str());
    }
    Report(state, bytes, cards.size());
}

BENCHMARK(BM_CardInfoFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardInfoReplacingWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardInfoFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardInfoBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace
