#pragma once
// Enclosures with their first derivatives along the shape coordinates, over
// a box: what the Krawczyk test needs, the value and the Jacobian's
// enclosure from one evaluation.
#include <array>

#include "exact/ball.h"

namespace anglewise::anysolve {

using exact::Ball;

class Dual {
 public:
  static constexpr int kMost = 2;
  Dual() = default;
  Dual(const Dual& like, Ball constant);
  /// Coordinate `index` of `count`, over `enclosure`.
  static Dual coordinate(int count, int index, const Ball& enclosure);

  const Ball& value() const { return value_; }
  const Ball& derivative(int index) const { return slope_[index]; }

  friend Dual operator+(const Dual& a, const Dual& b);
  friend Dual operator-(const Dual& a, const Dual& b);
  friend Dual operator*(const Dual& a, const Dual& b);
  friend Dual operator/(const Dual& a, const Dual& b);
  friend Dual operator*(const Dual& a, long k);
  friend Dual operator/(const Dual& a, long k);
  friend Dual sqrt(const Dual& a);
  /// sin(pi x); `rest` (1 - x) is not needed here.
  friend Dual sinPi(const Dual& x, const Dual& rest);
  /// cos(pi x / 2).
  friend Dual halfCosPi(const Dual& x, const Dual& rest);

 private:
  int count_ = 0;
  Ball value_;
  std::array<Ball, kMost> slope_;
};

}  // namespace anglewise::anysolve
