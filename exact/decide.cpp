#include "exact/decide.h"

#include <cmath>
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

// Bounds of |value| as doubles, rounded outward.
void magnitudeBounds(const Ball& value, double& low, double& high) {
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
  if (value.exact()) return arf_get_d(arb_midref(value.get()), ARF_RND_NEAR);
  Float low, high;
  arb_get_interval_arf(low.v, high.v, value.get(), ARF_PREC_EXACT);
  double a = arf_get_d(low.v, ARF_RND_NEAR), b = arf_get_d(high.v, ARF_RND_NEAR);
  if (a == b && std::signbit(a) == std::signbit(b)) return a;
  return std::nullopt;
}

std::optional<Decimal> roundedToScale(const Ball& value, const Ball& num, const Ball& den,
                                      long scale) {
  Integer n;
  if (ballToScale(n.v, value, scale)) return decimalOf(n.v, -scale);
  if (!exactQuotient(num, den)) return std::nullopt;
  Fraction q;
  quotientOf(q, num, den);
  return exactToScale(q.v, scale);
}

std::optional<Decimal> roundedToDigits(const Ball& value, const Ball& num, const Ball& den,
                                       int digits) {
  if (std::optional<Decimal> out = ballToDigits(value, digits)) return out;
  if (!exactQuotient(num, den)) return std::nullopt;
  Fraction q;
  quotientOf(q, num, den);
  return exactToDigits(q.v, digits);
}

std::optional<bool> belowPowerOfTen(const Ball& value, const Ball& num, const Ball& den, long e) {
  if (!value.finite()) return std::nullopt;
  // A double bound well clear of 10^e settles it at once.
  double low, high, power = std::pow(10.0, static_cast<double>(e));
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
