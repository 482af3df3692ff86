#include "report/true_triangle.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "exact/degrees.h"
#include "report/decider.h"

namespace anglewise {
namespace {

using exact::Ball;

Ball half(const Ball& b) {
  return exact::scaled2(b, -1);
}

// The side facing `angle`, by the law of sines from `side` facing `known`;
// equal angles, or angles adding to 180 degrees, face equal sides exactly.
Ball facing(const Ball& angle, const Ball& side, const Ball& known) {
  if (exact::certainlyEqual(angle, known) || exact::certainlyEqual(angle + known, Ball(180L))) {
    return side;
  }
  return side * exact::sinCosDegrees(angle).sin / exact::sinCosDegrees(known).sin;
}

// The angle facing side `across` between sides p and q, all exact: special
// where its cosine says so, else tan(angle / 2) = sqrt(dp dq / (s d)).
Ball angleFromSides(const Ball& across, const Ball& p, const Ball& q, const Ball& s,
                    const Ball& dAcross, const Ball& dp, const Ball& dq) {
  if (std::optional<Ball> special =
          exact::specialAngleFromCosine(sqr(p) + sqr(q) - sqr(across), sqr(p) * sqr(q) * 4)) {
    return *special;
  }
  return exact::degrees(atan(sqrt(dp * dq / (s * dAcross)))) * 2;
}

class Solver {
 public:
  Solver(const GivenValues& given, Decider& decide) : given_(given), decide_(decide) {
    for (int row = 0; row < 5; ++row) {
      if (given.values[row]) known_.emplace(kRowNames[row][0], Ball(*given.values[row]));
    }
  }

  Solutions run() { return given_.oblique ? oblique() : right(); }

 private:
  bool has(char name) const { return known_.count(name) != 0; }
  const Ball& at(char name) const { return known_.at(name); }
  bool positive(const Ball& v) { return decide_.below(Ball(0L), v); }
  bool angleBelow(const Ball& v, long degrees) { return decide_.below(v, Ball(degrees)); }

  bool givenPositive() {
    for (const auto& [name, value] : known_) {
      if (!positive(value)) {
        out_.why = name >= 'X' ? "every side must be longer than 0"
                               : "every angle must be greater than 0 degrees";
        return false;
      }
    }
    return true;
  }

  // A triangle from its six parts: the semiperimeter, s - X, s - Y, s - Z
  // and the area by formulas that lose nothing to cancellation.
  void keep(const std::map<char, Ball>& parts) {
    for (const auto& [name, value] : parts) {
      if (!positive(value)) return;
      if (name >= 'A' && name <= 'C' && !angleBelow(value, 180)) return;
    }
    TriangleParts t{parts.at('X'),
                    parts.at('Y'),
                    parts.at('Z'),
                    parts.at('A'),
                    parts.at('B'),
                    parts.at('C'),
                    {},
                    {},
                    {},
                    {},
                    {}};
    t.s = half(t.X + t.Y + t.Z);
    if (t.X.exact() && t.Y.exact() && t.Z.exact()) {
      t.dX = half(t.Y + t.Z - t.X), t.dY = half(t.X + t.Z - t.Y), t.dZ = half(t.X + t.Y - t.Z);
      t.area = sqrt(t.s * t.dX * t.dY * t.dZ);
    } else if (Differences d = differences(t); d.tight) {
      // Sides of much the same size: s - a loses only a few bits, and
      // Heron's formula costs less than a sine.
      t.dX = std::move(d.dX), t.dY = std::move(d.dY), t.dZ = std::move(d.dZ);
      t.area = exactCorner(t) ? areaFromCorner(t) : sqrt(t.s * t.dX * t.dY * t.dZ);
    } else {
      // s - a = 4R cos(alpha / 2) sin(beta / 2) sin(gamma / 2), a facing alpha.
      exact::SinCos a = exact::sinCosDegrees(half(t.A)), b = exact::sinCosDegrees(half(t.B)),
                    c = exact::sinCosDegrees(half(t.C));
      Ball fourR = t.X / exact::sinCosDegrees(t.B).sin * 2;
      t.dX = fourR * b.cos * a.sin * c.sin;
      t.dY = fourR * a.cos * b.sin * c.sin;
      t.dZ = fourR * c.cos * a.sin * b.sin;
      t.area = areaFromCorner(t);
    }
    out_.triangles.push_back(std::move(t));
  }

  struct Differences {
    Ball dX, dY, dZ;
    bool tight;
  };

