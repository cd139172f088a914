#include "text/LineReader.h"

#include <cstring>
#include <optional>
#include <utility>

#include "text/FileBytes.h"

namespace svdb {

bool LineReader::openFile(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    owned_ = bytes ? std::move(*bytes) : std::string();
    bytes_ = owned_;
    pos_ = 0;
    lineNumber_ = 0;
    terminated_ = true;
    return bytes.has_value();
}

bool LineReader::next(std::string_view& line) {
    if (pos_ >= bytes_.size()) return false;
    const char* begin = bytes_.data() + pos_;
    const std::size_t left = bytes_.size() - pos_;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', left));
    std::size_t length;
    if (lf != nullptr) {
        length = static_cast<std::size_t>(lf - begin);
        pos_ += length + 1;
        terminated_ = true;
    } else {
        length = left;
        pos_ = bytes_.size();
        terminated_ = false;
    }
    if (length > 0 && begin[length - 1] == '\r') --length;
    line = std::string_view(begin, length);
    ++lineNumber_;
    return true;
}

std::vector<std::string_view> LineReader::split(std::string_view bytes) {
    std::vector<std::string_view> lines;
    LineReader reader(bytes);
    std::string_view line;
    while (reader.next(line)) lines.push_back(line);
    return lines;
}

}  // namespace svdb
