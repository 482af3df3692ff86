#include "anysolve/dual.h"

namespace anglewise::anysolve {

Dual::Dual(const Dual& like, Ball constant) : count_(like.count_), value_(std::move(constant)) {}

Dual Dual::coordinate(int count, int index, const Ball& enclosure) {
  Dual d;
  d.count_ = count;
  d.value_ = enclosure;
  d.slope_[index] = Ball(1L);
  return d;
}

Dual operator+(const Dual& a, const Dual& b) {
  Dual out = a;
  out.count_ = a.count_ > b.count_ ? a.count_ : b.count_;
  out.value_ = a.value_ + b.value_;
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] + b.slope_[i];
  return out;
}

Dual operator-(const Dual& a, const Dual& b) {
  Dual out = a;
  out.count_ = a.count_ > b.count_ ? a.count_ : b.count_;
  out.value_ = a.value_ - b.value_;
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] - b.slope_[i];
  return out;
}

Dual operator*(const Dual& a, const Dual& b) {
  Dual out = a;
  out.count_ = a.count_ > b.count_ ? a.count_ : b.count_;
  out.value_ = a.value_ * b.value_;
  for (int i = 0; i < out.count_; ++i) {
    out.slope_[i] = a.slope_[i] * b.value_ + a.value_ * b.slope_[i];
  }
  return out;
}

Dual operator/(const Dual& a, const Dual& b) {
  Dual out = a;
  out.count_ = a.count_ > b.count_ ? a.count_ : b.count_;
  out.value_ = a.value_ / b.value_;
  for (int i = 0; i < out.count_; ++i) {
    out.slope_[i] = (a.slope_[i] - out.value_ * b.slope_[i]) / b.value_;
  }
  return out;
}

Dual operator*(const Dual& a, long k) {
  Dual out = a;
  out.value_ = a.value_ * k;
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] * k;
  return out;
}

Dual operator/(const Dual& a, long k) {
  Dual out = a;
  out.value_ = a.value_ / k;
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] / k;
  return out;
}

Dual sqrt(const Dual& a) {
  Dual out = a;
  arb_sqrtpos(out.value_.get(), a.value_.get(), exact::WorkingPrecision::bits());
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = a.slope_[i] / (out.value_ * 2L);
  return out;
}

Dual sinPi(const Dual& x, const Dual& /*rest*/) {
  Ball sine, cosine;
  exact::sinCosPi(x.value_, sine, cosine);
  Dual out = x;
  out.value_ = sine;
  Ball slope = exact::pi() * cosine;
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = x.slope_[i] * slope;
  return out;
}

Dual halfCosPi(const Dual& x, const Dual& /*rest*/) {
  Ball sine, cosine;
  exact::sinCosPi(x.value_ / 2L, sine, cosine);
  Dual out = x;
  out.value_ = cosine;
  Ball slope = -(exact::pi() * sine / 2L);
  for (int i = 0; i < out.count_; ++i) out.slope_[i] = x.slope_[i] * slope;
  return out;
}

}  // namespace anglewise::anysolve
