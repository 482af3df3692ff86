#pragma once
// The true triangles behind the values a user gave: every triangle the
// values describe (none, one, or the two of the ambiguous case), as
// enclosures at the working precision, with the reason in words. The
// formulas are the stable ones (no difference of nearly equal computed
// values), values that are exact in truth come out exact (given values,
// right angles, equal sides, angles such as (180 - A) / 2), and every
// decision on a boundary (a flat triangle, a side just reaching the height)
// is taken on exact values.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exact/ball.h"

namespace anglewise {

class Decider;

/// The five input rows of the window, as the report names them.
inline constexpr const char* kRowNames[] = {"X", "Y", "Z", "A", "B"};

/// The side facing an angle and the angle facing a side: X and B, Y and A,
/// Z and C; 0 for any other name.
constexpr char oppositeOf(char name) {
  switch (name) {
    case 'X':
      return 'B';
    case 'B':
      return 'X';
    case 'Y':
      return 'A';
    case 'A':
      return 'Y';
    case 'Z':
      return 'C';
    case 'C':
      return 'Z';
    default:
      return 0;
  }
}

/// What the user gave, as Display read it: the ticked rows' values (sides,
/// angles in decimal degrees), the kind and the obtuse choice.
struct GivenValues {
  bool oblique = false;
  std::array<std::optional<double>, 5> values;  ///< X, Y, Z, A, B
  bool obtuse = false;
  /// "X, Y, Z" for the rows given.
  std::string rowList() const;
  int count() const {
    int n = 0;
    for (const auto& v : values) n += v ? 1 : 0;
    return n;
  }
  friend bool operator==(const GivenValues&, const GivenValues&) = default;
};

/// A triangle: sides X, Y, Z; angles A, B, C in degrees (A lies between X
/// and Z, B between Y and Z, C between X and Y; so X faces B, Y faces A, Z
/// faces C); s the semiperimeter and dX = s - X, dY, dZ; the area.
struct TriangleParts {
  exact::Ball X, Y, Z, A, B, C, s, dX, dY, dZ, area;
  /// Corners whose two sides are known to be equal though their
  /// enclosures are not exact: bit 0 at A (X = Z), 1 at B (Y = Z), 2 at C
  /// (X = Y).
  unsigned equalCorners = 0;
};

/// Every triangle the given values describe, and why there are so many.
struct Solutions {
  std::vector<TriangleParts> triangles;
  std::string why;
};

/// Solves at the working precision; texts and decisions through `decide`.
Solutions solveTrue(const GivenValues& given, Decider& decide);

/// The bits the given values need to start from: more where sides differ
/// widely in size or an angle is tiny or near 180 degrees.
long startingPrecision(const GivenValues& given);

}  // namespace anglewise
