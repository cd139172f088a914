#pragma once

// Damaged copies of a good file, the same kinds for every reader: each
// reader's test states, one row per kind, what it keeps of them.

#include <cstddef>
#include <random>
#include <string>

#include "text/ShiftJisCodec.h"

namespace svdb::testing {

enum class Damage {
    Empty,            // no bytes at all
    Utf8,             // the text written as UTF-8
    Utf16WithBom,     // the text written as UTF-16 LE with its byte order mark
    RandomBytes,      // 64 KiB of noise
    CutMidCharacter,  // ends after the lead byte of the last line's last two-byte character
    CutMidLine,       // ends half-way through the last line
    NulBytes,         // a NUL byte at the end of every line, before its CR LF
    MegabyteLine,     // a line of 1 MiB without a separator after the first line
    LfOnly,           // lines ended by LF alone
    CrOnly,           // lines ended by CR alone
};

inline const char* DamageName(Damage d) {
    constexpr const char* kNames[] = {
        "Empty",      "Utf8",     "Utf16WithBom", "RandomBytes", "CutMidCharacter",
        "CutMidLine", "NulBytes", "MegabyteLine", "LfOnly",      "CrOnly"};
    return kNames[static_cast<int>(d)];
}

inline std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// UTF-16 LE with a byte order mark, for text of the Basic Multilingual Plane.
inline std::string Utf16WithBom(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
        unsigned cp = n == 1 ? c : c & (0x3F >> (n - 1));
        for (int k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += static_cast<char>(cp & 0xFF);
        out += static_cast<char>(cp >> 8);
        i += static_cast<std::size_t>(n);
    }
    return out;
}

// good: Shift_JIS bytes with CR LF line ends, the last line ended too, its
// last line holding a two-byte character.
inline std::string Damaged(const std::string& good, Damage d) {
    const std::size_t lastLine = good.rfind("\r\n", good.size() - 3) + 2;
    switch (d) {
        case Damage::Empty:
            return {};
        case Damage::Utf8:
            return ShiftJisCodec::decode(good);
        case Damage::Utf16WithBom:
            return Utf16WithBom(ShiftJisCodec::decode(good));
        case Damage::RandomBytes: {
            std::mt19937 rng(20240501);
            std::string out(1 << 16, '\0');
            for (char& c : out) c = static_cast<char>(rng());
            return out;
        }
        case Damage::CutMidCharacter: {
            std::size_t lead = lastLine;
            for (std::size_t i = lastLine; i < good.size();) {
                const auto c = static_cast<unsigned char>(good[i]);
                const bool isLead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
                if (isLead) lead = i;
                i += isLead ? 2 : 1;
            }
            return good.substr(0, lead + 1);
        }
        case Damage::CutMidLine:
            return good.substr(0, lastLine + (good.size() - lastLine) / 2);
        case Damage::NulBytes:
            return ReplaceAll(good, "\r\n", std::string("\0\r\n", 3));
        case Damage::MegabyteLine: {
            const std::size_t second = good.find("\r\n") + 2;
            return good.substr(0, second) + std::string(1 << 20, 'A') + "\r\n" +
                   good.substr(second);
        }
        case Damage::LfOnly:
            return ReplaceAll(good, "\r\n", "\n");
        case Damage::CrOnly:
            return ReplaceAll(good, "\r\n", "\r");
    }
    return good;
}

}  // namespace svdb::testing
