#pragma once
// A value over a box of shape coordinates that may reach the edge where a
// triangle degenerates: a monomial in the box's small coordinates times an
// enclosure g that stays away from zero there. Near that edge a plain
// enclosure of, say, a height over a side is 0/0 and says nothing; kept
// apart, the powers cancel exactly and g bounds what is left. E is the
// enclosure: an interval of doubles first, Arb's ball where doubles cannot
// tell.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>

#include "anysolve/enclosure.h"

namespace anglewise::anysolve {

namespace detail {

// A kept power's room, left unmade until the power is: a box uses a few of
// its 192, and making them all cost more than the search spends on some
// boxes. Enclosures that own memory (Arb's balls) are made as usual.
template <class E, bool = std::is_trivially_copyable_v<E>>
struct KeptPower {
  E value;
};
template <class E>
struct KeptPower<E, true> {
  KeptPower() {}
  union {
    E value;
  };
};

}  // namespace detail

/// The small coordinates of one box: each an enclosure of values >= 0.
template <class E>
struct SmallCoordinates {
  static constexpr int kMost = 3;
  int count = 0;
  std::array<E, kMost> value;
  std::array<E, kMost> quarterRoot;  ///< value^(1/4)
  std::array<bool, kMost> awayFromZero{};
  void set(int index, const E& enclosure) {
    value[index] = enclosure;
    awayFromZero[index] = enclosure.positive();
    quarterRoot[index] = sqrtPos(sqrtPos(enclosure));
    count = std::max(count, index + 1);
    known[index] = 0;
  }
  /// value^(quarters / 4), each kept once made: every measure asks for the
  /// same few powers of a box's coordinates many times.
  E power(int index, int quarters) const {
    if (quarters == 0) return E(1L);
    if (quarters == 4) return value[index];
    if (quarters >= kKept) return powUi(quarterRoot[index], quarters);
    uint64_t bit = uint64_t{1} << quarters;
    E& slot = kept[index][quarters].value;
    if (!(known[index] & bit)) {
      if constexpr (std::is_trivially_copyable_v<E>) {
        std::construct_at(&slot, powUi(quarterRoot[index], quarters));  // its room was unmade
      } else {
        slot = powUi(quarterRoot[index], quarters);
      }
      known[index] |= bit;
    }
    return slot;
  }

 private:
  static constexpr int kKept = 64;
  mutable std::array<std::array<detail::KeptPower<E>, kKept>, kMost> kept;
  mutable std::array<uint64_t, kMost> known{};
};

template <class E>
class Factored {
 public:
  using Box = SmallCoordinates<E>;
  Factored() = default;
  /// A constant, on the same coordinates as `like`.
  Factored(const Factored& like, E constant) : box_(like.box_), g_(std::move(constant)) {}
  Factored(const Factored& like, long constant) : Factored(like, E(constant)) {}
  /// The coordinate `index` itself.
  static Factored coordinate(const Box& box, int index) {
    Factored f;
    f.box_ = &box;
    f.quarters_[index] = 4;
    f.g_ = E(1L);
    return f;
  }
  static Factored constant(const Box& box, E value) {
    Factored f;
    f.box_ = &box;
    f.g_ = std::move(value);
    return f;
  }

  /// An enclosure of the value over the box (unbounded where a negative
  /// power meets a coordinate reaching 0).
  E value() const {
    E out = g_;
    for (int i = 0; i < box_->count; ++i) {
      if (quarters_[i] > 0) out = out * power(i, quarters_[i]);
      if (quarters_[i] < 0) out = out / power(i, -quarters_[i]);
    }
    return out;
  }
  /// Whether the value is certainly not 0 anywhere inside the box (the
  /// monomial is positive there, so g's sign is the value's).
  bool nonzero() const { return g_.positive() || g_.negative(); }
  /// The monomial has a positive power: the value vanishes at the edge.
  bool vanishes() const {
    return std::any_of(quarters_.begin(), quarters_.end(), [](int q) { return q > 0; });
  }

