#pragma once
// Colour reduction for the 256-colour icon images.
#include <array>
#include <cstdint>
#include <vector>

#include "icon_picture.h"

namespace icon {

struct PalettedImage {
    std::array<Rgba, 256> palette{};   // alpha unused; entry 0 is black, for the transparent pixels
    std::vector<std::uint8_t> indices; // rows from the top
    std::vector<bool> transparent;     // rows from the top
};

// Pixels under half opacity become transparent (black behind the mask); the
// others keep their own colour, reduced by median cut to at most 255 colours.
PalettedImage ReduceColors(const Image& image);

}  // namespace icon
