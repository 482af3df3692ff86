#!/usr/bin/env python3
"""Writes reference.json: for each case of given values, every triangle they
describe and its derived values, computed with mpmath at 1000 bits from the
textbook formulas, each rounded once to the nearest double (as hex).

This is the report's independent reference: it shares no code with it.
Run it with Debian's python3-mpmath:  python3 make_reference.py > reference.json
"""
import json
import sys

from mpmath import mp, mpf, sqrt, sin, cos, asin, acos, atan, pi, radians, degrees
from mpmath.libmp import to_float

mp.prec = 1000


def nearest(x):
    return to_float(mpf(x)._mpf_, rnd="n").hex()


def deg_sin(a):
    return sin(radians(a))


def triangle(X, Y, Z, A, B, C):
    if min(X, Y, Z, A, B, C) <= 0 or max(A, B, C) >= 180:
        return None
    return dict(X=X, Y=Y, Z=Z, A=A, B=B, C=C)


def from_sides(X, Y, Z, A=None, B=None):
    A = A if A is not None else degrees(acos((X * X + Z * Z - Y * Y) / (2 * X * Z)))
    B = B if B is not None else degrees(acos((Y * Y + Z * Z - X * X) / (2 * Y * Z)))
    return triangle(X, Y, Z, A, B, 180 - A - B)


OPPOSITE = dict(X="B", B="X", Y="A", A="Y", Z="C", C="Z")


def solve_right(g):
    if len(g) != 2 or ("A" in g and "B" in g):
        return []
    A = g.get("A", 90 - g["B"] if "B" in g else None)
    if "X" in g and "Y" in g:
        X, Y = g["X"], g["Y"]
        Z = sqrt(X * X + Y * Y)
    elif "Z" in g and ("X" in g or "Y" in g):
        Z = g["Z"]
        leg = g.get("X", g.get("Y"))
        if Z <= leg:
            return []
        other = sqrt(Z * Z - leg * leg)
        X, Y = (leg, other) if "X" in g else (other, leg)
    else:
        a = radians(A)
        if "Z" in g:
            Z = g["Z"]; X = Z * cos(a); Y = Z * sin(a)
        elif "X" in g:
            X = g["X"]; Y = X * sin(a) / cos(a); Z = X / cos(a)
        else:
            Y = g["Y"]; X = Y * cos(a) / sin(a); Z = Y / sin(a)
    if A is None:
        A = degrees(atan(Y / X))
    t = triangle(X, Y, Z, A, 90 - A, mpf(90))
    return [t] if t else []


def solve_oblique(g):
    if len(g) != 3:
        return []
    if all(k in g for k in "XYZ"):
        X, Y, Z = g["X"], g["Y"], g["Z"]
        if not (X + Y > Z and Y + Z > X and X + Z > Y):
            return []
        return [from_sides(X, Y, Z)]
    if "A" in g and "B" in g:
        side = next(k for k in "XYZ" if k in g)
        A, B = g["A"], g["B"]
        C = 180 - A - B
        if C <= 0:
            return []
        k = g[side] / deg_sin(dict(A=A, B=B, C=C)[OPPOSITE[side]])
        t = triangle(k * deg_sin(B), k * deg_sin(A), k * deg_sin(C), A, B, C)
        return [t] if t else []
    if all(k in g for k in "YZB"):
        Y, Z, B = g["Y"], g["Z"], g["B"]
        X = sqrt(Y * Y + Z * Z - 2 * Y * Z * cos(radians(B)))
        return [t for t in [from_sides(X, Y, Z, B=B)] if t]
    if all(k in g for k in "XZA"):
        X, Z, A = g["X"], g["Z"], g["A"]
        Y = sqrt(X * X + Z * Z - 2 * X * Z * cos(radians(A)))
        return [t for t in [from_sides(X, Y, Z, A=A)] if t]
    # two sides and an angle opposite one of them
    G = "A" if "A" in g else "B"
    gs = OPPOSITE[G]
    hs = next(k for k in "XYZ" if k in g and k != gs)
    H = OPPOSITE[hs]
    T = ({"A", "B", "C"} - {G, H}).pop()
    ts = OPPOSITE[T]
    s = g[hs] * deg_sin(g[G]) / g[gs]
    if abs(s - 1) < mpf(2) ** -900:  # the side just reaches the height: a right angle
        s = mpf(1)
    if s > 1:
        return []
    choices = [degrees(asin(s))]
    if g[gs] < g[hs] and g[G] < 90 and s < 1:
        choices.append(180 - choices[0])
    out = []
    for h_angle in choices:
        t_angle = 180 - g[G] - h_angle
        parts = {gs: g[gs], hs: g[hs], G: g[G], H: h_angle, T: t_angle,
                 ts: g[gs] * deg_sin(t_angle) / deg_sin(g[G])}
        t = triangle(*(parts[k] for k in "XYZABC"))
        if t:
            out.append(t)
    return out


