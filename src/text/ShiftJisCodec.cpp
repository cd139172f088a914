#include "text/ShiftJisCodec.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "text/MemoryPages.h"

namespace svdb {

namespace {

// UTF-8 form of one decoded character (CP932 only holds characters of the
// basic plane, so three bytes suffice); len 0 means "no character".
struct Utf8Char {
    std::uint8_t len = 0;
    char bytes[3] = {};
};

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
constexpr int kLowestTrail = 0x40;

// Converts all n input bytes (at most 4) from a fresh conversion state; the
// number of bytes produced, or 0 when the input does not convert whole.
std::size_t convertWhole(iconv_t cd, const char* bytes, std::size_t n, char* out,
                         std::size_t outSize) {
    char in[4] = {};
    for (std::size_t i = 0; i < n && i < sizeof in; ++i) in[i] = bytes[i];
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = n;
    std::size_t outLeft = outSize;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (r == static_cast<std::size_t>(-1) || inLeft != 0) return 0;
    return outSize - outLeft;
}

// The character that n bytes of UTF-8 output stand for, when they are exactly
// one character of the basic plane; otherwise "no character".
Utf8Char oneCharacter(const char* utf8, std::size_t n) {
    Utf8Char result;
    if (n == 0 || n > 3) return result;
    const auto first = static_cast<std::uint8_t>(utf8[0]);
    const std::size_t expected = first < 0x80 ? 1 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
    if (expected != n) return result;
    result.len = static_cast<std::uint8_t>(n);
    for (std::size_t i = 0; i < n; ++i) result.bytes[i] = utf8[i];
    return result;
}

Utf8Char convertOne(iconv_t cd, const char* bytes, std::size_t n) {
    char out[8];
    return oneCharacter(out, convertWhole(cd, bytes, n, out, sizeof out));
}

// A byte that alone is an incomplete sequence starts a double-byte character.
bool probeLead(iconv_t cd, char byte) {
    char in[1] = {byte};
    char out[8];
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    return r == static_cast<std::size_t>(-1) && errno == EINVAL;
}

std::size_t utf8Of(std::uint32_t cp, char* out) {
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | cp >> 6);
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | cp >> 12);
    out[1] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
}

// CP932 to UTF-8: every single byte and every lead/trail pair.
class DecodeTable {
  public:
    DecodeTable() {
        // A quarter of a megabyte, filled at once.
        pairs_.reserve(65536);
        MakePagesPresent(pairs_.data(), 65536 * sizeof(Utf8Char));
        pairs_.resize(65536);
        iconv_t toUtf8 = iconv_open("UTF-8", "CP932");
        if (toUtf8 != reinterpret_cast<iconv_t>(-1)) {
            for (int b = 0; b < 256; ++b) {
                const char in[1] = {static_cast<char>(b)};
                single_[b] = convertOne(toUtf8, in, 1);
                if (single_[b].len == 0) lead_[b] = probeLead(toUtf8, in[0]);
            }
            for (int lead = 0; lead < 256; ++lead) {
                if (lead_[lead]) fillRow(toUtf8, static_cast<std::uint8_t>(lead));
            }
            iconv_close(toUtf8);
        }
        // ASCII is the same in both; the fast paths rely on it.
        for (int b = 0; b < 0x80; ++b) {
            single_[b].len = 1;
            single_[b].bytes[0] = static_cast<char>(b);
        }
    }

    const Utf8Char& single(std::uint8_t b) const { return single_[b]; }
    bool isLead(std::uint8_t b) const { return lead_[b]; }
    const Utf8Char& pair(std::uint8_t lead, std::uint8_t trail) const {
        return pairs_[static_cast<std::size_t>(lead) << 8 | trail];
    }

  private:
    // Trail bytes start at 0x40, so separators, CR and LF below it always
    // stand for themselves.
    static constexpr int kTrails = 256 - kLowestTrail;

