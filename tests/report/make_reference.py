#!/usr/bin/env python3
"""Writes reference.json: for grouped tables of given values, every triangle
they describe and each of its values rounded once (the nearest double, and the report's text),
computed with mpmath at
thousands of bits from the textbook formulas (law of cosines, arcsine,
Heron), sharing no code with the report. Values that are rational by
construction (given values, sums of given sides, 180 - A - B, a right angle,
the base angles (180 - A) / 2) are kept as exact fractions; any other value
that lies too close to a rounding boundary for the precision stops the run.

Run it with Debian's python3-mpmath:  python3 make_reference.py > reference.json
"""
import json
import random
import sys
from fractions import Fraction

from mpmath import mp, mpf, sqrt, sin, cos, asin, acos, atan, pi, nint

DIGITS = 15
SPECIAL_COS = {Fraction(1): 0, Fraction(1, 2): 60, Fraction(0): 90, Fraction(-1, 2): 120,
               Fraction(-1): 180}


class Ambiguous(Exception):
    pass


def exact(v):
    return isinstance(v, Fraction)


def real(v):
    return mpf(v.numerator) / v.denominator if exact(v) else v


def as_fraction(v):
    """The exact value of an mpf (a binary fraction) or a Fraction."""
    if exact(v):
        return v
    man, e = v.man_exp
    return Fraction(int(man) * 2 ** e) if e >= 0 else Fraction(int(man), 2 ** -e)


def add(a, b):
    return a + b if exact(a) and exact(b) else real(a) + real(b)


def sub(a, b):
    return a - b if exact(a) and exact(b) else real(a) - real(b)


def mul(a, b):
    return a * b if exact(a) and exact(b) else real(a) * real(b)


def div(a, b):
    return a / b if exact(a) and exact(b) else real(a) / real(b)


def root(a):
    if exact(a) and a >= 0:
        n, d = a.numerator, a.denominator
        rn, rd = isqrt(n), isqrt(d)
        if rn * rn == n and rd * rd == d:
            return Fraction(rn, rd)
    return sqrt(real(a))


def isqrt(n):
    import math
    return math.isqrt(n)


def deg_sin(a):
    return sin(real(a) * pi / 180)


def deg_cos(a):
    return cos(real(a) * pi / 180)


def acos_deg(c):
    if exact(c) and c in SPECIAL_COS:
        return Fraction(SPECIAL_COS[c])
    return acos(real(c)) * 180 / pi


def close(a, b):
    return abs(real(a) - real(b)) <= abs(real(b)) * mpf(2) ** (200 - mp.prec)


# --- rounding -------------------------------------------------------------

def check_boundary(v, scaled):
    """scaled = v times a power of ten: an mpf within the working error of a
    half-integer cannot be rounded from this precision."""
    if exact(v):
        return
    frac = abs(scaled - nint(scaled))
    if abs(frac - mpf(1) / 2) <= abs(scaled) * mpf(2) ** (300 - mp.prec):
        raise Ambiguous(str(v))


def round_half_even(q):
    n, r = divmod(q.numerator, q.denominator)
    twice = 2 * r
    if twice > q.denominator or (twice == q.denominator and n % 2):
        n += 1
    return n


def round_scaled(v, scale):
    """v times 10^scale to a whole number, half to even."""
    if not exact(v):
        check_boundary(v, real(v) * mpf(10) ** scale)
    q = as_fraction(v) * Fraction(10) ** scale
    return round_half_even(q)


def nearest_hex(v):
    if not exact(v):
        f = as_fraction(v)
        # a midpoint of two doubles within the error: not decidable here
        try:
            d = float(f)
        except OverflowError:
            return "inf" if f > 0 else "-inf"
        import math
        if d != 0 and math.isfinite(d):
            ulp = math.ulp(d)
            off = abs(f - Fraction(d))
            if abs(off - Fraction(ulp) / 2) <= abs(f) * Fraction(2) ** (300 - mp.prec):
                raise Ambiguous(str(v))
    try:
        return repr(float(as_fraction(v)))
    except OverflowError:
        return "inf" if as_fraction(v) > 0 else "-inf"


