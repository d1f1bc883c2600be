#include "png_writer.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "deflate.h"

namespace icon {
namespace {

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& png, std::string_view type, std::span<const std::uint8_t> data) {
    PutBig32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t crcFrom = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    PutBig32(png, Crc32(std::span(png).subspan(crcFrom)));
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Each row gets the filter whose output has the smallest sum of magnitudes,
// the usual guess at what compresses best.
std::vector<std::uint8_t> FilteredRows(const Image& image) {
    constexpr int kBpp = 4;
    const std::size_t stride = static_cast<std::size_t>(image.size) * kBpp;
    std::vector<std::uint8_t> raw;
    raw.reserve(stride * image.size);
    for (const Rgba& p : image.pixels) raw.insert(raw.end(), {p.r, p.g, p.b, p.a});

    std::vector<std::uint8_t> out;
    const std::vector<std::uint8_t> zeros(stride, 0);
    std::array<std::vector<std::uint8_t>, 5> candidates;
    for (int y = 0; y < image.size; ++y) {
        const std::uint8_t* row = raw.data() + y * stride;
        const std::uint8_t* up = y > 0 ? row - stride : zeros.data();
        long best = -1;
        int bestFilter = 0;
        for (int filter = 0; filter < 5; ++filter) {
            std::vector<std::uint8_t>& c = candidates[filter];
            c.assign(stride, 0);
            long cost = 0;
            for (std::size_t i = 0; i < stride; ++i) {
                const int a = i >= kBpp ? row[i - kBpp] : 0;
                const int b = up[i];
                const int d = i >= kBpp ? up[i - kBpp] : 0;
                int predicted = 0;
                switch (filter) {
                    case 1: predicted = a; break;
                    case 2: predicted = b; break;
                    case 3: predicted = (a + b) / 2; break;
                    case 4: predicted = Paeth(a, b, d); break;
                    default: break;
                }
                c[i] = static_cast<std::uint8_t>(row[i] - predicted);
                cost += std::abs(static_cast<std::int8_t>(c[i]));
            }
            if (best < 0 || cost < best) {
                best = cost;
                bestFilter = filter;
            }
        }
        out.push_back(static_cast<std::uint8_t>(bestFilter));
        out.insert(out.end(), candidates[bestFilter].begin(), candidates[bestFilter].end());
    }
    return out;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(image.size));
    PutBig32(header, static_cast<std::uint32_t>(image.size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibCompress(FilteredRows(image)));
    Chunk(png, "IEND", {});
    return png;
}

}  // namespace icon
