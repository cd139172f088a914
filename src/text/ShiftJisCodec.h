#pragma once

#include <string>
#include <string_view>

namespace svdb {

// Shift_JIS (code page 932, through iconv's "CP932") to and from UTF-8.
// Core text is UTF-8; bytes become text only at file boundaries, here.
class ShiftJisCodec {
public:
    // Decodes CP932 bytes. Never fails: a byte that cannot be decoded
    // becomes U+FFFD and decoding goes on with the next byte.
    static std::string decode(std::string_view bytes);

    // Encodes UTF-8 text. A character with no CP932 form becomes "?"; lossless,
    // when given, tells whether every character had one.
    static std::string encode(std::string_view utf8, bool* lossless = nullptr);

    // Width of a text in Shift_JIS bytes (a full-width character counts 2).
    static int byteWidth(std::string_view utf8);
};

}  // namespace svdb
