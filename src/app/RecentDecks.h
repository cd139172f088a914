#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// The deck files used last ("最近使ったデッキ"), newest first, at most
// kMaxEntries of them, and their own small file beside the settings file:
// Shift_JIS text, one path per line, each line ended by CR LF.
//
// A path with a character that Shift_JIS has no form for is written as its
// UTF-8 bytes after the mark kUtf8Mark (the UTF-8 byte order mark), which no
// Shift_JIS text begins with. A path holding a line end or a NUL cannot stand
// on a line: it stays in the list for the run but is not written.
class RecentDecks {
  public:
    static constexpr std::size_t kMaxEntries = 8;
    // A longer path (in UTF-8) is none the system could open: it is not
    // written, and reading skips it.
    static constexpr std::size_t kMaxPathBytes = 4096;
    static constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

    const std::vector<std::string>& paths() const { return paths_; }
    bool empty() const { return paths_.empty(); }

    // Puts the path first, taking it out from where it stood before; the
    // oldest path goes when there are more than kMaxEntries. False (nothing
    // changed) for an empty path or one that is already first.
    bool add(const std::string& path);
    // Takes the path out; false when it was not there.
    bool remove(const std::string& path);
    // Takes out every path that exists answers false for; true when any went.
    bool removeMissing(const std::function<bool(const std::string&)>& exists);
    // Empties the list; false when it was empty.
    bool clear();

    // Whether a path can stand on a line of the file.
    static bool Storable(std::string_view path);

    // The bytes of the file.
    std::string bytes() const;

    // Reads the file's bytes as far as they make sense (CR LF, LF or a lone
    // CR ends a line): empty lines, lines with a NUL, lines longer than
    // kMaxPathBytes and lines that
    // do not decode (Shift_JIS with a byte that forms no character, or marked
    // UTF-8 that is not valid) are skipped, a path met again is kept where it
    // first stood, and reading stops once kMaxEntries paths are read.
    static RecentDecks FromBytes(std::string_view bytes);
    // The same for the file; a file that is not there or cannot be read gives
    // an empty list.
    static RecentDecks ReadFile(const std::string& path);
    // Replaces the file through a temporary file beside it. False on failure,
    // with the system's reason when asked.
    bool WriteFile(const std::string& path, std::string* reason = nullptr) const;

  private:
    std::vector<std::string> paths_;
};

}  // namespace svdb
