#pragma once
// Arithmetic that stops with a numbered run-time error instead of producing
// an infinity or a NaN: 11 division by zero, 6 overflow (also 0 / 0),
// 5 an invalid argument such as the square root of a negative number.
// The solvers and the figure write their formulas with `Num` so that every
// operation is checked in the order it is written.
#include <cfloat>
#include <cmath>
#include <exception>
#include <string>

namespace anglewise {

inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrFileAccess = 75;
inline constexpr int kErrPrinter = 482;

/// A numbered run-time error with its usual description. It holds no
/// text of its own, so raising one allocates nothing but the exception.
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(int number) : number_(number) {}
  int number() const { return number_; }
  const char* what() const noexcept override;

 private:
  int number_;
};

/// The standard description of a run-time error number.
std::string errorDescription(int number);

/// The message a run-time error handler shows: "Error Found ", the number
/// and the description, parts joined by two carriage returns.
std::string errorFoundText(int number);

/// A double whose every operation is checked.
class Num {
 public:
  constexpr Num(double value) : value_(value) {}  // NOLINT: implicit by design
  constexpr double value() const { return value_; }

 private:
  double value_;
};

// The failing paths are marked cold, so the arithmetic itself stays small
// where it inlines; they throw where the fault arose, one frame fewer for
// the unwinder to walk.
[[noreturn, gnu::cold]] inline void throwRuntimeError(int number) {
  throw RuntimeError(number);
}
[[noreturn, gnu::cold]] inline void throwDivisionError(Num dividend) {
  throw RuntimeError(dividend.value() == 0.0 ? kErrOverflow : kErrDivisionByZero);
}

namespace checked_detail {
inline Num finite(double result) {
  if (!std::isfinite(result)) [[unlikely]]
    throwRuntimeError(kErrOverflow);
  return result;
}
}  // namespace checked_detail

inline Num operator+(Num a, Num b) {
  return checked_detail::finite(a.value() + b.value());
}
inline Num operator-(Num a, Num b) {
  return checked_detail::finite(a.value() - b.value());
}
inline Num operator-(Num a) {
  return -a.value();
}
inline Num operator*(Num a, Num b) {
  return checked_detail::finite(a.value() * b.value());
}
inline Num operator/(Num a, Num b) {
  if (b.value() == 0.0) [[unlikely]]
    throwDivisionError(a);
  return checked_detail::finite(a.value() / b.value());
}
inline Num Sqr(Num x) {
  if (x.value() < 0.0) [[unlikely]]
    throwRuntimeError(kErrInvalidCall);
  return std::sqrt(x.value());
}
inline Num Atn(Num x) {
  return std::atan(x.value());
}
inline Num Sin(Num x) {
  return checked_detail::finite(std::sin(x.value()));
}
inline Num Cos(Num x) {
  return checked_detail::finite(std::cos(x.value()));
}
inline Num Tan(Num x) {
  return checked_detail::finite(std::tan(x.value()));
}
inline Num Abs(Num x) {
  return std::fabs(x.value());
}
/// Conversion to single precision, as the picture box takes coordinates.
inline float toSingle(Num x) {
  if (std::fabs(x.value()) > static_cast<double>(FLT_MAX)) [[unlikely]]
    throwRuntimeError(kErrOverflow);
  return static_cast<float>(x.value());
}

}  // namespace anglewise
