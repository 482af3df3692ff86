#include "report/real.h"

#include <cstdlib>
#include <memory>

namespace anglewise {

Real::Real(mpfr_prec_t precision) {
  mpfr_init2(value_, precision);
  mpfr_set_zero(value_, 1);
}

Real::Real(mpfr_prec_t precision, double value) {
  mpfr_init2(value_, precision);
  mpfr_set_d(value_, value, MPFR_RNDN);  // exact: the precision exceeds a double's
}

Real::Real(const Real& other) {
  mpfr_init2(value_, other.precision());
  mpfr_set(value_, other.value_, MPFR_RNDN);
}

Real& Real::operator=(const Real& other) {
  if (this != &other) {
    mpfr_set_prec(value_, other.precision());
    mpfr_set(value_, other.value_, MPFR_RNDN);
  }
  return *this;
}

Real::~Real() {
  mpfr_clear(value_);
}

double Real::nearestDouble() const {
  return mpfr_get_d(value_, MPFR_RNDN);
}

namespace {

std::string printed(const char* format, int digits, mpfr_srcptr value) {
  char* text = nullptr;
  if (mpfr_asprintf(&text, format, digits, value) < 0) return "";
  std::unique_ptr<char, void (*)(char*)> owned(text, [](char* p) { mpfr_free_str(p); });
  return owned.get();
}

}  // namespace

std::string Real::significant(int digits) const {
  return printed("%.*RNg", digits, value_);
}

std::string Real::fixed(int places) const {
  return printed("%.*RNf", places, value_);
}

namespace {

template <typename Op>
Real binary(const Real& a, const Real& b, Op op) {
  Real out(std::max(a.precision(), b.precision()));
  op(out.get(), a.get(), b.get(), MPFR_RNDN);
  return out;
}

template <typename Op>
Real unary(const Real& a, Op op) {
  Real out(a.precision());
  op(out.get(), a.get(), MPFR_RNDN);
  return out;
}

}  // namespace

Real operator+(const Real& a, const Real& b) {
  return binary(a, b, mpfr_add);
}
Real operator-(const Real& a, const Real& b) {
  return binary(a, b, mpfr_sub);
}
Real operator*(const Real& a, const Real& b) {
  return binary(a, b, mpfr_mul);
}
Real operator/(const Real& a, const Real& b) {
  return binary(a, b, mpfr_div);
}
Real operator-(const Real& a) {
  return unary(a, mpfr_neg);
}
Real operator*(const Real& a, long b) {
  Real out(a.precision());
  mpfr_mul_si(out.get(), a.get(), b, MPFR_RNDN);
  return out;
}
Real operator/(const Real& a, long b) {
  Real out(a.precision());
  mpfr_div_si(out.get(), a.get(), b, MPFR_RNDN);
  return out;
}
bool operator<(const Real& a, const Real& b) {
  return mpfr_less_p(a.get(), b.get()) != 0;
}
bool operator>(const Real& a, const Real& b) {
  return mpfr_greater_p(a.get(), b.get()) != 0;
}
bool operator==(const Real& a, const Real& b) {
  return mpfr_equal_p(a.get(), b.get()) != 0;
}

Real sqrt(const Real& a) {
  return unary(a, mpfr_sqrt);
}
Real sin(const Real& a) {
  return unary(a, mpfr_sin);
}
Real cos(const Real& a) {
  return unary(a, mpfr_cos);
}
Real tan(const Real& a) {
  return unary(a, mpfr_tan);
}
Real asin(const Real& a) {
  return unary(a, mpfr_asin);
}
Real acos(const Real& a) {
  return unary(a, mpfr_acos);
}
Real atan(const Real& a) {
  return unary(a, mpfr_atan);
}
Real abs(const Real& a) {
  return unary(a, mpfr_abs);
}

Real pi(const Real& like) {
  Real out(like.precision());
  mpfr_const_pi(out.get(), MPFR_RNDN);
  return out;
}

Real radians(const Real& degrees) {
  return degrees * pi(degrees) / 180;
}

Real degrees(const Real& radians) {
  return radians * 180 / pi(radians);
}

}  // namespace anglewise
