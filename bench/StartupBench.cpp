// Start-up from main to the first painted main window, each run a process of
// its own (svdb_startup_probe): the program's start-up listing the full
// generated catalogue (7 x 501 cards), beside a bare main window with the same
// application set-up and two Japanese labels, one in each of the program's two
// fonts. Both run on the
// offscreen platform; the ratio of the two is what start-up adds to the
// least any window of the program costs.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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

// Runs the probe with its arguments and waits for it; true when it ended
// with status 0.
bool RunProbe(std::vector<std::string> args) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    args.insert(args.begin(), SVDB_STARTUP_PROBE);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_StartupProcess(benchmark::State& state) {
    const std::string& dir = ProgramDir();
    if (dir.empty()) {
        state.SkipWithError("cannot write the card list");
        return;
    }
    for (auto _ : state) {
        if (!RunProbe({"svdb", dir})) {
            state.SkipWithError("the start-up did not come to its first paint");
            break;
        }
    }
}
BENCHMARK(BM_StartupProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareWindowProcess(benchmark::State& state) {
    for (auto _ : state) {
        if (!RunProbe({"bare"})) {
            state.SkipWithError("the bare window did not come to its first paint");
            break;
        }
    }
}
BENCHMARK(BM_BareWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
