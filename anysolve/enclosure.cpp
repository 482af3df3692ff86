#include "anysolve/enclosure.h"

#include <cmath>
#include <optional>

#include "exact/next_double.h"

namespace anglewise::anysolve {

namespace {

long bits() {
  return exact::WorkingPrecision::bits();
}

// The double at or below (`up` false) or at or above every value of the
// ball.
double doubleBound(const Ball& b, bool up) {
  // A box's ends nearly always are exact doubles: far quicker so.
  if (std::optional<double> exact = b.exactDouble()) return *exact;
  arf_t bound;
  arf_init(bound);
  if (up) {
    arb_get_ubound_arf(bound, b.get(), bits());
  } else {
    arb_get_lbound_arf(bound, b.get(), bits());
  }
  double out = arf_get_d(bound, up ? ARF_RND_CEIL : ARF_RND_FLOOR);
  // Past a double's range the rounding is not promised to go our way.
  int side = arf_cmp_d(bound, out);
  if (up && side > 0) out = exact::nextUp(out);
  if (!up && side < 0) out = exact::nextDown(out);
  arf_clear(bound);
  return out;
}

}  // namespace

template <>
Interval enclose<Interval>(const Ball& b) {
  return Interval(doubleBound(b, false), doubleBound(b, true));
}

template <>
Ball span<Ball>(const Ball& low, const Ball& high) {
  Ball out;
  arb_set_interval_arf(out.get(), arb_midref(low.get()), arb_midref(high.get()), bits());
  return out;
}

template <>
Interval span<Interval>(const Ball& low, const Ball& high) {
  return Interval(doubleBound(low, false), doubleBound(high, true));
}

template <>
Ball restSpan<Ball>(const Ball& low, const Ball& high) {
  return span<Ball>(Ball(1L) - high, Ball(1L) - low);
}

template <>
Interval restSpan<Interval>(const Ball& low, const Ball& high) {
  std::optional<double> l = low.exactDouble(), h = high.exactDouble();
  if (!l || !h) return span<Interval>(Ball(1L) - high, Ball(1L) - low);
  // 1 - x is exact for x from a half to 2 (Sterbenz); elsewhere one step
  // outward covers its rounding.
  auto rest = [](double x, bool up) {
    double r = 1.0 - x;
    if (x >= 0.5 && x <= 2.0) return r;
    return up ? exact::nextUp(r) : exact::nextDown(r);
  };
  return Interval(rest(*h, false), rest(*l, true));
}

Ball sqrtPos(const Ball& a) {
  Ball out;
  arb_sqrtpos(out.get(), a.get(), bits());
  return out;
}

Ball powUi(const Ball& a, int n) {
  Ball out;
  arb_pow_ui(out.get(), a.get(), static_cast<ulong>(n), bits());
  return out;
}

Ball hull(const Ball& a, const Ball& b) {
  Ball out;
  arb_union(out.get(), a.get(), b.get(), bits());
  return out;
}

Ball intersection(const Ball& a, const Ball& b) {
  Ball out;
  return arb_intersection(out.get(), a.get(), b.get(), bits()) ? out : a;
}

Ball sincPi(const Ball& a) {
  Ball out;
  arb_sinc_pi(out.get(), a.get(), bits());
  return out;
}

Ball sinPi(const Ball& a) {
  Ball out;
  arb_sin_pi(out.get(), a.get(), bits());
  return out;
}

bool below(const Ball& a, double bound) {
  return arb_lt(a.get(), Ball(bound).get()) != 0;
}

bool overlaps(const Ball& a, const Ball& b) {
  return arb_overlaps(a.get(), b.get()) != 0;
}

bool containsInterior(const Ball& outer, const Ball& inner) {
  return arb_contains_interior(outer.get(), inner.get()) != 0;
}

Ball midpoint(const Ball& a) {
  Ball out;
  arb_get_mid_arb(out.get(), a.get());
  return out;
}

}  // namespace anglewise::anysolve
