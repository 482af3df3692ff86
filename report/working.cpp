#include "report/working.h"

#include <map>

#include "exact/degrees.h"
#include "report/decider.h"

namespace anglewise {
namespace {

using exact::Ball;

// An exact quotient num / den, for the squares that settle an arcsine.
struct Quotient {
  Ball num, den;
};

Ball noRealNumber() {
  Ball out;
  arb_indeterminate(out.get());
  return out;
}

class Working {
 public:
  Working(const GivenValues& given, Decider& decide) : given_(given), decide_(decide) {
    for (int row = 0; row < 5; ++row) {
      if (!given.values[row]) continue;
      Ball v(*given.values[row]);
      const char* name = kRowNames[row];
      if (row < 3) square_.insert_or_assign(name, Quotient{sqr(v), Ball(1L)});
      if (std::optional<Ball> s = exact::exactSineSquared(v)) {
        sineSquare_.insert_or_assign(name, Quotient{*s, Ball(1L)});
      }
      v_.insert_or_assign(name, std::move(v));
    }
  }

  std::vector<std::string> run() {
    std::string rows = given_.rowList();
    lines_.push_back("The window's case: " + (rows.empty() ? std::string("none") : rows) +
                     " given" + (given_.oblique ? ", oblique" : ", right angle at C") + ".");
    if (given_.oblique) {
      oblique(rows);
    } else {
      right();
    }
    return lines_;
  }

 private:
  bool has(const char* name) const { return v_.count(name) != 0; }
  const Ball& at(const char* name) const { return v_.at(name); }
  Ball sinDeg(const char* name) const { return exact::sinCosDegrees(at(name)).sin; }
  Ball cosDeg(const char* name) const { return exact::sinCosDegrees(at(name)).cos; }
  Ball tanDeg(const char* name) {
    exact::SinCos sc = exact::sinCosDegrees(at(name));
    return divided(sc.sin, sc.cos);
  }
  // A quotient, no real number where the divisor is 0; a divisor whose
  // enclosure holds 0 is not decided yet.
  Ball divided(const Ball& a, const Ball& b) {
    if (!a.finite() || !b.finite() || b.zero()) return noRealNumber();
    if (!b.positive() && !b.negative()) decide_.unsettle();
    return a / b;
  }

  // sin(p) * side / sin(q): exactly the side where p and q are equal or
  // add up to 180 degrees.
  Ball sineRatio(const char* p, const char* side, const char* q) {
    const Ball &P = at(p), &Q = at(q);
    if (exact::certainlyEqual(P, Q) || exact::certainlyEqual(P + Q, Ball(180L))) return at(side);
    return divided(sinDeg(p) * at(side), sinDeg(q));
  }

  void step(const char* name, const std::string& formula, const Ball& value) {
    std::string shown = value.finite() ? decide_.significant(value) : "no real number";
    lines_.push_back(std::string(name) + " = " + formula + " = " + shown);
    if (value.exact()) {
      square_.insert_or_assign(name, Quotient{sqr(value), Ball(1L)});
      if (std::optional<Ball> s = exact::exactSineSquared(value)) {
        sineSquare_.insert_or_assign(name, Quotient{*s, Ball(1L)});
      } else {
        sineSquare_.erase(name);
      }
    } else {
      square_.erase(name);
      sineSquare_.erase(name);
    }
    v_.insert_or_assign(name, value);
  }

  // A square root whose radicand is exact keeps it as its square.
  void rootStep(const char* name, const std::string& formula, const Ball& radicand) {
    Ball value = noRealNumber();
    if (radicand.finite()) {
      if (radicand.zero() || radicand.positive()) {
        value = sqrt(radicand);
      } else if (!radicand.negative()) {
        decide_.unsettle();
      }
    }
    step(name, formula, value);
    if (value.finite() && radicand.exact()) {
      square_.insert_or_assign(name, Quotient{radicand, Ball(1L)});
    }
  }

  // arccos of num / den in degrees, num and den exact.
  void arccosStep(const char* name, const std::string& formula, const Ball& num, const Ball& den) {
    int order = exact::compareOr(abs(num), abs(den), exact::kUndecided);
    if (order == exact::kUndecided) decide_.unsettle();
    if (order > 0 || den.zero()) return step(name, formula, noRealNumber());
    std::optional<Ball> special = exact::specialAngleFromCosine(num, sqr(den));
    Ball angle = special ? *special : exact::degrees(acos(num / den));
    step(name, formula, angle);
    if (!special && num.exact() && den.exact()) {
      sineSquare_.insert_or_assign(name, Quotient{sqr(den) - sqr(num), sqr(den)});
    }
  }

