#include "Gradient.h"

#include <algorithm>
#include <cmath>

namespace {
int Channel8(double channel16) { return std::clamp(static_cast<int>(channel16 / 256.0), 0, 255); }

// A barycentric weight below this is outside; the small tolerance keeps the shared
// edge of two triangles free of gaps.
constexpr double Edge = -1e-9;

// How close a quick figure may come to a decision (the edge, or a whole 8-bit level)
// before the pixel is worked out exactly: far beyond the few units in the last place
// by which a product with the reciprocal of the area differs from the quotient.
constexpr double DecisionMargin = 1e-7;

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

// The 8-bit level of a channel figure that is clearly inside one level; -1 where it is
// near a boundary between two (1..255: below 1 every figure is level 0, from 255 on
// level 255), so that only an exact computation may decide.
int ClearLevel(double channel16) {
    const double level = channel16 / 256.0;
    if (level < 1 - DecisionMargin) return 0;
    if (level >= 255) return 255;
    const int whole = static_cast<int>(level);
    const double fraction = level - whole;
    if (fraction < DecisionMargin || fraction > 1 - DecisionMargin) return -1;
    return whole;
}

// The steps k = 0, 1, ... (within 0..last) at which a weight w0 + k step may still be
// at the edge or inside: the others are clearly outside. Narrows first..last.
void KeepWhereNotOutside(double w0, double step, int& first, int& last) {
    const double bound = Edge - DecisionMargin;
    if (step == 0) {
        if (w0 < bound) last = first - 1;
        return;
    }
    const double k = (bound - w0) / step;
    if (!(std::fabs(k) < 1e9)) {
        if ((step > 0) != (k < 0)) last = first - 1;  // the whole row on the outside
        return;
    }
    // One step of slack either way: the pixels at the ends are tested one by one.
    if (step > 0)
        first = std::max(first, static_cast<int>(std::floor(k)) - 1);
    else
        last = std::min(last, static_cast<int>(std::ceil(k)) + 1);
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
        const double reciprocal = 1 / area;
        // Along a row the numerators change by these steps, exactly.
        const double stepA = double(b.y) - c.y, stepB = double(c.y) - a.y;
        const int minX = std::max(0, std::min({a.x, b.x, c.x}));
        const int maxX = std::min(image.width() - 1, std::max({a.x, b.x, c.x}));
        const int minY = std::max(0, std::min({a.y, b.y, c.y}));
        const int maxY = std::min(image.height() - 1, std::max({a.y, b.y, c.y}));
        for (int y = minY; y <= maxY; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const double py = y + 0.5;
            const double na0 = triangle.NumeratorA(minX + 0.5, py);
            const double nb0 = triangle.NumeratorB(minX + 0.5, py);
            // Only the span of the row that the triangle may cover.
            int first = 0, last = maxX - minX;
            const double wa0 = na0 * reciprocal, wb0 = nb0 * reciprocal;
            KeepWhereNotOutside(wa0, stepA * reciprocal, first, last);
            KeepWhereNotOutside(wb0, stepB * reciprocal, first, last);
            KeepWhereNotOutside(1 - wa0 - wb0, -(stepA + stepB) * reciprocal, first, last);
            double na = na0 + first * stepA, nb = nb0 + first * stepB;
            for (int x = minX + first; x <= minX + last; ++x, na += stepA, nb += stepB) {
                // Quick weights by the reciprocal; a pixel whose decisions they cannot
                // settle beyond doubt is worked out exactly, so every pixel is as the
                // quotients make it.
                const double wa = na * reciprocal, wb = nb * reciprocal, wc = 1 - wa - wb;
                if (wa < Edge - DecisionMargin || wb < Edge - DecisionMargin ||
                    wc < Edge - DecisionMargin)
                    continue;
                const bool inside = wa > Edge + DecisionMargin && wb > Edge + DecisionMargin &&
                                    wc > Edge + DecisionMargin;
                const int red = ClearLevel(wa * a.red + wb * b.red + wc * c.red);
                const int green = ClearLevel(wa * a.green + wb * b.green + wc * c.green);
                const int blue = ClearLevel(wa * a.blue + wb * b.blue + wc * c.blue);
                if (inside && red >= 0 && green >= 0 && blue >= 0)
                    line[x] = qRgb(red, green, blue);
                else
                    triangle.ExactPixel(line[x], x + 0.5, py);
            }
        }
    }
    return true;
}
