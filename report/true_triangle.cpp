#include "report/true_triangle.h"

#include <map>

namespace anglewise {
namespace {

// The side opposite each angle and the angle opposite each side.
char oppositeOf(char name) {
  switch (name) {
    case 'X':
      return 'B';
    case 'B':
      return 'X';
    case 'Y':
      return 'A';
    case 'A':
      return 'Y';
    case 'Z':
      return 'C';
    default:
      return 'Z';
  }
}

std::string shortText(const Real& value) {
  return value.significant(15);
}

class Solver {
 public:
  Solver(const GivenValues& given, mpfr_prec_t precision) : given_(given), precision_(precision) {
    for (int row = 0; row < 5; ++row) {
      if (given.values[row]) known_.emplace(kRowNames[row][0], real(*given.values[row]));
    }
  }

  Solutions run() { return given_.oblique ? oblique() : right(); }

 private:
  Real real(double value) const { return Real(precision_, value); }
  bool has(char name) const { return known_.count(name) != 0; }
  const Real& at(char name) const { return known_.at(name); }

  // A triangle from a full set of names, if every part is positive and
  // every angle below 180 degrees.
  void keep(std::map<char, Real> parts) {
    Real zero = real(0), straight = real(180);
    for (const auto& [name, value] : parts) {
      if (!(value > zero) || value.isNaN()) return;
      if (name >= 'A' && name <= 'C' && !(value < straight)) return;
    }
    out_.triangles.push_back(
        {parts.at('X'), parts.at('Y'), parts.at('Z'), parts.at('A'), parts.at('B'), parts.at('C')});
  }

  // The angles of a triangle whose three sides are known, by the law of
  // cosines; given angles are kept as given.
  std::map<char, Real> fromSides(Real X, Real Y, Real Z) {
    std::map<char, Real> parts{{'X', X}, {'Y', Y}, {'Z', Z}};
    Real A = has('A') ? at('A') : degrees(acos((X * X + Z * Z - Y * Y) / (X * Z * 2)));
    Real B = has('B') ? at('B') : degrees(acos((Y * Y + Z * Z - X * X) / (Y * Z * 2)));
    parts.emplace('A', A);
    parts.emplace('B', B);
    parts.emplace('C', real(180) - A - B);
    return parts;
  }

  Solutions right() {
    if (given_.count() != 2 || (has('A') && has('B'))) {
      out_.why = has('A') && has('B') ? "two angles alone fix no size"
                                      : "a right triangle is fixed by two values, one a side";
      return out_;
    }
    std::optional<Real> A;
    if (has('A')) A = at('A');
    if (has('B')) A = real(90) - at('B');
    Real X = real(0), Y = real(0), Z = real(0);
    if (has('X') && has('Y')) {
      X = at('X'), Y = at('Y'), Z = sqrt(X * X + Y * Y);
    } else if (has('Z') && (has('X') || has('Y'))) {
      Z = at('Z');
      Real leg = has('X') ? at('X') : at('Y');
      if (!(Z > leg)) {
        out_.why = "the hypotenuse Z must be longer than the other side";
        return out_;
      }
      Real other = sqrt(Z * Z - leg * leg);
      X = has('X') ? leg : other;
      Y = has('X') ? other : leg;
    } else if (A) {
      Real a = radians(*A);
      if (has('Z')) X = at('Z') * cos(a), Y = at('Z') * sin(a), Z = at('Z');
      if (has('X')) X = at('X'), Y = at('X') * tan(a), Z = at('X') / cos(a);
      if (has('Y')) Y = at('Y'), X = at('Y') / tan(a), Z = at('Y') / sin(a);
    }
    if (!A) A = degrees(atan(Y / X));
    out_.why = "two values, one a side, fix a right triangle";
    keep({{'X', X}, {'Y', Y}, {'Z', Z}, {'A', *A}, {'B', real(90) - *A}, {'C', real(90)}});
    if (out_.triangles.empty()) out_.why = "its angles must lie between 0 and 90 degrees";
    return out_;
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
    const Real &X = at('X'), &Y = at('Y'), &Z = at('Z');
    if (!(X + Y > Z && Y + Z > X && X + Z > Y)) {
      out_.why = "each side must be shorter than the other two together";
      return out_;
    }
    out_.why = "three sides fix one triangle";
    keep(fromSides(X, Y, Z));
    return out_;
  }

