#pragma once
// A surface that keeps every operation (kind, coordinates, colour, weight, width,
// style, text), so that tests can compare a drawing with the expected one. Its font
// metrics are those of the program's fixed-pitch font: a cell 8 pixels wide.

#include <vector>

#include "Surface.h"

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(double width = 1280, double lineHeight = 15, double charWidth = 8)
        : width_(width), lineHeight_(lineHeight), charWidth_(charWidth) {}

    const std::vector<SurfaceOp>& Ops() const { return ops_; }
    // The operations drawn since the last Clear.
    std::vector<SurfaceOp> OpsSinceClear() const;
    void Forget() { ops_.clear(); }

    double Width() const override { return width_; }
    double TextLineHeight() const override { return lineHeight_; }
    double TextAdvance(std::string_view text) const override;

protected:
    void Render(const SurfaceOp& op) override { ops_.push_back(op); }

private:
    std::vector<SurfaceOp> ops_;
    double width_, lineHeight_, charWidth_;
};
