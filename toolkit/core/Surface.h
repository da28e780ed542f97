#pragma once
// The drawing surface every picture of the program is drawn through: the results
// window, the formula window, an offscreen image, the printed page and the
// recording surface of the tests. It keeps the drawing state (text position,
// colour, weight, line width and style) and the text-position rules; a concrete
// surface only renders each operation. Units are those of the window drawn on
// (pixels, or twips for the formula window); y grows downwards.

#include <string>
#include <string_view>

#include "Color.h"

enum class LineStyle { Solid, Dotted };

// One drawing operation, as rendered or recorded.
struct SurfaceOp {
    enum Kind { Clear, Text, Line, Box, Circle };
    Kind kind = Clear;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: top-left; circle: centre and radius in x2
    Color color = 0;
    bool bold = false;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    std::string text;
};

class Surface {
public:
    virtual ~Surface() = default;

    // Erases everything and puts the text position at (0, 0).
    void Clear();

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    void MoveTo(double x, double y) {
        currentX_ = x;
        currentY_ = y;
    }

    // Text colour, also used by lines drawn without a colour of their own.
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }
    bool Bold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int width) { drawWidth_ = width; }
    LineStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(LineStyle style) { drawStyle_ = style; }

    // Writes text at the text position in the current colour and weight. Ending the
    // line moves the position to x = 0, one text line lower; otherwise the position
    // moves to just after the text.
    void Print(std::string_view text, bool endLine = true);

    void Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, foreColor_); }
    void Line(double x1, double y1, double x2, double y2, Color color);
    void FilledBox(double x1, double y1, double x2, double y2, Color color);
    void Circle(double x, double y, double radius, Color color);

    // Inner width of the surface, and the metrics of its font in the current weight.
    virtual double Width() const = 0;
    virtual double TextLineHeight() const = 0;
    virtual double TextAdvance(std::string_view text) const = 0;

protected:
    virtual void Render(const SurfaceOp& op) = 0;

private:
    double currentX_ = 0, currentY_ = 0;
    Color foreColor_ = 0;
    bool bold_ = false;
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
};
