#include "Gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
int Channel8(double channel16) { return std::clamp(static_cast<int>(channel16 / 256.0), 0, 255); }

// A barycentric weight below this is outside; the small tolerance keeps the shared
// edge of two triangles free of gaps.
constexpr double Edge = -1e-9;

// The pixel centres are at half-integers, so four times a triangle's signed areas are
// whole numbers: below this area a weight that is not 0 is at least 1/4 of 1/area
// away from it, beyond the edge's tolerance, and whole numbers decide the edge exactly.
constexpr std::int64_t LargestWholeArea = 250'000'000;

// How near an 8-bit level's boundary the exact channel may be before the quotients'
// own rounding (some 1e-12 of a level) could put the pixel on the other side: there
// the pixel is worked out as the rule does.
constexpr double BoundaryMargin = 1e-9;

struct Triangle {
    const GradientVertex &a, &b, &c;
    double area;

    // Twice the signed areas the pixel centre (px, py) makes with b-c and c-a: exact,
    // as products and differences of half-integers far below 2^53.
    double NumeratorA(double px, double py) const {
        return double(b.x - px) * (c.y - py) - double(c.x - px) * (b.y - py);
    }
    double NumeratorB(double px, double py) const {
        return double(c.x - px) * (a.y - py) - double(a.x - px) * (c.y - py);
    }

    // The pixel as the rule defines it: the weights divided out, tested, interpolated.
    void ExactPixel(QRgb& pixel, double px, double py) const {
        const double wa = NumeratorA(px, py) / area;
        const double wb = NumeratorB(px, py) / area;
        const double wc = 1 - wa - wb;
        if (wa < Edge || wb < Edge || wc < Edge) return;
        pixel = qRgb(Channel8(wa * a.red + wb * b.red + wc * c.red),
                     Channel8(wa * a.green + wb * b.green + wc * c.green),
                     Channel8(wa * a.blue + wb * b.blue + wc * c.blue));
    }
};

// q and r with t = q d + r, 0 <= r < d (d > 0).
void FloorDivide(std::int64_t t, std::int64_t d, std::int64_t& q, std::int64_t& r) {
    q = t / d;
    r = t - q * d;
    if (r < 0) {
        --q;
        r += d;
    }
}

// One channel along a row, in whole numbers: its value in levels is level + rest/whole,
// exactly, stepping by a fixed amount from pixel to pixel.
struct ChannelStep {
    std::int64_t whole = 1, level = 0, rest = 0, stepLevel = 0, stepRest = 0, near = 0;

    void Start(std::int64_t numerator, std::int64_t step, std::int64_t denominator) {
        whole = denominator;
        near = static_cast<std::int64_t>(double(whole) * BoundaryMargin);
        FloorDivide(numerator, whole, level, rest);
        FloorDivide(step, whole, stepLevel, stepRest);
    }
    void Advance() {
        level += stepLevel;
        rest += stepRest;
        if (rest >= whole) {
            rest -= whole;
            ++level;
        }
    }
    // The 8-bit level, or -1 where the value is too near a boundary between two levels
    // that the clamping to 0..255 does not merge (a full channel may come out of the
    // quotients as 254.999...: level 254).
    int Level() const {
        if ((rest <= near && level >= 1 && level <= 255) ||
            (rest >= whole - near && level >= 0 && level <= 254))
            return -1;
        return static_cast<int>(std::clamp<std::int64_t>(level, 0, 255));
    }
};

// Fills one triangle whose area allows whole numbers: four times the signed areas
// step exactly along a row, so do the channels, and only pixels near a level's
// boundary are worked out by the quotients.
void FillWhole(QImage& image, const Triangle& t, int minX, int maxX, int minY, int maxY) {
    const std::int64_t sign = t.area > 0 ? 1 : -1;
    const auto area4 = static_cast<std::int64_t>(4 * std::fabs(t.area));
    const std::int64_t stepA = sign * 4 * (std::int64_t(t.b.y) - t.c.y),
                       stepB = sign * 4 * (std::int64_t(t.c.y) - t.a.y), stepC = -stepA - stepB;
    const std::int64_t denominator = area4 * 256;
    const auto numerator = [](std::int64_t na, std::int64_t nb, std::int64_t nc, std::uint16_t ca,
                              std::uint16_t cb,
                              std::uint16_t cc) { return na * ca + nb * cb + nc * cc; };
    for (int y = minY; y <= maxY; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double py = y + 0.5;
        std::int64_t na = sign * std::llround(4 * t.NumeratorA(minX + 0.5, py));
        std::int64_t nb = sign * std::llround(4 * t.NumeratorB(minX + 0.5, py));
        std::int64_t nc = area4 - na - nb;
        ChannelStep red, green, blue;
        bool started = false;
        for (int x = minX; x <= maxX; ++x, na += stepA, nb += stepB, nc += stepC) {
            if (na < 0 || nb < 0 || nc < 0) {
                if (started) break;  // a triangle's row is one run
                continue;
            }
            if (!started) {
                red.Start(numerator(na, nb, nc, t.a.red, t.b.red, t.c.red),
                          numerator(stepA, stepB, stepC, t.a.red, t.b.red, t.c.red), denominator);
                green.Start(numerator(na, nb, nc, t.a.green, t.b.green, t.c.green),
                            numerator(stepA, stepB, stepC, t.a.green, t.b.green, t.c.green),
                            denominator);
                blue.Start(numerator(na, nb, nc, t.a.blue, t.b.blue, t.c.blue),
                           numerator(stepA, stepB, stepC, t.a.blue, t.b.blue, t.c.blue),
                           denominator);
                started = true;
            } else {
                red.Advance();
                green.Advance();
                blue.Advance();
            }
            const int r = red.Level(), g = green.Level(), b = blue.Level();
            if (r >= 0 && g >= 0 && b >= 0)
                line[x] = qRgb(r, g, b);
            else
                t.ExactPixel(line[x], x + 0.5, py);
        }
    }
}
}  // namespace

bool GradientFill(QImage& image, const std::vector<GradientVertex>& vertices,
                  const std::vector<GradientTriangle>& triangles) {
    for (const auto& t : triangles)
        for (std::uint32_t index : t)
            if (index >= vertices.size()) return false;
    for (const auto& t : triangles) {
        const GradientVertex& a = vertices[t[0]];
        const GradientVertex& b = vertices[t[1]];
        const GradientVertex& c = vertices[t[2]];
        const double area = double(b.x - a.x) * (c.y - a.y) - double(c.x - a.x) * (b.y - a.y);
        if (area == 0) continue;
        const Triangle triangle{a, b, c, area};
        const int minX = std::max(0, std::min({a.x, b.x, c.x}));
        const int maxX = std::min(image.width() - 1, std::max({a.x, b.x, c.x}));
        const int minY = std::max(0, std::min({a.y, b.y, c.y}));
        const int maxY = std::min(image.height() - 1, std::max({a.y, b.y, c.y}));
        if (std::fabs(area) < LargestWholeArea) {
            FillWhole(image, triangle, minX, maxX, minY, maxY);
            continue;
        }
        for (int y = minY; y <= maxY; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = minX; x <= maxX; ++x) triangle.ExactPixel(line[x], x + 0.5, y + 0.5);
        }
    }
    return true;
}
