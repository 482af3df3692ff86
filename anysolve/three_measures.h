#pragma once
// Three measures of a triangle, of any kinds, as a search for its shapes:
// what they say before any search (a sentence where they cannot make a
// triangle, or fix none or infinitely many), which measure sets the size,
// and the equations its shape must meet.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "anysolve/measure.h"
#include "anysolve/shape_search.h"

namespace anglewise::anysolve {

struct GivenMeasure {
  Measure measure;
  double value;  ///< a length, an area, or an angle in degrees
};

struct ShapePlan {
  /// Not empty: no search; the sentence says why (a usage error where
  /// `usage`, else the values make no triangle).
  std::string refusal;
  bool usage = false;
  /// The measures after what they decide at once (a height equal to a
  /// side meeting it is a right angle, and so on), as given otherwise.
  std::vector<GivenMeasure> measures;
  /// What was decided at once, as a clause ("hX = Y makes C a right angle").
  std::string decided;
  /// Angles known, in degrees: given or decided from given angles, as exact
  /// balls; or, where a median or a bisector and the sides at its corner
  /// fix the triangle, enclosed far more closely than any report needs
  /// (`degreesExact` false).
  std::array<std::optional<exact::Ball>, 3> degrees;
  bool degreesExact = true;
  /// The shape is fixed (two angles known, three sides, or two sides and
  /// the angle between them): no search; `shapeFixedBy`, where set, says
  /// how.
  bool fixedShape = false;
  std::string shapeFixedBy;
  /// X^2, Y^2 and Z^2 as exact balls, where the fixed shape's sides are
  /// known so: the triangle is then built from them, and a side that sits
  /// on a rounding's tie is decided.
  std::optional<std::array<exact::Ball, 3>> sideSquares;
  /// The search, when there is one; its reference measure sets the size.
  ShapeProblem problem;
  Measure reference = Measure::Circumradius;
  double referenceValue = 0;
  /// Whether every shape is isosceles with A = B (two measures that are
  /// equal only so).
  bool isosceles = false;
  int apex = 2;  ///< then the corner (0 A, 1 B, 2 C) whose two sides are equal
};

ShapePlan planShapes(const std::vector<GivenMeasure>& given);

}  // namespace anglewise::anysolve
