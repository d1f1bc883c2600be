// The icon generator's output, read back from the build tree: the PNG through
// zlib, the bitmaps through their headers; each must hold exactly the picture
// drawn, and all sizes must show the same picture the same way up.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/deflate.h"
#include "resources/icon_picture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Pixel {
    int r = 0, g = 0, b = 0, a = 0;
};

struct Picture {
    int size = 0;
    std::vector<Pixel> pixels;  // rows from the top
    Pixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * size + x]; }
    const Pixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * size + x]; }
};

Bytes ReadIconFile(const std::string& name) {
    std::ifstream file(std::string(CORVANE_ICON_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t Big32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}
std::uint32_t Little32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t Little16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

struct Chunk {
    std::string type;
    Bytes data;
};

// Splits a PNG into its chunks, checking each chunk's CRC on the way.
std::vector<Chunk> PngChunks(const Bytes& png) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = Big32(png, at);
        EXPECT_LE(at + 12 + length, png.size()) << "chunk runs past the end";
        if (at + 12 + length > png.size()) break;
        const std::uint32_t crc =
            static_cast<std::uint32_t>(crc32(0, png.data() + at + 4, static_cast<uInt>(4 + length)));
        Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                    Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)};
        EXPECT_EQ(Big32(png, at + 8 + length), crc) << "CRC of chunk " << chunk.type;
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size()) << "bytes after the last chunk";
    return chunks;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

Picture Unfilter(const Bytes& raw, int size) {
    const std::size_t stride = static_cast<std::size_t>(size) * 4;
    Bytes previous(stride, 0), row(stride);
    Picture picture{size, std::vector<Pixel>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y) {
        const std::uint8_t* in = raw.data() + y * (stride + 1);
        const int filter = in[0];
        EXPECT_LE(filter, 4) << "filter byte of row " << y;
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 4 ? row[i - 4] : 0, b = previous[i], c = i >= 4 ? previous[i - 4] : 0;
            const int predicted = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? Paeth(a, b, c) : 0;
            row[i] = static_cast<std::uint8_t>(in[1 + i] + predicted);
        }
        for (int x = 0; x < size; ++x)
            picture.At(x, y) = {row[x * 4], row[x * 4 + 1], row[x * 4 + 2], row[x * 4 + 3]};
        previous = row;
    }
    return picture;
}

Bytes Inflate(const Bytes& stream, std::size_t expected) {
    Bytes out(expected + 1);  // one spare byte: a stream that inflates too long must show it
    uLongf length = static_cast<uLongf>(out.size());
    EXPECT_EQ(uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())), Z_OK);
    out.resize(length);
    return out;
}

Bytes PngStream(const Bytes& png) {
    Bytes stream;
    for (const Chunk& c : PngChunks(png))
        if (c.type == "IDAT") stream.insert(stream.end(), c.data.begin(), c.data.end());
    return stream;
}

Picture DecodePng(const Bytes& png) {
    const int size = 256;
    const std::size_t expected = static_cast<std::size_t>(size) * (1 + size * 4);
    Bytes raw = Inflate(PngStream(png), expected);
    EXPECT_EQ(raw.size(), expected);
    raw.resize(expected);
    return Unfilter(raw, size);
}

// A bitmap image of the icon: 40-byte header, palette (8-bit), pixels bottom-up, then the AND mask.
Picture DecodeBitmap(const Bytes& bmp, int size, int bitCount) {
    EXPECT_EQ(Little32(bmp, 0), 40u);
    EXPECT_EQ(Little32(bmp, 4), static_cast<std::uint32_t>(size));
    EXPECT_EQ(Little32(bmp, 8), static_cast<std::uint32_t>(2 * size));
    EXPECT_EQ(Little16(bmp, 12), 1);
    EXPECT_EQ(Little16(bmp, 14), bitCount);
    EXPECT_EQ(Little32(bmp, 16), 0u);
    const std::size_t palette = bitCount == 8 ? 40 : 0, colours = 40 + (bitCount == 8 ? 1024 : 0);
    const std::size_t stride = (static_cast<std::size_t>(size) * bitCount / 8 + 3) / 4 * 4;
    const std::size_t maskStride = (static_cast<std::size_t>(size) + 31) / 32 * 4;
    const std::size_t mask = colours + stride * size;
    EXPECT_EQ(bmp.size(), mask + maskStride * size);
    Picture picture{size, std::vector<Pixel>(static_cast<std::size_t>(size) * size)};
    if (bmp.size() != mask + maskStride * size) return picture;
    for (int y = 0; y < size; ++y) {
        const std::size_t row = colours + (size - 1 - y) * stride;
        const std::size_t maskRow = mask + (size - 1 - y) * maskStride;
        for (int x = 0; x < size; ++x) {
            const bool clear = (bmp[maskRow + x / 8] >> (7 - x % 8)) & 1;
            Pixel& p = picture.At(x, y);
            if (bitCount == 32) {
                const std::size_t at = row + x * 4;
                p = {bmp[at + 2], bmp[at + 1], bmp[at], bmp[at + 3]};
                EXPECT_EQ(clear, p.a < 128) << "mask and alpha disagree at " << x << "," << y;
            } else {
                const std::size_t entry = palette + bmp[row + x] * 4;
                p = {bmp[entry + 2], bmp[entry + 1], bmp[entry], clear ? 0 : 255};
                if (clear) {
                    EXPECT_EQ(bmp[row + x], 0) << "a transparent pixel must draw nothing (black)";
                }
            }
        }
    }
    return picture;
}

