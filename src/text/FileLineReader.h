#pragma once

#include <string>
#include <string_view>

#include "text/FileBytes.h"

namespace svdb {

// Reads a file's lines a piece at a time, split as LineReader splits bytes
// (CR LF or a lone LF ends a line, a CR at the very end is dropped), so that
// a large file never stands whole in memory: only the line being read and
// the piece around it do.
//
// A line view stays valid until the next call to next. The file is opened
// as ReadFileBytes opens it, with the same refusals.
class FileLineReader {
  public:
    FileLineReader() = default;
    ~FileLineReader();
    FileLineReader(const FileLineReader&) = delete;
    FileLineReader& operator=(const FileLineReader&) = delete;

    // False, with the reason in fault (when given), when the file cannot be
    // opened or is refused.
    bool open(const std::string& path, FileReadFault* fault = nullptr);

    // The next line without its terminator; false at the end of the file, or
    // when reading failed (readFault says why).
    bool next(std::string_view& line);

    // 1-based number of the line last returned by next, 0 before the first.
    int lineNumber() const { return lineNumber_; }

    // Why reading ended before the end of the file: a read error, or the
    // file grew past kMaxFileBytes while it was read. Kind::None otherwise.
    const FileReadFault& readFault() const { return fault_; }

  private:
    // Reads more bytes after those held; false when none came.
    bool fill();
    void close();

    int fd_ = -1;
    std::string buffer_;
    std::size_t start_ = 0;    // first byte of the line being read
    std::size_t end_ = 0;      // end of the bytes held
    std::size_t scanned_ = 0;  // bytes from start_ known to hold no LF
    std::size_t total_ = 0;    // bytes read from the file so far
    bool atEnd_ = false;
    int lineNumber_ = 0;
    FileReadFault fault_;
};

}  // namespace svdb
