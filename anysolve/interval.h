#pragma once
// Intervals of doubles rounded outward: the search's quick enclosures.
// IEEE arithmetic rounds each exact result to the nearest double, so one
// step outward on each end keeps the true value inside; sines, whose
// library error is bounded but not correctly rounded, are widened by more.
// A result that cannot be bounded is the whole line, which rules nothing
// out and proves nothing; the balls of Arb then take over.
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
  bool finite() const;
  /// A point of the interval, exactly: where Krawczyk's test centres.
  Interval midpoint() const;

  friend Interval operator+(const Interval& a, const Interval& b);
  friend Interval operator-(const Interval& a, const Interval& b);
  friend Interval operator-(const Interval& a);
  friend Interval operator*(const Interval& a, const Interval& b);
  friend Interval operator/(const Interval& a, const Interval& b);
  friend Interval operator*(const Interval& a, long k) { return a * Interval(k); }
  friend Interval operator/(const Interval& a, long k) { return a / Interval(k); }

 private:
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
/// Whether the two share a point; whether `inner` lies inside `outer`'s
/// interior.
bool overlaps(const Interval& a, const Interval& b);
bool containsInterior(const Interval& outer, const Interval& inner);

}  // namespace anglewise::anysolve
