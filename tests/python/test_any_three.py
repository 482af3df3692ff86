"""Triangles from any three measures against an independent reference:
random triangles of every shape at scales from 1e-6 to 1e6, every measure
computed from the sides in mpmath, three of them fed back. The original
triangle must be among the solutions, every solution must have the three
measures, and the count must agree with a brute-force count of the shape
space; a search that could not settle a corner says "at least", and then
its count must not exceed the true one."""
import os
import random
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))
import anglewise  # noqa: E402
from any_three_reference import (brute_force_count, combinations, measures_of_sides,  # noqa: E402
                                 random_triangle)


def sides(report):
    return [(t["X"]["value"], t["Y"]["value"], t["Z"]["value"]) for t in report["triangles"]]


def check(given, original=None, count=None):
    """count: the true count where the brute force cannot tell it, at a
    double root (a height along a side, equal lengths from one corner)."""
    report = anglewise.solve_any(**given)
    solutions = sides(report)
    settled = report["settled"]  # the count and every digit proven
    for s in solutions:
        measured = measures_of_sides(*s)
        for name, value in given.items():
            assert abs(measured[name] - value) <= 1e-7 * abs(value), (given, s, name)
    if original is not None and settled:
        assert any(all(abs(a - b) <= 1e-6 * b for a, b in zip(s, original)) for s in solutions), (
            given, original, solutions)
    if count is None:
        count = brute_force_count(given, grid=48)
    if settled:
        assert len(solutions) == count, (given, report["why"], solutions)
    else:
        assert len(solutions) <= count, (given, report["why"], solutions)
    return settled


def test_random_triangles_from_every_kind_of_three():
    rng = random.Random(2026)
    combos = list(combinations())
    settled = 0
    runs = 120
    for _ in range(runs):
        combo = rng.choice(combos)
        triangle = random_triangle(rng)
        measured = measures_of_sides(*triangle)
        settled += check({name: float(measured[name]) for name in combo}, triangle)
    assert settled >= runs * 0.95


def isosceles(base, leg):
    return measures_of_sides(leg, leg, base)


@pytest.mark.parametrize("names", [("Z", "mZ", "tC"), ("X", "hZ", "tC"), ("Z", "hZ", "mZ"),
                                   ("perimeter", "tC", "hZ"), ("area", "mZ", "tC")])
def test_isosceles_where_two_solutions_merge(names):
    # From C the height, bisector and median are one line: equal given
    # lengths make X = Y, and the two mirror images are one triangle.
    measured = isosceles(3.0, 2.5)
    given = {n: float(measured[n]) for n in names}
    report = anglewise.solve_any(**given)
    assert len(report["triangles"]) == 1
    assert report["triangles"][0]["type_sides"]["text"] == "isosceles"
    assert check(given, count=1)


@pytest.mark.parametrize("names, count", [
    (("hZ", "perimeter", "circumradius"), 1), (("Z", "perimeter", "circumradius"), 1),
    (("Z", "inradius", "circumradius"), 1), (("hZ", "inradius", "circumradius"), 1),
    (("hZ", "perimeter", "inradius"), 1), (("Z", "hZ", "circumradius"), 1),
    # Measures every mirror keeps: the triangle in each of its labellings.
    (("area", "perimeter", "circumradius"), 3), (("perimeter", "inradius", "circumradius"), 3),
])
def test_mirror_images_merge_in_the_isosceles_triangle(names, count):
    # Measures of the 5-5-6 triangle that no one line from C makes equal:
    # the mirror pairs next to it merge there, and the count is proven.
    measured = isosceles(6.0, 5.0)
    given = {n: float(measured[n]) for n in names}
    report = anglewise.solve_any(**given)
    assert report["settled"], report["why"]
    assert all(t["type_sides"]["text"] == "isosceles" for t in report["triangles"])
    assert check(given, count=count)


@pytest.mark.parametrize("given", [
    # Two of the height, bisector and median from one corner, a hair apart:
    # the triangle is nearly isosceles there, and its solutions (one, or
    # two on either side of the isosceles shape) are proven all the same.
    {"hY": 0.065193232658139047, "tA": 0.065193249622171059, "mZ": 1.3330286442851169},
    {"hY": 0.13850884846577347, "hX": 0.29323844132141713, "tA": 0.13852882333388802},
    {"hY": 1780.2094105976189, "tA": 1781.6857883733644, "inradius": 888.43282218888532},
    {"hY": 4.5432044965861473e-05, "inradius": 2.2608109077712047e-05,
     "tA": 4.5457775413620407e-05},
    {"hZ": 4.990003020547713e-05, "tA": 2.4048642103241895e-05, "hY": 2.4048503331450823e-05},
    {"hY": 4.1447045885924039e-05, "Y": 0.0011857730689179588, "tA": 4.1484312908159003e-05},
    {"mX": 261.15836658082964, "Z": 176.93447411852398, "tB": 233.65621782478897},
])
def test_two_measures_from_one_corner_nearly_equal(given):
    assert check(given), anglewise.solve_any(**given)["why"]


@pytest.mark.parametrize("given, count", [
    ({"area": 24, "perimeter": 24, "C": 90}, 2),
    ({"area": 30, "perimeter": 24, "C": 90}, 0),
    ({"area": 20, "perimeter": 24, "C": 60}, 2),
    ({"area": 24.5, "perimeter": 24, "C": 60}, 2),
    ({"area": 28, "perimeter": 24, "C": 60}, 0),
    ({"area": 6, "perimeter": 12, "circumradius": 2.5}, 6),
])
def test_area_with_perimeter(given, count):
    report = anglewise.solve_any(**given)
    assert len(report["triangles"]) == count
    assert check(given)


def test_right_triangles_from_heights_and_sides():
    rng = random.Random(5)
    for _ in range(12):
        a, b = rng.uniform(0.1, 10), rng.uniform(0.1, 10)
        measured = measures_of_sides(a, b, (a * a + b * b) ** 0.5)
        # The height to X is Y itself: C is right, and Z is twice mZ.
        assert check({n: float(measured[n]) for n in ("hX", "Y", "mZ")}, count=1)
        for names in [("C", "area", "perimeter"), ("hZ", "X", "Y")]:
            assert check({n: float(measured[n]) for n in names})


def test_medians_alone_fix_one_triangle():
    rng = random.Random(9)
    for _ in range(15):
        measured = measures_of_sides(*random_triangle(rng))
        report = anglewise.solve_any(**{n: float(measured[n]) for n in ("mX", "mY", "mZ")})
        assert len(report["triangles"]) == 1


def test_the_ambiguous_case_gives_both():
    # Two sides and a height to the third: the angle between them acute or obtuse.
    report = anglewise.solve_any(X=5, Y=4, hZ=3)
    assert len(report["triangles"]) == 2
    assert check({"X": 5, "Y": 4, "hZ": 3})


@pytest.mark.parametrize("given, sentence", [
    ({"A": 30, "B": 60, "C": 90}, "Three angles fix the shape but not the size: give one length."),
    ({"hX": 3, "mX": 4}, "give three measures, not 2."),
    ({"area": 6, "perimeter": 12, "inradius": 1},
     "area, perimeter and inradius are bound by area = inradius perimeter / 2, so they fix no "
     "triangle or infinitely many: give another measure."),
])
def test_what_cannot_be_asked_is_one_sentence(given, sentence):
    with pytest.raises(ValueError) as raised:
        anglewise.solve_any(**given)
    assert str(raised.value) == sentence
