#include "anysolve/enclosure.h"

#include <cmath>
#include <optional>

#include "exact/next_double.h"

namespace anglewise::anysolve {

// A box's ends are such nearly always, and this is far quicker than the
// general rounding below.
std::optional<double> exactDouble(const Ball& b) {
  if (!mag_is_zero(arb_radref(b.get()))) return std::nullopt;
  const arf_struct* x = arb_midref(b.get());
  if (ARF_IS_SPECIAL(x)) return arf_is_zero(x) ? std::optional<double>(0.0) : std::nullopt;
  if (ARF_SIZE(x) != 1 || !ARF_IS_LAGOM(x)) return std::nullopt;
  // One limb, its top bit set: x = limb 2^(exp - 64), exact in a double
  // when its low 11 bits are 0 and the exponent is in a double's range.
  mp_limb_t limb = ARF_NOPTR_D(x)[0];
  slong exponent = ARF_EXP(x);
  if ((limb & 0x7ff) != 0 || exponent < -1020 || exponent > 1024) return std::nullopt;
  double value = std::ldexp(static_cast<double>(limb >> 11), static_cast<int>(exponent - 53));
  return ARF_SGNBIT(x) ? -value : value;
}

namespace {

long bits() {
  return exact::WorkingPrecision::bits();
}

// The double at or below (`up` false) or at or above every value of the
// ball.
double doubleBound(const Ball& b, bool up) {
  if (std::optional<double> exact = exactDouble(b)) return *exact;
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
  std::optional<double> l = exactDouble(low), h = exactDouble(high);
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
