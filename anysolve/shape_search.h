#pragma once
// Every shape that meets the equations two or three measures set, each
// proven: a box where the Krawczyk test shows exactly one root, and the
// rest of the shapes ruled out box by box, up to the degenerate edges
// (where Factored keeps the vanishing powers apart). Boxes are looked at
// with intervals of doubles first, which rule out most of them at a small
// part of the cost; a root they prove is proven again with Arb's balls, and
// boxes too narrow for doubles are looked at with the balls too.
//
// Shapes are searched on charts. With one angle given, the other two share
// what is left, as t and 1 - t. With none, three charts each take one
// angle as the largest, 1 - rho, and share rho between the others; the
// flat triangle is rho = 0, a needle t = 0 or 1. An isosceles chart has
// A = B = rho / 2.
#include <optional>
#include <vector>

#include "anysolve/enclosure.h"
#include "anysolve/measure.h"
#include "exact/ball.h"

namespace anglewise::anysolve {

using exact::Ball;

struct Chart {
  enum class Kind { Plane, Line, Isosceles, Monomial } kind = Kind::Plane;
  int big = 2;                ///< the angle that is 1 - rho, or the given one
  int first = 0, second = 1;  ///< rho t and rho (1 - t)
  double degrees = 0;         ///< Line: the given angle
  /// Line: 1 - the given angle over pi, at the working precision.
  Ball rho() const;
  /// Monomial: near a flat triangle with a needle's angle in it, where the
  /// limits depend on the direction toward the corner, the corner blown up:
  /// rho = p^rhoPowers[0] q^rhoPowers[1], the tiny angle (`first`) =
  /// p^tinyPowers[0] q^tinyPowers[1], `second` = rho - tiny.
  int rhoPowers[2] = {1, 0}, tinyPowers[2] = {1, 1};
  /// Or, where a median shrinks to nothing (a flat triangle whose third
  /// corner is the middle of its long side), the two angles are (rho +
  /// sign m) / 2 and (rho - sign m) / 2, m the monomial above.
  bool median = false;
  int sign = 1;
  /// Plane: whether the corner where the median to the long side vanishes
  /// (a flat triangle, t near a half) is left to median charts. Only that
  /// median needs them; every other measure is at home on the plane there.
  bool medianCorner = true;
  double range[2] = {0.75, 1};  ///< the coordinates run from 0 to these
  int depth = 0;                ///< blow-ups above this one
  int dimensions() const { return kind == Kind::Plane || kind == Kind::Monomial ? 2 : 1; }
};

/// One length measure set against the reference: root(f) / root(f_ref)
/// must equal root(value) / root(referenceValue) (root: the measure's
/// dimension's), at whatever precision is asked.
struct ShapeEquation {
  Measure measure;
  double value;
  Measure reference;
  double referenceValue;
  Ball ratio() const;
};

/// Each equation's ratio, as the enclosure E.
template <class E>
std::vector<E> ratiosOf(const std::vector<ShapeEquation>& equations) {
  std::vector<E> out;
  for (const ShapeEquation& e : equations) out.push_back(enclose<E>(e.ratio()));
  return out;
}

struct ShapeProblem {
  std::vector<Chart> charts;
  Measure reference = Measure::Circumradius;
  std::vector<ShapeEquation> equations;  ///< one a chart dimension
  /// Boxes looked at before the search gives up on the rest (ordinary
  /// inputs need a few hundred).
  int budget = 200000;
};

/// A proven root: the box (chart coordinates) that holds it and no other.
struct ShapeRoot {
  int chart = 0;
  Ball coordinate[2];
  /// The root tightened at `tightBits` of working precision (0: not yet),
  /// kept so that asking again at that precision costs nothing.
  Ball tight[2];
  long tightBits = 0;
};

/// The angles over pi of a region of shapes, each between low and high.
struct AngleHull {
  double low[3], high[3];
};

struct ShapeSearch {
  std::vector<Chart> charts;  ///< the problem's, and those of blown-up corners
  std::vector<ShapeRoot> roots;
  /// Boxes neither ruled out nor proven within the search's budget, and
  /// where they are.
  int unsettledBoxes = 0;
  std::vector<AngleHull> unsettled;
};

/// Searches at the working precision.
ShapeSearch searchShapes(const ShapeProblem& problem);

/// The root's angles over pi (A, B, C), tightened to the working precision.
void rootAngles(const ShapeProblem& problem, const ShapeSearch& search, const ShapeRoot& root,
                Ball (&angles)[3]);

/// The reference measure's value for a shape in the unit-diameter circle.
Ball referenceOfShape(const ShapeProblem& problem, const Ball (&angles)[3]);

}  // namespace anglewise::anysolve
