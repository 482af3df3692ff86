#include "solver/checked_math.h"

#include <cfloat>
#include <cmath>

namespace anglewise {
namespace {

Num checked(double result) {
  if (!std::isfinite(result)) throw RuntimeError(kErrOverflow);
  return result;
}

}  // namespace

RuntimeError::RuntimeError(int number)
    : std::runtime_error(errorDescription(number)), number_(number) {}

std::string errorDescription(int number) {
  switch (number) {
    case kErrInvalidCall:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrDivisionByZero:
      return "Division by zero";
    case kErrFileAccess:
      return "Path/File access error";
    case kErrPrinter:
      return "Printer error";
    default:
      return "Application-defined or object-defined error";
  }
}

std::string errorFoundText(int number) {
  return "Error Found \r\rError Number " + std::to_string(number) + "\r\r" +
         errorDescription(number);
}

Num operator+(Num a, Num b) {
  return checked(a.value() + b.value());
}
Num operator-(Num a, Num b) {
  return checked(a.value() - b.value());
}
Num operator-(Num a) {
  return -a.value();
}
Num operator*(Num a, Num b) {
  return checked(a.value() * b.value());
}

Num operator/(Num a, Num b) {
  if (b.value() == 0.0) throw RuntimeError(a.value() == 0.0 ? kErrOverflow : kErrDivisionByZero);
  return checked(a.value() / b.value());
}

Num Sqr(Num x) {
  if (x.value() < 0.0) throw RuntimeError(kErrInvalidCall);
  return std::sqrt(x.value());
}

Num Atn(Num x) {
  return std::atan(x.value());
}
Num Sin(Num x) {
  return checked(std::sin(x.value()));
}
Num Cos(Num x) {
  return checked(std::cos(x.value()));
}
Num Tan(Num x) {
  return checked(std::tan(x.value()));
}
Num Abs(Num x) {
  return std::fabs(x.value());
}

float toSingle(Num x) {
  if (std::fabs(x.value()) > static_cast<double>(FLT_MAX)) throw RuntimeError(kErrOverflow);
  return static_cast<float>(x.value());
}

}  // namespace anglewise
