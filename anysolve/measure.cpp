#include "anysolve/measure.h"

#include <cctype>

namespace anglewise::anysolve {

const std::vector<MeasureInfo>& measures() {
  using M = Measure;
  static const std::vector<MeasureInfo> table = {
      {M::X, "X", "side X", 1, M::Y},
      {M::Y, "Y", "side Y", 1, M::X},
      {M::Z, "Z", "side Z", 1, M::Z},
      {M::A, "A", "angle A", 0, M::B},
      {M::B, "B", "angle B", 0, M::A},
      {M::C, "C", "angle C", 0, M::C},
      {M::hX, "hX", "the height to X", 1, M::hY},
      {M::hY, "hY", "the height to Y", 1, M::hX},
      {M::hZ, "hZ", "the height to Z", 1, M::hZ},
      {M::mX, "mX", "the median to X", 1, M::mY},
      {M::mY, "mY", "the median to Y", 1, M::mX},
      {M::mZ, "mZ", "the median to Z", 1, M::mZ},
      {M::tA, "tA", "the bisector of A", 1, M::tB},
      {M::tB, "tB", "the bisector of B", 1, M::tA},
      {M::tC, "tC", "the bisector of C", 1, M::tC},
      {M::Area, "area", "the area", 2, M::Area},
      {M::Perimeter, "perimeter", "the perimeter", 1, M::Perimeter},
      {M::Inradius, "inradius", "the inradius", 1, M::Inradius},
      {M::Circumradius, "circumradius", "the circumradius", 1, M::Circumradius},
  };
  return table;
}

std::optional<Measure> measureNamed(std::string_view name) {
  auto same = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(a[i])) !=
          std::tolower(static_cast<unsigned char>(b[i]))) {
        return false;
      }
    }
    return true;
  };
  for (const MeasureInfo& m : measures()) {
    if (same(name, m.name)) return m.measure;
  }
  return std::nullopt;
}

}  // namespace anglewise::anysolve
