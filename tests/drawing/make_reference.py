#!/usr/bin/python3
"""Writes reference.json: for each case of given values, where every corner
of every true triangle lies in the figure's plane, and the centres, feet and
circles of the overlays, computed with mpmath at 60 digits from the given
values alone (never from the program's own numbers).

The plane is the figure's: A at the origin, side X along the x axis to C,
B above it. For two sides and an angle opposite one of them, the first
triangle (the one whose third corner H is acute) is placed so; the second
keeps its corners G and T and has H on the same line from G. With no
triangle, the triangle with a right angle at H (for G under 90 degrees) or
with t as long as h (otherwise) is placed instead.

Usage: make_reference.py > reference.json"""
import json

from mpmath import mp, mpf, sqrt, sin, cos, acos, atan2, pi, matrix, lu_solve

mp.dps = 60

CASES = [
    ("RightThreeFour", {"oblique": False, "X": 3, "Y": 4}),
    ("AcuteFiveSixSeven", {"oblique": True, "X": 5, "Y": 6, "Z": 7}),
    ("ObtuseSixThreeFour", {"oblique": True, "X": 6, "Y": 3, "Z": 4}),
    ("EquilateralSix", {"oblique": True, "X": 6, "Y": 6, "Z": 6}),
    ("NeedleAngleOneMillionth", {"oblique": True, "X": 1, "Z": 1, "A": 1e-6}),
    ("NeedleFlatByOneMillionth", {"oblique": True, "X": 1, "Y": 1, "Z": 1.999999}),
    ("AmbiguousTwoTriangles", {"oblique": True, "X": 10, "Y": 6, "A": 30}),
    ("AmbiguousOneTriangle", {"oblique": True, "X": 10, "Y": 12, "A": 30}),
    ("AmbiguousOneRightTriangle", {"oblique": True, "X": 10, "Y": 5, "A": 30}),
    ("AmbiguousNoTriangle", {"oblique": True, "X": 10, "Y": 4, "A": 30}),
    ("AmbiguousFromZTwoTriangles", {"oblique": True, "Y": 6, "Z": 10, "A": 30}),
    ("AmbiguousAtBTwoTriangles", {"oblique": True, "X": 6, "Z": 10, "B": 30}),
    ("AmbiguousObtuseShortOfTheHeight", {"oblique": True, "X": 10, "Y": 8, "A": 120}),
    ("AmbiguousObtuseMeetsOnlyBehind", {"oblique": True, "X": 10, "Y": 9, "A": 120}),
]

OPPOSITE = {"X": "B", "B": "X", "Y": "A", "A": "Y", "Z": "C", "C": "Z"}
ENDS = {"X": ("A", "C"), "Y": ("C", "B"), "Z": ("A", "B")}


def rad(d):
    return d * pi / 180


def deg(r):
    return r * 180 / pi


def pt(x, y):
    return (mpf(x), mpf(y))


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def mul(p, k):
    return (p[0] * k, p[1] * k)


def dot(p, q):
    return p[0] * q[0] + p[1] * q[1]


def dist(p, q):
    return sqrt(dot(sub(p, q), sub(p, q)))


def unit(v):
    return mul(v, 1 / sqrt(dot(v, v)))


def place(sides, angle_a):
    """The figure's placement from X, Z and A."""
    a = rad(angle_a)
    return {"A": pt(0, 0), "C": pt(sides["X"], 0),
            "B": (sides["Z"] * cos(a), sides["Z"] * sin(a))}


def angle_at(corners, v):
    p, q = [c for c in "ABC" if c != v]
    d1, d2 = sub(corners[p], corners[v]), sub(corners[q], corners[v])
    return deg(acos(dot(d1, d2) / sqrt(dot(d1, d1) * dot(d2, d2))))


def sides_of(corners):
    return {s: dist(corners[ENDS[s][0]], corners[ENDS[s][1]]) for s in "XYZ"}


def from_three_sides(X, Y, Z):
    A = deg(acos((X * X + Z * Z - Y * Y) / (2 * X * Z)))
    return place({"X": X, "Z": Z}, A)


def solve_line(rows, values):
    return lu_solve(matrix(rows), matrix(values))


