// The double roads that settle most roundings before Arb: each must agree
// with exact rational arithmetic wherever it answers, and its bounds must
// hold every value of the ball.
#include <gtest/gtest.h>

#include <flint/fmpq.h>
#include <flint/fmpz.h>
#include <cmath>
#include <random>
#include <string>

#include "exact/ball.h"
#include "exact/decide.h"

namespace anglewise::exact {
namespace {

// v 10^scale rounded half to even, by FLINT's rationals.
std::string exactRounding(double v, long scale) {
  fmpq_t q;
  fmpq_init(q);
  fmpz_t num, den, power, n, rest;
  fmpz_init(num), fmpz_init(den), fmpz_init(power), fmpz_init(n), fmpz_init(rest);
  int e2;
  double fraction = std::frexp(std::fabs(v), &e2);
  fmpz_set_d(num, std::ldexp(fraction, 53));
  fmpz_one(den);
  if (e2 - 53 >= 0)
    fmpz_mul_2exp(num, num, static_cast<ulong>(e2 - 53));
  else
    fmpz_mul_2exp(den, den, static_cast<ulong>(53 - e2));
  fmpz_ui_pow_ui(power, 10, static_cast<ulong>(std::labs(scale)));
  fmpz_mul(scale >= 0 ? num : den, scale >= 0 ? num : den, power);
  fmpz_fdiv_qr(n, rest, num, den);
  fmpz_mul_2exp(rest, rest, 1);
  int against = fmpz_cmp(rest, den);
  if (against > 0 || (against == 0 && fmpz_is_odd(n))) fmpz_add_ui(n, n, 1);
  char* text = fmpz_get_str(nullptr, 10, n);
  std::string out = text;
  flint_free(text);
  fmpq_clear(q);
  fmpz_clear(num), fmpz_clear(den), fmpz_clear(power), fmpz_clear(n), fmpz_clear(rest);
  return out;
}

// A ball around a random 200-bit midpoint near `near`, with a radius of
// about 2^-radiusBits of it (0 for an exact ball).
Ball randomBall(std::mt19937_64& random, double near, int radiusBits) {
  Ball b;
  arb_set_d(b.get(), near);
  arf_t tail;
  arf_init(tail);
  arf_set_ui(tail, random());
  arf_mul_2exp_si(tail, tail, -64 - 53);
  arf_mul(tail, tail, arb_midref(b.get()), 200, ARF_RND_NEAR);
  arf_add(arb_midref(b.get()), arb_midref(b.get()), tail, 200, ARF_RND_NEAR);
  arf_clear(tail);
  if (radiusBits > 0) {
    mag_set_d(arb_radref(b.get()), std::ldexp(std::fabs(near), -radiusBits));
  }
  return b;
}

TEST(DoubleBounds, HoldEveryValueOfTheBallAndStayClose) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-900, 900);
  int answered = 0;
  for (int i = 0; i < 20000; ++i) {
    double near = std::pow(2.0, exponent(random)) * (random() % 2 ? 1 : -1);
    Ball b = randomBall(random, near, static_cast<int>(random() % 4) * 40);
    double low, high;
    if (!b.doubleBounds(low, high)) continue;
    ++answered;
    arf_t a, z, d;
    arf_init(a), arf_init(z), arf_init(d);
    arb_get_interval_arf(a, z, b.get(), ARF_PREC_EXACT);
    arf_set_d(d, low);
    EXPECT_LE(arf_cmp(d, a), 0) << i;
    arf_set_d(d, high);
    EXPECT_GE(arf_cmp(d, z), 0) << i;
    arf_clear(a), arf_clear(z), arf_clear(d);
    // A few units of the last place around the ball, no more.
    double width = 2 * mag_get_d(arb_radref(b.get()));
    EXPECT_LE(high - low, width + 8 * std::ldexp(std::fabs(near), -52)) << i;
  }
  EXPECT_GT(answered, 19000);
}

