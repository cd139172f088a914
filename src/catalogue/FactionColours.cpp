#include "catalogue/FactionColours.h"

namespace svdb {

const std::array<Rgb, 7>& FactionColours() {
    static const std::array<Rgb, 7> colours{{
        {204, 255, 255},
        {153, 204, 153},
        {204, 204, 204},
        {255, 204, 204},
        {255, 204, 153},
        {255, 255, 255},
        {204, 204, 255},
    }};
    return colours;
}

Rgb FactionColour(int slot) {
    if (slot < 0 || slot >= static_cast<int>(FactionColours().size())) return Rgb{};
    return FactionColours()[static_cast<std::size_t>(slot)];
}

}  // namespace svdb
