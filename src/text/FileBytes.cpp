#include "text/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace svdb {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    // Only a regular file has a size worth trusting (a folder opens, but
    // reading it fails below).
    struct stat info;
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::FILE* raw = std::fopen(path.c_str(), "wb");
    if (raw == nullptr) return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), raw);
    const bool flushed = std::fflush(raw) == 0;
    const bool closed = std::fclose(raw) == 0;
    return written == bytes.size() && flushed && closed;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string* reason) {
    auto fail = [reason](int error) {
        if (reason) *reason = std::strerror(error);
        return false;
    };
    // The temporary file sits in the target's folder, so the rename stays on
    // one file system and replaces the target in one step.
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno != EINTR) error = errno;
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // A new file gets the permissions an ordinary file would, not the
    // owner-only ones of a temporary file.
    const mode_t mask = umask(0);
    umask(mask);
    struct stat old;
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
    if (error == 0 && fchmod(fd, mode) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return fail(error);
    }
    return true;
}

}  // namespace svdb
