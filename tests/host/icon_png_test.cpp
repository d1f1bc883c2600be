// The icon generator's output, read back from the build tree: the PNG through
// zlib holds exactly the picture drawn, and every bitmap shows that picture the
// same way up; and the deflate writer against zlib's inflater.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/deflate.h"
#include "resources/icon_picture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kPngRow = 1 + 256 * 4;  // filter byte and RGBA pixels

Bytes ReadIconFile(const std::string& name) {
    std::ifstream file(std::string(CORVANE_ICON_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t Big32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

Bytes Inflate(const Bytes& stream, std::size_t expected) {
    Bytes out(expected + 1);  // one spare byte: a stream that inflates too long must show it
    uLongf length = static_cast<uLongf>(out.size());
    EXPECT_EQ(uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())), Z_OK);
    out.resize(length);
    return out;
}

// A picture as premultiplied red, green and blue (each colour times alpha),
// rows from the top: outline, colours and orientation in one list of numbers.
struct Picture {
    int size = 0;
    std::vector<int> values;  // size * size * 3
    void Add(int r, int g, int b, int a) { values.insert(values.end(), {r * a, g * a, b * a}); }
};

int Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Checks the chunks and their CRCs, inflates the image data with zlib and undoes the row filters.
Picture DecodePng(const Bytes& png) {
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::vector<std::string> types;
    Bytes header, stream;
    std::size_t at = 8;
    for (std::uint32_t length = 0; at + 12 <= png.size(); at += 12 + length) {
        length = Big32(png, at);
        if (at + 12 + length > png.size()) break;
        types.emplace_back(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_EQ(Big32(png, at + 8 + length), crc32(0, png.data() + at + 4, 4 + length)) << types.back();
        const Bytes data(png.begin() + at + 8, png.begin() + at + 8 + length);
        if (types.back() == "IHDR") header = data;
        if (types.back() == "IDAT") stream.insert(stream.end(), data.begin(), data.end());
    }
    EXPECT_EQ(at, png.size()) << "a chunk runs past the end, or bytes follow the last";
    EXPECT_TRUE(types.size() >= 3 && types.front() == "IHDR" && types.back() == "IEND");
    EXPECT_EQ(header, (Bytes{0, 0, 1, 0, 0, 0, 1, 0, 8, 6, 0, 0, 0})) << "256 x 256, 8-bit RGBA, not interlaced";
    if (stream.size() < 6) return ADD_FAILURE() << "no image data", Picture{256, std::vector<int>(256 * 256 * 3)};
    Bytes raw = Inflate(stream, 256 * kPngRow);
    EXPECT_EQ(raw.size(), 256 * kPngRow);
    EXPECT_EQ(Big32(stream, stream.size() - 4), adler32(1, raw.data(), static_cast<uInt>(raw.size())));
    raw.resize(256 * kPngRow);
    Bytes previous(kPngRow - 1, 0), row(kPngRow - 1);
    Picture picture{256};
    for (std::size_t y = 0; y < 256; ++y) {
        const std::uint8_t* in = raw.data() + y * kPngRow;
        EXPECT_LE(in[0], 4) << "filter byte of row " << y;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int a = i >= 4 ? row[i - 4] : 0, b = previous[i], c = i >= 4 ? previous[i - 4] : 0;
            const int predicted[] = {0, a, b, (a + b) / 2, Paeth(a, b, c)};
            row[i] = static_cast<std::uint8_t>(in[1 + i] + predicted[in[0] % 5]);
        }
        for (std::size_t x = 0; x < row.size(); x += 4) picture.Add(row[x], row[x + 1], row[x + 2], row[x + 3]);
        previous = row;
    }
    return picture;
}

// An icon bitmap: 40-byte header (height doubled), palette (8-bit), pixels
// bottom-up, then the AND mask whose set bits are transparent.
Picture DecodeBitmap(const Bytes& bmp, int size, int bits) {
    const std::size_t n = static_cast<std::size_t>(size), colours = 40 + (bits == 8 ? 1024 : 0);
    const std::size_t stride = (n * bits / 8 + 3) / 4 * 4, mask = colours + stride * n, maskStride = (n + 31) / 32 * 4;
    Picture picture{size};
    if (bmp.size() < mask + maskStride * n) return ADD_FAILURE() << "short image", picture;
    const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    // Header size, width, height of colours and mask together, one plane, bits per pixel, BI_RGB.
    const Bytes header{40, 0, 0, 0, byte(size), 0, 0, 0, byte(2 * size), byte(2 * size >> 8), 0, 0,
                       1,  0, byte(bits), 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bmp.begin(), bmp.begin() + 20), header);
    int maskFaults = 0;
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < n; ++x) {
            const std::size_t at = colours + (n - 1 - y) * stride + x * bits / 8;
            const bool clear = (bmp[mask + (n - 1 - y) * maskStride + x / 8] >> (7 - x % 8)) & 1;
            const std::size_t bgr = bits == 8 ? 40 + bmp[at] * 4 : at;
            const int alpha = bits == 8 ? (clear ? 0 : 255) : bmp[at + 3];
            // With a mask, a transparent 8-bit pixel must be black or it shows; a 32-bit one follows alpha.
            maskFaults += bits == 32 ? clear != (alpha < 128) : clear && (bmp[bgr] | bmp[bgr + 1] | bmp[bgr + 2]);
            picture.Add(bmp[bgr + 2], bmp[bgr + 1], bmp[bgr], alpha);
        }
    }
    EXPECT_EQ(maskFaults, 0) << "pixels where the mask and the colours disagree";
    return picture;
}

