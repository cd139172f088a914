#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace svdb {

// Splits bytes (or a whole file) into lines. A line ends at CR LF; a lone LF
// also ends one, and a CR at the very end of the input is dropped as the
// start of a cut-off CR LF. A CR elsewhere stays part of the line. The bytes
// after the last terminator, when there are any, make one last line without
// a terminator; input that ends with a terminator has no empty line after it.
//
// The line views stay valid as long as the reader (and, for a reader over
// bytes given to it, those bytes) lives. Splitting is byte-wise, which is
// exact for Shift_JIS, whose trail bytes are never CR or LF.
class LineReader {
  public:
    LineReader() = default;
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Reads the whole file and reads lines from it. False (and no lines) when
    // the file cannot be read.
    bool openFile(const std::string& path);

    // The next line without its terminator; false at the end of the input.
    bool next(std::string_view& line);

    // 1-based number of the line last returned by next, 0 before the first.
    int lineNumber() const { return lineNumber_; }

    // Whether the line last returned by next ended with a terminator (false
    // only for a last line cut off before its CR LF).
    bool lastLineTerminated() const { return terminated_; }

    // All lines of the bytes.
    static std::vector<std::string_view> split(std::string_view bytes);

  private:
    std::string owned_;
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
    bool terminated_ = true;
};

}  // namespace svdb