    // Fills the pairs of one lead byte with as few iconv calls as it takes:
    // the pairs go in one run, each followed by a line feed, so that the
    // output splits back into one piece per pair. A pair that does not
    // convert stops a run, which goes on after it. Whatever else comes out
    // (a piece that is not exactly one character, a stop inside a pair)
    // leaves the rest of the row to one call per pair.
    void fillRow(iconv_t cd, std::uint8_t lead) {
        Utf8Char* row = &pairs_[static_cast<std::size_t>(lead) << 8];
        char in[kTrails * 3];
        for (int k = 0; k < kTrails; ++k) {
            in[k * 3] = static_cast<char>(lead);
            in[k * 3 + 1] = static_cast<char>(kLowestTrail + k);
            in[k * 3 + 2] = '\n';
        }
        char out[kTrails * 8];
        int next = 0;  // the first pair not yet known
        while (next < kTrails) {
            char* inPtr = in + next * 3;
            std::size_t inLeft = static_cast<std::size_t>(kTrails - next) * 3;
            char* outPtr = out;
            std::size_t outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            const std::size_t consumed = static_cast<std::size_t>(inPtr - (in + next * 3));
            const char* const outEnd = outPtr;
            const bool stopped = r == static_cast<std::size_t>(-1);
            if (consumed % 3 != 0 || (stopped && error != EILSEQ)) break;
            const int converted = static_cast<int>(consumed / 3);
            const char* piece = out;
            bool whole = true;
            for (int k = 0; k < converted && whole; ++k) {
                const auto* end = static_cast<const char*>(
                    std::memchr(piece, '\n', static_cast<std::size_t>(outEnd - piece)));
                const Utf8Char ch =
                    end == nullptr ? Utf8Char{}
                                   : oneCharacter(piece, static_cast<std::size_t>(end - piece));
                if (ch.len == 0) {
                    whole = false;
                } else {
                    row[kLowestTrail + next + k] = ch;
                    piece = end + 1;
                }
            }
            if (!whole || piece != outEnd) break;
            // A stop leaves its pair without a character.
            next += converted + (stopped ? 1 : 0);
        }
        for (int k = next; k < kTrails; ++k) {
            const char pairBytes[2] = {static_cast<char>(lead),
                                       static_cast<char>(kLowestTrail + k)};
            row[kLowestTrail + k] = convertOne(cd, pairBytes, 2);
        }
    }

    std::array<Utf8Char, 256> single_{};
    std::array<bool, 256> lead_{};
    std::vector<Utf8Char> pairs_;
};

// UTF-8 to CP932: every code point of the basic plane above ASCII.
class EncodeTable {
  public:
    EncodeTable() : encode_(65536, 0) {
        iconv_t toCp932 = iconv_open("CP932", "UTF-8");
        if (toCp932 == reinterpret_cast<iconv_t>(-1)) return;
        for (std::uint32_t cp = 0x80; cp < 0x10000; ++cp) {
            if (cp >= 0xD800 && cp <= 0xDFFF) continue;
            char in[3];
            const std::size_t n = utf8Of(cp, in);
            char out[8];
            const std::size_t produced = convertWhole(toCp932, in, n, out, sizeof out);
            if (produced == 1) {
                encode_[cp] = static_cast<std::uint8_t>(out[0]);
            } else if (produced == 2) {
                encode_[cp] = static_cast<std::uint16_t>(static_cast<std::uint8_t>(out[0]) << 8 |
                                                         static_cast<std::uint8_t>(out[1]));
            }
        }
        iconv_close(toCp932);
        // The pairs of the characters written in three UTF-8 bytes, as they
        // lie in memory, so that the common case is one load and one store.
        for (std::uint32_t cp = 0x800; cp < 0x10000; ++cp) {
            if (encode_[cp] < 0x100) continue;
            const char bytes[2] = {static_cast<char>(encode_[cp] >> 8),
                                   static_cast<char>(encode_[cp] & 0xFF)};
            std::memcpy(&threeBytePairs_[cp], bytes, 2);
        }
    }

    // CP932 form of a basic-plane code point above ASCII: 0 none, below 0x100
    // one byte, otherwise lead byte in the high half.
    std::uint16_t encoded(std::uint32_t cp) const { return cp < 0x10000 ? encode_[cp] : 0; }
    // The table itself, indexed by code points below 0x10000.
    const std::uint16_t* basicPlane() const { return encode_.data(); }
    // The two bytes of a code point from U+0800 up with a two-byte form, as
    // they are written (lead byte first); 0 for every other code point.
    const std::uint16_t* threeBytePairs() const { return threeBytePairs_.data(); }

