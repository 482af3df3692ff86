// The right-triangle solver: C is 90 degrees, X and Y the legs, Z the
// hypotenuse, A opposite Y. Two given values pick one of six cases.
#include "solver/angles.h"
#include "solver/numbers.h"
#include "solver/solvers.h"

namespace anglewise {
namespace {

enum class RightCase { None, XY, YZ, XZ, ZAngle, XAngle, YAngle };
using G = Given;

RightCase chooseByBoxes(const SolverWindow& w) {
  struct Row {
    Given a, b;
    RightCase kind;
  };
  static constexpr Row kRows[] = {{G::X, G::Y, RightCase::XY},     {G::Y, G::Z, RightCase::YZ},
                                  {G::X, G::Z, RightCase::XZ},     {G::Z, G::A, RightCase::ZAngle},
                                  {G::X, G::A, RightCase::XAngle}, {G::Y, G::A, RightCase::YAngle},
                                  {G::Z, G::B, RightCase::ZAngle}, {G::X, G::B, RightCase::XAngle},
                                  {G::Y, G::B, RightCase::YAngle}};
  for (const Row& row : kRows) {
    if (w.ticked(row.a) && w.ticked(row.b)) return row.kind;
  }
  return RightCase::None;
}

RightCase chooseByValues(const TriangleState& s, const SolverWindow& w) {
  bool angleText = !w.angleTextEmpty(G::A);
  if (s.sideX > 0 && s.sideY > 0) return RightCase::XY;
  if (s.sideY > 0 && s.sideZ > 0) return RightCase::YZ;
  if (s.sideX > 0 && s.sideZ > 0) return RightCase::XZ;
  if (s.sideZ > 0 && angleText) return RightCase::ZAngle;
  if (s.sideX > 0 && angleText) return RightCase::XAngle;
  if (s.sideY > 0 && angleText) return RightCase::YAngle;
  if (s.sideZ > 0 && s.angleA > 0) return RightCase::ZAngle;
  if (s.sideX > 0 && s.angleA > 0) return RightCase::XAngle;
  if (s.sideY > 0 && s.angleA > 0) return RightCase::YAngle;
  return RightCase::None;
}

// Ticks the angle box: A when its text is there, else B.
void tickAngleBox(SolverWindow& w) {
  w.tick(w.angleTextEmpty(G::A) ? G::B : G::A);
}

// Returns false when the case refused its values (Z not the longest side).
bool compute(RightCase kind, TriangleState& s, SolverWindow& w) {
  Num X = s.sideX, Y = s.sideY, Z = s.sideZ;
  bool zCase = kind == RightCase::YZ || kind == RightCase::XZ;
  if (zCase && s.sideZ <= (kind == RightCase::YZ ? s.sideY : s.sideX)) {
    // Refused before any box changes: the user's ticks stay as they were.
    w.Ztoosmall();
    s.resultsShown = 0;
    return false;
  }
  w.clrchkboxes();
  switch (kind) {
    case RightCase::XY:
      w.tick(G::X);
      w.tick(G::Y);
      s.sideZ = Sqr(Y * Y + X * X).value();
      s.angleA = (k() * Atn(Y / X)).value();
      return true;
    case RightCase::YZ:
    case RightCase::XZ: {
      bool yz = kind == RightCase::YZ;
      w.tick(yz ? G::Y : G::X);
      w.tick(G::Z);
      if (yz) {
        X = Sqr(Z * Z - Y * Y);
        s.sideX = X.value();
      } else {
        Y = Sqr(Z * Z - X * X);
        s.sideY = Y.value();
      }
      s.angleA = (k() * Atn(Y / X)).value();
      return true;
    }
    case RightCase::ZAngle:
      w.tick(G::Z);
      tickAngleBox(w);
      s.sideX = (Cos(rad(s.angleA)) * Z).value();
      s.sideY = (Sin(rad(s.angleA)) * Z).value();
      return true;
    case RightCase::XAngle:
      w.tick(G::X);
      tickAngleBox(w);
      s.sideY = (Tan(rad(s.angleA)) * X).value();
      s.sideZ = (X / Cos(rad(s.angleA))).value();
      return true;
    case RightCase::YAngle:
      w.tick(G::Y);
      tickAngleBox(w);
      s.sideZ = (Y / Sin(rad(s.angleA))).value();
      s.sideX = (Y / Tan(rad(s.angleA))).value();
      return true;
    case RightCase::None:
      break;
  }
  return false;
}

}  // namespace

[[gnu::flatten]] void righttriangle(TriangleState& s, SolverWindow& w) {
  try {
    if (s.angleB == 0 && s.angleA > 0 && s.angleA <= 90) s.angleB = (Num(90) - s.angleA).value();
    if (s.angleA == 0 && s.angleB > 0 && s.angleB <= 90) s.angleA = (Num(90) - s.angleB).value();
    s.solveFailed = 1;
    RightCase kind = chooseByBoxes(w);
    if (kind == RightCase::None) kind = chooseByValues(s, w);
    if (kind == RightCase::None) return;
    if (!compute(kind, s, w)) return;
    s.solveFailed = 0;

    if (!(s.angleA < 90 && s.angleB < 90)) w.tohigh();
    if (s.inputError == 1) {
      s.inputError = 0;
      s.solveFailed = 1;
      return;
    }
    if (s.angleB == 0) s.angleB = (Num(90) - s.angleA).value();
    if (s.angleA == 0) s.angleA = (Num(90) - s.angleB).value();
    s.resultArea = (Num(s.sideY) * s.sideX / 2).value();
    w.setAreaCaption(RoundedText(s.resultArea, s.decimalPlaces));
    s.resultHeight = s.sideY;
    s.resultWidth = s.sideX;
    w.beep();
  } catch (const RuntimeError& error) {
    handleSolverError(error, s, w);
  }
}

void handleSolverError(const RuntimeError& error, TriangleState& s, SolverWindow& w) {
  std::string text = error.number() == kErrInvalidCall ? "Can not solve this problem"
                                                       : errorFoundText(error.number());
  w.showRuntimeError(text);
  s.solveFailed = 1;
  w.clearall();
}

}  // namespace anglewise
