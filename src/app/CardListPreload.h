#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "catalogue/CardListLoader.h"

namespace svdb {

class CardTable;

// The program's catalogue, set up and read from its card list on a thread of
// its own while the program builds its windows, so that the start-up takes
// the catalogue instead of waiting for the file. The table's content belongs
// to that thread until take() or load() has waited for it.
class CardListPreload {
  public:
    // Makes the table and reads the card list that AppPaths finds for
    // programDir into it; no file is read when programDir is empty.
    explicit CardListPreload(const std::string& programDir);
    ~CardListPreload();
    CardListPreload(const CardListPreload&) = delete;
    CardListPreload& operator=(const CardListPreload&) = delete;

    // Waits until the thread has made the table, which lives as long as
    // this object; its content is not to be touched before take() or load().
    CardTable& table();

    // Waits for the thread; then the outcome when path is the file that was
    // read, once. Nothing for any other path, or a second time: that file is
    // the caller's to load.
    std::optional<LoadOutcome> take(const std::string& path);

    // The start-up's loader: the outcome taken for path when it is the file
    // that was read, else path loaded into the table now.
    LoadOutcome load(const std::string& path);

    // The folder of the running program as the system names it (the window's
    // start-up finds the same one); empty when the system does not say.
    static std::string ProgramFolder();

  private:
    void wait();

    std::mutex madeMutex_;
    std::condition_variable made_;
    std::unique_ptr<CardTable> table_;  // set under madeMutex_
    std::string path_;
    std::optional<LoadOutcome> outcome_;
    std::thread worker_;
};

}  // namespace svdb
