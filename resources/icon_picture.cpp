#include "icon_picture.h"

#include <algorithm>
#include <cmath>

namespace icon {
namespace {

struct Color {
    double r, g, b, a;
};

constexpr Color kTop{0.42, 0.84, 0.45, 1.0};     // light green at the top of the badge
constexpr Color kBottom{0.09, 0.56, 0.25, 1.0};  // darker green at the bottom
constexpr Color kRim{0.05, 0.40, 0.17, 1.0};
constexpr Color kShadow{0.02, 0.25, 0.09, 1.0};
constexpr Color kMark{1.0, 1.0, 1.0, 1.0};

Color Over(Color top, Color under) {
    const double a = top.a + under.a * (1 - top.a);
    if (a <= 0) return {0, 0, 0, 0};
    auto mix = [&](double t, double u) { return (t * top.a + u * under.a * (1 - top.a)) / a; };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), a};
}

// Signed distance to a rounded square centred at c with half side h and corner radius r.
double RoundedSquareDistance(double x, double y, double c, double h, double r) {
    const double qx = std::abs(x - c) - (h - r);
    const double qy = std::abs(y - c) - (h - r);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// All lengths are in pixels of the image being drawn.
struct Geometry {
    double centre, half, radius, rim;
    double x0, y0, x1, y1, x2, y2;  // the check mark's three points
    double stroke;                  // half its thickness
    double shadowOffset, shadowSoftness;

    explicit Geometry(int size) {
        // The badge sits on whole pixels so that its straight edges stay crisp.
        const double inset = std::floor(size / 32.0);
        const double side = size - 2 * inset;
        centre = size / 2.0;
        half = side / 2.0;
        radius = side * 0.22;
        rim = std::max(size / 64.0, 1.0);
        auto at = [&](double f) { return inset + f * side; };
        x0 = at(0.26), y0 = at(0.53);
        x1 = at(0.43), y1 = at(0.70);
        x2 = at(0.76), y2 = at(0.33);
        stroke = side * 0.078;
        // Below 48 pixels a shadow only muddies the mark.
        shadowOffset = size >= 48 ? side * 0.025 : 0;
        shadowSoftness = side * 0.035;
    }

    double MarkDistance(double x, double y) const {
        return std::min(SegmentDistance(x, y, x0, y0, x1, y1), SegmentDistance(x, y, x1, y1, x2, y2)) - stroke;
    }

    Color Sample(double x, double y) const {
        const double badge = RoundedSquareDistance(x, y, centre, half, radius);
        if (badge > 0) return {0, 0, 0, 0};
        Color c;
        if (badge > -rim) {
            c = kRim;
        } else {
            const double t = std::clamp((y - (centre - half)) / (2 * half), 0.0, 1.0);
            c = {kTop.r + (kBottom.r - kTop.r) * t, kTop.g + (kBottom.g - kTop.g) * t,
                 kTop.b + (kBottom.b - kTop.b) * t, 1.0};
        }
        if (shadowOffset > 0) {
            const double d = MarkDistance(x - shadowOffset * 0.5, y - shadowOffset);
            const double strength = 0.45 * std::clamp(1.0 - d / shadowSoftness, 0.0, 1.0);
            if (strength > 0 && badge <= -rim) c = Over({kShadow.r, kShadow.g, kShadow.b, strength}, c);
        }
        if (MarkDistance(x, y) <= 0) c = kMark;
        return c;
    }
};

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

}  // namespace

Image DrawPicture(int size) {
    // Each pixel averages a grid of samples: that is the anti-aliasing. At 256
    // pixels an edge spans a pixel of 64 samples, plenty for smooth alpha.
    const int grid = size >= 256 ? 8 : 16;
    const Geometry geometry(size);
    Image image{size, std::vector<Rgba>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;  // premultiplied sums
            for (int sy = 0; sy < grid; ++sy) {
                for (int sx = 0; sx < grid; ++sx) {
                    const Color c = geometry.Sample(x + (sx + 0.5) / grid, y + (sy + 0.5) / grid);
                    r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
                }
            }
            Rgba& p = image.pixels[static_cast<std::size_t>(y) * size + x];
            const std::uint8_t alpha = ToByte(a / (grid * grid));
            if (alpha > 0) p = {ToByte(r / a), ToByte(g / a), ToByte(b / a), alpha};
        }
    }
    return image;
}

}  // namespace icon
