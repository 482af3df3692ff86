#pragma once
// Every shape that meets the equations two or three measures set, each
// proven: a box where the Krawczyk test shows exactly one root, and the
// rest of the shapes ruled out box by box, up to the degenerate edges
// (where Factored keeps the vanishing powers apart).
//
// Shapes are searched on charts. With one angle given, the other two share
// what is left, as t and 1 - t. With none, three charts each take one
// angle as the largest, 1 - rho, and share rho between the others; the
// flat triangle is rho = 0, a needle t = 0 or 1. An isosceles chart has
// A = B = rho / 2.
#include <optional>
#include <vector>

#include "anysolve/measure.h"
#include "exact/ball.h"

namespace anglewise::anysolve {

using exact::Ball;

struct Chart {
  enum class Kind { Plane, Line, Isosceles } kind = Kind::Plane;
  int big = 2;                ///< the angle that is 1 - rho, or the given one
  int first = 0, second = 1;  ///< rho t and rho (1 - t)
  Ball rho;                   ///< Line: 1 - the given angle over pi
  int dimensions() const { return kind == Kind::Plane ? 2 : 1; }
};

/// One length measure set against the reference: root(f) / root(f_ref)
/// must equal `ratio` (root: the measure's dimension's).
struct ShapeEquation {
  Measure measure;
  Ball ratio;
};

struct ShapeProblem {
  std::vector<Chart> charts;
  Measure reference = Measure::Circumradius;
  std::vector<ShapeEquation> equations;  ///< one a chart dimension
};

/// A proven root: the box (chart coordinates) that holds it and no other.
struct ShapeRoot {
  int chart = 0;
  Ball coordinate[2];
};

struct ShapeSearch {
  std::vector<ShapeRoot> roots;
  /// Boxes neither ruled out nor proven within the search's budget.
  int unsettledBoxes = 0;
};

/// Searches at the working precision.
ShapeSearch searchShapes(const ShapeProblem& problem);

/// The root's angles over pi (A, B, C), tightened to the working precision.
void rootAngles(const ShapeProblem& problem, const ShapeRoot& root, Ball (&angles)[3]);

/// The reference measure's value for a shape in the unit-diameter circle.
Ball referenceOfShape(const ShapeProblem& problem, const Ball (&angles)[3]);

}  // namespace anglewise::anysolve