  static Ball acos(const Ball& c) {
    Ball out;
    arb_acos(out.get(), c.get(), exact::WorkingPrecision::bits());
    return out;
  }

  // The window's arcsine of sin(angle) * p / q: no real number past 1;
  // where the square of its argument is known exactly, 1 is decided.
  void arcsineStep(const char* name, const std::string& formula, const char* angle, const char* p,
                   const char* q) {
    Ball s = divided(sinDeg(angle) * at(p), at(q));
    if (!s.finite()) return step(name, formula, noRealNumber());
    // Equal sides: the arcsine of sin(angle) is the angle's acute reading.
    if (exact::certainlyEqual(at(p), at(q)) && at(angle).positive() &&
        decide_.below(at(angle), Ball(180L))) {
      const Ball& a = at(angle);
      return step(name, formula, decide_.below(Ball(90L), a) ? Ball(180L) - a : a);
    }
    if (sineSquare_.count(angle) && square_.count(p) && square_.count(q)) {
      const Quotient &a = sineSquare_.at(angle), &b = square_.at(p), &c = square_.at(q);
      Quotient sq{a.num * b.num * c.den, a.den * b.den * c.num};
      int order = exact::compareOr(sq.num, sq.den, exact::kUndecided);
      if (order > 0) return step(name, formula, noRealNumber());
      if (order == 0) return step(name, formula, Ball(s.positive() ? 90L : -90L));
      if (std::optional<Ball> special = exact::specialAngleFromSineSquared(sq.num, sq.den)) {
        return step(name, formula, s.negative() ? -*special : *special);
      }
    }
    Ball magnitude = abs(s);
    int order = exact::compareOr(magnitude, Ball(1L), exact::kUndecided);
    if (order == exact::kUndecided || order == 0) {
      decide_.unsettle();
      return step(name, formula, Ball(0L));
    }
    if (order > 0) return step(name, formula, noRealNumber());
    step(name, formula, exact::degrees(asin(s)));
  }

  static Ball atnDegrees(const Ball& t) {
    if (!t.finite()) return noRealNumber();
    return exact::degrees(atan(t));
  }

  void right() {
    if (has("B") && !has("A")) step("A", "90 - B", Ball(90L) - at("B"));
    if (has("X") && has("Y")) {
      step("Z", "sqrt(Y*Y + X*X)", sqrt(sqr(at("Y")) + sqr(at("X"))));
      step("A", "atn(Y / X) in degrees", atnDegrees(divided(at("Y"), at("X"))));
    } else if (has("Y") && has("Z")) {
      rootStep("X", "sqrt(Z*Z - Y*Y)", sqr(at("Z")) - sqr(at("Y")));
      step("A", "atn(Y / X) in degrees", atnDegrees(divided(at("Y"), at("X"))));
    } else if (has("X") && has("Z")) {
      rootStep("Y", "sqrt(Z*Z - X*X)", sqr(at("Z")) - sqr(at("X")));
      step("A", "atn(Y / X) in degrees", atnDegrees(divided(at("Y"), at("X"))));
    } else if (has("Z") && has("A")) {
      step("X", "cos(A) * Z", cosDeg("A") * at("Z"));
      step("Y", "sin(A) * Z", sinDeg("A") * at("Z"));
    } else if (has("X") && has("A")) {
      step("Y", "tan(A) * X", tanDeg("A") * at("X"));
      step("Z", "X / cos(A)", divided(at("X"), cosDeg("A")));
    } else if (has("Y") && has("A")) {
      step("Z", "Y / sin(A)", divided(at("Y"), sinDeg("A")));
      step("X", "Y / tan(A)", divided(at("Y"), tanDeg("A")));
    } else {
      lines_.push_back("No case of the right-triangle solver fits these values.");
      return;
    }
    if (!has("B")) step("B", "90 - A", Ball(90L) - at("A"));
    step("area", "Y * X / 2", at("Y") * at("X") / 2);
  }

  void closeC() { step("C", "180 - (B + A)", Ball(180L) - (at("B") + at("A"))); }

