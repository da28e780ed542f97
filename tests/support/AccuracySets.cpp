#include "AccuracySets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "FormulaKinds.h"
#include "SharedState.h"

namespace {
// splitmix64: a generator whose sequence is fixed by its seed on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }  // [0, 1)
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    int Integer(int low, int high) {  // [low, high]
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t state_;
};

// 10^k correctly rounded, by the standard library's reading of its text.
double PowerOfTen(int k) { return std::strtod(("1e" + std::to_string(k)).c_str(), nullptr); }

// A smooth positive trend over t in [-1, 1] with noise of the given size.
double Trend(Random& random, double t, double noise, double c1, double c2) {
    return 3 + c1 * t + c2 * t * t + noise * random.Between(-1, 1);
}

// A formula for n points: a polynomial of a degree from minDegree (or the highest
// the points admit) up to the highest, or one of the other kinds.
void ChooseFormula(Random& random, AccuracySet& set, int n, bool polynomial, int minDegree) {
    if (!polynomial) {
        set.kind = static_cast<std::uint8_t>(
            random.Integer(KindPowerX, n >= 4 ? KindSine : KindExponential));
        return;
    }
    set.kind = random.Integer(0, 1) ? KindPolynomial : KindPolynomialNoFree;
    const int top = set.kind == KindPolynomial ? std::min(n - 2, MaxUnknowns - 1)
                                               : std::min(n - 1, MaxUnknowns);
    set.degree = static_cast<std::int16_t>(random.Integer(std::min(minDegree, top), top));
}

// Caps a polynomial's degree where a family probes something else than high degrees.
void CapDegree(Random& random, AccuracySet& set, int most) {
    if (set.degree > most) set.degree = static_cast<std::int16_t>(random.Integer(1, most));
}
}  // namespace

AccuracySet MakeAccuracySet(int number) {
    Random random(0xACC0000ULL + static_cast<std::uint64_t>(number));
    AccuracySet set;
    const int family = number % 8;
    int n = random.Integer(3, MaxEnteredPoints);
    std::vector<double> xs;
    const double c1 = random.Between(-1, 1), c2 = random.Between(-1, 1);
    const double noises[] = {0, 1e-9, 1e-4, 0.05, 1};
    double noise = noises[random.Integer(0, 4)];
    double yScale = random.Integer(0, 3) == 0 ? PowerOfTen(random.Integer(-6, 6)) : 1;
    switch (family) {
        case 0: {  // random data, any formula
            set.family = "random";
            const double unit = PowerOfTen(random.Integer(-3, 3));
            const double low = random.Between(-5, 5) * unit, width = random.Between(0.1, 10) * unit;
            for (int i = 0; i < n; ++i) xs.push_back(low + width * random.Unit());
            ChooseFormula(random, set, n, random.Integer(0, 2) == 0, 1);
            break;
        }
        case 1: {  // a large offset: calendar years, timestamps, temperatures in kelvin
            set.family = "offset";
            const double offsets[] = {1990, 1e4, 273.15, 1e6, 1e7, -30, 2000.5, 1e9};
            const double steps[] = {1, 0.01, 0.5, 10};
            const double offset = offsets[random.Integer(0, 7)], step = steps[random.Integer(0, 3)];
            for (int i = 0; i < n; ++i) xs.push_back(offset + step * i);
            ChooseFormula(random, set, n, random.Integer(0, 3) != 0, 1);
            CapDegree(random, set, 6);
            break;
        }
        case 2: {  // the same grid in any unit
            set.family = "scaled";
            const double unit = PowerOfTen(random.Integer(-20, 20));
            for (int i = 0; i < n; ++i) xs.push_back((2 * i - n + 0.5) * unit);
            ChooseFormula(random, set, n, random.Integer(0, 2) != 0, 1);
            CapDegree(random, set, 8);
            break;
        }
        case 3: {  // a few tight clusters
            set.family = "clusters";
            const int clusters = random.Integer(2, 5);
            const double spread = PowerOfTen(-random.Integer(2, 14));
            std::vector<double> centres;
            for (int c = 0; c < clusters; ++c) centres.push_back(random.Between(0.5, 10));
            for (int i = 0; i < n; ++i)
                xs.push_back(centres[i % clusters] * (1 + spread * random.Between(-1, 1)));
            ChooseFormula(random, set, n, random.Integer(0, 1) == 0, 1);
            break;
        }
        case 4: {  // dependent columns: one X, or fewer distinct X than unknowns
            set.family = "dependent";
            const int distinct = random.Integer(1, 3);
            std::vector<double> values;
            for (int c = 0; c < distinct; ++c) values.push_back(random.Between(0.5, 4));
            for (int i = 0; i < n; ++i) xs.push_back(values[i % distinct]);
            ChooseFormula(random, set, n, random.Integer(0, 1) == 0, distinct);
            break;
        }
        case 5: {  // nearly dependent: as many distinct X as unknowns, the rest close by
            set.family = "near";
            n = random.Integer(4, MaxEnteredPoints);
            const int distinct = random.Integer(2, std::min(8, n - 1));
            const double closeness = PowerOfTen(-random.Integer(6, 15));
            std::vector<double> values;
            for (int c = 0; c < distinct; ++c) values.push_back(random.Between(0.5, 4));
            for (int i = 0; i < n; ++i)
                xs.push_back(values[i % distinct] *
                             (1 + (i < distinct ? 0 : closeness * random.Between(-1, 1))));
            ChooseFormula(random, set, n, random.Integer(0, 2) != 0, distinct);
            break;
        }
        case 6: {  // high degrees over spans of every width
            set.family = "degree";
            n = random.Integer(20, MaxEnteredPoints);
            const double low = random.Between(-3, 3), width = PowerOfTen(random.Integer(-2, 2));
            for (int i = 0; i < n; ++i) xs.push_back(low + width * i / (n - 1));
            ChooseFormula(random, set, n, true, 8);
            break;
        }
        default: {  // noiseless smooth data of any formula
            set.family = "smooth";
            noise = 0;
            const double low = random.Between(0.1, 3), width = random.Between(0.5, 5);
            for (int i = 0; i < n; ++i) xs.push_back(low + width * i / (n - 1));
            ChooseFormula(random, set, n, random.Integer(0, 3) == 0, 1);
            break;
        }
    }
    // X must be positive where the formula takes its logarithm.
    if (set.kind == KindPowerX || set.kind == KindLogarithmic || set.kind == KindLogQuadratic)
        for (double& x : xs) x = std::fabs(x);
    const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
    const double middle = (*low + *high) / 2, half = (*high - *low) / 2;
    for (double x : xs) {
        const double t = half > 0 ? (x - middle) / half : 0;
        set.points.emplace_back(x, yScale * Trend(random, t, noise, c1, c2));
    }
    return set;
}

std::uint64_t ProblemFingerprint() {
    const auto& s = Shared;
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (int i = 1; i <= s.PointCount; ++i)
        for (int k = 0; k <= s.UnknownCount; ++k) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &s.FitMatrix[i][k], sizeof bits);
            for (int b = 0; b < 8; ++b) {
                hash ^= (bits >> (8 * b)) & 0xFF;
                hash *= 0x100000001B3ULL;
            }
        }
    return hash;
}
