#!/usr/bin/python3
"""Independent references for the fit on Y: SciPy's least_squares on noisy point sets
of the six refined kinds, from several starts, with the coefficients' standard errors
s^2 (J^T J)^-1 as curve_fit gives them. Prints the rows of the test's table.

    tests/refinement/references.py   (needs python3-scipy)
"""
import math

import numpy
from scipy.optimize import least_squares

NOISE = [0.03, -0.05, 0.02, 0.04, -0.03, -0.01, 0.05, -0.04, 0.01, -0.02, 0.035, -0.015]


def noisy(xs, f):
    return [(x, float("%.6g" % (f(x) * (1 + NOISE[i % len(NOISE)])))) for i, x in enumerate(xs)]


# name, kind, model, its derivatives in the coefficients (written out here, not taken
# from the program), the points, a start.
SETS = [
    ("PowerX", 3, lambda p, x: p[1] * x ** p[0],
     lambda p, x: [p[1] * x ** p[0] * numpy.log(x), x ** p[0]],
     noisy(range(1, 11), lambda x: 2 * x**1.5), [1.4, 2.2]),
    ("PowerA", 4, lambda p, x: p[1] * p[0] ** x,
     lambda p, x: [p[1] * x * p[0] ** (x - 1), p[0] ** x],
     noisy(range(0, 10), lambda x: 3 * 1.3**x), [1.25, 3.1]),
    ("ReciprocalLinear", 6, lambda p, x: 1 / (p[0] * x + p[1]),
     lambda p, x: [-x / (p[0] * x + p[1]) ** 2, -1 / (p[0] * x + p[1]) ** 2],
     noisy(range(1, 11), lambda x: 1 / (0.5 * x + 2)), [0.45, 2.1]),
    ("Rational", 7, lambda p, x: x / (p[0] * x + p[1]),
     lambda p, x: [-x * x / (p[0] * x + p[1]) ** 2, -x / (p[0] * x + p[1]) ** 2],
     noisy([0.02, 0.06, 0.11, 0.22, 0.56, 1.1, 0.04, 0.3], lambda x: x / (x / 212.7 + 0.0641 / 212.7)),
     [0.0047, 0.0003]),
    ("Exponential", 10, lambda p, x: p[0] * numpy.exp(p[1] * x),
     lambda p, x: [numpy.exp(p[1] * x), p[0] * x * numpy.exp(p[1] * x)],
     noisy([0.5 * i for i in range(10)], lambda x: 5 * math.exp(0.3 * x)), [4.8, 0.31]),
    ("ExpQuadratic", 12, lambda p, x: p[0] * numpy.exp(p[1] * x + p[2] * x * x),
     lambda p, x: [e := numpy.exp(p[1] * x + p[2] * x * x), p[0] * x * e, p[0] * x * x * e],
     noisy([i - 5.5 for i in range(12)], lambda x: 2 * math.exp(0.2 * x - 0.05 * x * x)),
     [1.9, 0.21, -0.049]),
]


def main():
    for name, kind, f, df, points, start in SETS:
        x = numpy.array([p[0] for p in points], dtype=float)
        y = numpy.array([p[1] for p in points], dtype=float)
        best = None
        for scale in (1.0, 0.9, 1.1):
            r = least_squares(lambda p: f(p, x) - y, numpy.array(start) * scale, method="lm",
                              jac=lambda p: numpy.array(df(p, x)).T,
                              xtol=1e-15, ftol=1e-15, gtol=1e-15, max_nfev=100000)
            if best is None or r.cost < best.cost:
                best = r
        n, m = len(x), len(start)
        s2 = 2 * best.cost / (n - m)
        j = numpy.array(df(best.x, x)).T
        errors = numpy.sqrt(numpy.diag(s2 * numpy.linalg.inv(j.T @ j)))
        pairs = ", ".join('{"%r", "%s"}' % (float(px), "%.6g" % py) for px, py in points)
        print('    RefinedCase{"%s", %d, {%s},' % (name, kind, pairs))
        print("                {%s}," % ", ".join(repr(float(v)) for v in best.x))
        print("                {%s}}," % ", ".join(repr(float(v)) for v in errors))


main()
