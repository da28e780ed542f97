// Writes the linear problem of every accuracy set, for exact-solutions.py: a line
// "set NUMBER FINGERPRINT N M", then N lines "W B1 .. BM" in hexadecimal floating
// point, exactly the doubles the solver receives. Sets whose build fails are left out.
#include <cinttypes>
#include <cstdio>

#include "AccuracySets.h"
#include "Fit.h"
#include "PointSetup.h"
#include "SharedState.h"

int main() {
    for (int number = 0; number < AccuracySetCount; ++number) {
        const AccuracySet set = MakeAccuracySet(number);
        UsePoints(set.points);
        ChooseKind(set.kind, set.degree);
        if (!BuildFitRows()) continue;
        const auto& s = Shared;
        std::printf("set %d %016" PRIx64 " %d %d\n", number, ProblemFingerprint(), s.PointCount,
                    s.UnknownCount);
        for (int i = 1; i <= s.PointCount; ++i) {
            for (int k = 0; k <= s.UnknownCount; ++k)
                std::printf(k ? " %a" : "%a", s.FitMatrix[i][k]);
            std::printf("\n");
        }
    }
    return 0;
}
