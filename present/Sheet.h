#pragma once
// What differs between the results window and the print sheet for the graph, the
// coefficient panel and the table: each drawing is written once and takes one of
// these two descriptions.

#include <cstdint>

struct Sheet {
    // The graph is moved by this much (x + offsetX, screen y + offsetY).
    std::int16_t offsetX = 0, offsetY = 0;
    bool recordsPointPixels = true;  // PointPixelX/Y kept for the point picking
    // Formula caption at (Y axis x + captionDx, captionY).
    std::int16_t captionDx = 8, captionY = 10;
    const char* meanText = "";
    const char* correlationText = "";
    // Results table.
    std::int16_t tableLeft = 0, tableTop = 0;
    const char* deviationHeader = "";
    // Coefficient panel: the screen colours it, the sheet writes in its current colour.
    bool colouredCoefficients = true;
};

const Sheet& ScreenSheet();
const Sheet& PrintSheet();
