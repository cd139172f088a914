#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "CatalogueGenerator.h"
#include "catalogue/CardListLoader.h"
#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace {

const std::string& GeneratedList() {
    static const std::string bytes = svdb::GenerateCatalogueBytes(501, 1);
    return bytes;
}

// Only the Shift_JIS to UTF-8 conversion of the whole card list: the floor
// that a load is measured against.
void BM_DecodeOnly(benchmark::State& state) {
    const std::string& bytes = GeneratedList();
    std::string text;
    for (auto _ : state) {
        text.clear();
        svdb::ShiftJisCodec::decodeAppend(bytes, text);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond);

// A full load of the 3,507-card list into a table that a previous load filled.
void BM_LoadCardListBytes(benchmark::State& state) {
    const std::string& bytes = GeneratedList();
    svdb::CardTable table;
    int cards = 0;
    for (auto _ : state) {
        cards = svdb::LoadCardListBytes(table, bytes).cardsLoaded;
        benchmark::DoNotOptimize(cards);
    }
    state.counters["cards"] = cards;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadCardListBytes)->Unit(benchmark::kMillisecond);

// A load into a fresh table, as at start-up.
void BM_LoadCardListBytesFreshTable(benchmark::State& state) {
    const std::string& bytes = GeneratedList();
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<svdb::CardTable>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(svdb::LoadCardListBytes(*table, bytes).cardsLoaded);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadCardListBytesFreshTable)->Unit(benchmark::kMillisecond);

// The generated list written once to a file, for the cases that start from
// the file as the program does.
const std::string& GeneratedListPath() {
    static const std::string path = [] {
        const std::string p =
            (std::filesystem::temp_directory_path() / "svdb_bench_SVANLIST.csv").string();
        svdb::WriteFileBytes(p, GeneratedList());
        return p;
    }();
    return path;
}

// Reading the card list file and decoding it, nothing else.
void BM_DecodeFile(benchmark::State& state) {
    const std::string& path = GeneratedListPath();
    std::string text;
    for (auto _ : state) {
        const std::optional<std::string> bytes = svdb::ReadFileBytes(path);
        text.clear();
        svdb::ShiftJisCodec::decodeAppend(*bytes, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_DecodeFile)->Unit(benchmark::kMillisecond);

// LoadCardList as the program calls it: from the file's path.
void BM_LoadCardListFile(benchmark::State& state) {
    const std::string& path = GeneratedListPath();
    svdb::CardTable table;
    int cards = 0;
    for (auto _ : state) {
        cards = svdb::LoadCardList(table, path).cardsLoaded;
        benchmark::DoNotOptimize(cards);
    }
    state.counters["cards"] = cards;
}
BENCHMARK(BM_LoadCardListFile)->Unit(benchmark::kMillisecond);

}  // namespace