TEST(DoubleBounds, LeaveTheFarEndsToArb) {
  double low, high;
  Ball huge;
  arb_set_d(huge.get(), 1e300);
  arb_mul(huge.get(), huge.get(), huge.get(), 128);
  EXPECT_FALSE(huge.doubleBounds(low, high));
  Ball zero;
  ASSERT_TRUE(zero.doubleBounds(low, high));
  EXPECT_LE(low, 0);
  EXPECT_GE(high, 0);
}

struct TieCase {
  double value;
  long scale;
  const char* digits;
};

class QuickToScaleTies : public testing::TestWithParam<TieCase> {};

TEST_P(QuickToScaleTies, RoundHalfToEven) {
  const TieCase& c = GetParam();
  std::optional<Decimal> d = quickToScale(c.value, c.value, c.scale);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->digits, c.digits);
  EXPECT_EQ(d->exponent, -c.scale);
}

INSTANTIATE_TEST_SUITE_P(Exact, QuickToScaleTies,
                         testing::Values(TieCase{0.125, 2, "12"}, TieCase{0.375, 2, "38"},
                                         TieCase{2.5, 0, "2"}, TieCase{3.5, 0, "4"},
                                         TieCase{-0.0625, 3, "62"}, TieCase{1e-30, 4, "0"},
                                         TieCase{123456789012345.5, 0, "123456789012346"},
                                         TieCase{250, -2, "2"}, TieCase{350, -2, "4"}));

TEST(QuickRoads, AgreeWithExactRationalsOnRandomDoubles) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-60, 60);
  int compared = 0;
  for (int i = 0; i < 50000; ++i) {
    double v = std::pow(2.0, exponent(random)) * (0.5 + (random() % 1000000) / 1e6);
    if (random() % 3 == 0) v = std::round(v * 1000) / 1000;  // near decimal ties
    long scale = static_cast<long>(random() % 30) - 8;
    if (std::optional<Decimal> d = quickToScale(v, v, scale)) {
      EXPECT_EQ(d->digits, exactRounding(v, scale)) << v << " at " << scale;
      EXPECT_EQ(d->exponent, -scale);
      ++compared;
    }
    if (std::optional<Decimal> d = quickToDigits(v, v, 15)) {
      // The digits must be 15 and equal the rounding at their own scale.
      ASSERT_EQ(d->digits.size(), 15u) << v;
      EXPECT_EQ(d->digits, exactRounding(v, -d->exponent)) << v;
      ++compared;
    }
  }
  EXPECT_GT(compared, 60000);
}

TEST(QuickRoads, TwoBoundsAnswerOnlyWhereBothRoundAlike) {
  // 0.12345 lies between the two roundings at four places: undecided.
  EXPECT_FALSE(quickToScale(0.12344, 0.12346, 4));
  EXPECT_TRUE(quickToScale(0.123441, 0.123449, 4));
  EXPECT_FALSE(quickToDigits(-1, 1, 15));
  EXPECT_FALSE(quickToDigits(9.99999999999999e5, 1.0000000000000001e6, 15));
}

TEST(NearestDouble, AgreesWithBothEndsOfRandomBalls) {
  std::mt19937_64 random(13);
  std::uniform_real_distribution<double> exponent(-300, 300);
  int decided = 0;
  for (int i = 0; i < 20000; ++i) {
    double near = std::pow(2.0, exponent(random));
    Ball b = randomBall(random, near, 40 + static_cast<int>(random() % 3) * 20);
    arf_t a, z;
    arf_init(a), arf_init(z);
    arb_get_interval_arf(a, z, b.get(), ARF_PREC_EXACT);
    double low = arf_get_d(a, ARF_RND_NEAR), high = arf_get_d(z, ARF_RND_NEAR);
    arf_clear(a), arf_clear(z);
    std::optional<double> d = nearestDouble(b);
    if (low == high) {
      ASSERT_TRUE(d) << i;
      EXPECT_EQ(*d, low) << i;
      ++decided;
    } else {
      EXPECT_FALSE(d) << i;
    }
  }
  EXPECT_GT(decided, 10000);
}

}  // namespace
}  // namespace anglewise::exact
