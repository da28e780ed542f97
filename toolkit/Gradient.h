#pragma once
// Gouraud-shaded triangles with 16-bit colour channels (0xFF00 is full intensity):
// each pixel's colour is interpolated linearly from the three vertices of the
// triangle that contains it.

#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

struct GradientVertex {
    std::int32_t x, y;
    std::uint16_t red, green, blue, alpha;
};

using GradientTriangle = std::array<std::uint32_t, 3>;

// Fills the triangles onto the image; false when a vertex index is out of range.
bool GradientFill(QImage& image, const std::vector<GradientVertex>& vertices,
                  const std::vector<GradientTriangle>& triangles);
