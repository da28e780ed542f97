#pragma once
// A colour laid out as 0xBBGGRR, as the windows and the drawings name theirs.

#include <cstdint>

using Color = std::uint32_t;