  // The obtuse choice turns the angle found into its obtuse reading; with
  // two sides and an angle opposite one, only where that reading can fit.
  void obtuseReading(const char* name, const char* givenAngle = nullptr) {
    if (!given_.obtuse) return;
    if (givenAngle && !(at(name).finite() && decide_.below(at(givenAngle), at(name)))) {
      lines_.push_back("No obtuse triangle fits: the window says so and keeps the acute one.");
      return;
    }
    step(name, std::string("180 - ") + name + " (the obtuse choice)", Ball(180L) - at(name));
  }

  void oblique(const std::string& rows) {
    if (rows == "X, Y, Z") {
      const Ball &X = at("X"), &Y = at("Y"), &Z = at("Z");
      arccosStep("A", "arccos((Z*Z + X*X - Y*Y) / ((X + X) * Z))", sqr(Z) + sqr(X) - sqr(Y),
                 (X + X) * Z);
      arcsineStep("B", "arcsin(sin(A) * X / Y), always the acute reading", "A", "X", "Y");
      closeC();
    } else if (rows == "Y, Z, B") {
      twoSidesStep("X", "sqrt(Z*Z + Y*Y - (Y + Y) * Z * cos(B))", "Y", "Z", "B");
      arcsineStep("A", "arcsin(sin(B) * Y / X), always the acute reading", "B", "Y", "X");
      closeC();
    } else if (rows == "X, Z, A") {
      twoSidesStep("Y", "sqrt(Z*Z + X*X - (X + X) * Z * cos(A))", "X", "Z", "A");
      step("B", "atn(sin(A) * X / (Z - cos(A) * X)) in degrees, negative where B is obtuse",
           atnDegrees(divided(sinDeg("A") * at("X"), at("Z") - cosDeg("A") * at("X"))));
      closeC();
    } else if (rows == "Y, A, B" || rows == "X, A, B" || rows == "Z, A, B") {
      sideAndTwoAngles(rows[0]);
    } else if (rows == "X, Y, A") {
      arcsineStep("B", "arcsin(sin(A) * X / Y)", "A", "X", "Y");
      obtuseReading("B", "A");
      closeC();
      step("Z", "sin(C) * Y / sin(A)", sineRatio("C", "Y", "A"));
    } else if (rows == "X, Y, B") {
      arcsineStep("A", "arcsin(sin(B) * Y / X)", "B", "Y", "X");
      obtuseReading("A", "B");
      closeC();
      step("Z", "sin(C) * X / sin(B)", sineRatio("C", "X", "B"));
    } else if (rows == "X, Z, B") {
      arcsineStep("C", "arcsin(sin(B) * Z / X)", "B", "Z", "X");
      obtuseReading("C");
      step("A", "180 - (C + B)", Ball(180L) - (at("C") + at("B")));
      step("Y", "sin(A) * X / sin(B)", sineRatio("A", "X", "B"));
    } else if (rows == "Y, Z, A") {
      arcsineStep("C", "arcsin(sin(A) * Z / Y)", "A", "Z", "Y");
      obtuseReading("C");
      step("B", "180 - (C + A)", Ball(180L) - (at("C") + at("A")));
      step("X", "sin(B) * Y / sin(A)", sineRatio("B", "Y", "A"));
    } else {
      lines_.push_back("No case of the oblique-triangle solver fits these values.");
    }
  }

  // The law of cosines for the side facing `angle`.
  void twoSidesStep(const char* name, const std::string& formula, const char* p, const char* q,
                    const char* angle) {
    const Ball &a = at(p), &b = at(q);
    rootStep(name, formula, sqr(b) + sqr(a) - (a + a) * b * cosDeg(angle));
  }

  void sideAndTwoAngles(char side) {
    if (side == 'Z') closeC();
    if (side == 'Y') {
      step("X", "sin(B) * Y / sin(A)", sineRatio("B", "Y", "A"));
      closeC();
      step("Z", "sin(C) * Y / sin(A)", sineRatio("C", "Y", "A"));
    } else if (side == 'X') {
      step("Y", "sin(A) * X / sin(B)", sineRatio("A", "X", "B"));
      closeC();
      step("Z", "sin(C) * X / sin(B)", sineRatio("C", "X", "B"));
    } else {
      step("Y", "sin(A) * Z / sin(C)", sineRatio("A", "Z", "C"));
      step("X", "sin(B) * Z / sin(C)", sineRatio("B", "Z", "C"));
    }
  }

  const GivenValues& given_;
  Decider& decide_;
  std::map<std::string, Ball> v_;
  std::map<std::string, Quotient> square_, sineSquare_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> windowWorking(const GivenValues& given, Decider& decide) {
  return Working(given, decide).run();
}

}  // namespace anglewise
