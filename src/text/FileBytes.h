#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace svdb {

// The whole content of a file as bytes, or nothing when the file cannot be
// opened or read (a folder, a missing file, a read error).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file's content with the bytes. False when the file cannot be
// created or not every byte reached it.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

// Writes the bytes to a new file beside the target and renames it over the
// target only once every byte is on disk, so that the target is either the
// old file, untouched, or the complete new one. False on any failure, with
// the system's description of it in reason (when given); no temporary file
// is left behind.
bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        std::string* reason = nullptr);

}  // namespace svdb