def decade_of(v):
    f = abs(as_fraction(v))
    e = len(str(f.numerator)) - len(str(f.denominator))
    while Fraction(10) ** e > f:
        e -= 1
    while Fraction(10) ** (e + 1) <= f:
        e += 1
    return e


def g_text(v):
    """15 significant digits as %g writes them."""
    f = as_fraction(v)
    if f == 0:
        return "0"
    sign = "-" if f < 0 else ""
    e = decade_of(v)
    n = round_scaled(abs(v) if not exact(v) else abs(f), DIGITS - 1 - e)
    if n >= 10 ** DIGITS:
        e += 1
        n = round_scaled(abs(v) if not exact(v) else abs(f), DIGITS - 1 - e)
    digits = str(n)
    if -4 <= e < DIGITS:
        if e < 0:
            text = "0." + "0" * (-e - 1) + digits
        else:
            text = digits[:e + 1] + "." + digits[e + 1:]
        text = text.rstrip("0").rstrip(".") if "." in text else text
        return sign + text
    mant = (digits[0] + "." + digits[1:]).rstrip("0").rstrip(".")
    return sign + mant + "e%s%02d" % ("-" if e < 0 else "+", abs(e))


def text(v, places):
    """The report's text: 15 significant digits, or `places` decimals where
    that is fewer and still shows the value."""
    if places >= 14:
        return g_text(v)
    f = as_fraction(v)
    if f != 0 and abs(f) < Fraction(1, 10 ** places) or abs(f) >= 10 ** DIGITS:
        return g_text(v)
    n = round_scaled(v, places)
    digits = str(abs(n)).rjust(places + 1, "0")
    fixed = digits[:-places] + "." + digits[-places:]
    fixed = fixed.rstrip("0").rstrip(".")
    if n < 0:
        fixed = "-" + fixed
    if sum(c.isdigit() for c in fixed) > DIGITS:
        return g_text(v)
    return fixed


def dms(v):
    total = round_scaled(v, 0) if False else round_half_even(as_fraction(v) * 3600000) \
        if exact(v) else round_scaled(mul(v, Fraction(3600)), 3)
    return "%dd %dm %ds .%03d" % (total // 3600000, total // 60000 % 60, total // 1000 % 60,
                                   total % 1000)


# --- the true triangles ---------------------------------------------------

def triangle(X, Y, Z, A, B, C):
    for v in (X, Y, Z, A, B, C):
        if real(v) <= 0:
            return None
    for v in (A, B, C):
        if real(v) >= 180:
            return None
    return dict(X=X, Y=Y, Z=Z, A=A, B=B, C=C)


def from_sides(X, Y, Z, A=None, B=None):
    """Angles by the law of cosines (A faces Y, B faces X)."""
    if A is None:
        A = acos_deg(div(sub(add(mul(X, X), mul(Z, Z)), mul(Y, Y)), mul(mul(X, Z), Fraction(2))))
    if B is None:
        B = acos_deg(div(sub(add(mul(Y, Y), mul(Z, Z)), mul(X, X)), mul(mul(Y, Z), Fraction(2))))
    return triangle(X, Y, Z, A, B, sub(sub(Fraction(180), A), B))


OPPOSITE = dict(X="B", B="X", Y="A", A="Y", Z="C", C="Z")