  // s - X, s - Y and s - Z directly, and whether each kept nearly all the
  // working precision (no side nearly the sum of the other two).
  static Differences differences(const TriangleParts& t) {
    Differences d{half(t.Y + t.Z - t.X), half(t.X + t.Z - t.Y), half(t.X + t.Y - t.Z), false};
    long wanted = exact::WorkingPrecision::bits() - 16;
    d.tight = exact::accuracyBits(d.dX) >= wanted && exact::accuracyBits(d.dY) >= wanted &&
              exact::accuracyBits(d.dZ) >= wanted;
    return d;
  }

  // A corner whose angle and two sides are all exact.
  static bool exactCorner(const TriangleParts& t) {
    return (t.A.exact() && t.X.exact() && t.Z.exact()) ||
           (t.B.exact() && t.Y.exact() && t.Z.exact()) ||
           (t.C.exact() && t.X.exact() && t.Y.exact());
  }

  // Half the product of two sides and the sine of the angle between them,
  // from the corner whose values are exact where there is one.
  static Ball areaFromCorner(const TriangleParts& t) {
    struct Corner {
      const Ball &p, &q, &angle;
    } corners[] = {{t.X, t.Z, t.A}, {t.Y, t.Z, t.B}, {t.X, t.Y, t.C}};
    const Corner* best = &corners[0];
    int bestScore = -1;
    for (const Corner& c : corners) {
      int score = (c.angle.exact() ? 2 : 0) + (c.p.exact() && c.q.exact() ? 1 : 0);
      if (score > bestScore) best = &c, bestScore = score;
    }
    return half(best->p * best->q * exact::sinCosDegrees(best->angle).sin);
  }

  Solutions right() {
    if (given_.count() != 2 || (has('A') && has('B'))) {
      out_.why = has('A') && has('B') ? "two angles alone fix no size"
                                      : "a right triangle is fixed by two values, one a side";
      return out_;
    }
    out_.why = "two values, one a side, fix a right triangle";
    if (!givenPositive()) return out_;
    if (has('A') || has('B')) return rightFromAngle();
    if (has('X') && has('Y')) {
      const Ball &X = at('X'), &Y = at('Y');
      bool even = decide_.equal(X, Y);
      Ball A = even ? Ball(45L) : exact::atan2Degrees(Y, X);
      Ball B = even ? Ball(45L) : exact::atan2Degrees(X, Y);
      keep(
          {{'X', X}, {'Y', Y}, {'Z', sqrt(sqr(X) + sqr(Y))}, {'A', A}, {'B', B}, {'C', Ball(90L)}});
      return out_;
    }
    const Ball& Z = at('Z');
    bool legX = has('X');
    const Ball& leg = legX ? at('X') : at('Y');
    if (!decide_.below(leg, Z)) {
      out_.why = "the hypotenuse Z must be longer than the other side";
      return out_;
    }
    Ball other = sqrt((Z - leg) * (Z + leg));
    // The angle between the leg and Z, special where leg / Z says so.
    std::optional<Ball> at = exact::specialAngleFromCosine(leg, sqr(Z));
    Ball byLeg = at ? *at : exact::atan2Degrees(other, leg);
    Ball across = at ? Ball(90L) - *at : exact::atan2Degrees(leg, other);
    keep({{'X', legX ? leg : other},
          {'Y', legX ? other : leg},
          {'Z', Z},
          {'A', legX ? byLeg : across},
          {'B', legX ? across : byLeg},
          {'C', Ball(90L)}});
    return out_;
  }

  Solutions rightFromAngle() {
    Ball A = has('A') ? at('A') : Ball(90L) - at('B');
    if (!positive(A) || !angleBelow(A, 90)) {
      out_.why = "its angles must lie between 0 and 90 degrees";
      return out_;
    }
    lawOfSines(A, Ball(90L) - A, Ball(90L));
    return out_;
  }

  // The sides from the one given and the three angles.
  void lawOfSines(const Ball& A, const Ball& B, const Ball& C) {
    std::map<char, Ball> angles{{'A', A}, {'B', B}, {'C', C}};
    char side = has('X') ? 'X' : has('Y') ? 'Y' : 'Z';
    const Ball& known = angles.at(oppositeOf(side));
    std::map<char, Ball> parts(angles);
    for (char name : {'X', 'Y', 'Z'}) {
      const Ball& angle = angles.at(oppositeOf(name));
      // Equal angles face one side, found once.
      for (char before = 'X'; before < name && !parts.count(name); ++before) {
        if (exact::certainlyEqual(angle, angles.at(oppositeOf(before)))) {
          parts.emplace(name, parts.at(before));
        }
      }
      if (!parts.count(name)) parts.emplace(name, facing(angle, at(side), known));
    }
    keep(parts);
  }

