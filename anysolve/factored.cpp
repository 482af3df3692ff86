#include "anysolve/factored.h"

#include <algorithm>

namespace anglewise::anysolve {

void SmallCoordinates::set(int index, const Ball& enclosure) {
  value[index] = enclosure;
  Ball root;
  arb_sqrtpos(root.get(), enclosure.get(), exact::WorkingPrecision::bits());
  arb_sqrtpos(quarterRoot[index].get(), root.get(), exact::WorkingPrecision::bits());
  count = std::max(count, index + 1);
}

Factored::Factored(const Factored& like, Ball constant)
    : box_(like.box_), g_(std::move(constant)) {}

Factored Factored::coordinate(const SmallCoordinates& box, int index) {
  Factored f;
  f.box_ = &box;
  f.quarters_[index] = 4;
  f.g_ = Ball(1L);
  return f;
}

Factored Factored::constant(const SmallCoordinates& box, Ball value) {
  Factored f;
  f.box_ = &box;
  f.g_ = std::move(value);
  return f;
}

Ball Factored::power(int index, int quarters) const {
  if (quarters == 0) return Ball(1L);
  if (quarters == 4) return box_->value[index];
  Ball out;
  arb_pow_ui(out.get(), box_->quarterRoot[index].get(), static_cast<ulong>(quarters),
             exact::WorkingPrecision::bits());
  return out;
}

Ball Factored::value() const {
  Ball out = g_;
  for (int i = 0; i < box_->count; ++i) {
    if (quarters_[i] > 0) out = out * power(i, quarters_[i]);
    if (quarters_[i] < 0) out = out / power(i, -quarters_[i]);
  }
  return out;
}

bool Factored::vanishes() const {
  return std::any_of(quarters_.begin(), quarters_.end(), [](int q) { return q > 0; });
}

Factored Factored::sum(const Factored& b, bool minus) const {
  Factored out;
  out.box_ = box_ ? box_ : b.box_;
  Ball ga = g_, gb = b.g_;
  for (int i = 0; i < SmallCoordinates::kMost; ++i) {
    int least = std::min(quarters_[i], b.quarters_[i]);
    out.quarters_[i] = least;
    if (quarters_[i] > least) ga = ga * power(i, quarters_[i] - least);
    if (b.quarters_[i] > least) gb = gb * b.power(i, b.quarters_[i] - least);
  }
  out.g_ = minus ? ga - gb : ga + gb;
  return out;
}

Factored operator+(const Factored& a, const Factored& b) {
  return a.sum(b, false);
}

Factored operator-(const Factored& a, const Factored& b) {
  return a.sum(b, true);
}

Factored operator*(const Factored& a, const Factored& b) {
  Factored out = a;
  if (!out.box_) out.box_ = b.box_;
  for (int i = 0; i < SmallCoordinates::kMost; ++i) out.quarters_[i] += b.quarters_[i];
  out.g_ = a.g_ * b.g_;
  return out;
}

Factored operator/(const Factored& a, const Factored& b) {
  Factored out = a;
  if (!out.box_) out.box_ = b.box_;
  for (int i = 0; i < SmallCoordinates::kMost; ++i) out.quarters_[i] -= b.quarters_[i];
  out.g_ = a.g_ / b.g_;
  return out;
}

Factored operator*(const Factored& a, long k) {
  Factored out = a;
  out.g_ = a.g_ * k;
  return out;
}

Factored operator/(const Factored& a, long k) {
  Factored out = a;
  out.g_ = a.g_ / k;
  return out;
}

Factored sqrt(const Factored& a) {
  Factored out = a;
  bool even = std::all_of(a.quarters_.begin(), a.quarters_.end(), [](int q) { return q % 2 == 0; });
  if (!even) {
    // A root no quarter powers can hold: fold the monomial into g (only
    // where its powers are positive, as the measures' are).
    out.g_ = a.value();
    out.quarters_.fill(0);
  }
  for (int& q : out.quarters_) q /= 2;
  arb_sqrtpos(out.g_.get(), out.g_.get(), exact::WorkingPrecision::bits());
  return out;
}

namespace {

// sin(pi x) for an x that vanishes: x * pi * sinc(pi x), g away from 0.
Factored sinOfSmall(const Factored& x) {
  Ball sinc;
  arb_sinc_pi(sinc.get(), x.value().get(), exact::WorkingPrecision::bits());
  return x * Factored(x, exact::pi() * sinc);
}

}  // namespace

Factored sinPi(const Factored& x, const Factored& rest) {
  // The one of x and 1 - x that vanishes here: sinc(pi x) stays away from
  // 0 only for x below 1.
  auto small = [](const Factored& f) {
    return f.vanishes() && arb_lt(f.value().get(), Ball(0.75).get());
  };
  if (small(x)) return sinOfSmall(x);
  if (small(rest)) return sinOfSmall(rest);
  Ball sine, cosine;
  exact::sinCosPi(x.value(), sine, cosine);
  return Factored(x, sine);
}

Factored halfCosPi(const Factored& x, const Factored& rest) {
  Factored half = rest / 2;
  return sinPi(half, Factored(x, Ball(1L)) - half);
}

}  // namespace anglewise::anysolve