  private:
    std::vector<std::uint16_t> encode_;
    std::vector<std::uint16_t> threeBytePairs_ = std::vector<std::uint16_t>(65536, 0);
};

// Each direction is built on its first use, so that a run that only reads
// files never pays for the encoding table.
const DecodeTable& decodeTable() {
    static const DecodeTable instance;
    return instance;
}

const EncodeTable& encodeTable() {
    static const EncodeTable instance;
    return instance;
}

// Next code point of UTF-8 text at i, advancing i; -1 for a malformed byte
// (i then advances by one).
std::int32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto c = static_cast<std::uint8_t>(s[i]);
    std::size_t len;
    std::uint32_t cp;
    std::uint32_t min;
    if (c < 0x80) {
        ++i;
        return c;
    } else if (c >= 0xC2 && c < 0xE0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c < 0xF0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c < 0xF5) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (i + len > s.size()) {
        ++i;
        return -1;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto t = static_cast<std::uint8_t>(s[i + k]);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = cp << 6 | (t & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += len;
    return static_cast<std::int32_t>(cp);
}

// The decoding loop; with Split, the output offset of each separator is noted
// as far as separatorRoom entries, and all separators are counted. With Split,
// separatorOffsets has one spare entry after its room, and the entry after the
// last separator noted is overwritten with no meaning. Its
// start is aligned so that the speed of the hot loop does not depend on the
// size of the code linked before it.
#if defined(__GNUC__)
#define SVDB_ALIGN_HOT_LOOP __attribute__((aligned(64)))
#else
#define SVDB_ALIGN_HOT_LOOP
#endif
template <bool Split>
SVDB_ALIGN_HOT_LOOP std::size_t DecodeInto(std::string_view bytes, char separator, std::string& out,
                                           std::size_t* separatorOffsets,
                                           std::size_t separatorRoom) {
    std::size_t separators = 0;
    const DecodeTable& t = decodeTable();
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t n = bytes.size();
    // Worst case: every byte a half-width katakana (3 UTF-8 bytes each).
    const std::size_t start = out.size();
    out.resize(start + n * 3);
    char* const base = out.data();
    char* dst = base + start;
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t c = p[i];
        if (c < 0x80) {
            if constexpr (Split) {
                // Without a branch on the separator, which is hard to predict:
                // every ASCII byte writes its offset to the entry of the next
                // separator (or, when the entries are full, to the spare one
                // after them), and only a separator moves on to the next entry.
                const std::size_t entry = separators < separatorRoom ? separators : separatorRoom;
                separatorOffsets[entry] = static_cast<std::size_t>(dst - base);
                separators += c == static_cast<std::uint8_t>(separator) ? 1 : 0;
            }
            *dst++ = static_cast<char>(c);
            ++i;
            continue;
        }
        if (t.isLead(c) && i + 1 < n) {
            const Utf8Char& ch = t.pair(c, p[i + 1]);
            if (ch.len != 0) {
                std::memcpy(dst, ch.bytes, 3);  // the output has room; only len bytes count
                dst += ch.len;
                i += 2;
                continue;
            }
        }
        const Utf8Char& ch = t.single(c);
        if (ch.len != 0) {
            std::memcpy(dst, ch.bytes, 3);
            dst += ch.len;
        } else {
            std::memcpy(dst, kReplacement, 3);
            dst += 3;
        }
        ++i;
    }
    out.resize(static_cast<std::size_t>(dst - base));
    return separators;
}

// The four bytes as read on a little-endian machine: the first in the low
// byte.
std::uint32_t LittleEndian(std::uint32_t w) {
    if constexpr (std::endian::native == std::endian::big) return __builtin_bswap32(w);
    return w;
}

