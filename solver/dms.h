#pragma once
// Degrees/minutes/seconds text: ' 12d 20m 44s .444' is 12 degrees,
// 20 minutes, 44.444 seconds. Angles inside the program are decimal degrees.
#include <string>
#include <string_view>

#include "solver/numbers.h"

namespace anglewise {

/// The text that stands for an angle reset to 0 (read above 90 degrees).
inline constexpr std::string_view kResetDms = "00d 00m 00s";

/// Result of reading an angle text: the angle in decimal degrees, and whether
/// the reading reset it (then the angle's D/M/S text becomes kResetDms).
struct DmsReading {
  double degrees = 0.0;
  bool reset = false;
};

/// Reads a D/M/S text as Display does: each piece runs from the previous
/// marker letter to its own. A letter that stands before the one it should
/// follow (an "m" before the "d", as in '5m 12d') makes that piece read 0.
DmsReading readdms(std::string_view text);

/// Reads a D/M/S text as the switch to decimal notation does: each field is
/// the three characters ending with its marker, on the untrimmed text. A
/// marker in the first or second position takes the characters before it.
DmsReading readDmsFields(std::string_view text);

/// Room enough for any D/M/S text of a double.
inline constexpr int kDmsRoom = 4 * kStrRoom;

/// Writes an angle as D/M/S text, seconds to thousandths, with carries.
std::string formatDms(double degrees);
/// The same text written at `out`, which has kDmsRoom characters; returns
/// its end.
char* writeDms(double degrees, char* out);

}  // namespace anglewise
