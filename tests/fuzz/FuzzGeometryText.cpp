// Plot geometry and the number texts on arbitrary finite inputs: no crash, label
// widths that match their texts, fixed texts never longer than their field and
// never missing an integer digit, centred texts exactly as wide as their field.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "NumberFormat.h"
#include "PlotGeometry.h"
#include "SharedState.h"
#include "Utf8Text.h"

namespace {

// Digits before the separator of a fixed text (the sign not counted).
std::size_t IntegerDigits(const std::string& text) {
    std::size_t count = 0;
    for (char c : text) {
        if (c == ',' || c == '.') break;
        if (c >= '0' && c <= '9') ++count;
    }
    return count;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const int width = 7 + data[0] % 14;  // the fields the program uses: 7..15 and more
    const int decimals = data[1] % 13;
    const int n = 3 + data[2] % 38;
    SetDecimalSeparator(data[3] % 2 ? "," : ".");
    data += 4;
    size -= 4;

    const double value = TakeDouble(data, size);
    const std::string fixed =
        FormatFixed(value, static_cast<std::int16_t>(width), static_cast<std::int16_t>(decimals));
    Check(CharCount(fixed) <= static_cast<std::size_t>(width));
    if (fixed.find('E') == std::string::npos) {
        // All integer digits of the rounded value are there.
        const double rounded = std::fabs(value) * std::pow(10.0, decimals);
        if (rounded < 1e15) {
            const double integer = std::floor(std::fabs(value) + 0.5 * std::pow(10.0, -decimals));
            const std::size_t digits =
                integer < 1 ? 1 : static_cast<std::size_t>(std::floor(std::log10(integer))) + 1;
            Check(IntegerDigits(fixed) + 1 >= digits);
        }
    }
    std::string text = fixed;
    const std::string centred = CenterText(text, static_cast<std::uint8_t>(width));
    Check(CharCount(centred) == static_cast<std::size_t>(width));

    std::string label;
    const std::int16_t labelWidth = LabelText(value, static_cast<std::int16_t>(decimals), label);
    Check(labelWidth == static_cast<std::int16_t>(decimals > 0 ? label.size() : label.size() - 1));

    auto& s = Shared;
    s = SharedState{};
    s.PointCount = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        s.PointX[i] = TakeDouble(data, size);
        s.PointY[i] = TakeDouble(data, size);
    }
    const PlotFrame frame = ComputePlotFrame();
    Check(frame.K >= 1);
    int labels = 0;
    PlaceTickLabels(frame, [&] { ++labels; });
    Check(labels == (frame.nX > 0 ? frame.nX + 1 : 0) + (frame.nY > 0 ? frame.nY + 1 : 0));
    SetDecimalSeparator(".");
    return 0;
}
