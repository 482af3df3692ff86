#pragma once
// Angles in degrees. A given angle is a rational number of degrees, and the
// few angles whose sine or cosine squared is rational (0, 30, 45, 60, 90,
// 120, 135, 150, 180: by Niven's theorem the only ones) have those values
// exactly; every other angle a triangle here can have is irrational in
// degrees, so an enclosure decides anything about it in the end.
#include <optional>

#include "exact/ball.h"

namespace anglewise::exact {

/// Degrees to radians and back, with pi at the working precision.
Ball radians(const Ball& degrees);
Ball degrees(const Ball& radians);

/// sin and cos of an angle in degrees: exact for the special angles.
struct SinCos {
  Ball sin, cos;
};
SinCos sinCosDegrees(const Ball& degrees);

/// The sine of an angle where it is rational (0, 1/2 or 1), exactly;
/// nothing for other angles.
std::optional<Ball> rationalSine(const Ball& degrees);

/// sin^2 of an exact special angle, exactly; nothing for other angles.
std::optional<Ball> exactSineSquared(const Ball& degrees);

/// The special angle in [0, 180] whose cosine is num / sqrt(denSquared)
/// (num and denSquared exact, denSquared > 0), if it is one.
std::optional<Ball> specialAngleFromCosine(const Ball& num, const Ball& denSquared);

/// The special angle in [0, 90] whose sine squared is num / den (exact).
std::optional<Ball> specialAngleFromSineSquared(const Ball& num, const Ball& den);

/// atan2(y, x) in degrees.
Ball atan2Degrees(const Ball& y, const Ball& x);

}  // namespace anglewise::exact
