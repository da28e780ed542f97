#include "NumberText.h"
#include "PointTable.h"
#include "SharedState.h"

namespace {
// The cell of one stored value: its typed text where that is a whole number, else the
// shortest text that reads back as the value; the decimal point as the user writes it.
std::string Cell(const std::string& stored, double value, std::string_view separator) {
    std::string text = RoundTripText(value);
    if (const auto number = CellNumber(stored)) text = *number;
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}
}  // namespace

std::string PointTableText(std::string_view decimalSeparator) {
    const auto& s = Shared;
    std::string text = s.SigmaPresent ? "X\tY\tσ\n" : "X\tY\n";
    for (int i = 1; i <= s.PointCount; ++i) {
        text += Cell(s.PointXText[i], s.PointX[i], decimalSeparator) + "\t" +
                Cell(s.PointYText[i], s.PointY[i], decimalSeparator);
        if (s.SigmaPresent)
            text += "\t" + Cell(s.PointSigmaText[i], s.PointSigma[i], decimalSeparator);
        text += "\n";
    }
    return text;
}
