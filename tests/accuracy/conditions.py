#!/usr/bin/python3
"""Condition numbers of the accuracy sets' basis columns, by numpy's SVD.

Reads the output of dump-accuracy-sets on standard input and writes "NUMBER CONDITION"
a set: the 2-norm condition number of columns 1..m, each first scaled by the power of
two that brings its norm into [0.5, 1), as the solver scales them. The singular values
are backward stable, so the figure holds a few digits wherever it is below 1e14; the
test uses it only to say which sets are far from dependence.

    build/tests/dump-accuracy-sets | tests/accuracy/conditions.py > tests/data/accuracy/conditions.txt
"""
import math
import sys

import numpy


def main():
    lines = sys.stdin.read().split("\n")
    i = 0
    while i < len(lines):
        if not lines[i].startswith("set "):
            i += 1
            continue
        _, number, _, n, m = lines[i].split()
        n, m = int(n), int(m)
        rows = [[float.fromhex(v) for v in lines[i + 1 + r].split()] for r in range(n)]
        i += 1 + n
        basis = numpy.array([row[1:] for row in rows])
        for k in range(m):
            largest = float(numpy.max(numpy.abs(basis[:, k])))
            if largest > 0:
                _, outer = math.frexp(largest)
                column = numpy.ldexp(basis[:, k], -outer)
                _, inner = math.frexp(float(numpy.sqrt(numpy.sum(column * column))))
                basis[:, k] = numpy.ldexp(column, -inner)
        singular = numpy.linalg.svd(basis, compute_uv=False)
        condition = float("inf") if singular[-1] == 0 else singular[0] / singular[-1]
        print(number, repr(condition), flush=True)


main()
