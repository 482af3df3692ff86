"""An independent reference for triangles from any three measures: every
measure of a triangle from its sides by the textbook formulas in mpmath,
and a brute-force count of the shapes that three measures allow (a grid of
the shape space, Newton steps from every point, the roots told apart)."""
import itertools
import math
import random

import mpmath
import numpy

mpmath.mp.dps = 40

NAMES = ["X", "Y", "Z", "A", "B", "C", "hX", "hY", "hZ", "mX", "mY", "mZ", "tA", "tB", "tC",
         "area", "perimeter", "inradius", "circumradius"]
ANGLES = {"A", "B", "C"}
DIMENSION = {n: 0 if n in ANGLES else 2 if n == "area" else 1 for n in NAMES}

# Three measures bound by one law: no triangle or infinitely many.
TIES = [{"Y", "A", "circumradius"}, {"X", "B", "circumradius"}, {"Z", "C", "circumradius"},
        {"hZ", "X", "A"}, {"hZ", "Y", "B"}, {"hX", "Z", "A"}, {"hX", "Y", "C"},
        {"hY", "Z", "B"}, {"hY", "X", "C"}, {"hX", "X", "area"}, {"hY", "Y", "area"},
        {"hZ", "Z", "area"}, {"area", "perimeter", "inradius"}]


def measures_of_sides(X, Y, Z):
    """Every measure, from the sides (X faces B, Y faces A, Z faces C)."""
    X, Y, Z = mpmath.mpf(X), mpmath.mpf(Y), mpmath.mpf(Z)
    s = (X + Y + Z) / 2
    area = mpmath.sqrt(s * (s - X) * (s - Y) * (s - Z))

    def angle(p, q, facing):  # the angle between sides p and q
        return mpmath.degrees(mpmath.acos((p * p + q * q - facing * facing) / (2 * p * q)))

    def bisector(p, q, facing):
        return mpmath.sqrt(p * q * ((p + q) ** 2 - facing ** 2)) / (p + q)

    def median(p, q, facing):
        return mpmath.sqrt(2 * p * p + 2 * q * q - facing * facing) / 2

    return {
        "X": X, "Y": Y, "Z": Z,
        "A": angle(X, Z, Y), "B": angle(Y, Z, X), "C": angle(X, Y, Z),
        "hX": 2 * area / X, "hY": 2 * area / Y, "hZ": 2 * area / Z,
        "mX": median(Y, Z, X), "mY": median(X, Z, Y), "mZ": median(X, Y, Z),
        "tA": bisector(X, Z, Y), "tB": bisector(Y, Z, X), "tC": bisector(X, Y, Z),
        "area": area, "perimeter": 2 * s, "inradius": area / s,
        "circumradius": X * Y * Z / (4 * area),
    }


def random_triangle(rng, least_angle=1.0):
    """Sides of a random shape (each angle at least least_angle degrees)
    at a random scale from 1e-6 to 1e6."""
    while True:
        a = rng.uniform(least_angle, 180 - 2 * least_angle)
        b = rng.uniform(least_angle, 180 - a - least_angle)
        c = 180 - a - b
        if c >= least_angle:
            break
    scale = 10 ** rng.uniform(-6, 6)
    sine = lambda d: mpmath.sin(mpmath.radians(d))
    return float(scale * sine(b)), float(scale * sine(a)), float(scale * sine(c))


def combinations():
    for combo in itertools.combinations(NAMES, 3):
        if set(combo) <= ANGLES or set(combo) in TIES:
            continue
        yield combo


# The shape functions for the brute force: numpy, in a circle of diameter 1.
def _shape_measure(name, a, b):
    c = numpy.pi - a - b
    sa, sb, sc = numpy.sin(a), numpy.sin(b), numpy.sin(c)
    X, Y, Z = sb, sa, sc
    area = sa * sb * sc / 2
    per = X + Y + Z
    med = lambda p, q, f: numpy.sqrt(numpy.maximum(2 * p * p + 2 * q * q - f * f, 1e-300)) / 2
    bis = lambda p, q, ang: 2 * p * q * numpy.cos(ang / 2) / (p + q)
    return {
        "X": X, "Y": Y, "Z": Z, "hX": sa * sc, "hY": sb * sc, "hZ": sa * sb,
        "mX": med(Y, Z, X), "mY": med(X, Z, Y), "mZ": med(X, Y, Z),
        "tA": bis(X, Z, a), "tB": bis(Y, Z, b), "tC": bis(X, Y, c),
        "area": area, "perimeter": per, "inradius": 2 * area / per,
        "circumradius": numpy.full_like(a, 0.5),
    }[name]


