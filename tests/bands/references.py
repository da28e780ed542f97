#!/usr/bin/python3
"""Independent references for the bands and Y at X: the textbook formulas for a line and
a cubic (numpy), the delta method on an exponential fitted on Y (SciPy's least_squares,
its gradient written out here), and the band of ln Y carried back by e^W. Prints
"NAME X Y SE CONF_LOW CONF_HIGH PRED_LOW PRED_HIGH" lines for the test's table.

    tests/bands/references.py   (needs python3-scipy)
"""
import numpy
from scipy.optimize import brentq, least_squares
from scipy.stats import t


def quantile(freedom):
    """Student's t at 0.975 by inverting its distribution function, which holds every
    digit (SciPy 1.10's t.ppf is off by some 1e-10; the closed form for 5 degrees of
    freedom agrees with this)."""
    return brentq(lambda q: t.cdf(q, freedom) - 0.975, 1, 20, xtol=1e-16, rtol=1e-15)

LINE = ([1, 2, 3, 4, 5, 6], [2.1, 3.9, 6.2, 7.8, 10.1, 12.2])
CUBIC = (list(range(10)), [1.2, 2.9, 3.1, 4.8, 7.7, 12.1, 18.0, 27.4, 38.2, 52.9])
EXPONENTIAL = ([0, 10, 20, 30, 40, 50, 60], [2938, 7354, 11900, 17000, 47200, 79100, 119600])


def linear(name, xs, ys, degree, at):
    x, y = numpy.array(xs, float), numpy.array(ys, float)
    basis = numpy.vstack([x**k for k in range(degree + 1)]).T
    c, residual, _, _ = numpy.linalg.lstsq(basis, y, rcond=None)
    n, m = basis.shape
    s2 = residual[0] / (n - m)
    inverse = numpy.linalg.inv(basis.T @ basis)
    q = quantile(n - m)
    for x0 in at:
        v = numpy.array([x0**k for k in range(degree + 1)], float)
        fitted, se = v @ c, numpy.sqrt(s2 * v @ inverse @ v)
        p = numpy.sqrt(s2 + se * se)
        show(name, x0, fitted, se, fitted - q * se, fitted + q * se, fitted - q * p, fitted + q * p)


def exponential_on_y(at):
    x, y = (numpy.array(v, float) for v in EXPONENTIAL)
    model = lambda p, x: p[0] * numpy.exp(p[1] * x)
    gradient = lambda p, x: numpy.array([numpy.exp(p[1] * x), p[0] * x * numpy.exp(p[1] * x)])
    r = least_squares(lambda p: model(p, x) - y, [3346.75, 0.0616], jac=lambda p: gradient(p, x).T,
                      method="lm", xtol=1e-15, ftol=1e-15, gtol=1e-15)
    j = gradient(r.x, x).T
    s2 = 2 * r.cost / (len(x) - 2)
    covariance = s2 * numpy.linalg.inv(j.T @ j)
    q = quantile(len(x) - 2)
    for x0 in at:
        g = gradient(r.x, x0)
        fitted, se = model(r.x, x0), numpy.sqrt(g @ covariance @ g)
        p = numpy.sqrt(s2 + se * se)
        show("ExponentialOnY", x0, fitted, se, fitted - q * se, fitted + q * se, fitted - q * p, fitted + q * p)


def exponential_linearised(at):
    x, y = (numpy.array(v, float) for v in EXPONENTIAL)
    basis = numpy.vstack([numpy.ones(len(x)), x]).T
    c, residual, _, _ = numpy.linalg.lstsq(basis, numpy.log(y), rcond=None)
    s2 = residual[0] / (len(x) - 2)
    inverse = numpy.linalg.inv(basis.T @ basis)
    q = quantile(len(x) - 2)
    for x0 in at:
        v = numpy.array([1, x0], float)
        w, se = v @ c, numpy.sqrt(s2 * v @ inverse @ v)
        p = numpy.sqrt(s2 + se * se)
        fitted = numpy.exp(w)
        show("ExponentialLinearised", x0, fitted, fitted * se, numpy.exp(w - q * se), numpy.exp(w + q * se),
             numpy.exp(w - q * p), numpy.exp(w + q * p))


def show(name, *figures):
    print(name, " ".join(repr(float(f)) for f in figures))


linear("Line", *LINE, 1, [0, 3.5, 10])
linear("Cubic", *CUBIC, 3, [2.5, 12])
exponential_on_y([25, 70])
exponential_linearised([25, 70])
