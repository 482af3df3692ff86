#pragma once
// A real number in MPFR at a chosen precision, with the few operations the
// report needs. Every operation rounds once, to nearest, at the working
// precision; the report then rounds each result once more, to a double or
// to decimal digits, and checks at twice the precision that the rounding
// would not change (Ziv's strategy), so what it prints is correctly rounded.
#include <mpfr.h>

#include <string>

namespace anglewise {

class Real {
 public:
  explicit Real(mpfr_prec_t precision);
  Real(mpfr_prec_t precision, double value);
  Real(const Real& other);
  Real& operator=(const Real& other);
  ~Real();

  mpfr_prec_t precision() const { return mpfr_get_prec(value_); }
  mpfr_srcptr get() const { return value_; }
  mpfr_ptr get() { return value_; }

  /// The nearest double (an infinity where the value is beyond the doubles).
  double nearestDouble() const;
  /// The decimal text with `significant` digits, rounded to nearest,
  /// without exponent where it reads well ("117.279612060126").
  std::string significant(int significant) const;
  /// The decimal text with `places` digits after the point.
  std::string fixed(int places) const;

  bool isZero() const { return mpfr_zero_p(value_) != 0; }
  bool isNaN() const { return mpfr_nan_p(value_) != 0; }
  int sign() const { return mpfr_sgn(value_); }

 private:
  mpfr_t value_;
};

Real operator+(const Real& a, const Real& b);
Real operator-(const Real& a, const Real& b);
Real operator*(const Real& a, const Real& b);
Real operator/(const Real& a, const Real& b);
Real operator-(const Real& a);
Real operator*(const Real& a, long b);
Real operator/(const Real& a, long b);
bool operator<(const Real& a, const Real& b);
bool operator>(const Real& a, const Real& b);
bool operator==(const Real& a, const Real& b);

Real sqrt(const Real& a);
Real sin(const Real& a);
Real cos(const Real& a);
Real tan(const Real& a);
Real asin(const Real& a);
Real acos(const Real& a);
Real atan(const Real& a);
Real abs(const Real& a);
/// pi at the precision of `like`.
Real pi(const Real& like);
/// Degrees to radians and back, with the true pi.
Real radians(const Real& degrees);
Real degrees(const Real& radians);

}  // namespace anglewise
