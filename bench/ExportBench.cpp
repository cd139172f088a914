#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CatalogueGenerator.h"
#include "catalogue/CardListLoader.h"
#include "files/DeckHtml.h"
#include "files/DeckXml.h"

namespace {

// A deck of the given number of entries, cards taken in catalogue order, 3
// copies each but 2 in every seventeenth entry, so that 17 entries make a
// 50-card deck.
std::vector<svdb::DeckEntry> Deck(int entries) {
    const svdb::CardTable& table = svdb::GeneratedCatalogue();
    std::vector<svdb::DeckEntry> rows;
    for (int slot = 0; slot < svdb::CardTable::kSlots; ++slot) {
        for (int row = 0; row < svdb::CardTable::kRows; ++row) {
            if (static_cast<int>(rows.size()) == entries) return rows;
            const svdb::CardRecord& c = table.at(slot, row);
            if (!c.occupied()) continue;
            const auto copies = static_cast<std::int16_t>(rows.size() % 17 == 16 ? 2 : 3);
            rows.push_back({c.faction.str(), c.cardNumber.str(), c.front.name.str(), copies});
        }
    }
    return rows;
}

svdb::DeckExport Export(const std::vector<svdb::DeckEntry>& rows) {
    svdb::DeckExport deck{"ベンチマーク & デッキ", rows, 0, &svdb::GeneratedCatalogue()};
    for (const svdb::DeckEntry& e : rows) deck.mainTotal += e.copies;
    return deck;
}

std::string TargetPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// The floor: the same bytes written with one buffered write.
void WriteOnce(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void Report(benchmark::State& state, const std::string& bytes,
            const std::vector<svdb::DeckEntry>& rows) {
    int cards = 0;
    for (const svdb::DeckEntry& e : rows) cards += e.copies;
    state.counters["entries"] = static_cast<double>(rows.size());
    state.counters["cards"] = cards;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void BM_ExportXml(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const svdb::DeckExport deck = Export(rows);
    const std::string path = TargetPath("svdb_bench_export.xml");
    std::string reason;
    for (auto _ : state) {
        if (!svdb::WriteDeckXml(path, deck, &reason)) state.SkipWithError(reason.c_str());
    }
    Report(state, svdb::DeckXmlBytes(deck), rows);
}

void BM_ExportXmlBytesOnly(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const svdb::DeckExport deck = Export(rows);
    for (auto _ : state) {
        std::string bytes = svdb::DeckXmlBytes(deck);
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, svdb::DeckXmlBytes(deck), rows);
}

void BM_ExportXmlFloor(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const std::string bytes = svdb::DeckXmlBytes(Export(rows));
    const std::string path = TargetPath("svdb_bench_export.xml");
    for (auto _ : state) WriteOnce(path, bytes);
    Report(state, bytes, rows);
}

void BM_ExportHtml(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const svdb::DeckExport deck = Export(rows);
    const std::string path = TargetPath("svdb_bench_export.htm");
    std::string reason;
    for (auto _ : state) {
        if (!svdb::WriteDeckHtml(path, deck, &reason)) state.SkipWithError(reason.c_str());
    }
    Report(state, svdb::DeckHtmlBytes(deck), rows);
}

void BM_ExportHtmlBytesOnly(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const svdb::DeckExport deck = Export(rows);
    for (auto _ : state) {
        std::string bytes = svdb::DeckHtmlBytes(deck);
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, svdb::DeckHtmlBytes(deck), rows);
}

void BM_ExportHtmlFloor(benchmark::State& state) {
    const auto rows = Deck(static_cast<int>(state.range(0)));
    const std::string bytes = svdb::DeckHtmlBytes(Export(rows));
    const std::string path = TargetPath("svdb_bench_export.htm");
    for (auto _ : state) WriteOnce(path, bytes);
    Report(state, bytes, rows);
}

// A 50-card deck, and decks of 250 and 1,000 entries for the growth.
void DeckSizes(benchmark::internal::Benchmark* b) {
    b->Arg(17)->Arg(250)->Arg(1000)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ExportXml)->Apply(DeckSizes);
BENCHMARK(BM_ExportXmlFloor)->Apply(DeckSizes);
BENCHMARK(BM_ExportXmlBytesOnly)->Apply(DeckSizes);
BENCHMARK(BM_ExportHtml)->Apply(DeckSizes);
BENCHMARK(BM_ExportHtmlFloor)->Apply(DeckSizes);
BENCHMARK(BM_ExportHtmlBytesOnly)->Apply(DeckSizes);

}  // namespace
