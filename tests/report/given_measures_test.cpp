// Any three of the sides X, Y, Z and angles A, B, C, in any positions:
// every combination of three measures of a known triangle gives that
// triangle back among its solutions, each solution has the given
// measures, and what cannot be solved says why in one sentence.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "report/given_measures.h"
#include "report/report_values.h"

namespace anglewise {
namespace {

struct Known {
  const char* name;
  double X, Y, Z;
};

// The six measures of a triangle from its sides, as the report proves them.
std::map<char, double> measuresOf(const Known& k) {
  std::string refusal;
  std::optional<ReportInput> input =
      measuresInput({{'X', k.X}, {'Y', k.Y}, {'Z', k.Z}}, 8, refusal);
  TriangleReport r = makeReport(*input);
  const ReportTriangle& t = r.triangles.at(0);
  return {{'X', t.X.value},         {'Y', t.Y.value},         {'Z', t.Z.value},
          {'A', t.A.degrees.value}, {'B', t.B.degrees.value}, {'C', t.C.degrees.value}};
}

std::map<char, std::string> textsOf(const ReportTriangle& t) {
  return {{'X', t.X.text},         {'Y', t.Y.text},         {'Z', t.Z.text},
          {'A', t.A.degrees.text}, {'B', t.B.degrees.text}, {'C', t.C.degrees.text}};
}

class GivenMeasuresTest : public testing::TestWithParam<Known> {};

TEST_P(GivenMeasuresTest, EveryThreeMeasuresGiveTheTriangleBack) {
  std::map<char, double> all = measuresOf(GetParam());
  TriangleReport whole = makeReport(*[&] {
    std::string refusal;
    return measuresInput({{'X', all['X']}, {'Y', all['Y']}, {'Z', all['Z']}}, 8, refusal);
  }());
  std::map<char, std::string> expected = textsOf(whole.triangles.at(0));
  const std::string names = "XYZABC";
  int combinations = 0;
  for (size_t i = 0; i < 6; ++i) {
    for (size_t j = i + 1; j < 6; ++j) {
      for (size_t k = j + 1; k < 6; ++k) {
        std::map<char, double> given = {
            {names[i], all[names[i]]}, {names[j], all[names[j]]}, {names[k], all[names[k]]}};
        std::string refusal;
        std::optional<ReportInput> input = measuresInput(given, 8, refusal);
        std::string which = std::string() + names[i] + names[j] + names[k];
        if (names.substr(3).find(names[i]) != std::string::npos) {  // A, B, C: three angles
          EXPECT_FALSE(input) << which;
          continue;
        }
        ASSERT_TRUE(input) << which << ": " << refusal;
        TriangleReport r = makeReport(*input);
        ASSERT_FALSE(r.triangles.empty()) << which << ": " << r.why;
        ASSERT_LE(r.triangles.size(), 2u) << which;
        bool found = false;
        for (const ReportTriangle& t : r.triangles) {
          std::map<char, std::string> texts = textsOf(t);
          found = found || texts == expected;
          // Each solution has the given measures, in the user's names.
          for (const auto& [name, value] : given) {
            EXPECT_EQ(texts[name], expected[name]) << which << " " << name;
          }
        }
        EXPECT_TRUE(found) << which << " does not give the triangle back";
        ++combinations;
      }
    }
  }
  EXPECT_EQ(combinations, 19);
}

// Not a right triangle: there the side facing a given acute angle is
// exactly the height, and the angle rounded to a double puts two sides and
// that angle just off the tangency (no triangle, or two nearly one), as the
// report then rightly says; the exact right angle is a case below.
INSTANTIATE_TEST_SUITE_P(Triangles, GivenMeasuresTest,
                         testing::Values(Known{"Scalene567", 5, 6, 7},
                                         Known{"Obtuse2910", 2, 9, 10},
                                         Known{"Isosceles", 1, 1, 1.5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Case {
  const char* name;
  std::map<char, double> given;
  size_t triangles;
  const char* why;
};

class GivenMeasuresCaseTest : public testing::TestWithParam<Case> {};

TEST_P(GivenMeasuresCaseTest, CountAndReasonInTheUsersNames) {
  std::string refusal;
  std::optional<ReportInput> input = measuresInput(GetParam().given, 12, refusal);
  ASSERT_TRUE(input) << refusal;
  TriangleReport r = makeReport(*input);
  EXPECT_EQ(r.triangles.size(), GetParam().triangles);
  EXPECT_EQ(r.why, GetParam().why);
  EXPECT_TRUE(r.consistent);  // no window answered, so there is nothing to judge
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GivenMeasuresCaseTest,
    testing::Values(Case{"AngleFacingZTwoTriangles",
                         {{'X', 10}, {'Z', 6}, {'C', 30}},
                         2,
                         "Z = 6 against the height X sin C = 5: two triangles, B acute or obtuse"},
                    Case{"AngleFacingZNoTriangle",
                         {{'X', 10}, {'Z', 4}, {'C', 30}},
                         0,
                         "Z = 4 is shorter than the height X sin C = 5 it must reach: no triangle"},
                    Case{"AnglesAandCTooWide",
                         {{'X', 1}, {'A', 100}, {'C', 80}},
                         0,
                         "A and C together must be less than 180 degrees"},
                    Case{"RightAngleAtC",
                         {{'X', 3}, {'Y', 4}, {'C', 90}},
                         1,
                         "two sides and the angle between them fix one triangle"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
  const char* name;
  std::map<char, double> given;
  const char* sentence;
};

class GivenMeasuresRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(GivenMeasuresRefusalTest, OneSentence) {
  std::string refusal;
  EXPECT_FALSE(measuresInput(GetParam().given, 12, refusal));
  EXPECT_EQ(refusal, GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, GivenMeasuresRefusalTest,
    testing::Values(Refusal{"ThreeAngles",
                            {{'A', 30}, {'B', 60}, {'C', 90}},
                            "Three angles fix the shape but not the size: give one length."},
                    Refusal{"TwoMeasures",
                            {{'X', 3}, {'Y', 4}},
                            "give three of the sides X, Y, Z and the angles A, B, C, not 2."},
                    Refusal{"NegativeSide",
                            {{'X', -3}, {'Y', 4}, {'Z', 5}},
                            "X must be a length greater than 0."},
                    Refusal{"ZeroAngle",
                            {{'X', 3}, {'Y', 4}, {'C', 0}},
                            "C must be an angle greater than 0 degrees."},
                    Refusal{"FlatAngle",
                            {{'X', 3}, {'Y', 4}, {'C', 180}},
                            "C must be less than 180 degrees: a triangle's angles add up to 180."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anglewise
