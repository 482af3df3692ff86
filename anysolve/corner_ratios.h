#pragma once
// The height, the bisector and the median drawn from one corner, one over
// another, in closed form. They coincide where the triangle is isosceles
// at that corner, and each ratio is an even function of d, half the
// difference of the other two angles P and Q:
//   height / bisector = cos d,
//   median / height = sqrt(1 + (sin 2d / (2 sin P sin Q))^2).
// Written so, an interval of shapes across d = 0 gives the ratio's true
// range, [cos a, 1] say, where the two measures each enclosed on their own
// give a ratio as wide as their widths: two such measures given near an
// isosceles triangle are then told apart by boxes far wider.
#include <optional>

#include "anysolve/measure.h"
#include "anysolve/shape_measures.h"

namespace anglewise::anysolve {

enum class FromCorner { Height, Bisector, Median };

struct CornerMeasure {
  int corner;  ///< 0, 1, 2 for A, B, C
  FromCorner kind;
};

/// The corner a height, bisector or median is drawn from; none for the
/// other measures.
inline std::optional<CornerMeasure> cornerMeasure(Measure m) {
  using M = Measure;
  switch (m) {
    case M::hY:
      return CornerMeasure{0, FromCorner::Height};
    case M::hX:
      return CornerMeasure{1, FromCorner::Height};
    case M::hZ:
      return CornerMeasure{2, FromCorner::Height};
    case M::tA:
      return CornerMeasure{0, FromCorner::Bisector};
    case M::tB:
      return CornerMeasure{1, FromCorner::Bisector};
    case M::tC:
      return CornerMeasure{2, FromCorner::Bisector};
    case M::mY:
      return CornerMeasure{0, FromCorner::Median};
    case M::mX:
      return CornerMeasure{1, FromCorner::Median};
    case M::mZ:
      return CornerMeasure{2, FromCorner::Median};
    default:
      return std::nullopt;
  }
}

/// Whether m / reference has a closed form here: two different measures
/// from one corner.
inline bool sameCorner(Measure m, Measure reference) {
  std::optional<CornerMeasure> a = cornerMeasure(m), b = cornerMeasure(reference);
  return a && b && a->corner == b->corner && a->kind != b->kind;
}

namespace detail {

// The measure over the height from the same corner.
template <class T>
T overHeight(FromCorner kind, const T& difference, const T& sinP, const T& sinQ) {
  T one(difference, 1L);
  if (kind == FromCorner::Height) return one;
  if (kind == FromCorner::Bisector) return one / halfCosPi(difference, one - difference);
  T q = sinPi(difference, one - difference) / (sinP * sinQ * 2L);
  return sqrt(one + q * q);
}

}  // namespace detail

/// m / reference for two measures from one corner (sameCorner).
template <class T>
T cornerRatio(Measure m, Measure reference, const ShapeAngles<T>& s) {
  CornerMeasure a = *cornerMeasure(m), b = *cornerMeasure(reference);
  int p = (a.corner + 1) % 3, q = (a.corner + 2) % 3;
  // P - Q, as the chart knows it best where they are its two small angles.
  T difference = p == s.first && q == s.second   ? s.difference
                 : p == s.second && q == s.first ? T(s.difference, 0L) - s.difference
                                                 : s.angle[p] - s.angle[q];
  return detail::overHeight(a.kind, difference, s.sine[p], s.sine[q]) /
         detail::overHeight(b.kind, difference, s.sine[p], s.sine[q]);
}

}  // namespace anglewise::anysolve
