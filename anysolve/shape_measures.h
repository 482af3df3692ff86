#pragma once
// Every measure of a triangle of a given shape, drawn in a circle of
// diameter 1 so that each side is the sine of the angle facing it. The
// shape is its angles as fractions of pi, each with its rest to 1 (which
// the number type uses where an angle nears pi). One formula a measure,
// for any number type: Factored to rule boxes out, Dual to certify roots.
#include "anysolve/measure.h"

namespace anglewise::anysolve {

template <class T>
struct ShapeAngles {
  T angle[3];  ///< A, B, C over pi
  T rest[3];   ///< 1 - each
  /// The largest angle's index, the other two, and their difference
  /// (which a chart may know better than the difference of the two).
  int big = 2, first = 0, second = 1;
  T difference;
  /// sin(pi angle), each side of the unit-diameter triangle: made once by
  /// withSines, since every measure needs them.
  T sine[3];
};

template <class T>
ShapeAngles<T> withSines(ShapeAngles<T> s) {
  for (int i = 0; i < 3; ++i) s.sine[i] = sinPi(s.angle[i], s.rest[i]);
  return s;
}

template <class T>
T shapeMeasure(Measure m, const ShapeAngles<T>& s) {
  const T& sinA = s.sine[0];
  const T& sinB = s.sine[1];
  const T& sinC = s.sine[2];
  const T& X = sinB;
  const T& Y = sinA;
  const T& Z = sinC;
  // The median to the side facing angle k, between sides p and q. Facing
  // the largest angle it is written as ((p - q)^2 + (p + q + f)(p + q - f))
  // / 4 with p - q = 2 sin(K/2) sin((P - Q)/2) and p + q - f = 4 sin(P/2)
  // sin(Q/2) cos(K/2), two products that keep their vanishing powers where
  // the triangle is flat and the median nearly nothing.
  auto median = [&](const T& p, const T& q, const T& facing, int k) {
    if (k != s.big) return sqrt(p * p * 2L + q * q * 2L - facing * facing) / 2L;
    auto halfSin = [&](const T& x) { return sinPi(x / 2L, T(x, 1L) - x / 2L); };
    const T& P = s.angle[s.first];
    const T& Q = s.angle[s.second];
    T gap = halfSin(s.angle[k]) * halfSin(s.difference) * 2L;
    T excess = halfSin(P) * halfSin(Q) * halfCosPi(s.angle[k], s.rest[k]) * 4L;
    return sqrt(gap * gap + (p + q + facing) * excess) / 2L;
  };
  // The bisector of the angle between sides p and q.
  auto bisector = [&](const T& p, const T& q, int angle) {
    return p * q * halfCosPi(s.angle[angle], s.rest[angle]) * 2L / (p + q);
  };
  using M = Measure;
  switch (m) {
    case M::X:
      return X;
    case M::Y:
      return Y;
    case M::Z:
      return Z;
    case M::A:
    case M::B:
    case M::C:
      return s.angle[static_cast<int>(m) - static_cast<int>(M::A)];
    case M::hX:
      return sinA * sinC;
    case M::hY:
      return sinB * sinC;
    case M::hZ:
      return sinA * sinB;
    case M::mX:
      return median(Y, Z, X, 1);
    case M::mY:
      return median(X, Z, Y, 0);
    case M::mZ:
      return median(X, Y, Z, 2);
    case M::tA:
      return bisector(X, Z, 0);
    case M::tB:
      return bisector(Y, Z, 1);
    case M::tC:
      return bisector(X, Y, 2);
    case M::Area:
      return sinA * sinB * sinC / 2L;
    case M::Perimeter:
      return X + Y + Z;
    case M::Inradius:
      return sinA * sinB * sinC / (X + Y + Z);
    case M::Circumradius:
      break;
  }
  return T(sinA, 1L) / 2L;
}

}  // namespace anglewise::anysolve
