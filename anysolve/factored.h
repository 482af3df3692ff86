#pragma once
// A value over a box of shape coordinates that may reach the edge where a
// triangle degenerates: a monomial in the box's small coordinates times an
// enclosure g that stays away from zero there. Near that edge a plain
// enclosure of, say, a height over a side is 0/0 and says nothing; kept
// apart, the powers cancel exactly and g bounds what is left.
#include <array>

#include "exact/ball.h"

namespace anglewise::anysolve {

using exact::Ball;

/// The small coordinates of one box: each an enclosure of values >= 0.
struct SmallCoordinates {
  static constexpr int kMost = 3;
  int count = 0;
  std::array<Ball, kMost> value;
  std::array<Ball, kMost> quarterRoot;  ///< value^(1/4)
  void set(int index, const Ball& enclosure);
};

class Factored {
 public:
  Factored() = default;
  /// A constant, on the same coordinates as `like`.
  Factored(const Factored& like, Ball constant);
  /// The coordinate `index` itself.
  static Factored coordinate(const SmallCoordinates& box, int index);
  static Factored constant(const SmallCoordinates& box, Ball value);

  /// An enclosure of the value over the box (unbounded where a negative
  /// power meets a coordinate reaching 0).
  Ball value() const;
  /// Whether the value is certainly not 0 anywhere inside the box (the
  /// monomial is positive there, so g's sign is the value's).
  bool nonzero() const { return g_.positive() || g_.negative(); }
  /// The monomial has a positive power: the value vanishes at the edge.
  bool vanishes() const;

  friend Factored operator+(const Factored& a, const Factored& b);
  friend Factored operator-(const Factored& a, const Factored& b);
  friend Factored operator*(const Factored& a, const Factored& b);
  friend Factored operator/(const Factored& a, const Factored& b);
  friend Factored operator*(const Factored& a, long k);
  friend Factored operator/(const Factored& a, long k);
  friend Factored sqrt(const Factored& a);
  /// sin(pi x) from x and 1 - x, whichever vanishes.
  friend Factored sinPi(const Factored& x, const Factored& rest);
  /// cos(pi x / 2) = sin(pi (1 - x) / 2).
  friend Factored halfCosPi(const Factored& x, const Factored& rest);

 private:
  // coordinate^(quarters / 4) over the box
  Ball power(int index, int quarters) const;
  Factored sum(const Factored& b, bool minus) const;

  const SmallCoordinates* box_ = nullptr;
  std::array<int, SmallCoordinates::kMost> quarters_{};
  Ball g_;
};

}  // namespace anglewise::anysolve
