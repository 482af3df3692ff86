#pragma once
// The true triangles behind the values a user gave: solved with the true pi
// in MPFR at a chosen precision, every triangle the values describe (none,
// one, or the two of the ambiguous case), with the reason in words.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "report/real.h"

namespace anglewise {

/// The five input rows of the window, as the report names them.
inline constexpr const char* kRowNames[] = {"X", "Y", "Z", "A", "B"};

/// What the user gave, as Display read it: the ticked rows' values (sides,
/// angles in decimal degrees), the kind and the obtuse choice.
struct GivenValues {
  bool oblique = false;
  std::array<std::optional<double>, 5> values;  ///< X, Y, Z, A, B
  bool obtuse = false;
  /// "X, Y, Z" for the rows given.
  std::string rowList() const;
  int count() const;
  friend bool operator==(const GivenValues&, const GivenValues&) = default;
};

/// A triangle at working precision: sides X, Y, Z; angles A, B, C in
/// degrees. A lies between X and Z, B between Y and Z, C between X and Y.
struct PreciseTriangle {
  Real X, Y, Z, A, B, C;
};

/// Every triangle the given values describe, and why there are so many.
struct Solutions {
  std::vector<PreciseTriangle> triangles;
  std::string why;
};

/// Whether two values are equal as far as their precision can tell (all
/// but the last 32 bits).
bool same(const Real& a, const Real& b);

/// Solves at `precision` bits.
Solutions solveTrue(const GivenValues& given, mpfr_prec_t precision);

}  // namespace anglewise
