#include "solver/checked_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "solver/angles.h"

namespace anglewise {
namespace {

int errorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(CheckedMathTest, RaisesTheNumberedErrors) {
  EXPECT_EQ(errorOf([] { (void)(Num(1) / Num(0)); }), 11);
  EXPECT_EQ(errorOf([] { (void)(Num(0) / Num(0)); }), 6);
  EXPECT_EQ(errorOf([] { (void)(Num(DBL_MAX) * Num(2)); }), 6);
  EXPECT_EQ(errorOf([] { (void)(Num(DBL_MAX) + Num(DBL_MAX)); }), 6);
  EXPECT_EQ(errorOf([] { (void)(Num(-DBL_MAX) - Num(DBL_MAX)); }), 6);
  EXPECT_EQ(errorOf([] { (void)Sqr(-1e-300); }), 5);
  EXPECT_EQ(errorOf([] { (void)toSingle(1e39); }), 6);
  EXPECT_EQ(errorOf([] { (void)Sqr(0); }), 0);
}

TEST(CheckedMathTest, ErrorTextsJoinWithCarriageReturns) {
  EXPECT_EQ(errorFoundText(11), "Error Found \r\rError Number 11\r\rDivision by zero");
  EXPECT_EQ(errorFoundText(6), "Error Found \r\rError Number 6\r\rOverflow");
  EXPECT_EQ(errorDescription(5), "Invalid procedure call or argument");
}

TEST(AnglesTest, UseTheFifteenDigitPi) {
  EXPECT_EQ(k().value(), 57.29577951308238);
  EXPECT_EQ(rad(1).value(), 0.017453292519943278);
  // cos of a right angle is tiny but not zero, tan large but finite.
  EXPECT_NE(Cos(rad(90)).value(), 0.0);
  EXPECT_EQ(errorOf([] { (void)Tan(rad(90)); }), 0);
}

}  // namespace
}  // namespace anglewise