  friend Factored operator+(const Factored& a, const Factored& b) { return a.sum(b, false); }
  friend Factored operator-(const Factored& a, const Factored& b) { return a.sum(b, true); }
  friend Factored operator*(const Factored& a, const Factored& b) {
    Factored out = a;
    if (!out.box_) out.box_ = b.box_;
    for (int i = 0; i < Box::kMost; ++i) out.quarters_[i] += b.quarters_[i];
    out.g_ = a.g_ * b.g_;
    return out;
  }
  friend Factored operator/(const Factored& a, const Factored& b) {
    Factored out = a;
    if (!out.box_) out.box_ = b.box_;
    for (int i = 0; i < Box::kMost; ++i) out.quarters_[i] -= b.quarters_[i];
    out.g_ = a.g_ / b.g_;
    return out;
  }
  friend Factored operator*(const Factored& a, long k) {
    Factored out = a;
    out.g_ = a.g_ * k;
    return out;
  }
  friend Factored operator/(const Factored& a, long k) {
    Factored out = a;
    out.g_ = a.g_ / k;
    return out;
  }
  friend Factored sqrt(const Factored& a) {
    Factored out = a;
    if (std::any_of(a.quarters_.begin(), a.quarters_.end(), [](int q) { return q % 2 != 0; })) {
      // A root no quarter powers can hold: fold the monomial into g (only
      // where its powers are positive, as the measures' are).
      out.g_ = a.value();
      out.quarters_.fill(0);
    }
    for (int& q : out.quarters_) q /= 2;
    out.g_ = sqrtPos(out.g_);
    return out;
  }
  /// sin(pi x) from x and 1 - x, whichever vanishes.
  friend Factored sinPi(const Factored& x, const Factored& rest) {
    // The one of x and 1 - x that vanishes here: sinc(pi x) stays away
    // from 0 only for x below 1.
    auto small = [](const Factored& f) { return f.vanishes() && below(f.value(), 0.75); };
    if (small(x)) return sinOfSmall(x);
    if (small(rest)) return sinOfSmall(rest);
    return Factored(x, sinPi(x.value()));
  }
  /// cos(pi x / 2) = sin(pi (1 - x) / 2).
  friend Factored halfCosPi(const Factored& x, const Factored& rest) {
    Factored half = rest / 2;
    return sinPi(half, Factored(x, 1L) - half);
  }

 private:
  // sin(pi x) for an x that vanishes: x * pi * sinc(pi x), g away from 0.
  static Factored sinOfSmall(const Factored& x) {
    return x * Factored(x, piLike(x.g_) * sincPi(x.value()));
  }

  // coordinate^(quarters / 4) over the box
  E power(int index, int quarters) const { return box_->power(index, quarters); }

  Factored sum(const Factored& b, bool minus) const {
    Factored out;
    out.box_ = box_ ? box_ : b.box_;
    E ga = g_, gb = b.g_;
    for (int i = 0; i < Box::kMost; ++i) {
      int qa = quarters_[i], qb = b.quarters_[i];
      // A negative power beside a term without one would multiply that
      // term by the power, and the sum's two halves would then vary
      // together with the coordinate, which intervals cannot see. Where the
      // coordinate stays away from 0 the power is bounded: it joins its own
      // term instead.
      if ((qa < 0) != (qb < 0) && out.box_->awayFromZero[i]) {
        if (qa < 0) ga = ga / power(i, -qa), qa = 0;
        if (qb < 0) gb = gb / b.power(i, -qb), qb = 0;
      }
      int least = std::min(qa, qb);
      out.quarters_[i] = least;
      if (qa > least) ga = ga * power(i, qa - least);
      if (qb > least) gb = gb * b.power(i, qb - least);
    }
    out.g_ = minus ? ga - gb : ga + gb;
    return out;
  }

  const Box* box_ = nullptr;
  std::array<int, Box::kMost> quarters_{};
  E g_;
};

}  // namespace anglewise::anysolve
