#pragma once

#include <cstddef>

namespace svdb {

// Asks the system to make the whole pages inside [start, start + bytes)
// present and writable at once, before they are first written. Writing a
// few megabytes of fresh memory otherwise stops at every page to have it
// mapped, which on some machines (virtual ones above all) costs more than
// the writing itself. Only a hint: where the system cannot do it, nothing
// happens and the pages come one at a time as before.
void MakePagesPresent(void* start, std::size_t bytes);

}  // namespace svdb
