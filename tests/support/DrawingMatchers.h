#pragma once
// Reading a recorded drawing in tests: the texts, lines and circles it holds, and a
// readable dump of the operations for failure messages.

#include <optional>
#include <string>
#include <vector>

#include "Surface.h"

std::vector<SurfaceOp> OfKind(const std::vector<SurfaceOp>& ops, SurfaceOp::Kind kind);
// The first text operation whose text is exactly this one.
std::optional<SurfaceOp> FindText(const std::vector<SurfaceOp>& ops, const std::string& text);
// The first text operation whose text contains this part.
std::optional<SurfaceOp> FindTextContaining(const std::vector<SurfaceOp>& ops,
                                            const std::string& part);
std::string Describe(const SurfaceOp& op);
std::string Describe(const std::vector<SurfaceOp>& ops);
