#include "text/FileLineReader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace svdb {

namespace {

// The piece read at a time: small enough to stay in the cache, large enough
// that a card list takes a few dozen reads.
constexpr std::size_t kPiece = 64 * 1024;

}  // namespace

FileLineReader::~FileLineReader() {
    close();
}

void FileLineReader::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool FileLineReader::open(const std::string& path, FileReadFault* fault) {
    close();
    buffer_.assign(kPiece, '\0');
    start_ = end_ = scanned_ = total_ = 0;
    atEnd_ = false;
    lineNumber_ = 0;
    fault_ = FileReadFault{};
    fd_ = OpenFileForReading(path, fault);
    atEnd_ = fd_ < 0;
    return fd_ >= 0;
}

bool FileLineReader::fill() {
    if (atEnd_) return false;
    // The line being read moves to the front; a line longer than the buffer
    // makes it grow.
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fault_ = FileReadFault{FileReadFault::Kind::System, errno};
        if (n > 0) {
            total_ += static_cast<std::size_t>(n);
            if (total_ <= kMaxFileBytes) {
                end_ += static_cast<std::size_t>(n);
                return true;
            }
            fault_ = FileReadFault{FileReadFault::Kind::TooLarge, 0};
        }
        atEnd_ = true;
        close();
        return false;
    }
}

bool FileLineReader::next(std::string_view& line) {
    for (;;) {
        const char* begin = buffer_.data() + start_;
        const std::size_t held = end_ - start_;
        const auto* lf = static_cast<const char*>(
            std::memchr(begin + scanned_, '\n', held - std::min(scanned_, held)));
        std::size_t length = 0;
        if (lf != nullptr) {
            length = static_cast<std::size_t>(lf - begin);
            start_ += length + 1;
        } else if (fill()) {
            scanned_ = held;
            continue;
        } else if (held > 0 && fault_.kind == FileReadFault::Kind::None) {
            // The last line, without a terminator. After a failed read the
            // bytes held are a line cut short, and are not given.
            length = held;
            start_ = end_;
        } else {
            return false;
        }
        scanned_ = 0;
        if (length > 0 && begin[length - 1] == '\r') --length;
        line = std::string_view(begin, length);
        ++lineNumber_;
        return true;
    }
}

}  // namespace svdb
