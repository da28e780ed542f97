// One line per fit: the set, the mode and a fingerprint (FNV-1a) of everything the
// engine shows of it: the failure code, the coefficients, the curve's pixels, the
// correlation, the deviations, the standard errors and intervals, and for every 97th
// set the whole comparison. Built by tools/same-numbers against two engines.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "AccuracySets.h"
#include "Comparison.h"
#include "EngineCodes.h"
#include "EngineSequence.h"
#include "Evaluate.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "PointSet.h"
#include "SharedState.h"
#include "Uncertainty.h"
std::uint64_t h = 1469598103934665603ULL;
void Mix(const void* p, size_t n) {
    auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
        h ^= b[i];
        h *= 1099511628211ULL;
    }
}
void MixD(double d) { Mix(&d, sizeof d); }
int main() {
    std::mt19937 rng(11);
    for (int number = 0; number < AccuracySetCount + 6000; ++number) {
        AccuracySet set;
        if (number < AccuracySetCount)
            set = MakeAccuracySet(number);
        else {
            set.kind = 1 + rng() % 13;
            set.degree = 1 + rng() % 12;
            int n = 4 + rng() % 37;
            std::uniform_real_distribution<double> u(-3, 10), noise(-1, 1);
            double scale = std::pow(10.0, int(rng() % 9) - 4),
                   off = (rng() % 3 == 0) ? std::pow(10.0, rng() % 6) : 0;
            for (int i = 0; i < n; ++i) {
                double x = off + scale * u(rng);
                set.points.push_back({x, std::exp(0.3 * u(rng)) * (1 + 0.1 * noise(rng)) *
                                             std::pow(10.0, int(rng() % 5) - 2)});
            }
            if (IsPolynomialKind(set.kind) && set.degree + 1 >= n) continue;
        }
        for (int mode = 0; mode < 2; ++mode) {
            h = 1469598103934665603ULL;
            Shared = SharedState{};
            FillFormulaTexts();
            Shared.FitMode = mode;
            Shared.PointCount = set.points.size();
            for (size_t i = 0; i < set.points.size(); ++i) {
                Shared.PointX[i + 1] = set.points[i].first;
                Shared.PointY[i + 1] = set.points[i].second;
            }
            SortPointsByX();
            Shared.FormulaKind = set.kind;
            if (IsPolynomialKind(set.kind)) {
                Shared.TypedDegree = set.degree;
                Shared.UnknownCount = set.kind == KindPolynomial ? set.degree + 1 : set.degree;
            }
            if (set.kind >= 11 && set.points.size() < 4) continue;
            int f = RunEngineSequence();
            Mix(&f, sizeof f);
            if (!f) {
                for (int k = 1; k <= Shared.UnknownCount; ++k) MixD(Shared.FitMatrix[0][k]);
                MixD(Shared.CoefA);
                MixD(Shared.CoefB);
                MixD(Shared.CoefC);
                Mix(&Shared.CurvePointCount, 2);
                Mix(Shared.CurvePixelX.data(), 2 * Shared.CurvePointCount);
                Mix(Shared.CurvePixelY.data(), 2 * Shared.CurvePointCount);
                MixD(CorrelationCoefficient());
                ComputeDeviations();
                MixD(Shared.MeanDeviation);
                for (int i = 1; i <= Shared.PointCount; ++i) {
                    MixD(Shared.Deviation[i]);
                    MixD(Shared.FitMatrix[i][0]);
                }
                const FitSpread sp = SpreadOfFit();
                for (auto& c : sp.coefficients) {
                    MixD(c.standardError);
                    MixD(c.low);
                    MixD(c.high);
                }
            }
            if (number % 97 == 0 && mode == 0) {
                for (const ComparedFit& c : CompareFormulas()) {
                    Mix(&c.failure, 1);
                    MixD(c.residualSum);
                    MixD(c.meanDeviation);
                    if (c.aicc) MixD(*c.aicc);
                }
            }
            std::printf("%d %d %016llx\n", number, mode, static_cast<unsigned long long>(h));
        }
    }
}
