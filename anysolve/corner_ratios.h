#pragma once
// The height, the bisector and the median drawn from one corner, one over
// another, in closed form. They coincide where the triangle is isosceles
// at that corner, and each ratio is an even function of d, half the
// difference of the other two angles P and Q:
//   height / bisector = cos d,
//   median / height = sqrt(1 + (sin 2d / (2 sin P sin Q))^2),
//   (median / bisector)^2 = 1 + (sin(K/2) sin d)^2 (cos^2 d + sin P sin Q)
//                               / (sin P sin Q)^2,
// K the corner's own angle. The last is not the quotient of the first two:
// near a flat triangle with K small, both quotients are far from 1 and
// nearly cancel, while sin(K/2) keeps the ratio's rest to 1 tiny and exact.
// Written so, an interval of shapes across d = 0 gives the ratio's true
// range, [cos a, 1] say, where the two measures each enclosed on their own
// give a ratio as wide as their widths: two such measures given near an
// isosceles triangle are then told apart by boxes far wider.
#include <optional>
#include <utility>

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

// P - Q over pi, with 1 - (P - Q) beside it: near a flat triangle whose
// long side faces P that rest is small, and only the angles' own rests
// keep it so.
template <class T>
struct Difference {
  T value, rest;
};

// The measure over the height from the same corner.
template <class T>
T overHeight(FromCorner kind, const Difference<T>& d, const T& sinP, const T& sinQ) {
  T one(d.value, 1L);
  if (kind == FromCorner::Height) return one;
  if (kind == FromCorner::Bisector) return one / halfCosPi(d.value, d.rest);
  T q = sinPi(d.value, d.rest) / (sinP * sinQ * 2L);
  return sqrt(one + q * q);
}

// The median over the bisector from the corner whose angle is `corner`.
template <class T>
T medianOverBisector(const T& corner, const Difference<T>& d, const T& sinP, const T& sinQ) {
  T one(d.value, 1L);
  auto halfSin = [&one](const T& x) { return sinPi(x / 2L, one - x / 2L); };
  T cosD = halfCosPi(d.value, d.rest);
  T both = sinP * sinQ;
  T lift = halfSin(corner) * halfSin(d.value) / both;
  return sqrt(one + lift * lift * (cosD * cosD + both));
}

}  // namespace detail

/// m / reference for two measures from one corner (sameCorner).
template <class T>
T cornerRatio(Measure m, Measure reference, const ShapeAngles<T>& s) {
  CornerMeasure a = *cornerMeasure(m), b = *cornerMeasure(reference);
  // Every ratio is even in P - Q: where one of the two is the largest
  // angle, it is P; else P - Q as the chart knows it best, where they are
  // its two small angles.
  int p = (a.corner + 1) % 3, q = (a.corner + 2) % 3;
  if (q == s.big) std::swap(p, q);
  T one(s.difference, 1L);
  detail::Difference<T> d;
  if (p == s.big) {
    d.value = s.angle[p] - s.angle[q];
    d.rest = s.rest[p] + s.angle[q];
  } else {
    d.value = p == s.first ? s.difference : s.difference * -1L;  // keeps its powers
    d.rest = one - d.value;
  }
  auto kinds = [&](FromCorner x, FromCorner y) { return a.kind == x && b.kind == y; };
  if (kinds(FromCorner::Median, FromCorner::Bisector) ||
      kinds(FromCorner::Bisector, FromCorner::Median)) {
    T r = detail::medianOverBisector(s.angle[a.corner], d, s.sine[p], s.sine[q]);
    return a.kind == FromCorner::Median ? r : one / r;
  }
  return detail::overHeight(a.kind, d, s.sine[p], s.sine[q]) /
         detail::overHeight(b.kind, d, s.sine[p], s.sine[q]);
}

}  // namespace anglewise::anysolve