  Solutions oblique() {
    if (given_.count() != 3) {
      out_.why = "an oblique triangle is fixed by three values, one of them a side";
      return out_;
    }
    if (has('X') && has('Y') && has('Z')) return threeSides();
    if (has('A') && has('B')) return sideAndTwoAngles();
    if (has('Y') && has('Z') && has('B')) return twoSidesAndAngleBetween('B', 'Y', 'Z', 'X');
    if (has('X') && has('Z') && has('A')) return twoSidesAndAngleBetween('A', 'X', 'Z', 'Y');
    return ambiguousCase();
  }

  Solutions threeSides() {
    const Ball &X = at('X'), &Y = at('Y'), &Z = at('Z');
    Ball s = half(X + Y + Z), dX = s - X, dY = s - Y, dZ = s - Z;
    if (!positive(dX) || !positive(dY) || !positive(dZ)) {
      out_.why = "each side must be shorter than the other two together";
      return out_;
    }
    out_.why = "three sides fix one triangle";
    keep({{'X', X},
          {'Y', Y},
          {'Z', Z},
          {'A', angleFromSides(Y, X, Z, s, dY, dX, dZ)},
          {'B', angleFromSides(X, Y, Z, s, dX, dY, dZ)},
          {'C', angleFromSides(Z, X, Y, s, dZ, dX, dY)}});
    return out_;
  }

  Solutions sideAndTwoAngles() {
    const Ball &A = at('A'), &B = at('B');
    Ball C = Ball(180L) - A - B;
    out_.why = "a side and two angles fix one triangle";
    if (!givenPositive()) return out_;
    if (!positive(C)) {
      out_.why = "A and B together must be less than 180 degrees";
      return out_;
    }
    lawOfSines(A, B, C);
    return out_;
  }

  // Two sides p and q and the angle G between them. The third side from
  // r^2 = (p - q)^2 + 4 p q sin^2(G / 2); the angle facing the shorter side
  // is acute, and its tangent has no cancellation: small sin G over
  // (big - small) + 2 small sin^2(G / 2); the other is what is left.
  Solutions twoSidesAndAngleBetween(char G, char p, char q, char r) {
    out_.why = "two sides and the angle between them fix one triangle";
    if (!givenPositive()) return out_;
    const Ball &g = at(G), &pv = at(p), &qv = at(q);
    if (!angleBelow(g, 180)) {
      out_.why = "the angle between them must be less than 180 degrees";
      return out_;
    }
    exact::SinCos full = exact::sinCosDegrees(g);
    Ball halfSineSquared =
        full.cos.exact() ? half(Ball(1L) - full.cos) : sqr(exact::sinCosDegrees(half(g)).sin);
    Ball rSquared = sqr(pv - qv) + pv * qv * halfSineSquared * 4;
    Ball rv = sqrt(rSquared);
    Ball P, Q;
    if (decide_.equal(pv, qv)) {
      P = Q = half(Ball(180L) - g);
    } else {
      bool pSmall = decide_.below(pv, qv);
      const Ball &small = pSmall ? pv : qv, &big = pSmall ? qv : pv;
      std::optional<Ball> special =
          exact::specialAngleFromCosine(sqr(big) + rSquared - sqr(small), sqr(big) * rSquared * 4);
      Ball S = special ? *special
                       : exact::atan2Degrees(small * full.sin,
                                             (big - small) + small * halfSineSquared * 2);
      Ball L = Ball(180L) - g - S;
      P = pSmall ? S : L;
      Q = pSmall ? L : S;
    }
    keep({{p, pv}, {q, qv}, {r, rv}, {G, g}, {oppositeOf(p), P}, {oppositeOf(q), Q}});
    return out_;
  }

