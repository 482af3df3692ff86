// Derivatives over a box: every enclosure Dual<Interval> gives, of a value
// and of its derivative, must hold the true ones (Arb at 256 bits) at
// every sampled point of the box; and the measures' ratios kept apart from
// their vanishing powers (Factored over Dual) must too, near a flat
// triangle where they matter.
#include "anysolve/dual.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "anysolve/factored.h"
#include "anysolve/interval.h"
#include "anysolve/shape_measures.h"
#include "exact/ball.h"

namespace anglewise::anysolve {
namespace {

using exact::Ball;
using DI = Dual<Interval>;
using DB = Dual<Ball>;

bool holds(const Interval& i, const Ball& truth) {
  return arb_le(Ball(i.low()).get(), truth.get()) && arb_le(truth.get(), Ball(i.high()).get());
}

struct Function {
  std::string name;
  std::function<DI(const DI&)> quick;
  std::function<DB(const DB&)> truth;
  double low, high;  ///< where boxes are drawn from
};

void PrintTo(const Function& f, std::ostream* os) {
  *os << f.name;
}

// sin(pi x) / (pi x) by the quotient rule, away from x = 0.
DB sincByQuotient(const DB& x) {
  return sinPi(x) / (x * DB(x, exact::pi()));
}

class DualFunctionTest : public testing::TestWithParam<Function> {};

TEST_P(DualFunctionTest, HoldsTheValueAndTheDerivativeAtEveryPoint) {
  const Function& f = GetParam();
  exact::WorkingPrecision precision(256);
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> at(f.low, f.high);
  for (int box = 0; box < 300; ++box) {
    double a = at(rng), b = at(rng);
    if (box % 3 == 0) b = a + (b - a) * 1e-6;  // narrow boxes too
    if (a > b) std::swap(a, b);
    DI over = f.quick(DI::coordinate(1, 0, Interval(a, b)));
    for (int k = 0; k <= 8; ++k) {
      double x = std::min(b, a + (b - a) * k / 8);  // inside, whatever the rounding
      DB point = f.truth(DB::coordinate(1, 0, Ball(x)));
      ASSERT_TRUE(holds(over.value(), point.value())) << "value at " << x;
      ASSERT_TRUE(holds(over.derivative(0), point.derivative(0)))
          << "derivative at " << x << " in [" << a << ", " << b << "]: ["
          << over.derivative(0).low() << ", " << over.derivative(0).high() << "] against "
          << point.derivative(0).estimate();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Functions, DualFunctionTest,
    testing::Values(
        // Near 0 the series bound, past 1/pi the formula.
        Function{"SincPiNearZero", [](const DI& x) { return sincPi(x); }, sincByQuotient, 0, 0.3},
        Function{"SincPiFarther", [](const DI& x) { return sincPi(x); }, sincByQuotient, 0.2, 0.99},
        Function{"SincPiBothSides", [](const DI& x) { return sincPi(x); }, sincByQuotient, -0.4,
                 0.4},
        Function{"SinPi", [](const DI& x) { return sinPi(x); },
                 [](const DB& x) { return sinPi(x); }, -1, 1},
        Function{"Cube", [](const DI& x) { return powUi(x, 3); },
                 [](const DB& x) { return x * x * x; }, 0, 2},
        Function{"SquareRoot", [](const DI& x) { return sqrtPos(x); },
                 [](const DB& x) { return sqrtPos(x); }, 0.01, 4}),
    [](const testing::TestParamInfo<Function>& info) { return info.param.name; });

// A flat triangle's chart: A = 1 - rho, B = rho t, C = rho (1 - t), rho
// and t each with their derivative, rho and 1 - t kept apart as powers.
template <class V>
ShapeAngles<Factored<V>> flatChart(const SmallCoordinates<V>& small) {
  using F = Factored<V>;
  F one = F::constant(small, V(1L));
  F rho = F::coordinate(small, 0), t = F::coordinate(small, 1), u = F::coordinate(small, 2);
  ShapeAngles<F> s;
  s.big = 0, s.first = 1, s.second = 2;
  s.angle[0] = one - rho, s.rest[0] = rho;
  s.angle[1] = rho * t, s.rest[1] = one - s.angle[1];
  s.angle[2] = rho * u, s.rest[2] = one - s.angle[2];
  s.difference = s.angle[1] - s.angle[2];
  return withSines(s);
}

DB measureAt(Measure m, double rho, double t) {
  ShapeAngles<DB> s;
  DB r = DB::coordinate(2, 0, Ball(rho)), x = DB::coordinate(2, 1, Ball(t));
  DB one(r, 1L);
  s.big = 0, s.first = 1, s.second = 2;
  s.angle[0] = one - r, s.rest[0] = r;
  s.angle[1] = r * x, s.rest[1] = one - s.angle[1];
  s.angle[2] = r * (one - x), s.rest[2] = one - s.angle[2];
  s.difference = s.angle[1] - s.angle[2];
  return shapeMeasure(m, withSines(s));
}

TEST(FactoredDualTest, RatiosNearAFlatTriangleHoldTheirTrueDerivatives) {
  const Measure lengths[] = {Measure::X,  Measure::Z,         Measure::hY,
                             Measure::mX, Measure::mY,        Measure::tB,
                             Measure::tC, Measure::Perimeter, Measure::Inradius};
  exact::WorkingPrecision precision(256);
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int box = 0; box < 60; ++box) {
    double rho = 0.3 * unit(rng) + 1e-4, t = 0.05 + 0.9 * unit(rng);
    double wr = rho * 1e-2 * unit(rng), wt = 1e-2 * unit(rng);
    SmallCoordinates<DI> small;
    small.set(0, DI::coordinate(2, 0, Interval(rho, rho + wr)));
    small.set(1, DI::coordinate(2, 1, Interval(t, t + wt)));
    small.set(2, DI(small.value[1], 1L) - small.value[1]);
    ShapeAngles<Factored<DI>> s = flatChart(small);
    for (Measure m : lengths) {
      for (Measure reference : lengths) {
        if (m == reference) continue;
        DI over = (shapeMeasure(m, s) / shapeMeasure(reference, s)).value();
        for (double fr : {0.0, 0.5, 1.0}) {
          for (double ft : {0.0, 0.5, 1.0}) {
            double r = std::min(rho + wr, rho + wr * fr), x = std::min(t + wt, t + wt * ft);
            DB at = measureAt(m, r, x) / measureAt(reference, r, x);
            for (int j = 0; j < 2; ++j) {
              ASSERT_TRUE(holds(over.derivative(j), at.derivative(j)))
                  << info(m).name << " / " << info(reference).name << " d" << j << " at rho " << r
                  << ", t " << x;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace anglewise::anysolve
