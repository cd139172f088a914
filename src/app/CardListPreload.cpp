#include "app/CardListPreload.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "app/AppPaths.h"
#include "catalogue/CardTable.h"

namespace svdb {

CardListPreload::CardListPreload(const std::string& programDir)
    : worker_([this, programDir] {
          // Even the empty table takes a few megabytes to set up.
          {
              auto table = std::make_unique<CardTable>();
              const std::lock_guard<std::mutex> lock(madeMutex_);
              table_ = std::move(table);
          }
          made_.notify_all();
          if (programDir.empty()) return;
          path_ = AppPaths::FindCardList(programDir);
          outcome_ = LoadCardList(*table_, path_);
      }) {}

CardListPreload::~CardListPreload() {
    wait();
}

void CardListPreload::wait() {
    if (worker_.joinable()) worker_.join();
}

CardTable& CardListPreload::table() {
    std::unique_lock<std::mutex> lock(madeMutex_);
    made_.wait(lock, [this] { return table_ != nullptr; });
    return *table_;
}

std::optional<LoadOutcome> CardListPreload::take(const std::string& path) {
    wait();
    if (!outcome_ || path != path_) return std::nullopt;
    return std::exchange(outcome_, std::nullopt);
}

LoadOutcome CardListPreload::load(const std::string& path) {
    if (std::optional<LoadOutcome> outcome = take(path)) return *outcome;
    return LoadCardList(*table_, path);
}

std::string CardListPreload::ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

}  // namespace svdb
