#include "palette.h"

#include <algorithm>
#include <map>

namespace icon {
namespace {

struct Entry {
    std::array<int, 3> rgb;
    long count;
};

struct Box {
    std::vector<Entry> entries;

    int Channel() const {  // the channel with the widest spread
        int best = 0, bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] = std::minmax_element(entries.begin(), entries.end(),
                                                [c](const Entry& a, const Entry& b) { return a.rgb[c] < b.rgb[c]; });
            if (hi->rgb[c] - lo->rgb[c] > bestRange) {
                bestRange = hi->rgb[c] - lo->rgb[c];
                best = c;
            }
        }
        return best;
    }
    long Weight() const {
        long w = 0;
        for (const Entry& e : entries) w += e.count;
        return w;
    }
    Rgba Mean() const {
        double sum[3] = {0, 0, 0};
        const double w = static_cast<double>(Weight());
        for (const Entry& e : entries)
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(e.rgb[c]) * e.count;
        auto channel = [&](int c) { return static_cast<std::uint8_t>(sum[c] / w + 0.5); };
        return {channel(0), channel(1), channel(2), 255};
    }
};

int DistanceSquared(const Rgba& a, const Rgba& b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

}  // namespace

PalettedImage ReduceColors(const Image& image) {
    PalettedImage out;
    std::map<std::array<int, 3>, long> histogram;
    for (const Rgba& p : image.pixels) {
        const bool clear = p.a < 128;
        out.transparent.push_back(clear);
        if (!clear) ++histogram[{p.r, p.g, p.b}];
    }

    std::vector<Box> boxes;
    if (!histogram.empty()) {
        Box all;
        for (const auto& [rgb, count] : histogram) all.entries.push_back({rgb, count});
        boxes.push_back(std::move(all));
    }
    // Split the heaviest splittable box at its weighted median until the palette is full.
    while (boxes.size() < 255) {
        Box* heaviest = nullptr;
        for (Box& box : boxes)
            if (box.entries.size() > 1 && (!heaviest || box.Weight() > heaviest->Weight())) heaviest = &box;
        if (!heaviest) break;
        const int c = heaviest->Channel();
        std::sort(heaviest->entries.begin(), heaviest->entries.end(),
                  [c](const Entry& a, const Entry& b) { return a.rgb[c] < b.rgb[c]; });
        const long half = heaviest->Weight() / 2;
        std::size_t cut = 1;
        for (long running = heaviest->entries[0].count; cut + 1 < heaviest->entries.size() && running < half; ++cut)
            running += heaviest->entries[cut].count;
        Box upper{std::vector<Entry>(heaviest->entries.begin() + static_cast<long>(cut), heaviest->entries.end())};
        heaviest->entries.resize(cut);
        boxes.push_back(std::move(upper));
    }

    for (std::size_t i = 0; i < boxes.size(); ++i) out.palette[i + 1] = boxes[i].Mean();
    out.indices.reserve(image.pixels.size());
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (out.transparent[i]) {
            out.indices.push_back(0);
            continue;
        }
        std::size_t best = 1;
        for (std::size_t k = 2; k <= boxes.size(); ++k)
            if (DistanceSquared(image.pixels[i], out.palette[k]) < DistanceSquared(image.pixels[i], out.palette[best]))
                best = k;
        out.indices.push_back(static_cast<std::uint8_t>(best));
    }
    return out;
}

}  // namespace icon
