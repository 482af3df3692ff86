#pragma once
// Arithmetic that stops with a numbered run-time error instead of producing
// an infinity or a NaN: 11 division by zero, 6 overflow (also 0 / 0),
// 5 an invalid argument such as the square root of a negative number.
// The solvers and the figure write their formulas with `Num` so that every
// operation is checked in the order it is written.
#include <stdexcept>
#include <string>

namespace anglewise {

inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrFileAccess = 75;
inline constexpr int kErrPrinter = 482;

/// A numbered run-time error with its usual description.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number);
  int number() const { return number_; }

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

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator-(Num a);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num Sqr(Num x);
Num Atn(Num x);
Num Sin(Num x);
Num Cos(Num x);
Num Tan(Num x);
Num Abs(Num x);
/// Conversion to single precision, as the picture box takes coordinates.
float toSingle(Num x);

}  // namespace anglewise
