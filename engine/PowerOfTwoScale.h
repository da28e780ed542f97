#pragma once
// Scaling by a power of two, exact wherever the result is a normal double.

#include <cmath>
#include <limits>

// x 2^-exponent: a product with the power of two where that is a normal double (the
// same value as std::ldexp gives, which rounds the same way, at a fraction of the cost).
struct PowerOfTwoScale {
    PowerOfTwoScale() : PowerOfTwoScale(0) {}
    explicit PowerOfTwoScale(int exponent)
        : exponent_(exponent),
          factor_(std::ldexp(1.0, -exponent)),
          normal_(std::fabs(exponent) < std::numeric_limits<double>::max_exponent - 1) {}
    double operator()(double x) const { return normal_ ? x * factor_ : std::ldexp(x, -exponent_); }

private:
    int exponent_;
    double factor_;
    bool normal_;
};
