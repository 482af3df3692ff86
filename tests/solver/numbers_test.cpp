#include "solver/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include <cfloat>

namespace anglewise {
namespace {

struct ValCase {
  const char* name;
  const char* text;
  double expected;
};

void PrintTo(const ValCase& c, std::ostream* out) {
  *out << c.name;
}

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

void PrintTo(const StrCase& c, std::ostream* out) {
  *out << c.name;
}

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

void PrintTo(const RoundCase& c, std::ostream* out) {
  *out << c.name;
}

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

namespace anglewise {
namespace {

// Doubles of every size, some with few decimals, binary fractions that are
// exact halves at some number of places (the ties), and zeros of both signs.
class AwkwardDoubles {
 public:
  explicit AwkwardDoubles(std::uint64_t seed) : random_(seed) {}
  double next() {
    ++count_;
    double value = unit_(random_) * std::pow(10.0, scale_(random_));
    if (count_ % 3 == 0) value = Round(value, places());
    if (count_ % 5 == 0)
      value = std::ldexp(static_cast<double>(random_() % 100000), -scale_(random_) % 21);
    if (count_ % 7 == 0) value = std::floor(value);
    if (count_ % 101 == 0) value = 0.0 * value;
    return value;
  }
  int places() { return places_(random_); }

 private:
  std::mt19937_64 random_;
  std::uniform_real_distribution<double> unit_{-10.0, 10.0};
  std::uniform_int_distribution<int> scale_{-22, 22}, places_{0, 14};
  long count_ = 0;
};

// Plain decimals, as the boxes hold them, read as strtod reads them; with a
// tab after them they take the long way and must read the same.
TEST(ValTest, PlainDecimalsReadAsStrtodReadsThem) {
  std::mt19937_64 random(1206);
  for (int i = 0; i < 100000; ++i) {
    std::string digits = std::to_string(random() >> (random() % 64));
    size_t point = random() % (digits.size() + 2);
    if (point <= digits.size()) digits.insert(point, ".");
    std::string text = std::string(i % 3, ' ') +
                       (i % 5 == 0   ? "-"
                        : i % 7 == 0 ? "+"
                                     : "") +
                       digits;
    double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(Val(text), expected) << text;
    ASSERT_EQ(Val(text + "\t"), expected) << text;
  }
}

// Str's digits are printf's "%.14e" digits, the classic rule; Str only
// finds them faster.
std::string printfDigits(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string text(buf);
  std::string digits = text.substr(0, 1) + text.substr(2, text.find('e') - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits + "e" + std::to_string(std::atoi(text.c_str() + text.find('e') + 1));
}

std::string strDigits(const std::string& shown) {
  std::string mantissa = shown.substr(1), digits;
  int exponent = 0;
  size_t e = mantissa.find('E');
  if (e != std::string::npos) {
    exponent = std::atoi(mantissa.c_str() + e + 1);
    mantissa = mantissa.substr(0, e);
  }
  size_t point = mantissa.find('.');
  std::string whole = mantissa.substr(0, point);
  std::string frac = point == std::string::npos ? "" : mantissa.substr(point + 1);
  digits = whole + frac;
  int lead = static_cast<int>(digits.find_first_not_of('0'));
  exponent += static_cast<int>(whole.size()) - 1 - lead;
  digits = digits.substr(lead);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits + "e" + std::to_string(exponent);
}

TEST(StrTest, DigitsAreThoseOfPrintfForDoublesOfEverySize) {
  AwkwardDoubles doubles(20261206);
  for (int i = 0; i < 200000; ++i) {
    double value = doubles.next();
    if (value == 0) continue;
    ASSERT_EQ(strDigits(Str(value)), printfDigits(value)) << std::hexfloat << value;
  }
}

TEST(StrTest, WholeNumbersNextToPowersOfTen) {
  for (double power = 1; power <= 1e16; power *= 10) {
    for (double value : {power - 1, power, power + 1, -power}) {
      if (value == 0) continue;
      EXPECT_EQ(strDigits(Str(value)), printfDigits(value)) << value;
      EXPECT_EQ(RoundStr(value, 0), Str(Round(value, 0))) << value;
    }
  }
}

// Round is the exact binary value rounded half to even at `places`, as
// printf's "%.*f" rounds it, read back.
TEST(RoundTest, AgreesWithPrintfForDoublesOfEverySize) {
  AwkwardDoubles doubles(61220261);
  for (int i = 0; i < 200000; ++i) {
    double value = doubles.next();
    int p = doubles.places();
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", p, value);
    ASSERT_EQ(Round(value, p), std::strtod(buf, nullptr)) << std::hexfloat << value << " at " << p;
  }
}

// Every caption is Str(Round(value, places)); RoundStr makes the same text
// in one step.
TEST(RoundStrTest, IsStrOfRound) {
  AwkwardDoubles doubles(12062026);
  for (int i = 0; i < 300000; ++i) {
    double value = doubles.next();
    int p = doubles.places();
    ASSERT_EQ(RoundStr(value, p), Str(Round(value, p))) << std::hexfloat << value << " at " << p;
  }
  for (double special : {0.5, -0.5, 1e15, 99999999999999.9, 1e-5, 0.000099999, -2.5e-15, 1e300}) {
    for (int p : {0, 4, 8, 12, 14}) EXPECT_EQ(RoundStr(special, p), Str(Round(special, p)));
  }
}

// Roundings with 16 to 19 digits whose digits past the fifteenth sit on or
// next to a tie, and runs of nines that carry into a new digit: the double
// nearest the rounded decimal decides those.
TEST(RoundStrTest, IsStrOfRoundNextToFifteenDigitTies) {
  std::mt19937_64 random(6122026);
  std::uniform_int_distribution<std::uint64_t> fifteen(100000000000000, 999999999999999);
  const std::string tails[] = {"5", "4", "6", "49", "51", "50", "499", "501", "4999", "5001"};
  for (int i = 0; i < 40000; ++i) {
    const std::string& tail = tails[i % 10];
    std::string digits = (i % 97 ? std::to_string(fifteen(random)) : "999999999999999") + tail;
    int places = 14 - i % 3;
    int whole = static_cast<int>(digits.size()) - places;  // the rounding keeps every digit
    std::string text = digits.substr(0, static_cast<size_t>(whole)) + "." +
                       digits.substr(static_cast<size_t>(whole));
    double value = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(RoundStr(value, places), Str(Round(value, places))) << text << " at " << places;
    ASSERT_EQ(RoundStr(-value, places), Str(Round(-value, places))) << text << " at " << places;
  }
}

}  // namespace
}  // namespace anglewise