  Solutions sideAndTwoAngles() {
    char side = has('X') ? 'X' : has('Y') ? 'Y' : 'Z';
    Real A = at('A'), B = at('B'), C = real(180) - A - B;
    std::map<char, Real> angles{{'A', A}, {'B', B}, {'C', C}};
    if (!(C > real(0))) {
      out_.why = "A and B together must be less than 180 degrees";
      return out_;
    }
    Real ratio = at(side) / sin(radians(angles.at(oppositeOf(side))));
    out_.why = "a side and two angles fix one triangle";
    keep({{'X', ratio * sin(radians(B))},
          {'Y', ratio * sin(radians(A))},
          {'Z', ratio * sin(radians(C))},
          {'A', A},
          {'B', B},
          {'C', C}});
    return out_;
  }

  // Two sides and the angle between them: the third side by the law of
  // cosines, then the angles from the sides.
  Solutions twoSidesAndAngleBetween(char angle, char first, char second, char third) {
    Real cosine = cos(radians(at(angle)));
    Real side =
        sqrt(at(first) * at(first) + at(second) * at(second) - at(first) * at(second) * cosine * 2);
    std::map<char, Real> sides{{first, at(first)}, {second, at(second)}, {third, side}};
    out_.why = "two sides and the angle between them fix one triangle";
    keep(fromSides(sides.at('X'), sides.at('Y'), sides.at('Z')));
    return out_;
  }

  // Two sides and an angle opposite one of them: the other side's opposite
  // angle has a sine of h sin G / g, which may be too large (no triangle),
  // exactly 1, or fit an acute and an obtuse angle.
  Solutions ambiguousCase() {
    char G = has('A') ? 'A' : 'B';
    char g = oppositeOf(G);
    char h = 0;
    for (char side : {'X', 'Y', 'Z'}) {
      if (has(side) && side != g) h = side;
    }
    char H = oppositeOf(h);
    char T = 'A' + 'B' + 'C' - G - H;
    char t = oppositeOf(T);
    Real height = at(h) * sin(radians(at(G)));
    std::string heightText = std::string(1, h) + " sin " + G + " = " + shortText(height);
    if (at(g) < height) {
      out_.why = std::string(1, g) + " = " + shortText(at(g)) + " is shorter than the height " +
                 heightText + " it must reach: no triangle";
      return out_;
    }
    // Where the side just reaches the height (exactly, as far as this
    // precision can tell) the other angle is a right angle, and there is
    // one triangle.
    bool reaches = same(at(g), height);
    Real sineH = reaches ? real(1) : height / at(g);
    Real acute = degrees(asin(sineH));
    std::vector<Real> choices{acute};
    bool two = at(g) < at(h) && at(G) < real(90) && !reaches;
    if (two) choices.push_back(real(180) - acute);
    for (const Real& angleH : choices) {
      Real angleT = real(180) - at(G) - angleH;
      Real sideT = at(g) * sin(radians(angleT)) / sin(radians(at(G)));
      keep({{g, at(g)}, {h, at(h)}, {t, sideT}, {G, at(G)}, {H, angleH}, {T, angleT}});
    }
    std::string against =
        std::string(1, g) + " = " + shortText(at(g)) + " against the height " + heightText;
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
  mpfr_prec_t precision_;
  std::map<char, Real> known_;
  Solutions out_;
};

}  // namespace

// Equal within what the working precision can tell apart.
bool same(const Real& a, const Real& b) {
  Real scale = abs(a) > abs(b) ? abs(a) : abs(b);
  mpfr_mul_2si(scale.get(), scale.get(), -(a.precision() - 32), MPFR_RNDN);
  return !(abs(a - b) > scale);
}

std::string GivenValues::rowList() const {
  std::string out;
  for (int row = 0; row < 5; ++row) {
    if (!values[row]) continue;
    if (!out.empty()) out += ", ";
    out += kRowNames[row];
  }
  return out;
}

int GivenValues::count() const {
  int n = 0;
  for (const auto& v : values) n += v ? 1 : 0;
  return n;
}

Solutions solveTrue(const GivenValues& given, mpfr_prec_t precision) {
  return Solver(given, precision).run();
}

}  // namespace anglewise
