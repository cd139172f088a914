#pragma once

#include <string>
#include <string_view>

namespace svdb {

// Collects lines of UTF-8 text and writes them as Shift_JIS (CP932), each
// ended by CR LF. A character with no CP932 form is written as "?".
class LineWriter {
  public:
    // Appends one line; it must not hold its own terminator.
    void add(std::string_view utf8Line);

    // Whether every character added so far had a CP932 form.
    bool lossless() const { return lossless_; }

    // Number of lines added.
    int lineCount() const { return lines_; }

    // The encoded bytes of every line added.
    const std::string& bytes() const { return bytes_; }

    // Writes the lines to the file, replacing its content. False when the file
    // cannot be created or written completely.
    bool writeTo(const std::string& path) const;

  private:
    std::string bytes_;
    int lines_ = 0;
    bool lossless_ = true;
};

}  // namespace svdb
