#pragma once
// PNG encoding of the large icon image: 8-bit RGBA, non-interlaced.
#include <cstdint>
#include <span>
#include <vector>

#include "icon_picture.h"

namespace icon {

std::uint32_t Crc32(std::span<const std::uint8_t> data);

std::vector<std::uint8_t> EncodePng(const Image& image);

}  // namespace icon
