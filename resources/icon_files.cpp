#include "icon_files.h"

#include "palette.h"

namespace icon {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::size_t MaskStride(int size) { return static_cast<std::size_t>((size + 31) / 32) * 4; }

void BitmapHeader(std::vector<std::uint8_t>& out, int size, int bitCount) {
    const std::size_t colorStride = (static_cast<std::size_t>(size) * bitCount / 8 + 3) / 4 * 4;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));  // colour pixels and mask, stacked
    Put16(out, 1);                                    // planes
    Put16(out, static_cast<unsigned>(bitCount));
    Put32(out, 0);                                    // BI_RGB
    Put32(out, static_cast<std::uint32_t>((colorStride + MaskStride(size)) * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);  // colours used: all 2^bitCount
    Put32(out, 0);
}

// Set bits are transparent; rows bottom-up and padded to whole 32-bit words.
template <typename IsTransparent>
void AndMask(std::vector<std::uint8_t>& out, int size, IsTransparent isTransparent) {
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskStride(size), 0);
        for (int x = 0; x < size; ++x)
            if (isTransparent(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap8(const Image& image) {
    const int size = image.size;
    const PalettedImage reduced = ReduceColors(image);
    std::vector<std::uint8_t> out;
    BitmapHeader(out, size, 8);
    for (const Rgba& c : reduced.palette) out.insert(out.end(), {c.b, c.g, c.r, 0});
    const std::size_t padding = (4 - size % 4) % 4;
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) out.push_back(reduced.indices[static_cast<std::size_t>(y) * size + x]);
        out.insert(out.end(), padding, 0);
    }
    AndMask(out, size, [&](int x, int y) { return reduced.transparent[static_cast<std::size_t>(y) * size + x]; });
    return out;
}

std::vector<std::uint8_t> EncodeBitmap32(const Image& image) {
    const int size = image.size;
    std::vector<std::uint8_t> out;
    BitmapHeader(out, size, 32);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba& p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    // Only drawing paths that ignore alpha use the mask; give them the same outline as the 8-bit images.
    AndMask(out, size, [&](int x, int y) { return image.At(x, y).a < 128; });
    return out;
}

std::vector<std::uint8_t> GroupDirectory(std::span<const IconImage> images, int firstId) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon, not cursor
    Put16(out, static_cast<unsigned>(images.size()));
    int id = firstId;
    for (const IconImage& image : images) {
        out.push_back(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(0);  // colour count: 0 for 256 colours and more
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<unsigned>(image.bitCount));
        Put32(out, static_cast<std::uint32_t>(image.bytes.size()));
        Put16(out, static_cast<unsigned>(id++));
    }
    return out;
}

}  // namespace icon
