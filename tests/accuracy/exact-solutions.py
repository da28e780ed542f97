#!/usr/bin/python3
"""Exact least-squares solutions of the accuracy sets, in rational arithmetic.

Reads the output of dump-accuracy-sets on standard input and writes, one line a set,
"NUMBER FINGERPRINT dependent" when the columns are exactly dependent, else
"NUMBER FINGERPRINT s1 .. sm", each the exact solution rounded to the nearest double.
The normal equations of the columns (made integer by powers of two) are solved by
fraction-free elimination, so nothing is rounded before the last step.

    build/tests/dump-accuracy-sets | tests/accuracy/exact-solutions.py > tests/data/accuracy/exact.txt
"""
import sys
from fractions import Fraction


def integer_column(values):
    """The column as integers times one power of two: (integers, denominator)."""
    fractions = [Fraction(v) for v in values]
    denominator = max(f.denominator for f in fractions)
    return [int(f * denominator) for f in fractions], denominator


def solve(rows, m):
    columns = [integer_column([row[k] for row in rows]) for k in range(m + 1)]
    w, w_scale = columns[0]
    basis = columns[1:]
    # Normal equations G z = h of the integer columns.
    g = [[sum(a * b for a, b in zip(basis[j][0], basis[k][0])) for k in range(m)] for j in range(m)]
    h = [sum(a * b for a, b in zip(basis[j][0], w)) for j in range(m)]
    matrix = [g[j] + [h[j]] for j in range(m)]
    previous = 1
    for p in range(m):
        pivot = next((r for r in range(p, m) if matrix[r][p] != 0), None)
        if pivot is None:
            return None
        matrix[p], matrix[pivot] = matrix[pivot], matrix[p]
        for r in range(p + 1, m):
            for c in range(p + 1, m + 1):
                matrix[r][c] = (matrix[r][c] * matrix[p][p] - matrix[r][p] * matrix[p][c]) // previous
            matrix[r][p] = 0
        previous = matrix[p][p]
    z = [Fraction(0)] * m
    for p in reversed(range(m)):
        t = sum(matrix[p][c] * z[c] for c in range(p + 1, m))
        z[p] = (matrix[p][m] - t) / Fraction(matrix[p][p])
    # Column k was multiplied by its denominator d_k and W by d_w: s_k = z_k d_k / d_w.
    return [z[k] * basis[k][1] / w_scale for k in range(m)]


def text(value):
    try:
        return repr(float(value))
    except OverflowError:
        return "inf" if value > 0 else "-inf"


def main():
    lines = sys.stdin.read().split("\n")
    i = 0
    while i < len(lines):
        if not lines[i].startswith("set "):
            i += 1
            continue
        _, number, fingerprint, n, m = lines[i].split()
        n, m = int(n), int(m)
        rows = [[float.fromhex(v) for v in lines[i + 1 + r].split()] for r in range(n)]
        i += 1 + n
        solution = solve(rows, m)
        figures = "dependent" if solution is None else " ".join(text(v) for v in solution)
        print(number, fingerprint, figures, flush=True)


main()