def solve_right(g):
    if len(g) != 2 or ("A" in g and "B" in g):
        return []
    A = g["A"] if "A" in g else (Fraction(90) - g["B"] if "B" in g else None)
    if "X" in g and "Y" in g:
        X, Y = g["X"], g["Y"]
        Z = root(X * X + Y * Y)
    elif "Z" in g and ("X" in g or "Y" in g):
        Z = g["Z"]
        leg = g.get("X", g.get("Y"))
        if Z <= leg:
            return []
        other = root(Z * Z - leg * leg)
        X, Y = (leg, other) if "X" in g else (other, leg)
    else:
        if not 0 < A < 90:
            return []
        a = real(A) * pi / 180
        if "Z" in g:
            Z = g["Z"]; X = real(Z) * cos(a); Y = real(Z) * sin(a)
        elif "X" in g:
            X = g["X"]; Y = real(X) * sin(a) / cos(a); Z = real(X) / cos(a)
        else:
            Y = g["Y"]; X = real(Y) * cos(a) / sin(a); Z = real(Y) / sin(a)
        if A == 45:
            if "X" in g: Y = X
            if "Y" in g: X = Y
    if A is None:
        A = Fraction(45) if exact(X) and exact(Y) and X == Y else atan(real(Y) / real(X)) * 180 / pi
    t = triangle(X, Y, Z, A, sub(Fraction(90), A), Fraction(90))
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
        if C <= 0 or A <= 0 or B <= 0 or g[side] <= 0:
            return []
        angles = dict(A=A, B=B, C=C)
        known = angles[OPPOSITE[side]]

        def facing(P):
            if P == known or P + known == 180:
                return g[side]
            return real(g[side]) * deg_sin(P) / deg_sin(known)
        t = triangle(facing(B), facing(A), facing(C), A, B, C)
        return [t] if t else []
    if all(k in g for k in "YZB") or all(k in g for k in "XZA"):
        G = "B" if "B" in g else "A"
        p, q = ("Y", "Z") if G == "B" else ("X", "Z")
        P, Q = g[p], g[q]
        if P <= 0 or Q <= 0 or not 0 < g[G] < 180:
            return []
        c = {60: Fraction(1, 2), 90: Fraction(0), 120: Fraction(-1, 2)}.get(g[G])
        c = c if c is not None else deg_cos(g[G])
        third = root(sub(add(P * P, Q * Q), mul(2 * P * Q, c)))
        X, Y, Z = (third, P, Q) if G == "B" else (P, third, Q)
        if P == Q:  # isosceles: the base angles are (180 - G) / 2
            base = (180 - g[G]) / 2
            A, B = (base, g[G]) if G == "B" else (g[G], base)
            return [t for t in [triangle(X, Y, Z, A, B, base)] if t]
        return [t for t in [from_sides(X, Y, Z, **{G: g[G]})] if t]
    # two sides and an angle opposite one of them
    G = "A" if "A" in g else "B"
    gs = OPPOSITE[G]
    hs = next(k for k in "XYZ" if k in g and k != gs)
    H = OPPOSITE[hs]
    T = ({"A", "B", "C"} - {G, H}).pop()
    ts = OPPOSITE[T]
    if g[gs] <= 0 or g[hs] <= 0 or not 0 < g[G] < 180:
        return []
    s = real(g[hs]) * deg_sin(g[G]) / real(g[gs])
    if abs(s - 1) < mpf(2) ** (100 - mp.prec):  # the side just reaches the height
        s = mpf(1)
    if s > 1:
        return []
    if g[gs] == g[hs]:
        choices = [g[G] if g[G] <= 90 else 180 - g[G]]
    elif s == 1:
        choices = [Fraction(90)]
    else:
        choices = [asin(s) * 180 / pi]
    if g[gs] < g[hs] and g[G] < 90 and s < 1:
        choices.append(sub(Fraction(180), choices[0]))
    out = []
    for h_angle in choices:
        t_angle = sub(sub(Fraction(180), g[G]), h_angle)
        if real(t_angle) <= 0:
            continue
        if exact(t_angle) and t_angle == h_angle:
            side_t = g[hs]
        elif exact(t_angle) and t_angle == g[G]:
            side_t = g[gs]
        else:
            side_t = real(g[gs]) * deg_sin(t_angle) / deg_sin(g[G])
        parts = {gs: g[gs], hs: g[hs], G: g[G], H: h_angle, T: t_angle, ts: side_t}
        t = triangle(*(parts[k] for k in "XYZABC"))
        if t:
            out.append(t)
    return out


