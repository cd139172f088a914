#pragma once

#include <array>
#include <cstdint>

namespace svdb {

// A colour as red, green, blue.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of the faction slots 0..6: the list rows, the faction bar and the
// type bars paint a faction in its slot's colour.
const std::array<Rgb, 7>& FactionColours();

// The colour of slot 0..6; any other slot gives black.
Rgb FactionColour(int slot);

}  // namespace svdb