// Mean difference, per value and in colour steps of an opaque pixel, between a
// bitmap and the large picture box-averaged down to its size, or that upside down.
double Difference(const Picture& small, const Picture& large, bool upsideDown = false) {
    const std::size_t n = static_cast<std::size_t>(small.size), f = static_cast<std::size_t>(large.size) / n;
    double sum = 0;
    for (std::size_t i = 0; i < small.values.size(); ++i) {
        const std::size_t x = i / 3 % n, y = upsideDown ? n - 1 - i / 3 / n : i / 3 / n;
        double average = 0;
        for (std::size_t dy = 0; dy < f; ++dy)
            for (std::size_t dx = 0; dx < f; ++dx)
                average += large.values[((y * f + dy) * f * n + x * f + dx) * 3 + i % 3] / double(f * f);
        sum += std::abs(small.values[i] - average);
    }
    return sum / 255 / static_cast<double>(small.values.size());
}

TEST(IconImages, PngDecodesAndEveryBitmapShowsItsPictureTheRightWayUp) {
    const Bytes png = ReadIconFile("icon-3.bin");
    ASSERT_GT(png.size(), 8u);
    const Picture large = DecodePng(png);
    Picture drawn{256};
    for (const icon::Rgba& p : icon::DrawPicture(256).pixels) drawn.Add(p.r, p.g, p.b, p.a);
    EXPECT_TRUE(large.values == drawn.values) << "the PNG holds exactly the picture drawn";
    const struct { const char* file; int size, bits; } bitmaps[] = {
        {"icon-1.bin", 32, 8},  {"icon-2.bin", 16, 8},  {"icon-4.bin", 128, 32},
        {"icon-5.bin", 64, 32}, {"icon-6.bin", 32, 32}, {"icon-7.bin", 16, 32}};
    for (const auto& bitmap : bitmaps) {
        SCOPED_TRACE(bitmap.file);
        const Picture small = DecodeBitmap(ReadIconFile(bitmap.file), bitmap.size, bitmap.bits);
        const double same = Difference(small, large), flipped = Difference(small, large, true);
        // Each size is drawn anew, its edges up to a pixel off the average: the
        // allowance follows the share of edge pixels. Swapped channels exceed it.
        EXPECT_LT(same, 192.0 / bitmap.size);
        EXPECT_GT(flipped, 30.0) << "the picture reads differently upside down";
    }
}

// The deflate writer on data shaped to reach the format's corners: nothing, a
// lone byte, long runs (length 258 and its neighbours), noise, and repeats at
// and just past the 32 KB window. zlib's inflater also checks the Adler-32 trailer.
TEST(IconDeflate, ZlibInflatesEveryStreamBackToItsInput) {
    Bytes run, noise(70000);
    for (int n : {257, 258, 259, 3, 4, 1000}) run.insert(run.end(), static_cast<std::size_t>(n), std::uint8_t(n));
    std::uint32_t seed = 12345;
    for (auto& b : noise) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    std::vector<Bytes> inputs{{}, {42}, Bytes(100000, 0), run, noise};
    // The first 500 bytes of noise again at distance 32768, the window's limit, and 32769, just past it.
    for (long gap : {32768, 32769}) {
        inputs.emplace_back(noise.begin(), noise.begin() + gap);
        inputs.back().insert(inputs.back().end(), noise.begin(), noise.begin() + 500);
    }
    for (const Bytes& input : inputs) {
        SCOPED_TRACE(input.size());
        EXPECT_EQ(Inflate(icon::ZlibCompress(input), input.size()), input);
    }
}

}  // namespace
