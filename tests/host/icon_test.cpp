// The icon generator's output, read back from the build tree: the group of
// seven images, and the PNG, which also carries the deflate writer's stream,
// decoded (with libpng) to exactly the picture drawn.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/icon_picture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadIconFile(const std::string& name) {
    std::ifstream file(std::string(CORVANE_ICON_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

TEST(Icon, TheGroupListsSevenImagesInOrderAndOnlyTheLargestIsPng) {
    const struct { std::uint8_t size, bits; std::size_t bytes; } images[] = {  // size 0: 256; bytes 0: a PNG
        {32, 8, 2216}, {16, 8, 1384}, {0, 32, 0}, {128, 32, 67624}, {64, 32, 16936}, {32, 32, 4264}, {16, 32, 1128}};
    const Bytes group = ReadIconFile("icon-group.bin");
    ASSERT_EQ(group.size(), 6u + 7 * 14);
    EXPECT_EQ(Bytes(group.begin(), group.begin() + 6), (Bytes{0, 0, 1, 0, 7, 0}));
    for (std::uint8_t i = 0; i < 7; ++i) {
        const Bytes image = ReadIconFile("icon-" + std::to_string(i + 1) + ".bin");
        const auto n = static_cast<std::uint32_t>(image.size());
        EXPECT_TRUE(images[i].bytes == 0 || n == images[i].bytes) << "image " << i + 1 << ": " << n << " bytes";
        EXPECT_EQ(n > 4 && image[1] == 'P' && image[2] == 'N' && image[3] == 'G', images[i].size == 0) << "image " << i + 1;
        // Width, height, colours, reserved, planes, bits per pixel, byte count, ID from 30001 on.
        EXPECT_EQ(Bytes(group.begin() + 6 + 14 * i, group.begin() + 20 + 14 * i),
                  (Bytes{images[i].size, images[i].size, 0, 0, 1, 0, images[i].bits, 0, std::uint8_t(n), std::uint8_t(n >> 8),
                         std::uint8_t(n >> 16), 0, std::uint8_t(0x31 + i), 0x75}));
    }
}

TEST(Icon, ThePngHoldsThePictureDrawn) {
    const Bytes png = ReadIconFile("icon-3.bin");
    png_image image{.version = PNG_IMAGE_VERSION};
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size())) << image.message;
    EXPECT_EQ(image.width * 1000 + image.height, 256256u);
    image.format = PNG_FORMAT_RGBA;
    Bytes rgba(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) << image.message;
    Bytes drawn;  // RGBA, rows from the top
    for (const icon::Rgba& p : icon::DrawPicture(256).pixels) drawn.insert(drawn.end(), {p.r, p.g, p.b, p.a});
    EXPECT_TRUE(rgba == drawn) << "the PNG holds exactly the picture drawn";
}

}  // namespace
