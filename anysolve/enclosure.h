#pragma once
// The operations the search asks of an enclosure, for Arb's balls with the
// same names as for intervals of doubles (interval.h), so that one formula
// serves both.
#include "anysolve/interval.h"
#include "exact/ball.h"

namespace anglewise::anysolve {

using exact::Ball;

Ball sqrtPos(const Ball& a);
Ball powUi(const Ball& a, int n);
Ball sincPi(const Ball& a);
Ball sinPi(const Ball& a);
using exact::sinCosPi;
bool below(const Ball& a, double bound);
/// A ball that holds both.
Ball hull(const Ball& a, const Ball& b);
/// A ball that holds what both hold, where they share a point; else `a`.
Ball intersection(const Ball& a, const Ball& b);
bool overlaps(const Ball& a, const Ball& b);
bool containsInterior(const Ball& outer, const Ball& inner);
/// The ball's midpoint, exactly.
Ball midpoint(const Ball& a);
inline Interval midpoint(const Interval& a) {
  return a.midpoint();
}

/// A ball as the enclosure E (for doubles, rounded outward).
template <class E>
E enclose(const Ball& b);
template <>
inline Ball enclose<Ball>(const Ball& b) {
  return b;
}
template <>
Interval enclose<Interval>(const Ball& b);

/// The enclosure E of [low, high], both exact balls.
template <class E>
E span(const Ball& low, const Ball& high);
template <>
Ball span<Ball>(const Ball& low, const Ball& high);
template <>
Interval span<Interval>(const Ball& low, const Ball& high);

/// The enclosure E of [1 - high, 1 - low], both exact balls: the rest of a
/// box's coordinate to 1.
template <class E>
E restSpan(const Ball& low, const Ball& high);
template <>
Ball restSpan<Ball>(const Ball& low, const Ball& high);
template <>
Interval restSpan<Interval>(const Ball& low, const Ball& high);

template <class E>
E piEnclosure();
template <>
inline Ball piEnclosure<Ball>() {
  return exact::pi();
}
template <>
inline Interval piEnclosure<Interval>() {
  return piInterval();
}
/// Pi as the same kind of enclosure as `like`.
inline Ball piLike(const Ball& /*like*/) {
  return exact::pi();
}
inline Interval piLike(const Interval& /*like*/) {
  return piInterval();
}

}  // namespace anglewise::anysolve
