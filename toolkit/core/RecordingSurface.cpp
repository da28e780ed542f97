#include "RecordingSurface.h"

#include "Utf8Text.h"

std::vector<SurfaceOp> RecordingSurface::OpsSinceClear() const {
    auto it = ops_.end();
    while (it != ops_.begin() && (it - 1)->kind != SurfaceOp::Clear) --it;
    return {it, ops_.end()};
}

double RecordingSurface::TextAdvance(std::string_view text) const {
    return charWidth_ * static_cast<double>(CharCount(text));
}
