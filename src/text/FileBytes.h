#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace svdb {

// The largest file any reader takes, far beyond any card list, deck or
// settings file: a larger one is refused rather than read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024 * 1024;

// Why a file could not be read.
struct FileReadFault {
    enum class Kind {
        None,
        System,          // opening or reading failed: error holds the system's error number
        Folder,          // the path names a folder
        NotRegularFile,  // a FIFO, a socket or a device
        TooLarge,        // more than kMaxFileBytes
    };
    Kind kind = Kind::None;
    int error = 0;

    // In the words svdeck prints: the system's description ("No such file or
    // directory"), "Is a directory", "Not a regular file" or "File too large
    // (more than 64 MB)".
    std::string reason() const;
    // The same for the window, in Japanese.
    std::string message() const;
};

// The whole content of a regular file as bytes, or nothing with the reason
// in fault (when given). A folder, a FIFO, a device and a file of more than
// kMaxFileBytes are refused without reading them; opening never waits (a
// FIFO is never opened for reading without O_NONBLOCK).
std::optional<std::string> ReadFileBytes(const std::string& path, FileReadFault* fault = nullptr);

// Opens a regular file for reading as ReadFileBytes does, with the same
// refusals: the open descriptor (the caller closes it), or -1 with the
// reason in fault (when given).
int OpenFileForReading(const std::string& path, FileReadFault* fault = nullptr);

// Replaces the file's content with the bytes. False when the file cannot be
// created or not every byte reached it.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

// Writes the bytes to a new file beside the target and renames it over the
// target only once every byte was written and the file closed without an
// error, so that the target is either the old file, untouched, or the
// complete new one. False on any failure, with the system's description of
// it in reason (when given); no temporary file is left behind.
//
// Only a regular file (or a path where nothing is yet) is replaced: a
// folder, a FIFO or a device in its place is refused and left as it was.
bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        std::string* reason = nullptr);

// The same for bytes given in consecutive pieces.
bool WriteFileReplacing(const std::string& path, std::span<const std::string_view> pieces,
                        std::string* reason = nullptr);

// Test seam: while error is not 0, every write of WriteFileReplacing fails
// with it (ENOSPC: the disk is full), as the system's write would.
void FailFileWritesForTesting(int error);

}  // namespace svdb
