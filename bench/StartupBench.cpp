// Start-up to the first painted main window, each run a process of its own
// (svdb_startup_probe): the program's start-up listing the full generated
// catalogue (7 x 501 cards), beside a bare main window with the same
// application set-up and two Japanese labels, one in each of the program's
// two fonts, both on the offscreen platform. Each is timed twice over: the
// whole process (*Process: spawning, loading the libraries, main, and the
// exit at the first paint) and from the start of main to the end of the
// first paint as the probe reports it (*FromMain). The ratio of a pair is
// what start-up adds to the least any window of the program costs;
// BM_StartupPaired runs the two side by side and reports both ratios.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "CatalogueGenerator.h"
#include "app/AppPaths.h"
#include "text/FileBytes.h"

extern char** environ;

namespace {

// A program folder holding the generated card list, written once.
const std::string& ProgramDir() {
    static const std::string dir = [] {
        std::string d =
            (std::filesystem::temp_directory_path() / ("svdb_startup_" + std::to_string(getpid())))
                .string();
        std::filesystem::create_directories(d);
        if (!svdb::WriteFileBytes(svdb::AppPaths::CardListPath(d), svdb::GenerateCatalogueBytes()))
            return std::string();
        std::atexit([] { std::filesystem::remove_all(ProgramDir()); });
        return d;
    }();
    return dir;
}

// Runs the probe with its arguments and waits for it; the microseconds from
// its main to its first paint as it reports them, or nothing when it did not
// end with status 0 after reporting.
std::optional<long long> RunProbe(std::vector<std::string> args) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    args.insert(args.begin(), SVDB_STARTUP_PROBE);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string report;
    char buffer[64];
    for (ssize_t n; spawned == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    long long micros = 0;
    const auto [end, error] = std::from_chars(report.data(), report.data() + report.size(), micros);
    if (error != std::errc() || end == report.data()) return std::nullopt;
    return micros;
}

// Each iteration one process: the whole process when manual is false,
// else the time from its main to its first paint.
void RunProcesses(benchmark::State& state, const std::vector<std::string>& args, bool manual) {
    for (auto _ : state) {
        const std::optional<long long> micros = RunProbe(args);
        if (!micros) {
            state.SkipWithError("the probe did not come to its first paint");
            break;
        }
        if (manual) state.SetIterationTime(static_cast<double>(*micros) / 1e6);
    }
}

std::vector<std::string> ProgramArgs(benchmark::State& state) {
    const std::string& dir = ProgramDir();
    if (dir.empty()) state.SkipWithError("cannot write the card list");
    return {"svdb", dir};
}

void BM_StartupProcess(benchmark::State& state) {
    const std::vector<std::string> args = ProgramArgs(state);
    if (!state.error_occurred()) RunProcesses(state, args, false);
}
BENCHMARK(BM_StartupProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareWindowProcess(benchmark::State& state) {
    RunProcesses(state, {"bare"}, false);
}
BENCHMARK(BM_BareWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same runs timed from main to the first paint alone: without loading
// the process and its libraries before main and tearing it down after.
void BM_StartupFromMain(benchmark::State& state) {
    const std::vector<std::string> args = ProgramArgs(state);
    if (!state.error_occurred()) RunProcesses(state, args, true);
}
BENCHMARK(BM_StartupFromMain)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_BareWindowFromMain(benchmark::State& state) {
    RunProcesses(state, {"bare"}, true);
}
BENCHMARK(BM_BareWindowFromMain)->Unit(benchmark::kMillisecond)->UseManualTime();

// Both runs in each iteration, one right after the other (which goes first
// alternates), so that both see the machine in the same state; the counters
// are the ratios of the program's totals to the bare window's, for the whole
// process and from main. The time is the program's whole process.
void BM_StartupPaired(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::vector<std::string> program = ProgramArgs(state);
    const std::vector<std::string> bare = {"bare"};
    double processTotals[2] = {0, 0};  // program, bare; seconds
    double mainTotals[2] = {0, 0};
    bool programFirst = true;
    for (auto _ : state) {
        if (state.error_occurred()) break;
        double process[2] = {0, 0};
        for (int k = 0; k < 2; ++k) {
            const int which = (k == 0) == programFirst ? 0 : 1;
            const Clock::time_point start = Clock::now();
            const std::optional<long long> micros = RunProbe(which == 0 ? program : bare);
            if (!micros) {
                state.SkipWithError("the probe did not come to its first paint");
                break;
            }
            process[which] = std::chrono::duration<double>(Clock::now() - start).count();
            mainTotals[which] += static_cast<double>(*micros) / 1e6;
        }
        processTotals[0] += process[0];
        processTotals[1] += process[1];
        state.SetIterationTime(process[0]);
        programFirst = !programFirst;
    }
    if (processTotals[1] > 0 && mainTotals[1] > 0) {
        state.counters["process_ratio"] = processTotals[0] / processTotals[1];
        state.counters["main_ratio"] = mainTotals[0] / mainTotals[1];
    }
}
BENCHMARK(BM_StartupPaired)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
