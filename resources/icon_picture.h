#pragma once
// The program's picture: a white check mark in a rounded green badge.
#include <cstdint>
#include <vector>

namespace icon {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied) alpha
};

// A square image, rows from the top, drawn anew for each size rather than
// scaled, so that the small sizes stay sharp.
struct Image {
    int size = 0;
    std::vector<Rgba> pixels;  // size * size
    const Rgba& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * size + x]; }
};

Image DrawPicture(int size);

}  // namespace icon
