#pragma once
// Degree/radian conversions with the 15-digit pi the program has always used;
// each quotient is evaluated at every use, as the formulas are written.
#include "solver/checked_math.h"

namespace anglewise {

inline constexpr double kPi = 3.14159265358979;

/// (pi / 180) * degrees
inline Num rad(Num degrees) {
  return Num(kPi) / Num(180) * degrees;
}
/// 180 / pi, the radians-to-degrees factor
inline Num k() {
  return Num(180) / Num(kPi);
}

}  // namespace anglewise
