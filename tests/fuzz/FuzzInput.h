#pragma once
// Reading a fuzzer's bytes as program input, and failing loudly on a broken property.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken property is named on the way out, so that a finding says what broke.
#define Check(holds) CheckAt((holds), #holds, __FILE__, __LINE__)
inline void CheckAt(bool holds, const char* what, const char* file, int line) {
    if (holds) return;
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}

// The next 8 bytes as a finite double (0 for NaN or infinity); a short tail gives
// small values, a used-up input 0.
inline double TakeDouble(const std::uint8_t*& data, std::size_t& size) {
    double v = 0;
    if (size >= sizeof v) {
        std::memcpy(&v, data, sizeof v);
        data += sizeof v;
        size -= sizeof v;
    } else if (size > 0) {
        v = static_cast<double>(static_cast<std::int8_t>(*data)) / 4;
        ++data;
        --size;
    }
    return std::isfinite(v) ? v : 0;
}