  // Two sides and an angle G facing one of them, g: the angle H facing the
  // other side h has the sine h sin G / g, which may be too large (no
  // triangle), exactly 1, or fit an acute and an obtuse angle. Where
  // sin^2 G is rational the comparison with the height is exact.
  Solutions ambiguousCase() {
    char G = has('A') ? 'A' : 'B';
    char g = oppositeOf(G), h = 0;
    for (char side : {'X', 'Y', 'Z'}) {
      if (has(side) && side != g) h = side;
    }
    char H = oppositeOf(h);
    char T = static_cast<char>('A' + 'B' + 'C' - G - H);
    char t = oppositeOf(T);
    out_.why = "two sides and an angle facing one of them";
    if (!givenPositive()) return out_;
    const Ball &gv = at(g), &hv = at(h), &Gv = at(G);
    if (!angleBelow(Gv, 180)) {
      out_.why = std::string("the angle ") + G + " must be less than 180 degrees";
      return out_;
    }
    exact::SinCos sine = exact::sinCosDegrees(Gv);
    std::optional<Ball> sineSquared = exact::exactSineSquared(Gv);
    Ball height = hv * sine.sin;
    std::string heightText = std::string(1, h) + " sin " + G + " = " + decide_.significant(height);
    std::string gText = std::string(1, g) + " = " + decide_.significant(gv);
    int order = sineSquared ? exact::compareOr(sqr(gv), sqr(hv) * *sineSquared, exact::kUndecided)
                            : exact::compareOr(gv, height, exact::kUndecided);
    if (order == exact::kUndecided) decide_.unsettle();
    if (order < 0) {
      out_.why =
          gText + " is shorter than the height " + heightText + " it must reach: no triangle";
      return out_;
    }
    bool reaches = order == 0;
    Ball acute;
    std::optional<Ball> special;
    if (sineSquared) special = exact::specialAngleFromSineSquared(sqr(hv) * *sineSquared, sqr(gv));
    if (decide_.equal(gv, hv)) {
      acute = angleBelow(Gv, 90) ? Gv : Ball(180L) - Gv;
    } else if (reaches) {
      acute = Ball(90L);
    } else if (special) {
      acute = *special;
    } else {
      acute = exact::degrees(asin(height / gv));
    }
    bool gShorter = decide_.below(gv, hv);
    bool two = gShorter && angleBelow(Gv, 90) && !reaches;
    std::vector<Ball> choices{acute};
    if (two) choices.push_back(Ball(180L) - acute);
    for (size_t i = 0; i < choices.size(); ++i) {
      // The acute reading leaves room for T where G is acute or g longer.
      if (i == 0 && !angleBelow(Gv, 90) && !decide_.below(hv, gv)) continue;
      const Ball& Hv = choices[i];
      // With H obtuse, T = 180 - G - (180 - acute) = acute - G.
      Ball Tv = i == 0 ? Ball(180L) - Gv - Hv : acute - Gv;
      Ball tv = exact::certainlyEqual(Tv, Hv) ? hv : facing(Tv, gv, Gv);
      keep({{g, gv}, {h, hv}, {t, tv}, {G, Gv}, {H, Hv}, {T, Tv}});
    }
    std::string against = gText + " against the height " + heightText;
    if (two) {
      out_.why = against + ": two triangles, " + H + " acute or obtuse";
    } else if (out_.triangles.empty()) {
      out_.why = against + ": no triangle, for the side opposite an angle of 90 degrees or " +
                 "more must be the longest";
    } else {
      out_.why = against + ": one triangle";
    }
    return out_;
  }

  const GivenValues& given_;
  Decider& decide_;
  std::map<char, Ball> known_;
  Solutions out_;
};

int binaryExponent(double v) {
  return v == 0 || !std::isfinite(v) ? 0 : std::ilogb(v);
}

}  // namespace

std::string GivenValues::rowList() const {
  std::string out;
  for (int row = 0; row < 5; ++row) {
    if (!values[row]) continue;
    if (!out.empty()) out += ", ";
    out += kRowNames[row];
  }
  return out;
}

Solutions solveTrue(const GivenValues& given, Decider& decide) {
  return Solver(given, decide).run();
}

long startingPrecision(const GivenValues& given) {
  // Sides far apart in size, or two nearly equal (a flat triangle in the
  // making), and angles near 0 or 180 degrees leave fewer good bits.
  long extra = 0;
  int low = 0, high = 0;
  bool any = false;
  for (int row = 0; row < 3; ++row) {
    if (!given.values[row]) continue;
    int e = binaryExponent(*given.values[row]);
    low = any ? std::min(low, e) : e, high = any ? std::max(high, e) : e;
    any = true;
    for (int other = row + 1; other < 3; ++other) {
      if (!given.values[other]) continue;
      double a = *given.values[row], b = *given.values[other];
      if (a != b)
        extra = std::max(
            extra, 0L + std::max(binaryExponent(a), binaryExponent(b)) - binaryExponent(a - b));
    }
  }
  extra += high - low;
  for (int row = 3; row < 5; ++row) {
    if (!given.values[row]) continue;
    double a = std::fabs(*given.values[row]);
    extra += std::max(0, -binaryExponent(a)) + std::max(0, -binaryExponent(180 - a));
  }
  // About 100 good bits settle nearly everything; Arb works in whole
  // 64-bit limbs, so the bits are rounded up to one.
  long wanted = 100 + std::min(extra, 4096L);
  return (wanted + 63) / 64 * 64;
}

}  // namespace anglewise
