#include "text/MemoryPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace svdb {

void MakePagesPresent(void* start, std::size_t bytes) {
#if defined(__linux__)
    // Linux 5.14 and later; an older kernel answers EINVAL and nothing is done.
    constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    if (page == 0 || start == nullptr) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(start) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) / page * page;
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
#else
    (void)start;
    (void)bytes;
#endif
}

}  // namespace svdb
