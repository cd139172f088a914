// The deck text and comma-separated files: each writer (encoding and the
// replacing write through a temporary file) beside one buffered write of the
// same bytes and beside its encoding alone, and each reader (from bytes)
// beside the decoding of the same bytes alone. The argument is the number of
// main-deck entries; 18 entries make a 50-card deck, which also gets a side
// deck of 5 entries.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "files/DeckCsvFile.h"
#include "files/DeckTextFile.h"
#include "text/ShiftJisCodec.h"

namespace {

constexpr int kFiftyCardEntries = 18;

std::vector<svdb::DeckEntry> Rows(int count, int seed) {
    static const char* const factions[] = {"連邦", "ジオン", "ティターンズ", "ネオジオン",
                                           "∀",    "Seed",   "その他"};
    static const char* const prefixes[] = {"U-", "CH-", "C-", "O-", "G-"};
    static const char* const names[] = {"レイヴン",      "グラナト改", "ヘルムート・カスタム",
                                        "ルキナ 改  II", "スパーダ",   "ｶﾞﾝﾅｰ"};
    std::vector<svdb::DeckEntry> rows;
    for (int i = 0; i < count; ++i) {
        const int k = i + seed;
        svdb::DeckEntry e;
        e.faction = factions[k % 7];
        e.cardNumber = prefixes[k % 5] + std::to_string(1 + k % 180);
        e.cardName = names[k % 6];
        e.copies = static_cast<std::int16_t>(1 + k % 3);
        rows.push_back(std::move(e));
    }
    return rows;
}

const svdb::DeckText& Deck(int entries) {
    static std::map<int, svdb::DeckText> decks;
    auto [it, added] = decks.try_emplace(entries);
    svdb::DeckText& deck = it->second;
    if (added) {
        deck.title = "ベンチ デッキ";
        deck.mainRows = Rows(entries, 0);
        if (entries == kFiftyCardEntries) {
            // 14 entries of 3 and 4 of 2: 50 cards.
            for (int i = 0; i < entries; ++i) deck.mainRows[i].copies = i < 14 ? 3 : 2;
            deck.sideRows = Rows(5, 7);
        }
        deck.mainTotal = svdb::SumOfCopies(deck.mainRows);
        deck.factionCounts = {12, 9, 8, 7, 6, 5, 3};
        deck.typeCounts = {20, 12, 8, 6, 4};
    }
    return deck;
}

const std::string& TextBytes(int entries) {
    static std::map<int, std::string> bytes;
    auto [it, added] = bytes.try_emplace(entries);
    if (added) it->second = svdb::DeckTextBytes(Deck(entries));
    return it->second;
}

const std::string& CsvBytes(int entries) {
    static std::map<int, std::string> bytes;
    auto [it, added] = bytes.try_emplace(entries);
    if (added) it->second = svdb::DeckCsvBytes(Deck(entries).mainRows);
    return it->second;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void Args(benchmark::internal::Benchmark* b) {
    b->Arg(kFiftyCardEntries)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
}

void SetBytes(benchmark::State& state, const std::string& bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

// The floor of a save: the finished bytes written with one buffered write.
void WriteFloor(benchmark::State& state, const std::string& bytes, const std::string& path) {
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) {
            state.SkipWithError("cannot write the file");
            break;
        }
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    SetBytes(state, bytes);
    std::filesystem::remove(path);
}

void BM_DeckTextWriteFloor(benchmark::State& state) {
    WriteFloor(state, TextBytes(static_cast<int>(state.range(0))),
               TempPath("svdb_bench_deck_floor.txt"));
}
BENCHMARK(BM_DeckTextWriteFloor)->Apply(Args);

void BM_DeckTextSave(benchmark::State& state) {
    const svdb::DeckText& deck = Deck(static_cast<int>(state.range(0)));
    const std::string path = TempPath("svdb_bench_deck_save.txt");
    std::string reason;
    for (auto _ : state) {
        if (!svdb::SaveDeckText(path, deck, &reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
    }
    SetBytes(state, TextBytes(static_cast<int>(state.range(0))));
    std::filesystem::remove(path);
}
BENCHMARK(BM_DeckTextSave)->Apply(Args);

// The writer without the file: encoding and layout alone.
void BM_DeckTextBytesOnly(benchmark::State& state) {
    const svdb::DeckText& deck = Deck(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string bytes = svdb::DeckTextBytes(deck);
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state, TextBytes(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DeckTextBytesOnly)->Apply(Args);

void BM_DeckCsvWriteFloor(benchmark::State& state) {
    WriteFloor(state, CsvBytes(static_cast<int>(state.range(0))),
               TempPath("svdb_bench_deck_floor.csv"));
}
BENCHMARK(BM_DeckCsvWriteFloor)->Apply(Args);

void BM_DeckCsvSave(benchmark::State& state) {
    const svdb::DeckText& deck = Deck(static_cast<int>(state.range(0)));
    const std::string path = TempPath("svdb_bench_deck_save.csv");
    std::string reason;
    for (auto _ : state) {
        if (!svdb::SaveDeckCsv(path, deck.mainRows, &reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
    }
    SetBytes(state, CsvBytes(static_cast<int>(state.range(0))));
    std::filesystem::remove(path);
}
BENCHMARK(BM_DeckCsvSave)->Apply(Args);

void BM_DeckCsvBytesOnly(benchmark::State& state) {
    const svdb::DeckText& deck = Deck(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string bytes = svdb::DeckCsvBytes(deck.mainRows);
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state, CsvBytes(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DeckCsvBytesOnly)->Apply(Args);

// The floor of a load: decoding the file's bytes, nothing else.
void DecodeFloor(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        const std::string text = svdb::ShiftJisCodec::decode(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    SetBytes(state, bytes);
}

void BM_DeckTextDecodeFloor(benchmark::State& state) {
    DecodeFloor(state, TextBytes(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DeckTextDecodeFloor)->Apply(Args);

void BM_DeckTextLoadBytes(benchmark::State& state) {
    const std::string& bytes = TextBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const svdb::DeckTextRead read = svdb::LoadDeckTextBytes(bytes);
        benchmark::DoNotOptimize(read.mainRows.data());
    }
    SetBytes(state, bytes);
}
BENCHMARK(BM_DeckTextLoadBytes)->Apply(Args);

void BM_DeckCsvDecodeFloor(benchmark::State& state) {
    DecodeFloor(state, CsvBytes(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DeckCsvDecodeFloor)->Apply(Args);

void BM_DeckCsvLoadBytes(benchmark::State& state) {
    const std::string& bytes = CsvBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const svdb::DeckCsvRead read = svdb::LoadDeckCsvBytes(bytes);
        benchmark::DoNotOptimize(read.mainRows.data());
    }
    SetBytes(state, bytes);
}
BENCHMARK(BM_DeckCsvLoadBytes)->Apply(Args);

}  // namespace
