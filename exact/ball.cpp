#include "exact/ball.h"

#include "exact/next_double.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <utility>

namespace anglewise::exact {
namespace {

thread_local long workingBits = 128;

long bitsOf(const Ball& b) {
  return static_cast<long>(arf_bits(arb_midref(b.get())));
}

// Exact operands keep an exact result where it is a binary fraction: sums,
// differences and products always are; a quotient or root that comes out
// even needs no more bits than its operands.
slong precisionFor(const Ball& a, const Ball& b) {
  return a.exact() && b.exact() ? ARF_PREC_EXACT : workingBits;
}

}  // namespace

WorkingPrecision::WorkingPrecision(long bits) : saved_(workingBits) {
  workingBits = bits;
}

WorkingPrecision::~WorkingPrecision() {
  workingBits = saved_;
}

long WorkingPrecision::bits() {
  return workingBits;
}

Ball::Ball() {
  arb_init(value_);
}

Ball::Ball(double value) {
  arb_init(value_);
  arb_set_d(value_, value);
}

Ball::Ball(long value) {
  arb_init(value_);
  arb_set_si(value_, value);
}

Ball::Ball(const Ball& other) {
  arb_init(value_);
  arb_set(value_, other.value_);
}

Ball::Ball(Ball&& other) noexcept {
  arb_init(value_);
  arb_swap(value_, other.value_);
}

Ball& Ball::operator=(const Ball& other) {
  if (this != &other) arb_set(value_, other.value_);
  return *this;
}

Ball& Ball::operator=(Ball&& other) noexcept {
  arb_swap(value_, other.value_);
  return *this;
}

Ball::~Ball() {
  arb_clear(value_);
}

namespace {

// 2^k for a k that keeps it normal: by its bits, since the library's call
// costs more than the rest here.
double powerOfTwo(long k) {
  return std::bit_cast<double>(static_cast<uint64_t>(k + 1023) << 52);
}

}  // namespace

bool Ball::doubleBounds(double& low, double& high) const {
  const arf_struct* mid = arb_midref(value_);
  const mag_struct* rad = arb_radref(value_);
  if (!arf_is_finite(mid) || mag_is_inf(rad) || COEFF_IS_MPZ(*MAG_EXPREF(rad))) return false;
  // The radius, rounded up: its 30-bit mantissa times a power of two,
  // exact in a double above 2^-1000 and at most DBL_MIN below.
  double radius = 0;
  if (!mag_is_zero(rad)) {
    slong e = MAG_EXP(rad);
    if (e > 900) return false;
    radius = e <= -970 ? DBL_MIN : static_cast<double>(MAG_MAN(rad)) * powerOfTwo(e - 30);
  }
  double m = 0, slack = 0;
  if (!arf_is_zero(mid)) {
    if (COEFF_IS_MPZ(*ARF_EXPREF(mid))) return false;
    slong e = ARF_EXP(mid);
    if (e > 900 || e < -900) return false;
    // The top limb alone, rounded to 53 bits: within 2^-52 of the midpoint.
    mp_srcptr limbs;
    mp_size_t count;
    ARF_GET_MPN_READONLY(limbs, count, mid);
    m = static_cast<double>(limbs[count - 1]) * powerOfTwo(e - FLINT_BITS);
    if (ARF_SGNBIT(mid)) m = -m;
    slack = std::fabs(m) * powerOfTwo(-52);
  }
  // Each rounding below is covered by one step outward.
  double reach = nextUp(radius + slack);
  low = nextDown(m - reach);
  high = nextUp(m + reach);
  return std::isfinite(low) && std::isfinite(high);
}

std::optional<double> Ball::exactDouble() const {
  const arf_struct* mid = arb_midref(value_);
  if (!mag_is_zero(arb_radref(value_))) return std::nullopt;
  if (ARF_IS_SPECIAL(mid)) return arf_is_zero(mid) ? std::optional<double>(0.0) : std::nullopt;
  if (ARF_SIZE(mid) != 1 || COEFF_IS_MPZ(*ARF_EXPREF(mid))) return std::nullopt;
  // One limb, its top bit set: the value is limb 2^(exp - 64), exact in a
  // double when its low 11 bits are 0 and 2^(exp - 53) is normal.
  mp_limb_t limb = ARF_NOPTR_D(mid)[0];
  slong e = ARF_EXP(mid);
  if ((limb & 0x7ff) != 0 || e < -968 || e > 1024) return std::nullopt;
  double value = static_cast<double>(limb >> 11) * powerOfTwo(e - 53);
  return ARF_SGNBIT(mid) ? -value : value;
}

double Ball::estimate() const {
  return arf_get_d(arb_midref(value_), ARF_RND_NEAR);
}

Ball operator+(const Ball& a, const Ball& b) {
  Ball out;
  arb_add(out.get(), a.get(), b.get(), precisionFor(a, b));
  return out;
}

Ball operator-(const Ball& a, const Ball& b) {
  Ball out;
  arb_sub(out.get(), a.get(), b.get(), precisionFor(a, b));
  return out;
}

Ball operator*(const Ball& a, const Ball& b) {
  Ball out;
  arb_mul(out.get(), a.get(), b.get(), precisionFor(a, b));
  return out;
}

Ball operator/(const Ball& a, const Ball& b) {
  Ball out;
  slong bits = workingBits;
  if (a.exact() && b.exact()) bits = std::max(bits, bitsOf(a) + 2);
  arb_div(out.get(), a.get(), b.get(), bits);
  return out;
}

Ball operator-(const Ball& a) {
  Ball out;
  arb_neg(out.get(), a.get());
  return out;
}

Ball operator*(const Ball& a, long b) {
  Ball out;
  arb_mul_si(out.get(), a.get(), b, a.exact() ? ARF_PREC_EXACT : workingBits);
  return out;
}

Ball operator/(const Ball& a, long b) {
  return a / Ball(b);
}

Ball sqrt(const Ball& a) {
  Ball out;
  slong bits = workingBits;
  if (a.exact()) bits = std::max(bits, bitsOf(a) / 2 + 2);
  arb_sqrt(out.get(), a.get(), bits);
  return out;
}

Ball sqr(const Ball& a) {
  return a * a;
}

Ball abs(const Ball& a) {
  Ball out;
  arb_abs(out.get(), a.get());
  return out;
}

Ball scaled2(const Ball& b, long e) {
  Ball out;
  arb_mul_2exp_si(out.get(), b.get(), e);
  return out;
}

long accuracyBits(const Ball& a) {
  return static_cast<long>(arb_rel_accuracy_bits(a.get()));
}

bool certainlyEqual(const Ball& a, const Ball& b) {
  return a.exact() && b.exact() && arb_equal(a.get(), b.get());
}

int compareOr(const Ball& a, const Ball& b, int undecided) {
  // Balls well apart are told apart by their double bounds alone.
  double lowA, highA, lowB, highB;
  if (a.doubleBounds(lowA, highA) && b.doubleBounds(lowB, highB)) {
    if (highA < lowB) return -1;
    if (lowA > highB) return 1;
  }
  if (certainlyEqual(a, b)) return 0;
  if (arb_lt(a.get(), b.get())) return -1;
  if (arb_gt(a.get(), b.get())) return 1;
  return undecided;
}

void releaseThreadCaches() {
  flint_cleanup();
}

Ball pi() {
  Ball out;
  arb_const_pi(out.get(), workingBits);
  return out;
}

void sinCosPi(const Ball& a, Ball& sine, Ball& cosine) {
  arb_sin_cos_pi(sine.get(), cosine.get(), a.get(), workingBits);
}

Ball atan2(const Ball& y, const Ball& x) {
  Ball out;
  arb_atan2(out.get(), y.get(), x.get(), workingBits);
  return out;
}

Ball asin(const Ball& a) {
  Ball out;
  arb_asin(out.get(), a.get(), workingBits);
  return out;
}

Ball atan(const Ball& a) {
  Ball out;
  arb_atan(out.get(), a.get(), workingBits);
  return out;
}

}  // namespace anglewise::exact
