#include "exact/decide.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include <flint/fmpq.h>
#include <flint/fmpz.h>

namespace anglewise::exact {
namespace {

struct Integer {
  fmpz_t v;
  Integer() { fmpz_init(v); }
  ~Integer() { fmpz_clear(v); }
  Integer(const Integer&) = delete;
  Integer& operator=(const Integer&) = delete;
};

struct Fraction {
  fmpq_t v;
  Fraction() { fmpq_init(v); }
  ~Fraction() { fmpq_clear(v); }
  Fraction(const Fraction&) = delete;
  Fraction& operator=(const Fraction&) = delete;
};

struct Float {
  arf_t v;
  Float() { arf_init(v); }
  ~Float() { arf_clear(v); }
  Float(const Float&) = delete;
  Float& operator=(const Float&) = delete;
};

Decimal decimalOf(const fmpz_t n, long exponent) {
  Decimal out;
  out.negative = fmpz_sgn(n) < 0;
  Integer magnitude;
  fmpz_abs(magnitude.v, n);
  char* text = fmpz_get_str(nullptr, 10, magnitude.v);
  out.digits = text;
  flint_free(text);
  out.exponent = exponent;
  return out;
}

bool exactQuotient(const Ball& num, const Ball& den) {
  return num.exact() && den.exact() && !den.zero();
}

void quotientOf(Fraction& q, const Ball& num, const Ball& den) {
  Fraction d;
  arf_get_fmpq(q.v, arb_midref(num.get()));
  arf_get_fmpq(d.v, arb_midref(den.get()));
  fmpq_div(q.v, q.v, d.v);
}

// q times 10^scale rounded to a whole number, half to even, exactly.
void roundExactly(fmpz_t n, const fmpq_t q, long scale) {
  Integer num, den, power, rest;
  fmpz_set(num.v, fmpq_numref(q));
  fmpz_set(den.v, fmpq_denref(q));
  fmpz_ui_pow_ui(power.v, 10, static_cast<ulong>(scale < 0 ? -scale : scale));
  fmpz_mul(scale < 0 ? den.v : num.v, scale < 0 ? den.v : num.v, power.v);
  fmpz_fdiv_qr(n, rest.v, num.v, den.v);
  fmpz_mul_2exp(rest.v, rest.v, 1);
  int against = fmpz_cmp(rest.v, den.v);
  if (against > 0 || (against == 0 && fmpz_is_odd(n))) fmpz_add_ui(n, n, 1);
}

Decimal exactToScale(const fmpq_t q, long scale) {
  Integer n;
  roundExactly(n.v, q, scale);
  return decimalOf(n.v, -scale);
}

// The power of ten of the first digit of |q| (q not zero), near enough to
// start from: off by one at most.
long decadeEstimate(long log2) {
  return static_cast<long>(std::floor(static_cast<double>(log2) * 0.30102999566398120));
}

Decimal exactToDigits(const fmpq_t q, int digits) {
  if (fmpq_is_zero(q)) return {};
  long log2 =
      static_cast<long>(fmpz_bits(fmpq_numref(q))) - static_cast<long>(fmpz_bits(fmpq_denref(q)));
  long decade = decadeEstimate(log2);
  Integer n, low, high;
  fmpz_ui_pow_ui(low.v, 10, static_cast<ulong>(digits - 1));
  fmpz_mul_ui(high.v, low.v, 10);
  for (int attempt = 0; attempt < 4; ++attempt) {
    roundExactly(n.v, q, digits - 1 - decade);
    fmpz_abs(n.v, n.v);
    if (fmpz_cmp(n.v, high.v) >= 0) {
      ++decade;
    } else if (fmpz_cmp(n.v, low.v) < 0) {
      --decade;
    } else {
      break;
    }
  }
  if (fmpq_sgn(q) < 0) fmpz_neg(n.v, n.v);
  return decimalOf(n.v, decade - digits + 1);
}

// The ball times 10^scale, rounded to a whole number where every value of
// it rounds alike.
bool ballToScale(fmpz_t n, const Ball& value, long scale) {
  if (!value.finite()) return false;
  Ball y = scale >= 0 ? value * powerOfTen(scale) : value / powerOfTen(-scale);
  arf_get_fmpz(n, arb_midref(y.get()), ARF_RND_NEAR);
  Ball off;
  arb_sub_fmpz(off.get(), y.get(), n, ARF_PREC_EXACT);
  Float bound;
  arb_get_abs_ubound_arf(bound.v, off.get(), ARF_PREC_EXACT);
  int against = arf_cmpabs_2exp_si(bound.v, -1);
  // Below a half: decided; exactly a half of an exact value: a tie, which
  // the midpoint's own rounding already sent to the even side.
  return against < 0 || (against == 0 && y.exact());
}

long decadeOf(const Ball& value) {
  const arf_struct* mid = arb_midref(value.get());
  if (arf_is_zero(mid) || !arf_is_finite(mid)) return 0;
  return decadeEstimate(fmpz_get_si(ARF_EXPREF(mid)) - 1);
}

// Both ends of the ball rounded exactly: where they agree, so does
// everything between them.
std::optional<Decimal> endsToDigits(const Ball& value, int digits) {
  Float low, high;
  arb_get_interval_arf(low.v, high.v, value.get(), ARF_PREC_EXACT);
  Fraction lowQ, highQ;
  arf_get_fmpq(lowQ.v, low.v);
  arf_get_fmpq(highQ.v, high.v);
  Decimal a = exactToDigits(lowQ.v, digits), b = exactToDigits(highQ.v, digits);
  if (a == b) return a;
  return std::nullopt;
}

struct Powers {
  Integer low, high;  ///< 10^(digits - 1), 10^digits
  explicit Powers(int digits) {
    fmpz_ui_pow_ui(low.v, 10, static_cast<ulong>(digits - 1));
    fmpz_mul_ui(high.v, low.v, 10);
  }
};

std::optional<Decimal> ballToDigits(const Ball& value, int digits) {
  if (!value.finite()) return std::nullopt;
  if (value.zero()) return Decimal{};
  if (!value.positive() && !value.negative()) return std::nullopt;
  thread_local Powers fifteen(15);
  Powers other(digits == 15 ? 1 : digits);
  const Powers& p = digits == 15 ? fifteen : other;
  Ball magnitude = abs(value);
  long decade = decadeOf(magnitude);
  Integer n;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (!ballToScale(n.v, magnitude, digits - 1 - decade)) return std::nullopt;
    if (fmpz_cmp(n.v, p.high.v) > 0) {
      ++decade;
      continue;
    }
    if (fmpz_cmp(n.v, p.low.v) < 0) {
      --decade;
      continue;
    }
    // 10^digits is 10^(digits - 1) a decade up; the lowest digits of a
    // decade are settled only where no value lies below the decade.
    if (fmpz_equal(n.v, p.high.v) || fmpz_equal(n.v, p.low.v)) {
      std::optional<Decimal> ends = endsToDigits(magnitude, digits);
      if (ends) ends->negative = value.negative();
      return ends;
    }
    if (value.negative()) fmpz_neg(n.v, n.v);
    return decimalOf(n.v, decade - digits + 1);
  }
  return std::nullopt;
}

// The quick road: a double is M 2^E exactly, so v 10^s rounded to a whole
// number, half to even, is integer arithmetic wherever it fits in 126 bits;
// where both double bounds of a ball round alike, so does every value
// between them (rounding is monotonic).
__extension__ using Wide = __int128;

// 10^k for k from 0 to 38.
Wide tenTo(int k) {
  static constexpr auto kPowers = [] {
    std::array<Wide, 39> powers{};
    powers[0] = 1;
    for (size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  return kPowers[static_cast<size_t>(k)];
}

int bitsIn(Wide v) {
  auto high = static_cast<uint64_t>(v >> 64), low = static_cast<uint64_t>(v);
  if (high != 0) return 128 - std::countl_zero(high);
  return 64 - std::countl_zero(low);
}

// |v| 10^s rounded half to even, where it and its operands fit.
std::optional<Wide> roundScaled(double v, int s) {
  if (s < -22 || s > 22 || !std::isfinite(v)) return std::nullopt;
  if (v == 0) return Wide(0);
  // |v| = mantissa 2^e, from the bits of the double.
  uint64_t bits = std::bit_cast<uint64_t>(v) & ~(uint64_t(1) << 63);
  auto field = static_cast<int>(bits >> 52);
  uint64_t mantissa = bits & ((uint64_t(1) << 52) - 1);
  if (field != 0) mantissa |= uint64_t(1) << 52;
  int e = (field != 0 ? field : 1) - 1075;
  Wide num = mantissa;
  Wide den = 1;
  if (s >= 0)
    num *= tenTo(s);
  else
    den = tenTo(-s);
  if (e >= 0) {
    if (bitsIn(num) + e > 125) return std::nullopt;
    num <<= e;
  } else {
    if (bitsIn(den) - e > 125) {
      // Far below half a unit of the scale: zero.
      if (bitsIn(num) + 1 <= bitsIn(den) - 1 - e) return Wide(0);
      return std::nullopt;
    }
    den <<= -e;
  }
  if (e < 0 && s >= 0) {
    // den is 2^-e: a shift, not a division.
    Wide n = num >> -e, rest = num & ((Wide(1) << -e) - 1), halfway = Wide(1) << (-e - 1);
    if (rest > halfway || (rest == halfway && (n & 1))) ++n;
    return n;
  }
  Wide n = num / den, rest = num % den;
  if (2 * rest > den || (2 * rest == den && (n & 1))) ++n;
  return n;
}

Decimal decimalOfWide(bool negative, Wide n, long exponent) {
  char text[48];
  char* end = text + sizeof text;
  char* first = end;
  while (n > static_cast<Wide>(UINT64_MAX)) {
    *--first = static_cast<char>('0' + static_cast<int>(n % 10));
    n /= 10;
  }
  auto small = static_cast<uint64_t>(n);  // the usual case, at a word's speed
  do {
    *--first = static_cast<char>('0' + small % 10);
    small /= 10;
  } while (small > 0);
  Decimal out;
  out.digits.assign(first, end);
  out.negative = negative && out.digits != "0";
  out.exponent = exponent;
  return out;
}

}  // namespace

std::optional<Decimal> quickToScale(double low, double high, long scale) {
  if (scale < -22 || scale > 22) return std::nullopt;
  if ((low < 0) != (high < 0) && low != 0 && high != 0) {
    // Across zero: decided only where both ends round to zero.
    std::optional<Wide> a = roundScaled(low, static_cast<int>(scale));
    std::optional<Wide> b = roundScaled(high, static_cast<int>(scale));
    if (a && b && *a == 0 && *b == 0) return decimalOfWide(false, 0, -scale);
    return std::nullopt;
  }
  std::optional<Wide> a = roundScaled(low, static_cast<int>(scale));
  std::optional<Wide> b = roundScaled(high, static_cast<int>(scale));
  if (!a || !b || *a != *b) return std::nullopt;
  return decimalOfWide(low < 0 || high < 0, *a, -scale);
}

std::optional<Decimal> quickToDigits(double low, double high, int digits) {
  if (digits < 1 || digits > 17) return std::nullopt;
  if (!(low > 0 || high < 0)) return std::nullopt;
  const Wide least = tenTo(digits - 1), most = tenTo(digits);
  int e2;
  std::frexp(low, &e2);
  long decade = decadeEstimate(e2 - 1);
  for (int attempt = 0; attempt < 3; ++attempt) {
    int scale = static_cast<int>(digits - 1 - decade);
    std::optional<Wide> a = roundScaled(low, scale), b = roundScaled(high, scale);
    if (!a || !b || *a != *b) return std::nullopt;
    if (*a >= most) {
      ++decade;
    } else if (*a < least) {
      --decade;
    } else {
      return decimalOfWide(high < 0, *a, -scale);
    }
  }
  return std::nullopt;
}

namespace {

// The nearest double from the midpoint's top 64 bits, t 2^(e - 64) with
// the lower limbs adding less than one unit: the 11 bits below the double's
// last place tell how far the midpoint lies from a rounding boundary
// (1024 units above a double), and a radius short of that decides it.
std::optional<double> quickNearest(const Ball& value) {
  const arf_struct* mid = arb_midref(value.get());
  const mag_struct* rad = arb_radref(value.get());
  if (arf_is_zero(mid) || COEFF_IS_MPZ(*ARF_EXPREF(mid)) || COEFF_IS_MPZ(*MAG_EXPREF(rad))) {
    return std::nullopt;
  }
  slong e = ARF_EXP(mid);
  if (e > 1000 || e < -1000) return std::nullopt;
  mp_srcptr limbs;
  mp_size_t count;
  ARF_GET_MPN_READONLY(limbs, count, mid);
  mp_limb_t top = limbs[count - 1];
  double below = static_cast<double>(top & 0x7ff);
  double reach = 0;  // the radius in units of 2^(e - 64), rounded up
  if (!mag_is_zero(rad)) {
    slong shift = MAG_EXP(rad) - 30 + FLINT_BITS - e;
    if (shift > 60) return std::nullopt;
    reach = std::ldexp(static_cast<double>(MAG_MAN(rad)),
                       static_cast<int>(std::max<slong>(shift, -200)));
  }
  if (!(reach + 1 < std::fabs(below - 1024))) return std::nullopt;
  double d = std::ldexp(static_cast<double>(top), static_cast<int>(e) - FLINT_BITS);
  return ARF_SGNBIT(mid) ? -d : d;
}

// Bounds of |value| as doubles, rounded outward.
void magnitudeBounds(const Ball& value, double& low, double& high) {
  double a, b;
  if (value.doubleBounds(a, b)) {
    low = a > 0 ? a : b < 0 ? -b : 0;
    high = std::max(std::fabs(a), std::fabs(b));
    return;
  }
  Float bound;
  arb_get_abs_lbound_arf(bound.v, value.get(), 53);
  low = arf_get_d(bound.v, ARF_RND_DOWN);
  arb_get_abs_ubound_arf(bound.v, value.get(), 53);
  high = arf_get_d(bound.v, ARF_RND_UP);
}

}  // namespace

Ball powerOfTen(long e) {
  thread_local std::vector<Ball> powers;
  if (e < 0) {
    Ball one(1L);
    return one / powerOfTen(-e);
  }
  if (e < 800) {
    while (powers.size() <= static_cast<size_t>(e)) {
      Ball next = powers.empty() ? Ball(1L) : powers.back() * 10;
      powers.push_back(std::move(next));
    }
    return powers[static_cast<size_t>(e)];
  }
  Ball out;
  arb_ui_pow_ui(out.get(), 10, static_cast<ulong>(e), ARF_PREC_EXACT);
  return out;
}

void endsOf(const Ball& value, Ball& low, Ball& high) {
  Float a, b;
  arb_get_interval_arf(a.v, b.v, value.get(), ARF_PREC_EXACT);
  arb_set_arf(low.get(), a.v);
  arb_set_arf(high.get(), b.v);
}

std::optional<double> nearestDouble(const Ball& value) {
  if (!value.finite()) return std::nullopt;
  if (std::optional<double> quick = quickNearest(value)) return quick;
  if (value.exact()) return arf_get_d(arb_midref(value.get()), ARF_RND_NEAR);
  Float low, high;
  arb_get_interval_arf(low.v, high.v, value.get(), ARF_PREC_EXACT);
  double a = arf_get_d(low.v, ARF_RND_NEAR), b = arf_get_d(high.v, ARF_RND_NEAR);
  if (a == b && std::signbit(a) == std::signbit(b)) return a;
  return std::nullopt;
}

std::optional<Decimal> roundedToScale(const Ball& value, const Ball& num, const Ball& den,
                                      long scale) {
  double low, high;
  if (value.doubleBounds(low, high)) {
    if (std::optional<Decimal> quick = quickToScale(low, high, scale)) return quick;
  }
  Integer n;
  if (ballToScale(n.v, value, scale)) return decimalOf(n.v, -scale);
  if (!exactQuotient(num, den)) return std::nullopt;
  Fraction q;
  quotientOf(q, num, den);
  return exactToScale(q.v, scale);
}

std::optional<Decimal> roundedToDigits(const Ball& value, const Ball& num, const Ball& den,
                                       int digits) {
  double low, high;
  if (value.doubleBounds(low, high)) {
    if (std::optional<Decimal> quick = quickToDigits(low, high, digits)) return quick;
  }
  if (std::optional<Decimal> out = ballToDigits(value, digits)) return out;
  if (!exactQuotient(num, den)) return std::nullopt;
  Fraction q;
  quotientOf(q, num, den);
  return exactToDigits(q.v, digits);
}

std::optional<bool> belowPowerOfTen(const Ball& value, const Ball& num, const Ball& den, long e) {
  if (!value.finite()) return std::nullopt;
  // A double bound well clear of 10^e settles it at once.
  static constexpr auto kPowers = [] {
    std::array<double, 61> powers{};
    double p = 1;
    for (int i = 0; i <= 30; ++i, p *= 10) powers[30 + i] = p;
    p = 1;
    for (int i = 0; i <= 30; ++i, p /= 10) powers[30 - i] = p;
    return powers;
  }();
  double low, high;
  double power = e >= -30 && e <= 30 ? kPowers[static_cast<size_t>(e + 30)]
                                     : std::pow(10.0, static_cast<double>(e));
  magnitudeBounds(value, low, high);
  if (high < power * (1 - 1e-12)) return true;
  if (low > power * (1 + 1e-12)) return false;
  Ball tenth = powerOfTen(e);
  int order = compareOr(abs(value), tenth, kUndecided);
  if (order != kUndecided) return order < 0;
  if (!exactQuotient(num, den)) return std::nullopt;
  Fraction q, p;
  quotientOf(q, num, den);
  fmpq_abs(q.v, q.v);
  fmpz_one(fmpq_numref(p.v));
  fmpz_ui_pow_ui(e >= 0 ? fmpq_numref(p.v) : fmpq_denref(p.v), 10,
                 static_cast<ulong>(e >= 0 ? e : -e));
  return fmpq_cmp(q.v, p.v) < 0;
}

}  // namespace anglewise::exact
