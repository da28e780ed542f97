#include "FormulaGradient.h"

#include <cmath>

#include "FormulaKinds.h"
#include "SharedState.h"

bool KindGradient(std::uint8_t kind, const FormulaCoefficients& k, double x,
                  std::array<double, 3>& g) {
    const double a = k.a, b = k.b, c = k.c;
    g = {0, 0, 0};
    switch (kind) {
        case KindPowerX: {  // B X^A
            if (x <= 0) return false;
            const double power = std::exp(a * std::log(x));
            g = {b * power * std::log(x), power, 0};
            break;
        }
        case KindPowerA: {  // B A^X
            if (a <= 0) return false;
            const double power = std::exp(x * k.logA);
            g = {b * x * power / a, power, 0};
            break;
        }
        case KindHyperbolic:  // A/X + B
            g = {1 / x, 1, 0};
            break;
        case KindReciprocalLinear: {  // 1/(AX + B)
            const double d = a * x + b;
            g = {-x / (d * d), -1 / (d * d), 0};
            break;
        }
        case KindRational: {  // X/(AX + B)
            const double d = a * x + b;
            g = {-x * x / (d * d), -x / (d * d), 0};
            break;
        }
        case KindLogarithmic:  // A ln X + B
            if (x <= 0) return false;
            g = {std::log(x), 1, 0};
            break;
        case KindExpShifted:  // A e^X + B
            g = {std::exp(x), 1, 0};
            break;
        case KindExponential: {  // A e^(BX)
            const double e = std::exp(b * x);
            g = {e, a * x * e, 0};
            break;
        }
        case KindLogQuadratic: {  // A ln^2 X + B ln X + C
            if (x <= 0) return false;
            const double l = std::log(x);
            g = {l * l, l, 1};
            break;
        }
        case KindExpQuadratic: {  // A e^(BX + CX^2)
            const double e = std::exp(b * x + c * x * x);
            g = {e, a * x * e, a * x * x * e};
            break;
        }
        case KindSine:  // A sin(X + B) + C
            g = {std::sin(x + b), a * std::cos(x + b), 1};
            break;
        default:
            return false;
    }
    return std::isfinite(g[0]) && std::isfinite(g[1]) && std::isfinite(g[2]);
}

bool FormulaGradient(double x, std::array<double, 3>& g) {
    return KindGradient(Shared.FormulaKind, CurrentCoefficients(), x, g);
}