def brute_force_count(given, grid=80):
    """How many labelled triangles the measures allow, by Newton's method
    from a grid of shapes (angles as the two coordinates)."""
    angles = {n: math.radians(v) for n, v in given.items() if n in ANGLES}
    lengths = [n for n in given if n not in ANGLES]
    if len(angles) >= 2:
        return 1 if sum(angles.values()) < math.pi else 0
    ref = lengths[0]
    others = lengths[1:]

    def logm(n, v):
        return math.log(v) / DIMENSION[n]

    targets = [logm(n, given[n]) - logm(ref, given[ref]) for n in others]

    def residual(a, b):
        out = []
        r = numpy.log(_shape_measure(ref, a, b)) / DIMENSION[ref]
        for n, t in zip(others, targets):
            out.append(numpy.log(_shape_measure(n, a, b)) / DIMENSION[n] - r - t)
        return out

    eps = 1e-12
    if angles:  # one angle: the other two share what is left
        (name, fixed), = angles.items()
        rest = math.pi - fixed
        u = (numpy.arange(grid * 20) + 0.5) / (grid * 20)

        def ab(u):
            first, second = rest * u, rest * (1 - u)
            if name == "A":
                return fixed, second
            if name == "B":
                return first, fixed
            return first, second

        for _ in range(60):
            f = residual(*ab(u))[0]
            d = (residual(*ab(u + 1e-7))[0] - f) / 1e-7
            with numpy.errstate(all="ignore"):
                u = numpy.clip(u - f / d, eps, 1 - eps)
        f = residual(*ab(u))[0]
        ok = numpy.isfinite(f) & (numpy.abs(f) < 1e-9) & (u > 1e-9) & (u < 1 - 1e-9)
        return _distinct([(x,) for x in u[ok]])
    # A grid of the three angles, closer near each edge, where thin
    # triangles hide.
    edge = numpy.geomspace(1e-9, 0.5 / grid, 10)
    g = numpy.concatenate([(numpy.arange(grid) + 0.5) / grid, edge])
    a, b = numpy.meshgrid(g * numpy.pi, g * numpy.pi)
    a, b = a.ravel(), b.ravel()
    c = numpy.pi - a - b
    a2, c2 = numpy.meshgrid(g * numpy.pi, edge * numpy.pi)  # the third angle small
    a = numpy.concatenate([a, a2.ravel()])
    b = numpy.concatenate([b, numpy.pi - a2.ravel() - c2.ravel()])
    keep = (a > 0) & (b > 0) & (a + b < numpy.pi)
    a, b = a[keep], b[keep]
    for _ in range(60):
        f1, f2 = residual(a, b)
        h = 1e-7
        g1a, g2a = residual(a + h, b)
        g1b, g2b = residual(a, b + h)
        j11, j12, j21, j22 = (g1a - f1) / h, (g1b - f1) / h, (g2a - f2) / h, (g2b - f2) / h
        with numpy.errstate(all="ignore"):
            det = j11 * j22 - j12 * j21
            da = (j22 * f1 - j12 * f2) / det
            db = (-j21 * f1 + j11 * f2) / det
            step = numpy.maximum(1, numpy.hypot(da, db) / 0.2)
            a = numpy.clip(a - da / step, eps, numpy.pi)
            b = numpy.clip(b - db / step, eps, numpy.pi)
            over = a + b > numpy.pi - eps
            scale = (numpy.pi - eps) / (a + b)
            a = numpy.where(over, a * scale, a)
            b = numpy.where(over, b * scale, b)
    f1, f2 = residual(a, b)
    ok = numpy.isfinite(f1) & numpy.isfinite(f2) & (numpy.abs(f1) < 1e-9) & (numpy.abs(f2) < 1e-9)
    ok &= (a > 1e-7) & (b > 1e-7) & (a + b < numpy.pi - 1e-7)
    return _distinct(list(zip(a[ok], b[ok])))


def _distinct(points, tolerance=1e-6):
    found = []
    for p in points:
        if all(max(abs(x - y) for x, y in zip(p, q)) > tolerance for q in found):
            found.append(p)
    return len(found)
