#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace svdb {

// Shift_JIS (code page 932, through iconv's "CP932") to and from UTF-8.
// Core text is UTF-8; bytes become text only at file boundaries, here.
//
// Each direction's conversion table is built from iconv once, when that
// direction is first used (decoding never builds the encoding table, which
// encode and byteWidth use), and is read-only afterwards, so the functions are
// safe to call from any thread.
class ShiftJisCodec {
  public:
    // Decodes CP932 bytes. Never fails: a byte that cannot be decoded
    // becomes U+FFFD and decoding goes on with the next byte. A lead byte
    // whose trail byte does not form a character (a truncated lead byte at
    // the end of the input included) is one such byte; its trail byte is
    // then decoded on its own, so an ASCII separator after it is kept.
    //
    // No byte below 0x40 is ever the trail byte of a character: such a byte
    // (a comma, a tab, CR, LF) always decodes to itself.
    static std::string decode(std::string_view bytes);

    // The same, appending to out (whose capacity is reused).
    static void decodeAppend(std::string_view bytes, std::string& out);

    // Decodes like decodeAppend and, in the same pass, notes the offset in out
    // of each separator character decoded, as far as separatorOffsets has
    // room; returns how many separators were decoded in all. The separator
    // must be an ASCII character; a Shift_JIS trail byte that happens to equal
    // it is part of its character and does not count.
    static std::size_t decodeSplitAppend(std::string_view bytes, char separator, std::string& out,
                                         std::span<std::size_t> separatorOffsets);

    // Encodes UTF-8 text. A character with no CP932 form becomes "?"; lossless,
    // when given, tells whether every character had one. Malformed UTF-8
    // counts as a character with no form, one "?" per bad byte.
    static std::string encode(std::string_view utf8, bool* lossless = nullptr);

    // The same, appending to out.
    static void encodeAppend(std::string_view utf8, std::string& out, bool* lossless = nullptr);

    // The same, writing to out, which has room for utf8.size() bytes (no
    // character grows); answers the end of what was written.
    static char* encodeTo(std::string_view utf8, char* out, bool* lossless = nullptr);

    // Width of a text in Shift_JIS bytes (a full-width character counts 2);
    // the length of encode(utf8).
    static int byteWidth(std::string_view utf8);
};

}  // namespace svdb
