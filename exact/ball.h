#pragma once
// Balls of Arb: a midpoint and a radius that together are guaranteed to
// enclose the true value. Operations on two exact balls (radius zero) stay
// exact where the result is a binary fraction (sums, differences, products,
// and quotients and square roots that come out even), so values that are
// exact in truth stay exact; everything else rounds outward at the working
// precision of the thread, set for a scope by WorkingPrecision.
#include <arb.h>
#include <optional>

namespace anglewise::exact {

/// The working precision of Ball arithmetic on this thread, for a scope.
class WorkingPrecision {
 public:
  explicit WorkingPrecision(long bits);
  ~WorkingPrecision();
  WorkingPrecision(const WorkingPrecision&) = delete;
  WorkingPrecision& operator=(const WorkingPrecision&) = delete;
  static long bits();

 private:
  long saved_;
};

/// An enclosure of a real number.
class Ball {
 public:
  Ball();                       ///< exactly 0
  explicit Ball(double value);  ///< exactly the double (finite)
  explicit Ball(long value);    ///< exactly the integer
  Ball(const Ball& other);
  Ball(Ball&& other) noexcept;
  Ball& operator=(const Ball& other);
  Ball& operator=(Ball&& other) noexcept;
  ~Ball();

  arb_ptr get() { return value_; }
  arb_srcptr get() const { return value_; }

  bool exact() const { return arb_is_exact(value_) != 0; }
  bool finite() const { return arb_is_finite(value_) != 0; }
  /// Certainly above, below zero.
  bool positive() const { return arb_is_positive(value_) != 0; }
  bool negative() const { return arb_is_negative(value_) != 0; }
  /// Exactly zero.
  bool zero() const { return arb_is_zero(value_) != 0; }
  /// The midpoint as the nearest double: an estimate only.
  double estimate() const;
  /// Doubles with low <= every value of the ball <= high, a few units of
  /// the last place apart; false for balls too large, too small or too
  /// wide to say so cheaply (the caller then asks Arb).
  bool doubleBounds(double& low, double& high) const;
  /// The value where the ball is exact and a double holds it; none else.
  std::optional<double> exactDouble() const;

 private:
  arb_t value_;
};

Ball operator+(const Ball& a, const Ball& b);
Ball operator-(const Ball& a, const Ball& b);
Ball operator*(const Ball& a, const Ball& b);
Ball operator/(const Ball& a, const Ball& b);
Ball operator-(const Ball& a);
Ball operator*(const Ball& a, long b);
Ball operator/(const Ball& a, long b);
Ball sqrt(const Ball& a);
Ball sqr(const Ball& a);
Ball abs(const Ball& a);
/// b times 2^e, exact.
Ball scaled2(const Ball& b, long e);

/// About how many bits of the value the ball is sure of: its midpoint
/// over its radius, in bits (very large for an exact ball).
long accuracyBits(const Ball& a);

/// Both certainly equal (two exact balls with one value).
bool certainlyEqual(const Ball& a, const Ball& b);
/// The comparison where the balls decide it: -1, 0 (both exact and equal),
/// 1; nothing where they overlap.
int compareOr(const Ball& a, const Ball& b, int undecided);
inline constexpr int kUndecided = 2;

/// Frees what Arb and FLINT keep for this thread (cached constants); for a
/// thread about to end.
void releaseThreadCaches();

/// pi at the working precision.
Ball pi();
/// sin and cos of pi times `a`.
void sinCosPi(const Ball& a, Ball& sine, Ball& cosine);
/// The angle of the point (x, y) in radians, in (-pi, pi].
Ball atan2(const Ball& y, const Ball& x);
Ball asin(const Ball& a);
Ball atan(const Ball& a);

}  // namespace anglewise::exact