def derived(t):
    X, Y, Z, A, B, C = (t[k] for k in "XYZABC")
    s = (X + Y + Z) / 2
    area = sqrt(s * (s - X) * (s - Y) * (s - Z))  # Heron, unlike the report
    out = dict(t)
    out.update(perimeter=X + Y + Z, semiperimeter=s, area=area,
               radA=radians(A), radB=radians(B), radC=radians(C),
               heightX=2 * area / X, heightY=2 * area / Y, heightZ=2 * area / Z,
               medianX=sqrt(2 * Y * Y + 2 * Z * Z - X * X) / 2,
               medianY=sqrt(2 * X * X + 2 * Z * Z - Y * Y) / 2,
               medianZ=sqrt(2 * X * X + 2 * Y * Y - Z * Z) / 2,
               # the bisector from a corner splits the opposite side: t^2 = pq(1 - (r/(p+q))^2)
               bisectorA=sqrt(X * Z * (1 - (Y / (X + Z)) ** 2)),
               bisectorB=sqrt(Y * Z * (1 - (X / (Y + Z)) ** 2)),
               bisectorC=sqrt(X * Y * (1 - (Z / (X + Y)) ** 2)),
               inradius=area / s, circumradius=X * Y * Z / (4 * area),
               exradiusX=area / (s - X), exradiusY=area / (s - Y), exradiusZ=area / (s - Z))
    return {k: nearest(v) for k, v in out.items()}


def case(name, kind, **given):
    g = {k: mpf(v) for k, v in given.items()}  # the doubles exactly as given
    solver = solve_oblique if kind == "oblique" else solve_right
    return dict(name=name, oblique=kind == "oblique",
                given={k: float(v).hex() for k, v in given.items()},
                triangles=[derived(t) for t in solver(g)])


CASES = [
    case("RightLegs", "right", X=3.0, Y=4.0),
    case("RightLegYHypotenuse", "right", Y=5.0, Z=13.0),
    case("RightLegXHypotenuse", "right", X=0.1, Z=0.7),
    case("RightHypotenuseAngleA", "right", Z=10.0, A=30.0),
    case("RightHypotenuseAngleB", "right", Z=2.5, B=71.25),
    case("RightLegXAngleA", "right", X=7.25, A=41.5),
    case("RightLegYAngleB", "right", Y=7.25, B=41.5),
    case("RightHypotenuseTooShort", "right", Y=3.0, Z=3.0),
    case("RightNeedle", "right", X=1.0, A=1e-6),
    case("RightHuge", "right", X=3e100, Y=4e100),
    case("RightTiny", "right", X=1e-100, Y=2e-100),
    case("ThreeSides", "oblique", X=5.0, Y=6.0, Z=7.0),
    case("ThreeSidesObtuseB", "oblique", X=6.0, Y=3.0, Z=4.0),
    case("ThreeSidesEquilateral", "oblique", X=2.0, Y=2.0, Z=2.0),
    case("ThreeSidesThatDoNotClose", "oblique", X=10.0, Y=2.0, Z=3.0),
    case("ThreeSidesHuge", "oblique", X=5e99, Y=6e99, Z=7e99),
    case("ThreeSidesTiny", "oblique", X=5e-100, Y=6e-100, Z=7e-100),
    case("YZAngleBetween", "oblique", Y=10.0, Z=3.0, B=30.0),
    case("XZAngleBetweenObtuseB", "oblique", X=10.0, Z=3.0, A=30.0),
    case("SideYTwoAngles", "oblique", Y=5.0, A=40.0, B=70.0),
    case("SideXTwoAngles", "oblique", X=7.0, A=50.0, B=60.0),
    case("SideZTwoAngles", "oblique", Z=9.0, A=40.5, B=75.0),
    case("AnglesPast180", "oblique", Z=9.0, A=100.0, B=90.0),
    case("NeedleTwoAngles", "oblique", Z=1.0, A=1e-6, B=1e-6),
    case("AmbiguousTwo", "oblique", X=10.0, Y=6.0, A=30.0),
    case("AmbiguousOneRight", "oblique", X=12.0, Y=6.0, A=30.0),
    case("AmbiguousNone", "oblique", X=20.0, Y=6.0, A=30.0),
    case("AmbiguousOneLongSide", "oblique", X=4.0, Y=6.0, A=30.0),
    case("AmbiguousXYB", "oblique", X=6.0, Y=10.0, B=30.0),
    case("AmbiguousXZB", "oblique", X=8.0, Z=9.0, B=50.0),
    case("AmbiguousYZA", "oblique", Y=6.0, Z=4.0, A=40.0),
    case("AmbiguousNeedle", "oblique", X=2.0, Y=1.0, A=1e-6),
]

json.dump(CASES, sys.stdout, indent=1)
sys.stdout.write("\n")