def values(t):
    X, Y, Z, A, B, C = (t[k] for k in "XYZABC")
    p = add(add(X, Y), Z)
    s = div(p, Fraction(2))
    if exact(C) and C == 90:
        area = div(mul(X, Y), Fraction(2))  # the legs
    else:
        area = root(mul(mul(s, sub(s, X)), mul(sub(s, Y), sub(s, Z))))  # Heron, unlike the report
    out = dict(X=X, Y=Y, Z=Z, perimeter=p, semiperimeter=s, area=area,
               height_X=div(mul(area, Fraction(2)), X), height_Y=div(mul(area, Fraction(2)), Y),
               height_Z=div(mul(area, Fraction(2)), Z),
               median_X=div(root(sub(add(mul(2, mul(Y, Y)), mul(2, mul(Z, Z))), mul(X, X))), 2),
               median_Y=div(root(sub(add(mul(2, mul(X, X)), mul(2, mul(Z, Z))), mul(Y, Y))), 2),
               median_Z=div(root(sub(add(mul(2, mul(X, X)), mul(2, mul(Y, Y))), mul(Z, Z))), 2),
               # t^2 = pq(1 - (r / (p + q))^2) for the bisector between p and q
               bisector_A=root(mul(mul(X, Z), sub(1, mul(div(Y, add(X, Z)), div(Y, add(X, Z)))))),
               bisector_B=root(mul(mul(Y, Z), sub(1, mul(div(X, add(Y, Z)), div(X, add(Y, Z)))))),
               bisector_C=root(mul(mul(X, Y), sub(1, mul(div(Z, add(X, Y)), div(Z, add(X, Y)))))),
               inradius=div(area, s), circumradius=div(mul(mul(X, Y), Z), mul(area, 4)),
               exradius_X=div(area, sub(s, X)), exradius_Y=div(area, sub(s, Y)),
               exradius_Z=div(area, sub(s, Z)))
    for k in "ABC":
        out[k] = t[k]
        out[k + "_radians"] = real(t[k]) * pi / 180
    return out


def types(t):
    X, Y, Z = t["X"], t["Y"], t["Z"]
    pairs = sum(1 for a, b in ((X, Y), (Y, Z), (X, Z)) if close(a, b))
    sides = "equilateral" if pairs == 3 else "isosceles" if pairs else "scalene"
    right = any(close(t[k], Fraction(90)) for k in "ABC")
    obtuse = any(real(t[k]) > 90 for k in "ABC")
    return sides, "right" if right else "obtuse" if obtuse else "acute"


def case(group, name, kind, places=14, keys=None, prec=1500, **given):
    with mp.workprec(prec):
        g = {k: Fraction(v) for k, v in given.items()}  # the doubles exactly as given
        solver = solve_oblique if kind == "oblique" else solve_right
        triangles = []
        for t in solver(g):
            vals = values(t)
            sides, angles = types(t)
            row = {}
            for k, v in vals.items():
                if keys is not None and k not in keys:
                    continue
                row[k] = [nearest_hex(v), text(v, places)]
            for k in "ABC":
                if keys is None or k in keys:
                    row[k + "_dms"] = dms(t[k])
            row["type_sides"], row["type_angles"] = sides, angles
            triangles.append(row)
    return dict(group=group, name=name, oblique=kind == "oblique", places=places,
                given={k: repr(float(v)) for k, v in given.items()}, triangles=triangles)


INPUT_CASES = {
    "right": ["XY", "XZ", "YZ", "ZA", "XA", "YA", "ZB", "XB", "YB"],
    "oblique": ["XYZ", "YZB", "XZA", "XAB", "YAB", "ZAB", "XYA", "XYB", "XZB", "YZA"],
}


def needle_values(kind, rows, eps):
    """A needle at eps in the case's rows: a tiny side or angle."""
    v = {}
    sides = [r for r in rows if r in "XYZ"]
    angles = [r for r in rows if r in "AB"]
    if kind == "right":
        if len(sides) == 2:
            if "Z" in sides:
                v["Z"] = 1.0
                v[[s for s in sides if s != "Z"][0]] = eps
            else:
                v[sides[0]], v[sides[1]] = 1.0, eps
        else:
            v[sides[0]] = 1.0
            v[angles[0]] = eps
        return [v]
    out = []
    if len(sides) == 3:
        out += [dict(X=1.0, Y=eps, Z=1.0), dict(X=1.0, Y=1.0, Z=eps), dict(X=eps, Y=1.0, Z=1.0)]
    elif len(angles) == 2:
        out += [{sides[0]: 1.0, "A": eps, "B": 60.0}, {sides[0]: 1.0, "A": 60.0, "B": eps},
                {sides[0]: 1.0, "A": eps, "B": eps}, {sides[0]: eps, "A": 50.0, "B": 60.0}]
    elif rows in ("YZB", "XZA"):
        a = rows[2]
        out += [{rows[0]: 1.0, rows[1]: eps, a: 60.0}, {rows[0]: eps, rows[1]: 1.0, a: 60.0},
                {rows[0]: 1.0, rows[1]: 1.0, a: eps}, {rows[0]: 1.0, rows[1]: 2.0, a: eps}]
    else:
        a = rows[2]
        out += [{rows[0]: 1.0, rows[1]: eps, a: 30.0}, {rows[0]: eps, rows[1]: 1.0, a: 30.0},
                {rows[0]: 1.0, rows[1]: 2.0, a: eps}, {rows[0]: 2.0, rows[1]: 1.0, a: eps}]
    return out


