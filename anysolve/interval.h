#pragma once
// Intervals of doubles rounded outward: the search's quick enclosures.
// IEEE arithmetic rounds each exact result to the nearest double, so one
// step outward on each end keeps the true value inside; sines, whose
// library error is bounded but not correctly rounded, are widened by more.
// A result that cannot be bounded is the whole line, which rules nothing
// out and proves nothing; the balls of Arb then take over.
#include <algorithm>
#include <cmath>

#include "exact/next_double.h"

namespace anglewise::anysolve {

class Interval {
 public:
  Interval() = default;  ///< exactly 0
  explicit Interval(double value) : low_(value), high_(value) {}
  explicit Interval(long value) : Interval(static_cast<double>(value)) {}
  /// [low, high]; the whole line where either is not a number.
  Interval(double low, double high);
  static Interval whole();

  double low() const { return low_; }
  double high() const { return high_; }
  bool positive() const { return low_ > 0; }
  bool negative() const { return high_ < 0; }
  bool finite() const { return std::isfinite(low_) && std::isfinite(high_); }
  /// A point of the interval, exactly: where Krawczyk's test centres.
  Interval midpoint() const;

  // The four arithmetic operations inline: the search spends most of its
  // time in them.
  friend Interval operator+(const Interval& a, const Interval& b) {
    return outward(a.low_ + b.low_, a.high_ + b.high_);
  }
  friend Interval operator-(const Interval& a, const Interval& b) {
    return outward(a.low_ - b.high_, a.high_ - b.low_);
  }
  friend Interval operator-(const Interval& a) { return Interval(-a.high_, -a.low_); }
  friend Interval operator*(const Interval& a, const Interval& b) {
    if (!a.finite() || !b.finite()) return whole();
    // All four products, without a branch on the signs: which two are the
    // ends changes from box to box, and a mispredicted branch costs more.
    double p = a.low_ * b.low_, q = a.low_ * b.high_, r = a.high_ * b.low_, s = a.high_ * b.high_;
    return outward(std::min(std::min(p, q), std::min(r, s)),
                   std::max(std::max(p, q), std::max(r, s)));
  }
  friend Interval operator/(const Interval& a, const Interval& b) {
    if (!a.finite() || !b.finite() || (b.low_ <= 0 && b.high_ >= 0)) return whole();
    double p = a.low_ / b.low_, q = a.low_ / b.high_, r = a.high_ / b.low_, s = a.high_ / b.high_;
    return outward(std::min(std::min(p, q), std::min(r, s)),
                   std::max(std::max(p, q), std::max(r, s)));
  }
  friend Interval operator*(const Interval& a, long k) { return a * Interval(k); }
  friend Interval operator/(const Interval& a, long k) { return a / Interval(k); }

 private:
  // The exact result lies within half a unit of the rounded ends; moving
  // each end out by |end| 2^-52 (at least one unit) and the smallest
  // double keeps it inside whatever the rounding of that step, with no
  // branch on the end's sign or size.
  static Interval outward(double low, double high) {
    Interval out;
    out.low_ = low - (std::fabs(low) * 0x1p-52 + kTiniest);
    out.high_ = high + (std::fabs(high) * 0x1p-52 + kTiniest);
    if (std::isnan(out.low_) || std::isnan(out.high_)) return whole();
    return out;
  }
  static constexpr double kTiniest = 0x1p-1074;

  double low_ = 0, high_ = 0;
};

/// The square root of the interval's part at or above 0.
Interval sqrtPos(const Interval& a);
/// a^n for a >= 0.
Interval powUi(const Interval& a, int n);
/// sin(pi a) / (pi a), 1 at 0.
Interval sincPi(const Interval& a);
Interval sinPi(const Interval& a);
Interval cosPi(const Interval& a);
void sinCosPi(const Interval& a, Interval& sine, Interval& cosine);
Interval piInterval();
/// Whether every value is below `bound`.
bool below(const Interval& a, double bound);
/// What both hold, where they share a point; else `a`.
inline Interval intersection(const Interval& a, const Interval& b) {
  double low = std::max(a.low(), b.low()), high = std::min(a.high(), b.high());
  return low <= high ? Interval(low, high) : a;
}
/// The least interval that holds both.
inline Interval hull(const Interval& a, const Interval& b) {
  return Interval(std::min(a.low(), b.low()), std::max(a.high(), b.high()));
}
/// Whether the two share a point; whether `inner` lies inside `outer`'s
/// interior.
bool overlaps(const Interval& a, const Interval& b);
bool containsInterior(const Interval& outer, const Interval& inner);

}  // namespace anglewise::anysolve
