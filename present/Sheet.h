#pragma once
// What differs between the results window and the print sheet for the graph, the
// coefficient panel and the table: each drawing is written once and takes one of
// these two descriptions. Positions are pixels of the surface.

#include <cstdint>
#include <string>

struct Sheet {
    // The graph is moved by this much (x + offsetX, screen y + offsetY). The print
    // command sets PrintOffsetX and PrintOffsetY from the paper sheet's, and the
    // printed graph is placed by them.
    std::uint8_t offsetX = 0, offsetY = 0;
    bool recordsPointPixels = true;  // PointPixelX/Y kept for the point picking
    // Formula caption at (Y axis x + captionDx, captionY).
    std::int16_t captionDx = 8, captionY = 10;
    const char* meanText = "";
    const char* correlationText = "";

    // Results table.
    std::int16_t tableLeft = 0, tableTop = 0;
    const char* deviationHeader = "";

    // Coefficient panel. The screen colours it; the sheet writes in its current colour.
    bool colouredCoefficients = true;
    // Values in bold (the screen) or regular type after the bold heading.
    bool boldCoefficients = true;
    double equationHeadingX = 0, equationHeadingY = 0;  // "КОЭФФИЦИЕНТЫ УРАВНЕНИЯ"
    double equationX = 0, equationY = 0;                // "A = " line; B and C follow
    double polynomialHeadingX = 0, polynomialHeadingY = 0;
    double polynomialX = 0, polynomialY = 0;  // line of A[0] (or A[1]); the others follow
    const char* polynomialPrefix = "";        // before "A[" of each polynomial line
    // The text of a polynomial coefficient: nine decimals cut to 12 characters on
    // the screen, every significant digit on paper.
    std::string (*polynomialText)(double) = nullptr;
};

const Sheet& ScreenSheet();
const Sheet& PaperSheet();
// The paper sheet with the graph placed where the print command put it: moved by
// PrintOffsetX and PrintOffsetY.
Sheet PlacedPaperSheet();
