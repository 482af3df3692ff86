// The oblique-triangle solver: three given values (three sides, two sides
// and an angle, or a side and two angles). A lies between X and Z opposite
// Y, B between Y and Z opposite X, C between X and Y opposite Z.
#include <cmath>

#include "solver/angles.h"
#include "solver/solvers.h"

namespace anglewise {
namespace {

enum class ObliqueCase { None, XYZ, YZB, XZA, YAB, XAB, ZAB, XYA, XZB, XYB, YZA };

struct CaseBoxes {
  Given a, b, c;
  ObliqueCase kind;
};

using G = Given;
constexpr CaseBoxes kCases[] = {
    {G::X, G::Y, G::Z, ObliqueCase::XYZ}, {G::Y, G::Z, G::B, ObliqueCase::YZB},
    {G::X, G::Z, G::A, ObliqueCase::XZA}, {G::Y, G::A, G::B, ObliqueCase::YAB},
    {G::X, G::A, G::B, ObliqueCase::XAB}, {G::Z, G::A, G::B, ObliqueCase::ZAB},
    {G::X, G::Y, G::A, ObliqueCase::XYA}, {G::X, G::Z, G::B, ObliqueCase::XZB},
    {G::X, G::Y, G::B, ObliqueCase::XYB}, {G::Y, G::Z, G::A, ObliqueCase::YZA}};

ObliqueCase chooseByBoxes(const SolverWindow& w) {
  for (const CaseBoxes& row : kCases) {
    if (w.ticked(row.a) && w.ticked(row.b) && w.ticked(row.c)) return row.kind;
  }
  return ObliqueCase::None;
}

// Without a ticked triple, the exact pattern of given (non-zero or
// non-empty) and missing values names the same ten cases.
ObliqueCase chooseByValues(const TriangleState& s, const SolverWindow& w) {
  auto given = [&](Given row) {
    switch (row) {
      case G::X:
        return s.sideX != 0;
      case G::Y:
        return s.sideY != 0;
      case G::Z:
        return s.sideZ != 0;
      case G::A:
      case G::B:
        break;
    }
    return !w.angleTextEmpty(row);
  };
  for (const CaseBoxes& row : kCases) {
    bool match = true;
    for (Given box : kGivenRows) {
      bool wanted = box == row.a || box == row.b || box == row.c;
      match = match && given(box) == wanted;
    }
    if (match) return row.kind;
  }
  return ObliqueCase::None;
}

// Inverse sine and cosine built from the arctangent, in degrees.
Num arcsine(Num v) {
  return Atn(v / Sqr(-v * v + 1)) * k();
}
Num arccosine(Num v) {
  return Atn(-v / Sqr(-v * v + 1)) * k() + Num(2) * (k() * Atn(1));
}

// How a case's computation ended: with C computed, stopped early by the
// ambiguous case, or at the run-time error "invalid call" (see below).
enum class Outcome { Computed, Stopped, InvalidCall };

// Whether Sqr(-v * v + 1), as arcsine forms it, would raise "invalid call":
// -v * v is finite (else its overflow comes first) and the sum negative.
bool arcsineRefuses(Num v) {
  double negatedSquare = -v.value() * v.value();
  return std::isfinite(negatedSquare) && negatedSquare + 1 < 0;
}

// X-Y-A and its twin X-Y-B: `given` is the angle opposite `farSide`, the
// angle found is opposite `nearSide`. A sine above 1 has no angle: the
// commonest fault of measured input, so it is told without a throw.
Outcome twoSidesOppositeAngle(TriangleState& s, SolverWindow& w, double& given, double& found,
                              Num nearSide, Num farSide, double& thirdSide) {
  Num product = Sin(rad(given)) * nearSide;
  Num sine = product / farSide;
  if (arcsineRefuses(sine)) return Outcome::InvalidCall;
  found = arcsine(sine).value();
  if (product.value() > farSide.value() && !w.obtuseTicked()) return Outcome::Stopped;
  if (w.obtuseTicked() && found < given) {
    w.cantdoit();
    w.untickObtuse();
  }
  if (w.obtuseTicked() && found > given) found = (Num(180) - found).value();
  s.angleC = (Num(180) - (Num(s.angleB) + s.angleA)).value();
  thirdSide = (Sin(rad(s.angleC)) * farSide / Sin(rad(given))).value();
  return Outcome::Computed;
}

// X-Z-B and its twin Y-Z-A: the angle found is C, opposite Z.
void sideZOppositeC(TriangleState& s, SolverWindow& w, double given, Num oppositeSide,
                    double& third, double& thirdSide) {
  Num Z = s.sideZ;
  s.angleC = arcsine(Sin(rad(given)) * Z / oppositeSide).value();
  if (w.obtuseTicked()) s.angleC = (Num(180) - s.angleC).value();
  third = (Num(180) - (Num(s.angleC) + given)).value();
  thirdSide = (Sin(rad(third)) * oppositeSide / Sin(rad(given))).value();
}

// Computes the chosen case.
Outcome compute(ObliqueCase kind, TriangleState& s, SolverWindow& w) {
  w.clrchkboxes();
  for (const CaseBoxes& row : kCases) {
    if (row.kind != kind) continue;
    w.tick(row.a);
    w.tick(row.b);
    w.tick(row.c);
  }
  Num X = s.sideX, Y = s.sideY, Z = s.sideZ;
  auto closeC = [&s] { s.angleC = (Num(180) - (Num(s.angleB) + s.angleA)).value(); };
  switch (kind) {
    case ObliqueCase::XYZ:
      s.angleA = arccosine((Z * Z + X * X - Y * Y) / ((X + X) * Z)).value();
      s.angleB = arcsine(Sin(rad(s.angleA)) * X / Y).value();
      closeC();
      return Outcome::Computed;
    case ObliqueCase::YZB: {
      Num c = Cos(rad(s.angleB));
      X = Sqr(Z * Z + Y * Y - (Y + Y) * Z * c);
      s.sideX = X.value();
      s.angleA = arcsine(Sin(rad(s.angleB)) * Y / X).value();
      closeC();
      return Outcome::Computed;
    }
    case ObliqueCase::XZA: {
      Num c = Cos(rad(s.angleA));
      s.sideY = Sqr(Z * Z + X * X - (X + X) * Z * c).value();
      Num quotient = Sin(rad(s.angleA)) * X;
      quotient = quotient / (Z - Cos(rad(s.angleA)) * X);
      s.angleB = (Atn(quotient) * k()).value();
      closeC();
      return Outcome::Computed;
    }
    case ObliqueCase::YAB:
      s.sideX = (Sin(rad(s.angleB)) * Y / Sin(rad(s.angleA))).value();
      closeC();
      s.sideZ = (Sin(rad(s.angleC)) * Y / Sin(rad(s.angleA))).value();
      return Outcome::Computed;
    case ObliqueCase::XAB:
      s.sideY = (Sin(rad(s.angleA)) * X / Sin(rad(s.angleB))).value();
      closeC();
      s.sideZ = (Sin(rad(s.angleC)) * X / Sin(rad(s.angleB))).value();
      return Outcome::Computed;
    case ObliqueCase::ZAB:
      closeC();
      s.sideY = (Sin(rad(s.angleA)) * Z / Sin(rad(s.angleC))).value();
      s.sideX = (Sin(rad(s.angleB)) * Z / Sin(rad(s.angleC))).value();
      return Outcome::Computed;
    case ObliqueCase::XYA:
      return twoSidesOppositeAngle(s, w, s.angleA, s.angleB, X, Y, s.sideZ);
    case ObliqueCase::XYB:
      return twoSidesOppositeAngle(s, w, s.angleB, s.angleA, Y, X, s.sideZ);
    case ObliqueCase::XZB:
      sideZOppositeC(s, w, s.angleB, X, s.angleA, s.sideY);
      return Outcome::Computed;
    case ObliqueCase::YZA:
      sideZOppositeC(s, w, s.angleA, Y, s.angleB, s.sideX);
      return Outcome::Computed;
    case ObliqueCase::None:
      break;
  }
  return Outcome::Stopped;
}

// Returns true when the checks refused the result.
bool finalChecksFail(TriangleState& s, SolverWindow& w) {
  if (!(s.angleA < 180 && s.angleB < 180)) w.tohigh();
  if (!(s.sideX > 0 && s.sideY > 0 && s.sideZ > 0 && s.angleA > 0 && s.angleB > 0 &&
        s.angleC > 0)) {
    w.negerror();
  }
  if (s.inputError != 1) return false;
  s.inputError = 0;
  s.solveFailed = 1;
  return true;
}

}  // namespace

[[gnu::flatten]] void obliquetriangle(TriangleState& s, SolverWindow& w) {
  try {
    s.solveFailed = 1;
    ObliqueCase kind = chooseByBoxes(w);
    if (kind == ObliqueCase::None) kind = chooseByValues(s, w);
    if (kind == ObliqueCase::None) return;
    Outcome outcome = compute(kind, s, w);
    if (outcome != Outcome::InvalidCall) {
      if (outcome == Outcome::Computed) s.solveFailed = 0;
      if (finalChecksFail(s, w)) return;
      w.beep();
      return;
    }
  } catch (const RuntimeError& error) {
    handleSolverError(error, s, w);
    return;
  }
  // Handled as the throw would have been, outside the try as its catch is.
  handleSolverError(RuntimeError(kErrInvalidCall), s, w);
}

}  // namespace anglewise
