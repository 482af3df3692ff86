#pragma once
// Roundings decided on an enclosure: each answers only when every value the
// ball holds rounds the same way (rounding is monotonic, so both ends
// agreeing proves it), and otherwise says nothing, so the caller raises the
// precision. A quotient of two exact balls is a rational known exactly, and
// one that sits exactly on a tie is decided from that rational, half to even.
#include <optional>
#include <string>

#include "exact/ball.h"

namespace anglewise::exact {

/// A decimal: sign, the digits of a whole number (no leading zeros, "0"
/// for zero) and the power of ten they are scaled by.
struct Decimal {
  bool negative = false;
  std::string digits = "0";
  long exponent = 0;
  friend bool operator==(const Decimal&, const Decimal&) = default;
};

/// The nearest double (half to even, subnormals and overflow to infinity
/// as IEEE rounding has them), once every value of the ball gives it.
std::optional<double> nearestDouble(const Ball& value);

// The value of each decision below is `value`, the quotient num / den
// computed by the caller; num and den are what an exact decision needs
// where the ball sits on a tie (den 1 for a value that is no quotient).

/// The value rounded to a whole multiple of 10^-scale, half to even.
std::optional<Decimal> roundedToScale(const Ball& value, const Ball& num, const Ball& den,
                                      long scale);

/// The value rounded to `digits` significant digits, half to even; zero
/// gives "0". The exponent puts the last digit in its place.
std::optional<Decimal> roundedToDigits(const Ball& value, const Ball& num, const Ball& den,
                                       int digits);

/// The same roundings from two doubles that bound the value (low <= high),
/// where these alone decide them without Arb; nothing otherwise.
std::optional<Decimal> quickToScale(double low, double high, long scale);
std::optional<Decimal> quickToDigits(double low, double high, int digits);

/// Whether |value| < 10^e.
std::optional<bool> belowPowerOfTen(const Ball& value, const Ball& num, const Ball& den, long e);

/// The two ends of a ball, as exact balls.
void endsOf(const Ball& value, Ball& low, Ball& high);

/// 10^e, exact for e >= 0, at the working precision below.
Ball powerOfTen(long e);

}  // namespace anglewise::exact
