// The Shift_JIS codec over any bytes: decoding gives UTF-8, and decoding,
// encoding and decoding again gives the same text, except that a byte that
// could not be decoded comes back as "?". Splitting at a separator finds
// every separator the decoded text holds.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "text/ShiftJisCodec.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = svdb::ShiftJisCodec::decode(bytes);
    FUZZ_CHECK(IsUtf8(text));

    bool lossless = false;
    const std::string encoded = svdb::ShiftJisCodec::encode(text, &lossless);
    FUZZ_CHECK(lossless == (text.find(kReplacement) == std::string::npos));
    FUZZ_CHECK(svdb::ShiftJisCodec::byteWidth(text) == static_cast<int>(encoded.size()));
    std::string expected = text;
    for (std::size_t at = expected.find(kReplacement); at != std::string::npos;
         at = expected.find(kReplacement, at + 1)) {
        expected.replace(at, kReplacement.size(), "?");
    }
    FUZZ_CHECK(svdb::ShiftJisCodec::decode(encoded) == expected);

    std::string split;
    std::array<std::size_t, 8> commas{};
    const std::size_t count = svdb::ShiftJisCodec::decodeSplitAppend(bytes, ',', split, commas);
    FUZZ_CHECK(split == text);
    FUZZ_CHECK(count == static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')));
    for (std::size_t k = 0; k < std::min(count, commas.size()); ++k) {
        FUZZ_CHECK(commas[k] < split.size() && split[commas[k]] == ',');
    }

    // The bytes taken as UTF-8, as core text written to a file: encoding
    // never fails, and what it gives decodes and encodes to itself.
    bool fromUtf8Lossless = false;
    const std::string written = svdb::ShiftJisCodec::encode(bytes, &fromUtf8Lossless);
    FUZZ_CHECK(svdb::ShiftJisCodec::encode(svdb::ShiftJisCodec::decode(written)) == written ||
               !fromUtf8Lossless);
    return 0;
}
