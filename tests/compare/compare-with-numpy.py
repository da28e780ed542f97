"""fitcheck against an independent solution of the same linearised problem: for each
of the thirteen kinds, random point sets of 3 to 40 points are fitted by fitcheck and
by numpy's least squares on the transformed X and Y, and the coefficients must agree
to 9 significant digits wherever the problem is well conditioned.

    compare-with-numpy.py FITCHECK [SETS_PER_KIND]
"""
import math
import random
import subprocess
import sys

import numpy as np

WELL_CONDITIONED = 1e5  # condition number of the design matrix
DIGITS = 9


def design(kind, x, y, degree):
    """Basis columns and transformed response of the catalogue."""
    ln = np.log
    if kind == 1:
        return np.vander(x, degree + 1, increasing=True), y
    if kind == 2:
        return np.vander(x, degree + 1, increasing=True)[:, 1:], y
    one = np.ones_like(x)
    with np.errstate(all="ignore"):  # the table forms every kind's columns; one is used
        table = design_table(one, x, y, ln)
    columns, w = table[kind]
    return np.column_stack(columns), w


def design_table(one, x, y, ln):
    return {
        3: ([one, ln(x)], ln(y)),
        4: ([one, x], ln(y)),
        5: ([one, 1 / x], y),
        6: ([one, x], 1 / y),
        7: ([one, x], x / y),
        8: ([one, ln(x)], y),
        9: ([one, np.exp(x)], y),
        10: ([one, x], ln(y)),
        11: ([one, ln(x), ln(x) ** 2], y),
        12: ([one, x, x ** 2], ln(y)),
        13: ([one, np.sin(x), np.cos(x)], y),
    }


def back_transform(kind, s):
    if kind in (1, 2):
        return list(s)
    s1, s2 = s[0], s[1]
    s3 = s[2] if len(s) > 2 else 0.0
    if kind == 13:
        b = math.atan(s3 / s2)
        return [s2 / math.cos(b), b, s1]
    return {
        3: lambda: [s2, math.exp(s1)],
        4: lambda: [math.exp(s2), math.exp(s1)],
        10: lambda: [math.exp(s1), s2],
        11: lambda: [s3, s2, s1],
        12: lambda: [math.exp(s1), s2, s3],
    }.get(kind, lambda: [s2, s1])()


def points(kind, n, rng):
    """X and Y for the kind: positive where a logarithm or a reciprocal needs it."""
    positive_x = kind in (3, 8, 11)
    positive_y = kind in (3, 4, 10, 12)
    lo, hi = (0.2, 6.0) if positive_x else (-3.0, 3.0)
    xs = sorted(round(rng.uniform(lo, hi), 3) for _ in range(n))
    a, b = rng.uniform(0.5, 3), rng.uniform(-1, 1)
    ys = []
    for x in xs:
        base = a * math.exp(0.3 * b * x) if positive_y else a * x + b + math.sin(x)
        if kind in (5, 6, 7) and abs(base) < 0.3:
            base = 0.3
        noisy = base * (1 + rng.uniform(-0.05, 0.05))
        ys.append(round(noisy, 4) if not positive_y else round(abs(noisy) + 0.01, 4))
    if kind == 5 and any(abs(x) < 0.05 for x in xs):
        xs = [x if abs(x) >= 0.05 else 0.05 for x in xs]
    return xs, ys


def run_fitcheck(fitcheck, kind, degree, xs, ys):
    text = f"{kind} {degree}\n" + "".join(f"{x!r}\t{y!r}\n" for x, y in zip(xs, ys))
    out = subprocess.run([fitcheck], input=text, capture_output=True, text=True)
    if out.returncode != 0:
        return None, None
    lines = out.stdout.split("\n")
    status = int(lines[0].split()[1])
    coefs = [float(line.split()[2]) for line in lines if line.startswith("coef ")]
    return status, coefs


def main(fitcheck, sets):
    rng = random.Random(20261208)
    compared = skipped = failed = 0
    for kind in range(1, 14):
        for _ in range(sets):
            n = rng.randint(4 if kind >= 11 else 3, 40)
            degree = rng.randint(1, min(5, n - (2 if kind == 1 else 1))) if kind in (1, 2) else 0
            xs, ys = points(kind, n, rng)
            x, y = np.array(xs), np.array(ys)
            a, w = design(kind, x, y, degree)
            if np.linalg.cond(a) > WELL_CONDITIONED:
                skipped += 1
                continue
            solution = np.linalg.lstsq(a, w, rcond=None)[0]
            expected = back_transform(kind, solution)
            status, got = run_fitcheck(fitcheck, kind, degree, xs, ys)
            if status != 0 or len(got) != len(expected):
                print(f"kind {kind} degree {degree} n {n}: fitcheck status {status}, {got}")
                failed += 1
                continue
            scale = max(abs(e) for e in expected)
            for g, e in zip(got, expected):
                if abs(g - e) > 10 ** -DIGITS * max(abs(e), 1e-3 * scale):
                    print(f"kind {kind} degree {degree} n {n}: {g!r} against {e!r}")
                    failed += 1
                    break
            compared += 1
    print(f"{compared} sets compared, {skipped} ill-conditioned skipped, {failed} disagreed")
    print(f"{compared - failed} passed, {failed} failed")
    return 1 if failed or compared == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 40))