def centres(c):
    s = sides_of(c)
    A, B, C = c["A"], c["B"], c["C"]
    # Perpendicular bisectors of AB and AC.
    o = solve_line([[2 * (B[0] - A[0]), 2 * (B[1] - A[1])], [2 * (C[0] - A[0]), 2 * (C[1] - A[1])]],
                   [dot(B, B) - dot(A, A), dot(C, C) - dot(A, A)])
    O = (o[0], o[1])
    # Heights from A (across CB) and from B (across AC).
    h = solve_line([[C[0] - B[0], C[1] - B[1]], [C[0] - A[0], C[1] - A[1]]],
                   [dot(A, sub(C, B)), dot(B, sub(C, A))])
    H = (h[0], h[1])
    weight = {"A": s["Y"], "B": s["X"], "C": s["Z"]}  # each corner by its opposite side

    def weighted(w):
        total = sum(w.values())
        return (sum(w[k] * c[k][0] for k in "ABC") / total, sum(w[k] * c[k][1] for k in "ABC") / total)

    cross = (B[0] - A[0]) * (C[1] - A[1]) - (B[1] - A[1]) * (C[0] - A[0])
    area = abs(cross) / 2
    half = (s["X"] + s["Y"] + s["Z"]) / 2
    out = {
        "circumcentre": O, "circumradius": dist(O, A), "orthocentre": H,
        "centroid": ((A[0] + B[0] + C[0]) / 3, (A[1] + B[1] + C[1]) / 3),
        "incentre": weighted(weight), "inradius": area / half,
        "ninePoint": mul(add(O, H), mpf(1) / 2),
        "feet": {}, "mids": {}, "bisectorEnds": {}, "excentres": {}, "exradii": {}, "touches": {},
    }
    for side in "XYZ":
        p, q = ENDS[side]
        v = OPPOSITE[side]
        d = sub(c[q], c[p])
        out["feet"][side] = add(c[p], mul(d, dot(sub(c[v], c[p]), d) / dot(d, d)))
        out["mids"][side] = mul(add(c[p], c[q]), mpf(1) / 2)
        w = dict(weight)
        w[v] = -w[v]
        J = weighted(w)
        out["excentres"][side] = J
        out["exradii"][side] = area / (half - s[side])
        out["touches"][side] = add(c[p], mul(d, dot(sub(J, c[p]), d) / dot(d, d)))
    for v in "ABC":
        side = OPPOSITE[v]
        p, q = ENDS[side]
        vp, vq = dist(c[v], c[p]), dist(c[v], c[q])
        out["bisectorEnds"][v] = add(c[p], mul(sub(c[q], c[p]), vp / (vp + vq)))
    return out


def swing_case(given):
    G = "A" if "A" in given else "B"
    g = OPPOSITE[G]
    h = next(s for s in "XYZ" if s in given and s != g)
    H = OPPOSITE[h]
    T = next(k for k in "ABC" if k not in (G, H))
    return G, g, h, H, T, OPPOSITE[T]


def ambiguous(given):
    G, g, h, H, T, t = swing_case(given)
    ang, gv, hv = mpf(given[G]), mpf(given[g]), mpf(given[h])
    # Where the circle of radius g about T meets the line from G: the
    # distances t along it solve t^2 - 2 h cos(G) t + h^2 - g^2 = 0.
    b, disc = hv * cos(rad(ang)), gv * gv - (hv * sin(rad(ang))) ** 2
    if abs(disc) < mpf(10) ** -40:
        disc = mpf(0)
    roots = [] if disc < 0 else sorted({b + sqrt(disc), b - sqrt(disc)}, reverse=True)
    lengths = [r for r in roots if r > 0]
    if lengths:
        first = lengths[0]
        corners1 = triangle_from_sides({g: gv, h: hv, t: first})
        frame = corners1
    else:
        if ang < 90:
            pseudo = {g: hv * sin(rad(ang)), h: hv, t: hv * cos(rad(ang))}
        else:
            pseudo = {g: 2 * hv * sin(rad(ang / 2)), h: hv, t: hv}
        frame = triangle_from_sides(pseudo)
    Gp, Tp = frame[G], frame[T]
    u = unit(sub(frame[H], Gp))
    triangles = []
    for n in lengths:
        corners = {G: Gp, T: Tp, H: add(Gp, mul(u, n))}
        triangles.append(corners)
    foot = add(Gp, mul(u, dot(sub(Tp, Gp), u)))
    swing = {"centre": Tp, "radius": gv, "meets": [add(Gp, mul(u, r)) for r in sorted(roots)],
             "foot": foot}
    if not lengths:
        reach_needed = dist(Tp, foot)
        target = foot if gv < reach_needed else Gp
        swing["reach"] = add(Tp, mul(unit(sub(target, Tp)), gv))
        swing["target"] = target
        swing["missing"] = (reach_needed if gv < reach_needed else hv) - gv
        swing["G"], swing["T"] = Gp, Tp
    return triangles, swing


def triangle_from_sides(sides):
    return from_three_sides(sides["X"], sides["Y"], sides["Z"])


def solve(given):
    if not given["oblique"]:
        X, Y = mpf(given["X"]), mpf(given["Y"])
        return [from_three_sides(X, Y, sqrt(X * X + Y * Y))], None
    have = {k for k in "XYZAB" if k in given}
    if have == {"X", "Y", "Z"}:
        return [from_three_sides(*(mpf(given[k]) for k in "XYZ"))], None
    if have == {"X", "Z", "A"}:
        X, Z, A = (mpf(given[k]) for k in "XZA")
        return [place({"X": X, "Z": Z}, A)], None
    return ambiguous(given)


def plain(value):
    if isinstance(value, dict):
        return {k: plain(v) for k, v in value.items()}
    if isinstance(value, (tuple, list)):
        return [plain(v) for v in value]
    if isinstance(value, (str, bool, int, float)):
        return value
    return float(value)


def main():
    out = []
    for name, given in CASES:
        triangles, swing = solve(given)
        entry = {"name": name, "given": given, "triangles": []}
        for corners in triangles:
            row = {"corners": corners}
            row.update(centres(corners))
            entry["triangles"].append(row)
        if swing:
            entry["swing"] = swing
        out.append(plain(entry))
    print(json.dumps(out, indent=1))


if __name__ == "__main__":
    main()
