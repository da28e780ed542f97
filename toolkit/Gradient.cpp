#include "Gradient.h"

#include <algorithm>
#include <cmath>

namespace {
int Channel8(double channel16) { return std::clamp(static_cast<int>(channel16 / 256.0), 0, 255); }
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
        const int minX = std::max(0, std::min({a.x, b.x, c.x}));
        const int maxX = std::min(image.width() - 1, std::max({a.x, b.x, c.x}));
        const int minY = std::max(0, std::min({a.y, b.y, c.y}));
        const int maxY = std::min(image.height() - 1, std::max({a.y, b.y, c.y}));
        for (int y = minY; y <= maxY; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = minX; x <= maxX; ++x) {
                // Barycentric weights of the pixel centre; a small tolerance keeps the
                // shared edge of two triangles free of gaps.
                const double px = x + 0.5, py = y + 0.5;
                const double wa =
                    (double(b.x - px) * (c.y - py) - double(c.x - px) * (b.y - py)) / area;
                const double wb =
                    (double(c.x - px) * (a.y - py) - double(a.x - px) * (c.y - py)) / area;
                const double wc = 1 - wa - wb;
                constexpr double edge = -1e-9;
                if (wa < edge || wb < edge || wc < edge) continue;
                line[x] = qRgb(Channel8(wa * a.red + wb * b.red + wc * c.red),
                               Channel8(wa * a.green + wb * b.green + wc * c.green),
                               Channel8(wa * a.blue + wb * b.blue + wc * c.blue));
            }
        }
    }
    return true;
}
