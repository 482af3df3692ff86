// Two measures from one corner, one over the other: the closed forms
// against the plain quotient of the two measures, and the searches that
// only the closed forms keep short, where two such measures nearly agree
// along a whole edge of flat triangles.
#include "anysolve/corner_ratios.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "anysolve/dual.h"
#include "anysolve/shape_measures.h"
#include "anysolve/three_measures.h"
#include "exact/decide.h"

namespace anglewise::anysolve {
namespace {

using exact::Ball;
using D = Dual<Ball>;

// A shape as the search's number type holds it, with no derivatives.
ShapeAngles<D> shapeOf(double a, double b, int big) {
  ShapeAngles<D> s;
  Ball angles[3] = {Ball(a), Ball(b), Ball(1L) - Ball(a) - Ball(b)};
  for (int i = 0; i < 3; ++i) {
    s.angle[i] = D(D(), angles[i]);
    s.rest[i] = D(D(), Ball(1L) - angles[i]);
  }
  s.big = big, s.first = (big + 1) % 3, s.second = (big + 2) % 3;
  s.difference = s.angle[s.first] - s.angle[s.second];
  return withSines(s);
}

TEST(CornerRatioTest, EveryPairFromOneCornerIsTheQuotientOfItsMeasures) {
  const Measure corners[3][3] = {{Measure::hY, Measure::tA, Measure::mY},
                                 {Measure::hX, Measure::tB, Measure::mX},
                                 {Measure::hZ, Measure::tC, Measure::mZ}};
  std::mt19937_64 rng(20261207);
  std::uniform_real_distribution<double> unit(0, 1);
  exact::WorkingPrecision precision(128);
  int compared = 0;
  for (int sample = 0; sample < 200; ++sample) {
    // Shapes of every kind, near flat and near needles too.
    double a = unit(rng), b = (1 - a) * unit(rng);
    if (sample % 4 == 0) a = 1 - 1e-3 * unit(rng), b = (1 - a) * unit(rng);
    if (a <= 0 || b <= 0 || a + b >= 1) continue;
    ShapeAngles<D> s = shapeOf(a, b, sample % 3);
    for (const auto& corner : corners) {
      for (Measure m : corner) {
        for (Measure reference : corner) {
          if (m == reference) continue;
          Ball closed = cornerRatio(m, reference, s).value();
          Ball quotient = shapeMeasure(m, s).value() / shapeMeasure(reference, s).value();
          ASSERT_TRUE(arb_overlaps(closed.get(), quotient.get()))
              << info(m).name << " / " << info(reference).name << " at A = " << a << ", B = " << b
              << ": " << closed.estimate() << " against " << quotient.estimate();
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 3000);
}

struct NearFlat {
  const char* name;
  std::vector<std::pair<Measure, double>> measures;
  int triangles;
  int budget;
};

void PrintTo(const NearFlat& c, std::ostream* os) {
  *os << c.name;
}

class NearFlatSearchTest : public testing::TestWithParam<NearFlat> {};

// Each is settled within a budget of boxes that the search once exceeded:
// the first two many times over, while it divided the two measures' own
// enclosures; the others while it compared only two pairs of three lengths.
TEST_P(NearFlatSearchTest, IsSettledWithFewBoxes) {
  std::vector<GivenMeasure> given;
  for (const auto& [m, v] : GetParam().measures) given.push_back({m, v});
  ShapePlan plan = planShapes(given);
  ASSERT_TRUE(plan.refusal.empty()) << plan.refusal;
  plan.problem.budget = GetParam().budget;
  exact::WorkingPrecision precision(128);  // as the report searches
  ShapeSearch search = searchShapes(plan.problem);
  EXPECT_EQ(search.unsettledBoxes, 0);
  EXPECT_EQ(static_cast<int>(search.roots.size()), GetParam().triangles);
}

INSTANTIATE_TEST_SUITE_P(Known, NearFlatSearchTest,
                         testing::Values(
                             // B is 22 degrees, but every shape with B near 0 has mX / tB near
                             // 1 and mY / tB near a half: the median and the bisector from B
                             // differ by 0.36%.
                             NearFlat{"MedianAndBisectorFromOneCorner",
                                      {{Measure::mX, 0.43737324754407897},
                                       {Measure::tB, 0.43579167024702165},
                                       {Measure::mY, 0.21947701403241146}},
                                      1,
                                      1500},
                             // The sides Z and X nearly equal, A 163 degrees: mX / Z and tB /
                             // mX are nearly one curve of shapes across the flat ones.
                             NearFlat{"MedianBisectorAndASideNearlyFlat",
                                      {{Measure::mX, 261.15836658082964},
                                       {Measure::Z, 176.93447411852398},
                                       {Measure::tB, 233.65621782478897}},
                                      1,
                                      4000},
                             // C is 5 degrees and the two medians' curves of shapes run side by
                             // side for a long way: the third pair, tC against mX, crosses
                             // them (3,131 boxes with two equations).
                             NearFlat{"TwoMediansAndABisectorSideBySide",
                                      {{Measure::mY, 27053.193239115353},
                                       {Measure::tC, 56763.208008951246},
                                       {Measure::mX, 30234.34638651408}},
                                      1,
                                      2700},
                             // 1,939 boxes with two equations.
                             NearFlat{"InradiusMedianAndBisector",
                                      {{Measure::Inradius, 4.7105811181429673e-07},
                                       {Measure::mZ, 1.6719542154970274e-06},
                                       {Measure::tC, 1.0864641627828311e-06}},
                                      2,
                                      1200}),
                         [](const testing::TestParamInfo<NearFlat>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace anglewise::anysolve