// The larger picture averaged down to the smaller one's size (colour weighted by alpha).
Picture Downscale(const Picture& big, int size) {
    const int f = big.size / size;
    Picture small{size, std::vector<Pixel>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < f; ++dy) {
                for (int dx = 0; dx < f; ++dx) {
                    const Pixel& p = big.At(x * f + dx, y * f + dy);
                    r += p.r * p.a, g += p.g * p.a, b += p.b * p.a, a += p.a;
                }
            }
            if (a > 0) small.At(x, y) = {int(r / a), int(g / a), int(b / a), int(a / (f * f))};
        }
    }
    return small;
}

struct Difference {
    double alpha = 0;   // mean over all pixels
    double colour = 0;  // mean over the pixels opaque in both, per channel
};

// The small sizes put the badge's edge on whole pixels, so an outline may sit
// up to a pixel away from the averaged one: alpha is compared with the
// nearest match among the neighbours.
int AlphaDifference(const Picture& a, const Picture& reference, int x, int y) {
    int best = 255;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int rx = x + dx, ry = y + dy;
            const bool inside = rx >= 0 && ry >= 0 && rx < reference.size && ry < reference.size;
            best = std::min(best, std::abs(a.At(x, y).a - (inside ? reference.At(rx, ry).a : 0)));
        }
    }
    return best;
}

Difference Compare(const Picture& a, const Picture& b) {
    Difference d;
    int opaque = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const Pixel &p = a.pixels[i], &q = b.pixels[i];
        d.alpha += AlphaDifference(a, b, static_cast<int>(i) % a.size, static_cast<int>(i) / a.size);
        if (p.a >= 128 && q.a >= 128) {
            d.colour += (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b)) / 3.0;
            ++opaque;
        }
    }
    d.alpha /= static_cast<double>(a.pixels.size());
    d.colour /= opaque > 0 ? opaque : 1;
    return d;
}

Picture UpsideDown(const Picture& p) {
    Picture flipped = p;
    for (int y = 0; y < p.size; ++y)
        for (int x = 0; x < p.size; ++x) flipped.At(x, y) = p.At(x, p.size - 1 - y);
    return flipped;
}

Picture LargePicture() { return DecodePng(ReadIconFile("icon-3.bin")); }

// Counts the pixels that differ from the drawn picture (colour ignored where fully transparent).
int PixelsDifferentFromDrawing(const Picture& decoded, bool withAlpha) {
    const icon::Image drawn = icon::DrawPicture(decoded.size);
    int different = 0;
    for (int y = 0; y < decoded.size; ++y) {
        for (int x = 0; x < decoded.size; ++x) {
            const Pixel& p = decoded.At(x, y);
            const icon::Rgba& q = drawn.At(x, y);
            if (withAlpha && p.a != q.a) ++different;
            else if (q.a > 0 && (p.r != q.r || p.g != q.g || p.b != q.b)) ++different;
        }
    }
    return different;
}

// The deflate writer against zlib's inflater, on data shaped to reach the
// format's corners: nothing, a lone byte, long runs (length 258 and its
// neighbours), noise, and repeats at and just past the 32 KB window.
TEST(IconDeflate, ZlibInflatesEveryStreamBackToItsInput) {
    std::vector<Bytes> inputs{{}, {42}, Bytes(100000, 0)};
    Bytes run;
    for (int n : {257, 258, 259, 3, 4, 1000})
        run.insert(run.end(), static_cast<std::size_t>(n), static_cast<std::uint8_t>(n));
    inputs.push_back(run);
    Bytes noise(70000);
    std::uint32_t seed = 12345;
    for (auto& b : noise) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    inputs.push_back(noise);
    // The first 500 bytes of noise again at distance 32768, the window's limit, and 32769, just past it.
    auto repeatAfter = [&](long gap) {
        Bytes far(noise.begin(), noise.begin() + gap);
        far.insert(far.end(), noise.begin(), noise.begin() + 500);
        return far;
    };
    const Bytes atLimit = repeatAfter(32768), pastLimit = repeatAfter(32769);
    inputs.push_back(atLimit);
    inputs.push_back(pastLimit);
    for (const Bytes& input : inputs) {
        SCOPED_TRACE(input.size());
        const Bytes stream = icon::ZlibCompress(input);
        EXPECT_EQ(Inflate(stream, input.size()), input);
        EXPECT_EQ(icon::Adler32(input), adler32(1, input.data(), static_cast<uInt>(input.size())));
    }
    EXPECT_LT(icon::ZlibCompress(Bytes(100000, 0)).size(), 1000u) << "runs become matches";
    EXPECT_LT(icon::ZlibCompress(atLimit).size() + 400, icon::ZlibCompress(pastLimit).size())
        << "a match at the window's limit is used";
}