def needles():
    out = []
    for eps in (1e-58, 1e-116, 1e-300):
        for kind, cases in INPUT_CASES.items():
            for rows in cases:
                for i, v in enumerate(needle_values(kind, rows, eps)):
                    name = "Needle%s%s%s%d" % (("%g" % eps).replace("-", "m"), kind.title(), rows, i)
                    out.append(case("Needles", name, kind, prec=8000, **v))
    return out


def included_angles():
    out = []
    for eps in (1e-57, 1e-300):
        tag = ("%g" % eps).replace("-", "m")
        for rows in ("XZA", "YZB"):
            a = rows[2]
            for i, (p, q) in enumerate(((1.0, 1.0), (1.0, 2.0), (3.0, 1.0), (1.0, 1.0 + 2 ** -52))):
                out.append(case("IncludedAngles", "Included%s%s%d" % (tag, rows, i), "oblique",
                                prec=8000, **{rows[0]: p, rows[1]: q, a: eps}))
    return out


def isosceles():
    keys = {"X", "Y", "Z", "A", "B", "C", "area"}
    out = []
    for tenths in range(1, 1800):
        apex = tenths / 10
        out.append(case("Isosceles", "Apex%d" % tenths, "oblique", keys=keys, prec=700,
                        X=10.0, Z=10.0, A=apex))
    return out


def right_angles():
    out = []
    for a, b, c in ((3.0, 4.0, 5.0), (7.0, 24.0, 25.0), (5.0, 12.0, 13.0)):
        for name, v in (("XYZ", dict(X=c, Y=a, Z=b)), ("XYZB", dict(X=a, Y=c, Z=b)),
                        ("XYZC", dict(X=a, Y=b, Z=c))):
            out.append(case("RightAngles", "Sides%d%d%d%s" % (a, b, c, name), "oblique", **v))
        out.append(case("RightAngles", "Legs%d%d" % (a, b), "right", X=a, Y=b))
        out.append(case("RightAngles", "Hypotenuse%d%d" % (a, c), "right", X=a, Z=c))
    for name, v in (("ByAnglesC", dict(Z=9.0, A=30.0, B=60.0)), ("ByAnglesA", dict(X=2.0, A=90.0, B=45.0)),
                    ("ByAnglesB", dict(Y=2.0, A=30.0, B=90.0)), ("SasRightC", dict(X=1.0, Z=2.0, A=60.0)),
                    ("SasRightB", dict(X=2.0, Z=1.0, A=60.0)), ("SasRightA", dict(X=3.0, Z=4.0, A=90.0)),
                    ("SasEquilateral", dict(X=5.0, Z=5.0, A=60.0)), ("SasRightAngleB", dict(Y=3.0, Z=4.0, B=90.0))):
        out.append(case("RightAngles", name, "oblique", **v))
    out.append(case("RightAngles", "RightAngleA90", "right", X=3.0, A=45.0))
    return out


def flat():
    out = []
    for name, v in (("YIsXPlusZ", dict(X=23.0, Y=28.0, Z=5.0)), ("XIsYPlusZ", dict(X=7.0, Y=3.0, Z=4.0)),
                    ("ZIsXPlusY", dict(X=0.5, Y=0.25, Z=0.75)), ("AlmostFlat", dict(X=23.0, Y=28.0 - 2 ** -48, Z=5.0)),
                    ("AnglesSum180", dict(X=1.0, A=100.0, B=80.0)), ("Included180", dict(X=1.0, Z=2.0, A=180.0)),
                    ("IncludedAlmost180", dict(X=1.0, Z=2.0, A=180.0 - 2 ** -45))):
        out.append(case("Flat", name, "oblique", **v))
    return out


