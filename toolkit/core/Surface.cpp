#include "Surface.h"

namespace {
SurfaceOp MakeOp(SurfaceOp::Kind kind, double x1, double y1, double x2, double y2, Color color) {
    SurfaceOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    return op;
}
}  // namespace

void Surface::Clear() {
    currentX_ = 0;
    currentY_ = 0;
    SurfaceOp op;
    op.kind = SurfaceOp::Clear;
    Render(op);
}

void Surface::Print(std::string_view text, bool endLine) {
    SurfaceOp op = MakeOp(SurfaceOp::Text, currentX_, currentY_, 0, 0, foreColor_);
    op.color = foreColor_;
    op.bold = bold_;
    op.text = std::string(text);
    Render(op);
    if (endLine) {
        currentX_ = 0;
        currentY_ += TextLineHeight();
    } else {
        currentX_ += TextAdvance(text);
    }
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    SurfaceOp op = MakeOp(SurfaceOp::Line, x1, y1, x2, y2, color);
    op.width = drawWidth_;
    op.style = drawStyle_;
    Render(op);
}

void Surface::FilledBox(double x1, double y1, double x2, double y2, Color color) {
    SurfaceOp op = MakeOp(SurfaceOp::Box, x1, y1, x2, y2, color);
    Render(op);
}

void Surface::Circle(double x, double y, double radius, Color color) {
    SurfaceOp op = MakeOp(SurfaceOp::Circle, x, y, radius, 0, color);
    op.width = drawWidth_;
    op.style = drawStyle_;
    Render(op);
}