TEST(IconPng, IsA256PixelRgbaPngWithSoundChunks) {
    const Bytes png = ReadIconFile("icon-3.bin");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    const std::vector<Chunk> chunks = PngChunks(png);
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.front().data, (Bytes{0, 0, 1, 0, 0, 0, 1, 0, 8, 6, 0, 0, 0}))
        << "256 x 256, 8 bits per channel, RGBA, deflate, standard filters, not interlaced";
    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.empty());
    for (std::size_t i = 1; i + 1 < chunks.size(); ++i) EXPECT_EQ(chunks[i].type, "IDAT");
    // Compressed, not stored: a stored image would be over 260 KB.
    EXPECT_LT(png.size(), 64u * 1024);
}

TEST(IconPng, ZlibStreamInflatesToOneFilteredRowPerLine) {
    const Bytes stream = PngStream(ReadIconFile("icon-3.bin"));
    ASSERT_GT(stream.size(), 6u);
    EXPECT_EQ(stream[0] & 0x0F, 8) << "deflate";
    EXPECT_LE(stream[0] >> 4, 7) << "window of at most 32 KB";
    EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0) << "header check bits";
    EXPECT_EQ(stream[1] & 0x20, 0) << "no preset dictionary";

    const Bytes raw = Inflate(stream, 256 * (1 + 256 * 4));
    ASSERT_EQ(raw.size(), 256u * (1 + 256 * 4));
    const std::size_t end = stream.size();
    const std::uint32_t trailer =
        (std::uint32_t{stream[end - 4]} << 24) | (stream[end - 3] << 16) | (stream[end - 2] << 8) | stream[end - 1];
    EXPECT_EQ(trailer, adler32(1, raw.data(), static_cast<uInt>(raw.size())));
    for (int y = 0; y < 256; ++y) EXPECT_LE(raw[y * (1 + 256 * 4)], 4) << "filter type of row " << y;
}

TEST(IconPng, DecodesToExactlyThePictureDrawn) {
    EXPECT_EQ(PixelsDifferentFromDrawing(LargePicture(), true), 0);
}

TEST(IconPng, AlphaRunsFromFullyTransparentToFullyOpaque) {
    const Picture picture = LargePicture();
    int clear = 0, solid = 0, partial = 0;
    for (const Pixel& p : picture.pixels) (p.a == 0 ? clear : p.a == 255 ? solid : partial)++;
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 256 * 256 / 2) << "the badge fills most of the square";
    EXPECT_GT(partial, 0) << "anti-aliased edges";
    EXPECT_EQ(picture.At(0, 0).a, 0) << "rounded corner";
    EXPECT_EQ(picture.At(255, 255).a, 0) << "rounded corner";
    EXPECT_EQ(picture.At(128, 20).a, 255);
}

// Each true-colour bitmap against the PNG averaged down to its size: a wrong
// picture, a wrong orientation or swapped colour channels all show up here.
TEST(IconImages, TrueColourBitmapsShowThePngPictureTheRightWayUp) {
    const Picture large = LargePicture();
    const struct { const char* file; int size; } images[] = {
        {"icon-4.bin", 128}, {"icon-5.bin", 64}, {"icon-6.bin", 32}, {"icon-7.bin", 16}};
    for (const auto& image : images) {
        SCOPED_TRACE(image.file);
        const Picture bitmap = DecodeBitmap(ReadIconFile(image.file), image.size, 32);
        EXPECT_EQ(PixelsDifferentFromDrawing(bitmap, true), 0);
        const Picture reference = Downscale(large, image.size);
        const Difference same = Compare(bitmap, reference);
        EXPECT_LT(same.alpha, 6.0);
        EXPECT_LT(same.colour, 16.0);
        const Difference flipped = Compare(UpsideDown(bitmap), reference);
        EXPECT_GT(flipped.colour, 2 * same.colour + 10) << "the picture reads differently upside down";
    }
}

TEST(IconImages, PaletteBitmapsMatchTheTrueColourBitmapOfTheirSize) {
    const struct { const char* palette; const char* trueColour; int size; } pairs[] = {
        {"icon-1.bin", "icon-6.bin", 32}, {"icon-2.bin", "icon-7.bin", 16}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.palette);
        const Picture reduced = DecodeBitmap(ReadIconFile(pair.palette), pair.size, 8);
        const Picture full = DecodeBitmap(ReadIconFile(pair.trueColour), pair.size, 32);
        for (std::size_t i = 0; i < full.pixels.size(); ++i) {
            const Pixel &p = reduced.pixels[i], &q = full.pixels[i];
            ASSERT_EQ(p.a == 0, q.a < 128) << "same outline, pixel " << i;
            if (p.a == 0) continue;
            // The palette has room for every colour of these small pictures, or nearly.
            EXPECT_LE(std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b), 12) << "pixel " << i;
        }
    }
}

}  // namespace