def ambiguous():
    out = []
    for name, v in (("ReachesHeight", dict(X=12.0, Y=6.0, A=30.0)), ("ReachesHeightXYB", dict(X=6.0, Y=12.0, B=30.0)),
                    ("ReachesHeight150", dict(X=12.0, Y=6.0, A=150.0)), ("EqualSides", dict(X=5.0, Y=5.0, A=40.0)),
                    ("EqualSidesObtuse", dict(X=5.0, Y=5.0, A=100.0)), ("RightGiven", dict(X=5.0, Y=4.0, A=90.0)),
                    ("RightGivenEqual", dict(X=5.0, Y=5.0, A=90.0)), ("JustShort", dict(X=12.0, Y=6.0 - 2 ** -50, A=30.0)),
                    ("JustLong", dict(X=12.0, Y=6.0 + 2 ** -50, A=30.0)), ("Sine45", dict(X=2.0, Y=1.0, A=45.0)),
                    ("Special60", dict(X=2.0, Y=3.0, A=60.0)), ("Two", dict(X=10.0, Y=6.0, A=30.0)),
                    ("YZA", dict(Y=6.0, Z=4.0, A=40.0)), ("XZB", dict(X=8.0, Z=9.0, B=50.0))):
        out.append(case("Ambiguous", name, "oblique", **v))
    return out


def ties():
    out = []
    for name, places, v in (("SidesAt15Digits", 14, dict(X=123456789012345.5, Y=123456789012344.5, Z=123456789012346.5)),
                            ("PowerOfTwoSides", 14, dict(X=2.0 ** -22, Y=2.0 ** -22, Z=2.0 ** -22)),
                            ("FourPlaces", 4, dict(X=0.03125, Y=0.09375, Z=0.09375)),
                            ("PerimeterFourPlaces", 4, dict(X=0.34375, Y=0.34375, Z=0.34375)),
                            ("EightPlaces", 8, dict(X=1.5, Y=2.5, Z=2 ** -9 + 1.5)),
                            ("TwelvePlaces", 12, dict(X=1.0 + 2 ** -40, Y=1.0 + 2 ** -40, Z=1.0 + 2 ** -40))):
        out.append(case("Ties", name, "oblique", places=places, **v))
    out.append(case("Ties", "RightLegsTie", "right", places=4, X=0.0625, Y=0.09375))
    out.append(case("Ties", "TwoAnglesTie", "oblique", places=14, X=123456789012345.5, A=50.0, B=50.0))
    return out


def verdicts():
    return [case("Verdicts", "TinyAngleB", "right", X=1.0, Y=200000046062401.0),
            case("Verdicts", "Underflow", "right", X=3e-200, Y=4e-200)]


def random_cases(count):
    rng = random.Random(20261206)
    out = []
    for i in range(count):
        scale = 10.0 ** rng.uniform(-300, 300)
        kind = rng.choice(["right", "oblique", "oblique"])
        rows = rng.choice(INPUT_CASES[kind])
        v = {}
        for r in rows:
            v[r] = rng.uniform(0.05, 5) * scale if r in "XYZ" else rng.uniform(0.5, 179.5)
        if kind == "right":
            for r in "AB":
                if r in v:
                    v[r] = rng.uniform(0.5, 89.5)
        if rows in ("XAB", "YAB", "ZAB"):
            v["B"] = rng.uniform(0.5, 179 - v["A"])
        places = rng.choice([4, 8, 12, 14])
        out.append(case("Random", "Random%d" % i, kind, places=places, prec=1200, **v))
    return out


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 2000
    cases = (needles() + included_angles() + isosceles() + right_angles() + flat() + ambiguous() +
             ties() + verdicts() + random_cases(count))
    # Each triangle as one list in the order of "columns" (the report's CSV
    # columns), null where a group leaves a value out: small enough to keep.
    columns = sorted({k for c in cases for t in c["triangles"] for k in t})
    for c in cases:
        c["triangles"] = [[t.get(k) for k in columns] for t in c["triangles"]]
    sys.stdout.write('{"columns":%s,"cases":[\n' % json.dumps(columns))
    sys.stdout.write(",\n".join(json.dumps(c, separators=(",", ":")) for c in cases))
    sys.stdout.write("\n]}\n")


if __name__ == "__main__":
    main()
