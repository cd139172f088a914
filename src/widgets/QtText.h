#pragma once

#include <QString>
#include <string_view>

namespace svdb {

// Core text is UTF-8; these turn it into QString at the window's edge.
inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace svdb
