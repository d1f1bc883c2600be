#pragma once
// The icon's images in the icon format's own layouts, and the resource group
// directory that lists them.
#include <cstdint>
#include <span>
#include <vector>

#include "icon_picture.h"

namespace icon {

struct IconImage {
    int size = 0;
    int bitCount = 0;  // 8 or 32
    std::vector<std::uint8_t> bytes;
};

// 40-byte header (height doubled), 256-entry palette, pixels bottom-up, AND mask.
std::vector<std::uint8_t> EncodeBitmap8(const Image& image);
// 40-byte header (height doubled), BGRA pixels bottom-up, AND mask.
std::vector<std::uint8_t> EncodeBitmap32(const Image& image);

// GRPICONDIR with one 14-byte entry per image; the images get the IDs firstId, firstId + 1, ...
std::vector<std::uint8_t> GroupDirectory(std::span<const IconImage> images, int firstId);

}  // namespace icon
