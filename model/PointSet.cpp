#include "PointSet.h"

#include <utility>

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
            }
        }
    }
}
