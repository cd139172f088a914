#include "text/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>

namespace svdb {

namespace {

int injectedWriteError = 0;

// What a regular file's status refuses, or nothing.
std::optional<FileReadFault::Kind> Refusal(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FileReadFault::Kind::Folder;
    if (!S_ISREG(info.st_mode)) return FileReadFault::Kind::NotRegularFile;
    if (info.st_size > 0 && static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) {
        return FileReadFault::Kind::TooLarge;
    }
    return std::nullopt;
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::string FileReadFault::reason() const {
    switch (kind) {
        case Kind::None:
            break;
        case Kind::System:
            return std::strerror(error);
        case Kind::Folder:
            return std::strerror(EISDIR);
        case Kind::NotRegularFile:
            return "Not a regular file";
        case Kind::TooLarge:
            return "File too large (more than " + std::to_string(kMaxFileBytes >> 20) + " MB)";
    }
    return {};
}

std::string FileReadFault::message() const {
    switch (kind) {
        case Kind::None:
            break;
        case Kind::System:
            if (error == ENOENT || error == ENOTDIR) return "ファイルが見つかりません。";
            if (error == EACCES || error == EPERM) return "ファイルを読む権限がありません。";
            return std::string("ファイルを読み込めません（") + std::strerror(error) + "）。";
        case Kind::Folder:
            return "フォルダーは読み込めません。";
        case Kind::NotRegularFile:
            return "通常のファイルではないため読み込めません。";
        case Kind::TooLarge:
            return "ファイルが大きすぎます（" + std::to_string(kMaxFileBytes >> 20) +
                   " MB まで）。";
    }
    return {};
}

int OpenFileForReading(const std::string& path, FileReadFault* fault) {
    auto fail = [fault](FileReadFault::Kind kind, int error = 0) {
        if (fault) *fault = FileReadFault{kind, error};
        return -1;
    };
    // The path is looked at before it is opened: opening a FIFO for reading
    // waits for a writer, and opening a device may act on it.
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return fail(FileReadFault::Kind::System, errno);
    if (const auto refusal = Refusal(info)) return fail(*refusal);
    // Should the path have been replaced since, opening still never waits,
    // and the file opened is looked at again.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) return fail(FileReadFault::Kind::System, errno);
    if (::fstat(file.fd, &info) != 0) return fail(FileReadFault::Kind::System, errno);
    if (const auto refusal = Refusal(info)) return fail(*refusal);
    return std::exchange(file.fd, -1);
}

std::optional<std::string> ReadFileBytes(const std::string& path, FileReadFault* fault) {
    auto fail = [fault](FileReadFault::Kind kind, int error = 0) -> std::optional<std::string> {
        if (fault) *fault = FileReadFault{kind, error};
        return std::nullopt;
    };
    const Descriptor file{OpenFileForReading(path, fault)};
    if (file.fd < 0) return std::nullopt;
    struct stat info;
    if (::fstat(file.fd, &info) != 0) return fail(FileReadFault::Kind::System, errno);

    // Room for the size the file has now and one byte more, so that a file
    // that grows (or a file of the system's that shows no size) is noticed;
    // the room grows up to one byte past the bound.
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > kMaxFileBytes) return fail(FileReadFault::Kind::TooLarge);
            bytes.resize(std::min(got * 2 + 4096, kMaxFileBytes + 1));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(FileReadFault::Kind::System, errno);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
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

namespace {

// Writes every byte to fd: 0, or the error that stopped it.
int WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n =
            injectedWriteError != 0 ? (errno = injectedWriteError, -1) : ::write(fd, p, left);
        if (n < 0) {
            if (errno != EINTR) return errno;
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Closes the last descriptor of a file that was renamed over on a thread of
// its own. Freeing the file's blocks happens at that close, and on a file
// system that discards freed blocks it waits for the disk, which the save
// need not do. Should the disk fall behind a run of saves, a save closes its
// file itself rather than leave more threads waiting.
std::atomic<int> closesInFlight{0};

void CloseLater(int fd) {
    constexpr int kMostInFlight = 4;
    if (closesInFlight.fetch_add(1) >= kMostInFlight) {
        closesInFlight.fetch_sub(1);
        ::close(fd);
        return;
    }
    try {
        std::thread([fd] {
            ::close(fd);
            closesInFlight.fetch_sub(1);
        }).detach();
    } catch (const std::system_error&) {
        closesInFlight.fetch_sub(1);
        ::close(fd);
    }
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string* reason) {
    return WriteFileReplacing(path, std::span<const std::string_view>(&bytes, 1), reason);
}

bool WriteFileReplacing(const std::string& path, std::span<const std::string_view> pieces,
                        std::string* reason) {
    auto fail = [reason](int error) {
        if (reason) *reason = std::strerror(error);
        return false;
    };
    // Renaming over a folder fails anyway; over a FIFO or a device (a path
    // such as /dev/stdout) it would replace that with a file.
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return fail(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) {
        if (reason) *reason = "Not a regular file";
        return false;
    }
    // The file being replaced is held open across the rename, so that it is
    // not freed inside the rename but at the close after it. Without the
    // right to read it, it is freed inside the rename.
    Descriptor replaced{exists ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
                               : -1};
    // The temporary file sits in the target's folder, so the rename stays on
    // one file system and replaces the target in one step.
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    int error = 0;
    for (const std::string_view bytes : pieces) {
        if (error == 0) error = WriteAll(fd, bytes);
    }
    // A new file gets the permissions an ordinary file would, not the
    // owner-only ones of a temporary file.
    const mode_t mask = umask(0);
    umask(mask);
    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~mask);
    if (error == 0 && fchmod(fd, mode) != 0) error = errno;
    // The save does not wait for the disk: a full disk shows at the write
    // (or, on a network file system, at the close), and a file system that
    // delays writing (ext4 by default) writes a file renamed over another
    // before the rename itself, so after a crash the target is still one
    // whole file, old or new. Waiting for the disk would make every save
    // several times slower than writing the file in place.
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return fail(error);
    }
    if (replaced.fd >= 0) CloseLater(std::exchange(replaced.fd, -1));
    return true;
}

void FailFileWritesForTesting(int error) {
    injectedWriteError = error;
}

}  // namespace svdb
