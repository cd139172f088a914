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

}  // namespace svdb