// The encoding loop: writes the Shift_JIS form of utf8 to dst, which has
// room for utf8.size() bytes, and answers the end of what it wrote.
SVDB_ALIGN_HOT_LOOP char* EncodeInto(std::string_view utf8, char* dst, bool* lossless) {
    const EncodeTable& table = encodeTable();
    const std::uint16_t* const basicPlane = table.basicPlane();
    const std::uint16_t* const pairs = table.threeBytePairs();
    bool allMapped = true;
    const auto* const begin = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto* const end = begin + utf8.size();
    const std::uint8_t* src = begin;
    while (src < end) {
        // Most text here is Japanese: well-formed three-byte characters with a
        // two-byte form, read as one word (a lead byte 1110xxxx and
        // two continuation bytes 10xxxxxx), or the last three. Anything else
        // (a character without a form or with a one-byte form, an overlong
        // form, a surrogate: their pair is 0) takes the general way.
        if (end - src >= 3) {
            std::uint32_t w;
            if (end - src >= 4) {
                std::memcpy(&w, src, 4);
                w = LittleEndian(w);
            } else {
                w = src[0] | std::uint32_t{src[1]} << 8 | std::uint32_t{src[2]} << 16;
            }
            if ((w & 0xC0C0F0u) == 0x8080E0u) {
                const std::uint32_t cp = (w & 0x0Fu) << 12 | (w >> 2 & 0xFC0u) | (w >> 16 & 0x3Fu);
                const std::uint16_t pair = pairs[cp];
                if (pair != 0) {
                    std::memcpy(dst, &pair, 2);
                    dst += 2;
                    src += 3;
                    continue;
                }
            }
        }
        const std::uint8_t c = *src;
        if (c < 0x80) {
            *dst++ = static_cast<char>(c);
            ++src;
            continue;
        }
        std::size_t i = static_cast<std::size_t>(src - begin);
        const std::int32_t cp = nextCodePoint(utf8, i);
        src = begin + i;
        const std::uint16_t code =
            cp < 0 || cp >= 0x10000 ? 0 : basicPlane[static_cast<std::uint32_t>(cp)];
        if (code == 0) {
            *dst++ = '?';
            allMapped = false;
        } else if (code < 0x100) {
            *dst++ = static_cast<char>(code);
        } else {
            *dst++ = static_cast<char>(code >> 8);
            *dst++ = static_cast<char>(code & 0xFF);
        }
    }
    if (lossless != nullptr) *lossless = allMapped;
    return dst;
}

}  // namespace

void ShiftJisCodec::decodeAppend(std::string_view bytes, std::string& out) {
    DecodeInto<false>(bytes, '\0', out, nullptr, 0);
}

std::size_t ShiftJisCodec::decodeSplitAppend(std::string_view bytes, char separator,
                                             std::string& out,
                                             std::span<std::size_t> separatorOffsets) {
    // The offsets are noted in a buffer with the spare entry that DecodeInto
    // writes to and copied out, so that no entry past those noted changes.
    constexpr std::size_t kLocalRoom = 64;
    std::array<std::size_t, kLocalRoom + 1> local;
    std::vector<std::size_t> large;
    std::size_t* notes = local.data();
    if (separatorOffsets.size() > kLocalRoom) {
        large.resize(separatorOffsets.size() + 1);
        notes = large.data();
    }
    const std::size_t count =
        DecodeInto<true>(bytes, separator, out, notes, separatorOffsets.size());
    std::copy_n(notes, std::min(count, separatorOffsets.size()), separatorOffsets.begin());
    return count;
}

std::string ShiftJisCodec::decode(std::string_view bytes) {
    std::string out;
    decodeAppend(bytes, out);
    return out;
}

void ShiftJisCodec::encodeAppend(std::string_view utf8, std::string& out, bool* lossless) {
    // No character grows: one to four UTF-8 bytes become one or two bytes, and
    // a malformed byte becomes one "?". The output is written in place and cut
    // to its length at the end.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    char* const base = out.data();
    const char* const end = EncodeInto(utf8, base + start, lossless);
    out.resize(static_cast<std::size_t>(end - base));
}

char* ShiftJisCodec::encodeTo(std::string_view utf8, char* out, bool* lossless) {
    return EncodeInto(utf8, out, lossless);
}

std::string ShiftJisCodec::encode(std::string_view utf8, bool* lossless) {
    std::string out;
    encodeAppend(utf8, out, lossless);
    return out;
}

int ShiftJisCodec::byteWidth(std::string_view utf8) {
    const EncodeTable& t = encodeTable();
    int width = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::int32_t cp = nextCodePoint(utf8, i);
        if (cp >= 0 && cp < 0x80) {
            ++width;
            continue;
        }
        const std::uint16_t code = cp < 0 ? 0 : t.encoded(static_cast<std::uint32_t>(cp));
        width += code >= 0x100 ? 2 : 1;  // "?" for a character with no form
    }
    return width;
}

}  // namespace svdb
