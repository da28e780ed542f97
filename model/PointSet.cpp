#include "PointSet.h"

#include <utility>

#include "NumberText.h"
#include "SharedState.h"

void SortPointsByX() {
    auto& s = Shared;
    for (int i = 1; i <= s.PointCount; ++i) {
        for (int j = i; j <= s.PointCount; ++j) {
            if (s.PointX[j] < s.PointX[i]) {
                std::swap(s.PointX[i], s.PointX[j]);
                std::swap(s.PointY[i], s.PointY[j]);
                std::swap(s.PointXText[i], s.PointXText[j]);
                std::swap(s.PointYText[i], s.PointYText[j]);
                std::swap(s.PointSigma[i], s.PointSigma[j]);
                std::swap(s.PointSigmaText[i], s.PointSigmaText[j]);
            }
        }
    }
}

void StoreTypedValue(int pair, PairPart part, std::string_view typed) {
    auto& s = Shared;
    std::string& text = part == PairPart::X   ? s.PointXText[pair]
                        : part == PairPart::Y ? s.PointYText[pair]
                                              : s.PointSigmaText[pair];
    double& value = part == PairPart::X   ? s.PointX[pair]
                    : part == PairPart::Y ? s.PointY[pair]
                                          : s.PointSigma[pair];
    text = NormalizeNumberText(typed);
    value = NumberValue(text);
}

bool TypedValueBeyondRange(std::string_view typed) {
    return NumberBeyondRange(NormalizeNumberText(typed));
}

bool UsableSigma(std::string_view typed) {
    return !TypedValueBeyondRange(typed) && NumberValue(NormalizeNumberText(typed)) > 0;
}
