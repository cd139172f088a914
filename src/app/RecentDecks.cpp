#include "app/RecentDecks.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "text/FileBytes.h"
#include "text/ShiftJisCodec.h"

namespace svdb {

namespace {

// U+FFFD, which the decoder puts for a byte that forms no character, and
// which Shift_JIS cannot encode: a line of our own never decodes to it.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool ValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;  // cut off
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF.
        static constexpr std::uint32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += n + 1;
    }
    return true;
}

// The path a line names, or nothing for a line that makes no sense.
std::optional<std::string> PathOfLine(std::string_view line) {
    if (line.empty() || line.size() > RecentDecks::kMaxPathBytes) return std::nullopt;
    if (line.find('\0') != std::string_view::npos) return std::nullopt;
    if (line.starts_with(RecentDecks::kUtf8Mark)) {
        line.remove_prefix(RecentDecks::kUtf8Mark.size());
        if (line.empty() || !ValidUtf8(line)) return std::nullopt;
        return std::string(line);
    }
    std::string path = ShiftJisCodec::decode(line);
    // Decoded text is never shorter than its Shift_JIS bytes, but may be longer.
    if (path.find(kReplacement) != std::string::npos || path.size() > RecentDecks::kMaxPathBytes)
        return std::nullopt;
    return path;
}

}  // namespace

bool RecentDecks::add(const std::string& path) {
    if (path.empty()) return false;
    if (!paths_.empty() && paths_.front() == path) return false;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxEntries) paths_.resize(kMaxEntries);
    return true;
}

bool RecentDecks::remove(const std::string& path) {
    return std::erase(paths_, path) > 0;
}

bool RecentDecks::removeMissing(const std::function<bool(const std::string&)>& exists) {
    return std::erase_if(paths_, [&exists](const std::string& p) { return !exists(p); }) > 0;
}

bool RecentDecks::clear() {
    if (paths_.empty()) return false;
    paths_.clear();
    return true;
}

bool RecentDecks::Storable(std::string_view path) {
    return !path.empty() && path.size() <= kMaxPathBytes &&
           path.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string RecentDecks::bytes() const {
    std::string out;
    for (const std::string& path : paths_) {
        if (!Storable(path)) continue;
        bool lossless = true;
        std::string encoded = ShiftJisCodec::encode(path, &lossless);
        if (lossless) {
            out += encoded;
        } else {
            out += kUtf8Mark;
            out += path;
        }
        out += "\r\n";
    }
    return out;
}

RecentDecks RecentDecks::FromBytes(std::string_view bytes) {
    RecentDecks recent;
    // CR LF, LF or a lone CR ends a line: a file edited elsewhere may use any.
    std::size_t start = 0;
    while (recent.paths_.size() < kMaxEntries && start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        std::optional<std::string> path = PathOfLine(bytes.substr(start, end - start));
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        if (!path || std::ranges::find(recent.paths_, *path) != recent.paths_.end()) continue;
        recent.paths_.push_back(std::move(*path));
    }
    return recent;
}

RecentDecks RecentDecks::ReadFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    return bytes ? FromBytes(*bytes) : RecentDecks{};
}

bool RecentDecks::WriteFile(const std::string& path, std::string* reason) const {
    return WriteFileReplacing(path, bytes(), reason);
}

}  // namespace svdb
