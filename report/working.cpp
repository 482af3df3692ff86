#include "report/working.h"

#include <map>

namespace anglewise {
namespace {

class Working {
 public:
  Working(const GivenValues& given, mpfr_prec_t precision) : given_(given), precision_(precision) {
    for (int row = 0; row < 5; ++row) {
      if (given.values[row]) v_.emplace(kRowNames[row], Real(precision, *given.values[row]));
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
  Real n(double value) const { return Real(precision_, value); }
  bool has(const char* name) const { return v_.count(name) != 0; }
  Real& at(const char* name) { return v_.at(name); }
  Real sinDeg(const Real& a) const { return sin(radians(a)); }
  Real cosDeg(const Real& a) const { return cos(radians(a)); }
  Real tanDeg(const Real& a) const { return tan(radians(a)); }

  void step(const char* name, const std::string& formula, const Real& value) {
    v_.insert_or_assign(name, value);
    lines_.push_back(std::string(name) + " = " + formula + " = " +
                     (value.isNaN() ? std::string("no real number") : value.significant(15)));
  }

  void right() {
    if (has("B") && !has("A")) step("A", "90 - B", n(90) - at("B"));
    if (has("X") && has("Y")) {
      step("Z", "sqrt(Y*Y + X*X)", sqrt(at("Y") * at("Y") + at("X") * at("X")));
      step("A", "atn(Y / X) in degrees", degrees(atan(at("Y") / at("X"))));
    } else if (has("Y") && has("Z")) {
      step("X", "sqrt(Z*Z - Y*Y)", sqrt(at("Z") * at("Z") - at("Y") * at("Y")));
      step("A", "atn(Y / X) in degrees", degrees(atan(at("Y") / at("X"))));
    } else if (has("X") && has("Z")) {
      step("Y", "sqrt(Z*Z - X*X)", sqrt(at("Z") * at("Z") - at("X") * at("X")));
      step("A", "atn(Y / X) in degrees", degrees(atan(at("Y") / at("X"))));
    } else if (has("Z") && has("A")) {
      step("X", "cos(A) * Z", cosDeg(at("A")) * at("Z"));
      step("Y", "sin(A) * Z", sinDeg(at("A")) * at("Z"));
    } else if (has("X") && has("A")) {
      step("Y", "tan(A) * X", tanDeg(at("A")) * at("X"));
      step("Z", "X / cos(A)", at("X") / cosDeg(at("A")));
    } else if (has("Y") && has("A")) {
      step("Z", "Y / sin(A)", at("Y") / sinDeg(at("A")));
      step("X", "Y / tan(A)", at("Y") / tanDeg(at("A")));
    } else {
      lines_.push_back("No case of the right-triangle solver fits these values.");
      return;
    }
    if (!has("B")) step("B", "90 - A", n(90) - at("A"));
    step("area", "Y * X / 2", at("Y") * at("X") / 2);
  }

  // The arcsine as the window builds it from the arctangent: NaN when the
  // sine is out of range, as the window's run-time error says.
  Real arcsine(const Real& s) const { return degrees(asin(s)); }
  void closeC() { step("C", "180 - (B + A)", n(180) - (at("B") + at("A"))); }
  // The obtuse choice turns the angle found into its obtuse reading; with
  // two sides and an angle opposite one, only where that reading can fit.
  void obtuseReading(const char* name, const char* givenAngle = nullptr) {
    if (!given_.obtuse) return;
    if (givenAngle && !(at(name) > at(givenAngle))) {
      lines_.push_back("No obtuse triangle fits: the window says so and keeps the acute one.");
      return;
    }
    step(name, std::string("180 - ") + name + " (the obtuse choice)", n(180) - at(name));
  }

  void oblique(const std::string& rows) {
    if (rows == "X, Y, Z") {
      step("A", "arccos((Z*Z + X*X - Y*Y) / ((X + X) * Z))",
           degrees(acos((at("Z") * at("Z") + at("X") * at("X") - at("Y") * at("Y")) /
                        ((at("X") + at("X")) * at("Z")))));
      step("B", "arcsin(sin(A) * X / Y), always the acute reading",
           arcsine(sinDeg(at("A")) * at("X") / at("Y")));
      closeC();
    } else if (rows == "Y, Z, B") {
      step("X", "sqrt(Z*Z + Y*Y - (Y + Y) * Z * cos(B))",
           sqrt(at("Z") * at("Z") + at("Y") * at("Y") -
                (at("Y") + at("Y")) * at("Z") * cosDeg(at("B"))));
      step("A", "arcsin(sin(B) * Y / X), always the acute reading",
           arcsine(sinDeg(at("B")) * at("Y") / at("X")));
      closeC();
    } else if (rows == "X, Z, A") {
      step("Y", "sqrt(Z*Z + X*X - (X + X) * Z * cos(A))",
           sqrt(at("Z") * at("Z") + at("X") * at("X") -
                (at("X") + at("X")) * at("Z") * cosDeg(at("A"))));
      step("B", "atn(sin(A) * X / (Z - cos(A) * X)) in degrees, negative where B is obtuse",
           degrees(atan(sinDeg(at("A")) * at("X") / (at("Z") - cosDeg(at("A")) * at("X")))));
      closeC();
    } else if (rows == "Y, A, B" || rows == "X, A, B" || rows == "Z, A, B") {
      sideAndTwoAngles(rows[0]);
    } else if (rows == "X, Y, A") {
      step("B", "arcsin(sin(A) * X / Y)", arcsine(sinDeg(at("A")) * at("X") / at("Y")));
      obtuseReading("B", "A");
      closeC();
      step("Z", "sin(C) * Y / sin(A)", sinDeg(at("C")) * at("Y") / sinDeg(at("A")));
    } else if (rows == "X, Y, B") {
      step("A", "arcsin(sin(B) * Y / X)", arcsine(sinDeg(at("B")) * at("Y") / at("X")));
      obtuseReading("A", "B");
      closeC();
      step("Z", "sin(C) * X / sin(B)", sinDeg(at("C")) * at("X") / sinDeg(at("B")));
    } else if (rows == "X, Z, B") {
      step("C", "arcsin(sin(B) * Z / X)", arcsine(sinDeg(at("B")) * at("Z") / at("X")));
      obtuseReading("C");
      step("A", "180 - (C + B)", n(180) - (at("C") + at("B")));
      step("Y", "sin(A) * X / sin(B)", sinDeg(at("A")) * at("X") / sinDeg(at("B")));
    } else if (rows == "Y, Z, A") {
      step("C", "arcsin(sin(A) * Z / Y)", arcsine(sinDeg(at("A")) * at("Z") / at("Y")));
      obtuseReading("C");
      step("B", "180 - (C + A)", n(180) - (at("C") + at("A")));
      step("X", "sin(B) * Y / sin(A)", sinDeg(at("B")) * at("Y") / sinDeg(at("A")));
    } else {
      lines_.push_back("No case of the oblique-triangle solver fits these values.");
    }
  }

  void sideAndTwoAngles(char side) {
    if (side == 'Z') closeC();
    if (side == 'Y') {
      step("X", "sin(B) * Y / sin(A)", sinDeg(at("B")) * at("Y") / sinDeg(at("A")));
      closeC();
      step("Z", "sin(C) * Y / sin(A)", sinDeg(at("C")) * at("Y") / sinDeg(at("A")));
    } else if (side == 'X') {
      step("Y", "sin(A) * X / sin(B)", sinDeg(at("A")) * at("X") / sinDeg(at("B")));
      closeC();
      step("Z", "sin(C) * X / sin(B)", sinDeg(at("C")) * at("X") / sinDeg(at("B")));
    } else {
      step("Y", "sin(A) * Z / sin(C)", sinDeg(at("A")) * at("Z") / sinDeg(at("C")));
      step("X", "sin(B) * Z / sin(C)", sinDeg(at("B")) * at("Z") / sinDeg(at("C")));
    }
  }

  const GivenValues& given_;
  mpfr_prec_t precision_;
  std::map<std::string, Real> v_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> windowWorking(const GivenValues& given, mpfr_prec_t precision) {
  return Working(given, precision).run();
}

}  // namespace anglewise
