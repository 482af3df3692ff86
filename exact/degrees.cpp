#include "exact/degrees.h"

#include <array>

namespace anglewise::exact {
namespace {

struct Special {
  long degrees;
  long sinSquaredQuarters;  ///< sin^2 in quarters
  int cosineSign;
};

// cos^2 = 1 - sin^2; the sign of the cosine tells the angle from its supplement.
constexpr std::array<Special, 9> kSpecial = {{{0, 0, 1},
                                              {30, 1, 1},
                                              {45, 2, 1},
                                              {60, 3, 1},
                                              {90, 4, 0},
                                              {120, 3, -1},
                                              {135, 2, -1},
                                              {150, 1, -1},
                                              {180, 0, -1}}};

const Special* special(const Ball& degrees) {
  if (!degrees.exact()) return nullptr;
  for (const Special& s : kSpecial) {
    if (arf_equal_si(arb_midref(degrees.get()), s.degrees)) return &s;
  }
  return nullptr;
}

// sin and cos that are rational: 0, 1/2, 1 and their negatives.
std::optional<Ball> rationalRoot(long quarters, int sign) {
  Ball out;
  switch (quarters) {
    case 0:
      return Ball(0L);
    case 1:
      out = scaled2(Ball(1L), -1);
      break;
    case 4:
      out = Ball(1L);
      break;
    default:
      return std::nullopt;
  }
  return sign < 0 ? -out : out;
}

}  // namespace

Ball radians(const Ball& degrees) {
  return degrees * pi() / 180;
}

Ball degrees(const Ball& radians) {
  return radians * 180 / pi();
}

SinCos sinCosDegrees(const Ball& degrees) {
  SinCos out;
  if (const Special* s = special(degrees)) {
    std::optional<Ball> sine = rationalRoot(s->sinSquaredQuarters, 1);
    std::optional<Ball> cosine = rationalRoot(4 - s->sinSquaredQuarters, s->cosineSign);
    if (sine && cosine) return {*sine, *cosine};
    sinCosPi(degrees / 180, out.sin, out.cos);
    if (sine) out.sin = *sine;
    if (cosine) out.cos = *cosine;
    return out;
  }
  sinCosPi(degrees / 180, out.sin, out.cos);
  return out;
}

std::optional<Ball> rationalSine(const Ball& degrees) {
  if (const Special* s = special(degrees)) return rationalRoot(s->sinSquaredQuarters, 1);
  return std::nullopt;
}

std::optional<Ball> exactSineSquared(const Ball& degrees) {
  if (const Special* s = special(degrees)) return scaled2(Ball(s->sinSquaredQuarters), -2);
  return std::nullopt;
}

std::optional<Ball> specialAngleFromCosine(const Ball& num, const Ball& denSquared) {
  if (!num.exact() || !denSquared.exact()) return std::nullopt;
  // cos^2 = num^2 / denSquared = k / 4
  Ball fourNumSquared = sqr(num) * 4;
  int sign = num.positive() ? 1 : num.negative() ? -1 : 0;
  for (const Special& s : kSpecial) {
    if (s.cosineSign != sign) continue;
    if (certainlyEqual(fourNumSquared, denSquared * (4 - s.sinSquaredQuarters))) {
      return Ball(s.degrees);
    }
  }
  return std::nullopt;
}

std::optional<Ball> specialAngleFromSineSquared(const Ball& num, const Ball& den) {
  if (!num.exact() || !den.exact()) return std::nullopt;
  Ball fourNum = num * 4;
  for (const Special& s : kSpecial) {
    if (s.degrees > 90) break;
    if (certainlyEqual(fourNum, den * s.sinSquaredQuarters)) return Ball(s.degrees);
  }
  return std::nullopt;
}

Ball atan2Degrees(const Ball& y, const Ball& x) {
  return degrees(atan2(y, x));
}

}  // namespace anglewise::exact
