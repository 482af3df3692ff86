#include "solver/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace anglewise {
namespace {

struct ValCase {
  const char* name;
  const char* text;
  double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(Val(GetParam().text), GetParam().expected) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"DegreesWithMarker", "12d", 12}, ValCase{"LeadingBlank", " 20m", 20},
                    ValCase{"FractionOnly", ".444", 0.444}, ValCase{"NoNumber", "abc", 0},
                    ValCase{"Empty", "", 0}, ValCase{"Negative", "-3", -3},
                    ValCase{"PlusSign", "+4.5", 4.5}, ValCase{"BlanksInside", " 1 2 . 5", 12.5},
                    ValCase{"TabsAndLineFeeds", "\t3\n4", 34},
                    ValCase{"SecondPointEnds", "1.2.3", 1.2}, ValCase{"ExponentE", "1e3", 1000},
                    ValCase{"ExponentD", "1D2", 100}, ValCase{"ExponentNegative", "25e-1", 2.5},
                    ValCase{"LetterWithoutDigits", "12e", 12},
                    ValCase{"ExponentSignWithoutDigits", "12e+x", 12},
                    ValCase{"DegreeLetterThenDigitsIsExponent", "12d 2", 1200},
                    ValCase{"SignAlone", "-", 0}, ValCase{"PointAlone", ".", 0},
                    ValCase{"CommaEnds", "3,5", 3}, ValCase{"HugeSaturates", "1e999", DBL_MAX},
                    ValCase{"HugeNegativeSaturates", "-1e999", -DBL_MAX},
                    ValCase{"TinyIsZero", "1e-999", 0},
                    ValCase{"EndlessExponent", "1e99999999999999999999", DBL_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

struct StrCase {
  const char* name;
  double value;
  const char* expected;
};

class StrTest : public testing::TestWithParam<StrCase> {};

TEST_P(StrTest, WritesFifteenDigitsWithLeadingBlank) {
  EXPECT_EQ(Str(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StrTest,
    testing::Values(
        StrCase{"Whole", 12, " 12"}, StrCase{"Zero", 0, " 0"}, StrCase{"NegativeZero", -0.0, " 0"},
        StrCase{"BelowOne", 0.4, " .4"}, StrCase{"NegativeBelowOne", -0.4, "-.4"},
        StrCase{"Negative", -13, "-13"},
        StrCase{"FifteenDigits", 36.869897645844, " 36.869897645844"},
        StrCase{"RoundsToFifteen", 12.345666666666668, " 12.3456666666667"},
        StrCase{"LargestPlain", 123456789012345, " 123456789012345"},
        StrCase{"ExponentAbove", 1e15, " 1E+15"},
        StrCase{"ExponentWithDigits", -2.5e20, "-2.5E+20"}, StrCase{"SmallPlain", 0.0001, " .0001"},
        StrCase{"ExponentBelow", 0.00001, " 1E-05"}, StrCase{"TinyExponent", 1.5e-300, " 1.5E-300"},
        StrCase{"Thousandth", 0.444, " .444"}, StrCase{"AlmostNinety", 89.99999999999999, " 90"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundCase {
  const char* name;
  double value;
  int places;
  double expected;
};

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, GoesHalfToEvenOnTheExactValue) {
  EXPECT_EQ(Round(GetParam().value, GetParam().places), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTest,
    testing::Values(RoundCase{"HalfDownToEven", 2.5, 0, 2}, RoundCase{"HalfUpToEven", 3.5, 0, 4},
                    RoundCase{"ExactQuarterToEven", 0.125, 2, 0.12},
                    RoundCase{"BinaryBelowHalf", 2.675, 2, 2.67},  // 2.67499999...
                    RoundCase{"FourPlaces", 2.54950975679639, 4, 2.5495},
                    RoundCase{"TwelvePlaces", 53.13010235415598, 12, 53.130102354156},
                    RoundCase{"FourteenPlaces", 12.345666666666668, 14, 12.34566666666667},
                    RoundCase{"NegativeHalf", -0.5, 0, -0.0}, RoundCase{"Large", 1e300, 14, 1e300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntTest, IsTheFloor) {
  EXPECT_EQ(Int(-12.5), -13);
  EXPECT_EQ(Int(12.9), 12);
  EXPECT_EQ(Int(-3), -3);
}

TEST(RoundToWholeTest, HalfGoesToEven) {
  EXPECT_EQ(roundToWhole(444.5), 444);
  EXPECT_EQ(roundToWhole(445.5), 446);
  EXPECT_EQ(roundToWhole(444.4999), 444);
}

}  // namespace
}  // namespace anglewise
