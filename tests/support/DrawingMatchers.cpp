#include "DrawingMatchers.h"

#include <cstdio>

std::vector<SurfaceOp> OfKind(const std::vector<SurfaceOp>& ops, SurfaceOp::Kind kind) {
    std::vector<SurfaceOp> found;
    for (const auto& op : ops)
        if (op.kind == kind) found.push_back(op);
    return found;
}

std::optional<SurfaceOp> FindText(const std::vector<SurfaceOp>& ops, const std::string& text) {
    for (const auto& op : ops)
        if (op.kind == SurfaceOp::Text && op.text == text) return op;
    return std::nullopt;
}

std::optional<SurfaceOp> FindTextContaining(const std::vector<SurfaceOp>& ops,
                                            const std::string& part) {
    for (const auto& op : ops)
        if (op.kind == SurfaceOp::Text && op.text.find(part) != std::string::npos) return op;
    return std::nullopt;
}

std::string Describe(const SurfaceOp& op) {
    static const char* const kinds[] = {"clear", "text", "line", "box", "circle"};
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%s (%g,%g)-(%g,%g) colour %06X%s width %d%s",
                  kinds[op.kind], op.x1, op.y1, op.x2, op.y2, op.color, op.bold ? " bold" : "",
                  op.width, op.style == LineStyle::Dotted ? " dotted" : "");
    std::string line = buffer;
    if (op.kind == SurfaceOp::Text) line += " \"" + op.text + "\"";
    return line;
}

std::string Describe(const std::vector<SurfaceOp>& ops) {
    std::string all;
    for (const auto& op : ops) all += Describe(op) + "\n";
    return all;
}
