#include "anysolve/interval.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "exact/next_double.h"

namespace anglewise::anysolve {

using exact::nextDown;
using exact::nextUp;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// sin(pi v) for one v: glibc's sine is within a unit in the last place,
// and pi v's two roundings move the argument by 2.3e-16 |pi v| at most, so
// 1e-15 (|pi v| + |sin|) covers both four times over.
Interval sinPiPoint(double v) {
  double y = M_PI * v, s = std::sin(y);
  double error = 1e-15 * (std::fabs(y) + std::fabs(s)) + 1e-320;
  return Interval(std::max(-1.0, s - error), std::min(1.0, s + error));
}

// sinc(pi v) for one v in [0, 1]: for small arguments from the alternating
// series, 1 - y^2/6 <= sinc y <= 1 - y^2/6 + y^4/120.
Interval sincPiPoint(double v) {
  Interval y = piInterval() * Interval(v);
  if (y.high() < 1e-3) {
    Interval square = y * y;
    Interval lowest = Interval(1L) - square / 6L;
    Interval highest = lowest + square * square / 120L;
    return Interval(lowest.low(), std::min(1.0, highest.high()));
  }
  return sinPiPoint(v) / y;
}

}  // namespace

Interval::Interval(double low, double high) : low_(low), high_(high) {
  if (std::isnan(low) || std::isnan(high)) *this = whole();
}

Interval Interval::whole() {
  Interval out;
  out.low_ = -kInfinity, out.high_ = kInfinity;
  return out;
}

Interval Interval::midpoint() const {
  if (!finite()) return Interval(0.0);
  double m = std::clamp(low_ / 2 + high_ / 2, low_, high_);
  return Interval(m);
}

Interval sqrtPos(const Interval& a) {
  double low = std::sqrt(std::max(a.low(), 0.0)), high = std::sqrt(std::max(a.high(), 0.0));
  return Interval(std::max(0.0, nextDown(low)), nextUp(high));
}

Interval powUi(const Interval& a, int n) {
  if (!a.finite() || a.low() < 0) {
    Interval out(1.0);
    for (int i = 0; i < n; ++i) out = out * a;
    return out;
  }
  // By squaring, each end on its own: x^n rises with x >= 0.
  double low = 1, high = 1, baseLow = a.low(), baseHigh = a.high();
  for (int k = n; k > 0; k >>= 1) {
    if (k & 1) low = nextDown(low * baseLow), high = nextUp(high * baseHigh);
    if (k > 1) baseLow = nextDown(baseLow * baseLow), baseHigh = nextUp(baseHigh * baseHigh);
  }
  return Interval(std::max(0.0, low), high);
}

Interval sincPi(const Interval& a) {
  if (!a.finite()) return Interval(-0.25, 1.0);
  double nearest = a.low() > 0 ? a.low() : a.high() < 0 ? -a.high() : 0;
  double farthest = std::max(-a.low(), a.high());
  // sinc(pi x) falls from 1 to 0 as x goes from 0 to 1; past 1 it stays
  // above -0.22.
  if (farthest > 1) return Interval(-0.25, 1.0);
  return Interval(sincPiPoint(farthest).low(), sincPiPoint(nearest).high());
}

Interval sinPi(const Interval& a) {
  if (!a.finite() || a.high() - a.low() >= 2 || std::fabs(a.low()) > 1e6) {
    return Interval(-1.0, 1.0);
  }
  Interval low = sinPiPoint(a.low()), high = sinPiPoint(a.high());
  double least = std::min(low.low(), high.low()), most = std::max(low.high(), high.high());
  // A crest at 1/2 + 2n or a trough at 3/2 + 2n inside (with a margin for
  // the rounding of the search below).
  double margin = 1e-12;
  double first = std::floor((a.low() - 0.5) / 2) * 2 + 0.5;
  for (double crest = first; crest <= a.high() + margin; crest += 1) {
    if (crest < a.low() - margin) continue;
    bool top = std::fmod(std::fabs(crest - 0.5), 2.0) < 0.5;
    if (top) most = 1;
    if (!top) least = -1;
  }
  return Interval(least, most);
}

Interval cosPi(const Interval& a) {
  return sinPi(a + Interval(0.5));
}

void sinCosPi(const Interval& a, Interval& sine, Interval& cosine) {
  sine = sinPi(a);
  cosine = cosPi(a);
}

Interval piInterval() {
  // The doubles each side of pi.
  return Interval(0x1.921fb54442d18p+1, 0x1.921fb54442d19p+1);
}

bool below(const Interval& a, double bound) {
  return a.high() < bound;
}

bool overlaps(const Interval& a, const Interval& b) {
  return a.low() <= b.high() && b.low() <= a.high();
}

bool containsInterior(const Interval& outer, const Interval& inner) {
  return outer.low() < inner.low() && inner.high() < outer.high();
}

}  // namespace anglewise::anysolve
