// The search's double intervals against Arb at 256 bits: every result must
// hold the true value of the operation at every sampled point of its
// operands (ends included), and stay narrow where nothing forces it wide.
#include "anysolve/interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "anysolve/enclosure.h"
#include "exact/ball.h"

namespace anglewise::anysolve {
namespace {

using exact::Ball;

bool holds(const Interval& i, const Ball& truth) {
  return arb_le(Ball(i.low()).get(), truth.get()) && arb_le(truth.get(), Ball(i.high()).get());
}

Ball sinPiBall(const Ball& x) {
  Ball s, c;
  exact::sinCosPi(x, s, c);
  return s;
}

struct Unary {
  std::string name;
  std::function<Interval(const Interval&)> quick;
  std::function<Ball(const Ball&)> truth;
  double low, high;  ///< where operands are drawn from
  /// How wide a point's result may be beyond 1e-13 of its size: the sines
  /// near their zeros know their argument only to a unit in its place.
  double slack = 1e-300;
};

void PrintTo(const Unary& op, std::ostream* out) {
  *out << op.name;
}

class IntervalTest : public ::testing::TestWithParam<Unary> {};

TEST_P(IntervalTest, HoldsTheTrueValueEverywhereAndStaysNarrow) {
  exact::WorkingPrecision precision(256);
  const Unary& op = GetParam();
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 0; n < 400; ++n) {
    double a = op.low + (op.high - op.low) * unit(random);
    double b = n % 4 == 0 ? a : a + (op.high - a) * unit(random) * 1e-3;
    Interval result = op.quick(Interval(a, b));
    for (double x : {a, b, a + (b - a) / 3}) {
      ASSERT_TRUE(holds(result, op.truth(Ball(x))))
          << op.name << " of [" << a << ", " << b << "] at " << x << ": [" << result.low() << ", "
          << result.high() << "]";
    }
    if (a == b) {
      double scale = std::max(std::fabs(result.low()), std::fabs(result.high()));
      EXPECT_LE(result.high() - result.low(), 1e-13 * scale + op.slack) << op.name << " at " << a;
    }
  }
}

Ball sincPiBall(const Ball& x) {
  Ball out;
  arb_sinc_pi(out.get(), x.get(), 256);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, IntervalTest,
    ::testing::Values(
        Unary{"sinPi", [](const Interval& x) { return sinPi(x); }, sinPiBall, -2.5, 2.5, 1e-13},
        Unary{"sinPi near 1", [](const Interval& x) { return sinPi(x); }, sinPiBall, 0.999, 1.001,
              1e-13},
        Unary{"cosPi", [](const Interval& x) { return cosPi(x); },
              [](const Ball& x) { return sinPiBall(x + Ball(0.5)); }, -1, 1, 1e-13},
        Unary{"sincPi", [](const Interval& x) { return sincPi(x); }, sincPiBall, 0, 1, 1e-13},
        Unary{"sincPi tiny", [](const Interval& x) { return sincPi(x); }, sincPiBall, 1e-9, 4e-4},
        Unary{"sqrtPos", [](const Interval& x) { return sqrtPos(x); }, exact::sqrt, 1e-300, 1e300},
        Unary{"cube", [](const Interval& x) { return powUi(x, 3); },
              [](const Ball& x) { return x * x * x; }, 1e-100, 1e100},
        Unary{"product near underflow", [](const Interval& x) { return x * Interval(1e-300); },
              [](const Ball& x) { return x * Ball(1e-300); }, 1e-20, 1e-5},
        Unary{"one over", [](const Interval& x) { return Interval(1L) / x; },
              [](const Ball& x) { return Ball(1L) / x; }, 1e-8, 1e8},
        Unary{"one less", [](const Interval& x) { return Interval(1L) - x; },
              [](const Ball& x) { return Ball(1L) - x; }, -3, 3},
        Unary{"times pi", [](const Interval& x) { return x * piInterval(); },
              [](const Ball& x) { return x * exact::pi(); }, -1e3, 1e3}),
    [](const ::testing::TestParamInfo<Unary>& info) {
      std::string name;
      for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(IntervalEdgesTest, WhatCannotBeBoundedIsTheWholeLineAndDecidesNothing) {
  struct Case {
    const char* what;
    Interval result;
  };
  const Case cases[] = {
      {"a divisor reaching 0", Interval(1L) / Interval(-1.0, 1.0)},
      {"a divisor that is 0", Interval(1L) / Interval(0.0)},
      {"infinity times 0", Interval::whole() * Interval(0.0)},
      {"a NaN end", Interval(std::nan(""), 1.0)},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.result.positive() || c.result.negative() || c.result.finite()) << c.what;
  }
  // A crest or trough of the sine inside an interval is reached.
  EXPECT_EQ(sinPi(Interval(0.4, 0.6)).high(), 1.0);
  EXPECT_EQ(sinPi(Interval(1.4, 1.6)).low(), -1.0);
  EXPECT_EQ(sinPi(Interval(-0.6, -0.4)).low(), -1.0);
  EXPECT_LT(sinPi(Interval(0.1, 0.2)).high(), 0.6);
  // Negative parts under a root are dropped, as Arb's sqrtpos does.
  EXPECT_EQ(sqrtPos(Interval(-4.0, 4.0)).low(), 0.0);
  EXPECT_GE(sqrtPos(Interval(-4.0, 4.0)).high(), 2.0);
}

TEST(IntervalEdgesTest, BallsBecomeIntervalsThatHoldThemExactWhereADoubleCan) {
  exact::WorkingPrecision precision(256);
  auto power = [](long e) { return exact::scaled2(Ball(1L), e); };
  struct Case {
    const char* what;
    Ball ball;
    bool exact;  ///< a double holds it: the interval is that one point
  };
  const Case cases[] = {
      {"zero", Ball(0L), true},
      {"one", Ball(1L), true},
      {"a negative dyadic", Ball(-0.75), true},
      {"53 bits", Ball(1L) - power(-53), true},
      {"54 bits", Ball(1L) - power(-54), false},
      {"just above one", Ball(1L) + power(-60), false},
      {"just below minus one", Ball(-1L) - power(-60), false},
      {"small", power(-1000) * Ball(3L), true},
      {"smallest normal", power(-1022), true},
      {"below the normal range", power(-1070), true},
      {"between subnormals", power(-1075) * Ball(3L), false},
      {"large", power(1000), true},
      {"beyond a double", power(2000), false},
      {"a ball with a radius", exact::pi(), false},
  };
  for (const Case& c : cases) {
    Interval i = enclose<Interval>(c.ball);
    EXPECT_TRUE(holds(i, c.ball)) << c.what;
    if (c.exact) {
      EXPECT_EQ(i.low(), i.high()) << c.what;
      EXPECT_TRUE(arb_equal(Ball(i.low()).get(), c.ball.get())) << c.what;
    } else {
      EXPECT_LT(i.low(), i.high()) << c.what;
    }
  }
}

TEST(IntervalEdgesTest, TheRestOfABoxToOneHoldsItsEnds) {
  exact::WorkingPrecision precision(256);
  auto power = [](long e) { return exact::scaled2(Ball(1L), e); };
  struct Case {
    const char* what;
    Ball low, high;
    bool exact;  ///< 1 - each end is a double: the interval is just those
  };
  const Case cases[] = {
      {"the upper half", Ball(0.5), Ball(0.75), true},
      {"up to one", Ball(0.75), Ball(1L), true},
      {"a last place below one", Ball(1L) - power(-53), Ball(1L), true},
      {"below a half", Ball(0.1), Ball(0.3), false},
      {"from zero", Ball(0L), power(-40), false},
      {"beyond a double next to one", Ball(1L) - power(-70), Ball(1L) - power(-71), false},
  };
  for (const Case& c : cases) {
    Interval rest = restSpan<Interval>(c.low, c.high);
    Ball restLow = Ball(1L) - c.high, restHigh = Ball(1L) - c.low;
    EXPECT_TRUE(holds(rest, restLow) && holds(rest, restHigh)) << c.what;
    if (c.exact) {
      EXPECT_TRUE(arb_equal(Ball(rest.low()).get(), restLow.get())) << c.what;
      EXPECT_TRUE(arb_equal(Ball(rest.high()).get(), restHigh.get())) << c.what;
    }
    EXPECT_GE(rest.low(), 0.0) << c.what;
  }
  // Tiny rests stay positive: a box's factored powers need them so.
  EXPECT_GT(restSpan<Interval>(Ball(1L) - power(-70), Ball(1L) - power(-71)).low(), 0.0);
}

}  // namespace
}  // namespace anglewise::anysolve
