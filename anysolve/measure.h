#pragma once
// The measures a triangle can be given by beyond its sides and angles:
// heights, medians, angle bisectors, area, perimeter, inradius and
// circumradius, each with the name the command line, CSV columns and JSON
// keys use. Side X faces angle B, Y faces A and Z faces C.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace anglewise::anysolve {

enum class Measure {
  X,
  Y,
  Z,  // sides
  A,
  B,
  C,  // angles, degrees
  hX,
  hY,
  hZ,  // heights to each side
  mX,
  mY,
  mZ,  // medians to each side
  tA,
  tB,
  tC,  // bisectors of each angle
  Area,
  Perimeter,
  Inradius,
  Circumradius,
};

inline constexpr size_t kMeasureCount = static_cast<size_t>(Measure::Circumradius) + 1;

struct MeasureInfo {
  Measure measure;
  const char* name;   ///< "hX", "area"
  const char* words;  ///< "the height to X", for sentences
  int dimension;      ///< 0 an angle, 1 a length, 2 an area
  Measure mirror;     ///< the same measure with X and Y (A and B) swapped
};

/// Every measure, in the order of the enum.
const std::vector<MeasureInfo>& measures();
inline const MeasureInfo& info(Measure m) {
  return measures()[static_cast<size_t>(m)];
}
/// The measure of a name; case does not matter ("HX", "Area").
std::optional<Measure> measureNamed(std::string_view name);
inline bool isAngle(Measure m) {
  return info(m).dimension == 0;
}

}  // namespace anglewise::anysolve
