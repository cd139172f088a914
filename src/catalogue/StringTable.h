#pragma once

#include <string_view>

namespace svdb {

// The program's string table: faction names (ids 101..106, 108..111) and the
// keyword rules paragraphs (ids 207..211). An unknown id gives empty text.
class StringTable {
public:
    static std::string_view text(int id);
};

}  // namespace svdb
