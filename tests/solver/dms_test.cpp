#include "solver/dms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "solver/numbers.h"

namespace anglewise {
namespace {

struct ReadCase {
  const char* name;
  const char* text;
  double degrees;
  bool reset;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.name;
}

class ReadDmsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDmsTest, ReadsTheAngle) {
  DmsReading r = readdms(GetParam().text);
  EXPECT_EQ(r.degrees, GetParam().degrees) << "text: '" << GetParam().text << "'";
  EXPECT_EQ(r.reset, GetParam().reset);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDmsTest,
    testing::Values(
        ReadCase{"Full", "12d 20m 44s .444", 12.345678888888889, false},
        ReadCase{"LeadingBlankTenths", " 12d 20m 44s .4", 12.345666666666668, false},
        ReadCase{"UpperCase", "12D 20M 44S", 12.345555555555556, false},
        ReadCase{"DegreesOnly", "45d", 45, false}, ReadCase{"MinutesOnly", "30m", 0.5, false},
        ReadCase{"SecondsAfterDegrees", "1d 30s", 1.0083333333333333, false},
        ReadCase{"BareNumber", "45", 0, false},
        ReadCase{"BareDecimalIsFraction", "45.5", 0.5 / 3600, false},
        ReadCase{"FractionCountedTwice", "12d 20m 44.5s", 12.345833333333335, false},
        ReadCase{"ZeroText", "0d 0m 0s", 0, true}, ReadCase{"ZeroPadded", "00d 00m 00s", 0, true},
        ReadCase{"ZeroWithBlanks", " 0d 0m 0s", 0, true}, ReadCase{"Above90", "100d", 0, true},
        ReadCase{"JustAbove90", "90d 0m 0.5s", 0, true}, ReadCase{"Exactly90", "90d", 90, false},
        ReadCase{"Negative", "-12d", -12, false},
        ReadCase{"SurroundingBlanks", "  12D 30M  ", 12.5, false},
        ReadCase{"MinutesBeforeDegrees", "5m 12d", 5, false},
        ReadCase{"SecondsBeforeMinutes", "12d 5s 3m", 12 + 5.0 / 60, false},
        ReadCase{"Empty", "", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
  const char* name;
  double degrees;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
  *out << c.name;
}

class FormatDmsTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDmsTest, WritesTheText) {
  EXPECT_EQ(formatDms(GetParam().degrees), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, FormatDmsTest,
    testing::Values(FormatCase{"Thousandths", 12.3456789, " 12d 20m 44s .444"},
                    FormatCase{"RightTriangleB", 36.86989764584402, " 36d 52m 11s .632"},
                    FormatCase{"TwoDigitFraction", 10.0001, " 10d 0m 0s .36"},
                    FormatCase{"Whole", 30, " 30d 0m 0s"}, FormatCase{"Zero", 0, " 0d 0m 0s"},
                    FormatCase{"Obtuse", 120.25, " 120d 15m 0s"},
                    FormatCase{"CarryToDegrees", 89.99999999, " 90d 0m 0s"},
                    FormatCase{"CarryStopsAtSeconds", 59.99999, " 59d 59m 59s .964"},
                    FormatCase{"NoZeroFraction", 45.5, " 45d 30m 0s"},
                    FormatCase{"Negative", -12.5, "-13d 30m 0s"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DmsRoundTripTest, ReadsBackWithinHalfAThousandthOfASecond) {
  const double kHalfThousandthSecond = 0.0005 / 3600;
  for (int step = 0; step <= 90 * 997; ++step) {
    double angle = step / 997.0 + step * 1e-7;
    if (angle > 90) break;
    std::string text = formatDms(angle);
    double back = readdms(text).degrees;
    ASSERT_LE(std::fabs(back - angle), kHalfThousandthSecond + 1e-12)
        << "angle " << angle << " written '" << text << "'";
  }
}

// The text is each part's Str: degrees, minutes and whole seconds, then the
// first five characters of the thousandths' Str unless that is " 0". Kept
// here in its plain form against which the fast one is checked.
std::string partsByStr(double angle) {
  double deg = Int(angle);
  double f = angle - deg;
  double min = Int(f * 60);
  double secs = (f * 60 - min) * 60;
  double sec = Int(secs);
  double frac = roundToWhole((secs - sec) * 1000) * 0.001;
  std::string fracText = Str(frac).substr(0, 5);
  if (Int(frac) == 1) sec = sec + 1, fracText = " 0";
  if (sec == 60) min = min + 1, sec = 0;
  if (min == 60) deg = deg + 1, min = 0;
  return Str(deg) + "d" + Str(min) + "m" + Str(sec) + "s" + (fracText == " 0" ? "" : fracText);
}

TEST(FormatDmsTest, IsTheStrOfEachPartForAnglesOfEverySize) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> scale(-12, 17);
  for (int i = 0; i < 100000; ++i) {
    double angle = unit(random) * std::pow(10.0, scale(random));
    if (i % 4 == 0) angle = std::round(angle * 3600000) / 3600000;  // whole thousandths
    ASSERT_EQ(formatDms(angle), partsByStr(angle)) << std::hexfloat << angle;
  }
  const double kInf = std::numeric_limits<double>::infinity();
  for (double odd : {std::nan(""), kInf, -kInf, 1e300, -1e-300, 0.0, -0.0})
    EXPECT_EQ(formatDms(odd), partsByStr(odd)) << odd;
}

TEST(DmsRoundTripTest, AboveNinetyReadsBackAsZero) {
  EXPECT_EQ(readdms(formatDms(120.25)).degrees, 0);
  EXPECT_TRUE(readdms(formatDms(120.25)).reset);
}

struct FieldCase {
  const char* name;
  const char* text;
  double degrees;
  bool reset;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
  *out << c.name;
}

class ReadDmsFieldsTest : public testing::TestWithParam<FieldCase> {};

TEST_P(ReadDmsFieldsTest, ReadsThreeCharacterFields) {
  DmsReading r = readDmsFields(GetParam().text);
  EXPECT_EQ(r.degrees, GetParam().degrees) << "text: '" << GetParam().text << "'";
  EXPECT_EQ(r.reset, GetParam().reset);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDmsFieldsTest,
    testing::Values(FieldCase{"Tenths", " 12d 20m 44s .4",
                              12 + 20.0 / 60 + 44.0 / 3600 + 0.4 / 3600, false},
                    FieldCase{"DegreesMinutes", "45d 30m", 45.5, false},
                    FieldCase{"Above90", "95d 0m 0s", 0, true},
                    FieldCase{"Exactly90", "90d", 90, false},
                    FieldCase{"ThreeDigitDegrees", "120d 30m", 20.5, false},
                    FieldCase{"NoMarkers", "abc", 0, false},
                    FieldCase{"PlainDecimalIsFraction", "30.5", 0.5 / 3600, false},
                    FieldCase{"MinutesWithoutDegrees", "30m", 0.5, false},
                    FieldCase{"ZeroTextNotSpecial", "0d 0m 0s", 0, false},
                    FieldCase{"MarkerSecondCharacter", "5d 30m", 5.5, false},
                    FieldCase{"MarkerFirstCharacter", "d", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anglewise
