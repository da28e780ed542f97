#!/usr/bin/python3
"""Independent references for weighted fits: SciPy's curve_fit with sigma, under both
absolute_sigma settings (False: sigma as relative weights, the covariance scaled by
chi^2/nu, as R's weighted lm gives it; True: sigma as absolute uncertainties), on a
weighted straight line, a weighted quadratic, an exponential on Y, and the exponential's
linearised fit (ln Y with sigma/Y carried to it). curve_fit's minimum (MINPACK's
stopping tests leave some 1e-7 of it) is polished by Gauss-Newton steps solved by
numpy's lstsq, and its covariance formed as curve_fit forms it: (J^T W J)^-1, times
chi^2/nu for relative sigma. Prints
"NAME CONVENTION VALUE SE VALUE SE [VALUE SE] CHI2" lines for the test's table; the
linearised fit's A is e^u with the standard error A se(u).

    tests/weights/references.py > tests/data/weights/references.txt   (needs python3-scipy)
"""
import numpy
from scipy.optimize import curve_fit

LINE = ([1, 2, 3, 4, 5, 6, 7, 8], [2.1, 3.9, 6.2, 7.8, 10.3, 11.7, 14.2, 15.8],
        [0.2, 0.3, 0.3, 0.5, 0.4, 0.8, 0.6, 1.2])
QUADRATIC = ([0, 1, 2, 3, 4, 5, 6, 7, 8, 9], [1.1, 1.9, 5.2, 9.8, 17.3, 25.7, 37.9, 49.1, 65.8, 81.2],
             [0.1, 0.1, 0.2, 0.3, 0.5, 0.6, 1.0, 1.1, 1.6, 2.0])
EXPONENTIAL = ([0, 1, 2, 3, 4, 5, 6], [2.9, 4.6, 7.8, 12.1, 21.4, 33.0, 57.5],
               [0.2, 0.3, 0.5, 0.8, 1.5, 2.5, 4.0])


def show(name, absolute, values, errors, chi2):
    cells = [name, "absolute" if absolute else "relative"]
    for v, e in zip(values, errors):
        cells += [repr(float(v)), repr(float(e))]
    print(" ".join(cells + [repr(float(chi2))]))


def fit(name, model, gradient, data, start):
    x, y, s = (numpy.array(v, float) for v in data)
    for absolute in (False, True):
        p, c = curve_fit(model, x, y, p0=start, sigma=s, absolute_sigma=absolute)
        for _ in range(20):
            j = gradient(x, *p).T / s[:, None]
            step = numpy.linalg.lstsq(j, (y - model(x, *p)) / s, rcond=None)[0]
            p = p + step
        j = gradient(x, *p).T / s[:, None]
        chi2 = numpy.sum(((y - model(x, *p)) / s) ** 2)
        covariance = numpy.linalg.inv(j.T @ j) * (1 if absolute else chi2 / (len(x) - len(p)))
        # curve_fit itself agrees to the digits its stopping tests hold.
        assert numpy.allclose(numpy.diag(c), numpy.diag(covariance), rtol=1e-5)
        show(name, absolute, p, numpy.sqrt(numpy.diag(covariance)), chi2)


def exponential_linearised():
    x, y, s = (numpy.array(v, float) for v in EXPONENTIAL)
    w = numpy.log(y)
    carried = s / y
    for absolute in (False, True):
        j = numpy.vstack([x**0, x]).T / carried[:, None]
        p = numpy.linalg.lstsq(j, w / carried, rcond=None)[0]
        r = (w - p[0] - p[1] * x) / carried
        c = numpy.linalg.inv(j.T @ j) * (1 if absolute else r @ r / (len(x) - 2))
        p0, c0 = curve_fit(lambda x, u, b: u + b * x, x, w, sigma=carried, absolute_sigma=absolute)
        assert numpy.allclose(numpy.diag(c0), numpy.diag(c), rtol=1e-5)
        a = numpy.exp(p[0])
        errors = numpy.sqrt(numpy.diag(c))
        chi2 = numpy.sum(((y - a * numpy.exp(p[1] * x)) / s) ** 2)
        show("exponential_linearised", absolute, [a, p[1]], [a * errors[0], errors[1]], chi2)


fit("line", lambda x, a0, a1: a0 + a1 * x,
    lambda x, a0, a1: numpy.array([x**0, x]), LINE, [0, 2])
fit("quadratic", lambda x, a0, a1, a2: a0 + a1 * x + a2 * x * x,
    lambda x, a0, a1, a2: numpy.array([x**0, x, x * x]), QUADRATIC, [1, 0, 1])
fit("exponential_on_y", lambda x, a, b: a * numpy.exp(b * x),
    lambda x, a, b: numpy.array([numpy.exp(b * x), a * x * numpy.exp(b * x)]), EXPONENTIAL,
    [3, 0.5])
exponential_linearised()
