#pragma once
// Enclosures with their first derivatives along the shape coordinates, over
// a box: what the Krawczyk test needs, the value and the Jacobian's
// enclosure from one evaluation. E is the enclosure, as for Factored.
#include <array>
#include <utility>

#include "anysolve/enclosure.h"

namespace anglewise::anysolve {

template <class E>
class Dual {
 public:
  static constexpr int kMost = 2;
  Dual() = default;
  /// A constant, with no derivatives.
  explicit Dual(long constant) : value_(constant) {}
  explicit Dual(E constant) : value_(std::move(constant)) {}
  Dual(const Dual& like, E constant) : count_(like.count_), value_(std::move(constant)) {}
  Dual(const Dual& like, long constant) : Dual(like, E(constant)) {}
  /// Coordinate `index` of `count`, over `enclosure`.
  static Dual coordinate(int count, int index, const E& enclosure) {
    Dual d;
    d.count_ = count;
    d.value_ = enclosure;
    d.slope_[index] = E(1L);
    return d;
  }

  const E& value() const { return value_; }
  bool positive() const { return value_.positive(); }
  bool negative() const { return value_.negative(); }
  const E& derivative(int index) const { return slope_[index]; }

  friend Dual operator+(const Dual& a, const Dual& b) {
    Dual out = joined(a, b);
    out.value_ = a.value_ + b.value_;
    for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] + b.slope_[i];
    return out;
  }
  friend Dual operator-(const Dual& a, const Dual& b) {
    Dual out = joined(a, b);
    out.value_ = a.value_ - b.value_;
    for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] - b.slope_[i];
    return out;
  }
  friend Dual operator*(const Dual& a, const Dual& b) {
    Dual out = joined(a, b);
    out.value_ = a.value_ * b.value_;
    for (int i = 0; i < out.count_; ++i) {
      out.slope_[i] = a.slope_[i] * b.value_ + a.value_ * b.slope_[i];
    }
    return out;
  }
  friend Dual operator/(const Dual& a, const Dual& b) {
    Dual out = joined(a, b);
    out.value_ = a.value_ / b.value_;
    for (int i = 0; i < out.count_; ++i) {
      out.slope_[i] = (a.slope_[i] - out.value_ * b.slope_[i]) / b.value_;
    }
    return out;
  }
  friend Dual operator*(const Dual& a, long k) {
    Dual out = a;
    out.value_ = a.value_ * k;
    for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] * k;
    return out;
  }
  friend Dual operator/(const Dual& a, long k) {
    Dual out = a;
    out.value_ = a.value_ / k;
    for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] / k;
    return out;
  }
  friend Dual sqrt(const Dual& a) {
    Dual out = a;
    out.value_ = sqrtPos(a.value_);
    for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] / (out.value_ * 2L);
    return out;
  }
  friend Dual sqrtPos(const Dual& a) { return sqrt(a); }
  friend Dual powUi(const Dual& a, int n) {
    if (n == 0) return Dual(a, 1L);
    return a.chained(powUi(a.value_, n), powUi(a.value_, n - 1) * static_cast<long>(n));
  }
  friend Dual sinPi(const Dual& x) { return sinPi(x, x); }
  /// sin(pi x) / (pi x), with its derivative pi sinc'(pi x).
  friend Dual sincPi(const Dual& x) {
    return x.chained(sincPi(x.value_), piEnclosure<E>() * sincSlope(piEnclosure<E>() * x.value_));
  }
  friend Dual piLike(const Dual& /*like*/) { return Dual(piEnclosure<E>()); }
  friend bool below(const Dual& a, double bound) { return below(a.value_, bound); }
  /// sin(pi x); `rest` (1 - x) is not needed here.
  friend Dual sinPi(const Dual& x, const Dual& /*rest*/) {
    E sine, cosine;
    sinCosPi(x.value_, sine, cosine);
    return x.chained(sine, piEnclosure<E>() * cosine);
  }
  /// cos(pi x / 2).
  friend Dual halfCosPi(const Dual& x, const Dual& /*rest*/) {
    E sine, cosine;
    sinCosPi(x.value_ / 2L, sine, cosine);
    return x.chained(cosine, -(piEnclosure<E>() * sine / 2L));
  }

 private:
  // A result with as many derivatives as the wider operand.
  static Dual joined(const Dual& a, const Dual& b) {
    Dual out;
    out.count_ = a.count_ > b.count_ ? a.count_ : b.count_;
    return out;
  }
  // f(this) for f with this value and this derivative here.
  Dual chained(const E& value, const E& slope) const {
    Dual out;
    out.count_ = count_;
    out.value_ = value;
    for (int i = 0; i < count_; ++i) out.slope_[i] = slope_[i] * slope;
    return out;
  }

  // sinc'(y) = (y cos y - sin y) / y^2 over y. Where |y| <= 1 it lies
  // between -y/3 (1 - y^2/10) and -y/3, the alternating series'
  // first terms, so that no 0/0 arises at y = 0.
  static E sincSlope(const E& y) {
    if (below(y, 1) && below(E(0L) - y, 1)) {
      E third = y / 3L;
      E least = E(1L) - y * y / 10L;
      return (E(0L) - third) * hull(least, E(1L));
    }
    E sine, cosine, x = y / piEnclosure<E>();
    sinCosPi(x, sine, cosine);
    return (y * cosine - sine) / (y * y);
  }

  int count_ = 0;
  E value_;
  std::array<E, kMost> slope_;
};

}  // namespace anglewise::anysolve
