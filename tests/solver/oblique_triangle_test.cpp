#include <gtest/gtest.h>

#include "fake_solver_window.h"
#include "solver/checked_math.h"
#include "solver/numbers.h"
#include "solver/solvers.h"

namespace anglewise {
namespace {

struct Values {
  double x = 0, y = 0, z = 0, a = 0, b = 0;
};

class ObliqueTriangleTest : public testing::Test {
 protected:
  void solve(Values g, const std::vector<int>& boxes, bool obtuse = false) {
    state.sideX = g.x, state.sideY = g.y, state.sideZ = g.z;
    state.angleA = g.a, state.angleB = g.b;
    for (int box : boxes) window.boxes[box] = true;
    window.text4 = g.a != 0 ? "a" : "";
    window.text5 = g.b != 0 ? "b" : "";
    window.obtuse = obtuse;
    obliquetriangle(state, window);
  }
  std::vector<std::string> errorThenClear(const std::string& text) { return {text, "clearall"}; }

  TriangleState state;
  FakeSolverWindow window{state};
};

TEST_F(ObliqueTriangleTest, SidesThatCannotCloseCannotBeSolved) {
  solve({10, 2, 3}, {1, 2, 3});
  EXPECT_EQ(window.log, errorThenClear("Can not solve this problem"));
  EXPECT_EQ(state.solveFailed, 1);
}

// Two sides and an angle opposite one: where the sine reaches 1 or more,
// the window's own errors, in the order its arithmetic meets them (a sine
// above 1 is told without a throw, so its neighbours are pinned here).
struct SineCase {
  const char* name;
  Values given;
  std::vector<int> boxes;
  bool obtuse;
  std::vector<std::string> log;
};

class SineBeyondOneTest : public ObliqueTriangleTest,
                          public testing::WithParamInterface<SineCase> {};

TEST_P(SineBeyondOneTest, GivesTheWindowsError) {
  solve(GetParam().given, GetParam().boxes, GetParam().obtuse);
  EXPECT_EQ(window.log, GetParam().log);
  EXPECT_EQ(state.solveFailed, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SineBeyondOneTest,
                         testing::Values(SineCase{"AboveOne",
                                                  {5, 4.999999, 0, 90},
                                                  {1, 2, 4},
                                                  false,
                                                  {"Can not solve this problem", "clearall"}},
                                         SineCase{"AboveOneObtuse",
                                                  {5, 4.999999, 0, 90},
                                                  {1, 2, 4},
                                                  true,
                                                  {"Can not solve this problem", "clearall"}},
                                         SineCase{"AboveOneForB",
                                                  {4.999999, 5, 0, 0, 90},
                                                  {1, 2, 5},
                                                  false,
                                                  {"Can not solve this problem", "clearall"}},
                                         SineCase{"ExactlyOneDividesByZero",
                                                  {5, 5, 0, 90},
                                                  {1, 2, 4},
                                                  false,
                                                  {errorFoundText(11), "clearall"}},
                                         SineCase{"SquareOverflowsFirst",
                                                  {1e200, 1, 0, 90},
                                                  {1, 2, 4},
                                                  false,
                                                  {errorFoundText(6), "clearall"}},
                                         SineCase{"SineOverflowsFirst",
                                                  {1e300, 1e-10, 0, 90},
                                                  {1, 2, 4},
                                                  false,
                                                  {errorFoundText(6), "clearall"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ObliqueTriangleTest, DegenerateClosureDividesByZero) {
  solve({4, 2, 2}, {1, 2, 3});
  EXPECT_EQ(window.log, errorThenClear(errorFoundText(11)));
}

TEST_F(ObliqueTriangleTest, ObtuseImpossibleFallsBackToAcute) {
  solve({4, 6, 0, 30}, {1, 2, 4}, true);
  EXPECT_EQ(window.log, (std::vector<std::string>{"cantdoit", "beep"}));
  EXPECT_FALSE(window.obtuse);
  EXPECT_EQ(state.solveFailed, 0);
}

TEST_F(ObliqueTriangleTest, ObtuseCThatDoesNotFitIsNegative) {
  solve({10, 0, 3, 0, 30}, {1, 3, 5}, true);
  EXPECT_EQ(window.log, std::vector<std::string>{"negerror"});
  EXPECT_EQ(state.solveFailed, 1);
}

TEST_F(ObliqueTriangleTest, NegativeArctangentIsRefused) {
  solve({10, 0, 3, 30}, {1, 3, 4});
  EXPECT_LT(state.angleB, 0);
  EXPECT_EQ(window.log, std::vector<std::string>{"negerror"});
  EXPECT_EQ(state.solveFailed, 1);
}

TEST_F(ObliqueTriangleTest, AnglesSummingPast180AreRefused) {
  solve({0, 5, 0, 100, 90}, {2, 4, 5});
  EXPECT_LT(state.sideZ, 0);
  EXPECT_EQ(window.log, std::vector<std::string>{"negerror"});
}

TEST_F(ObliqueTriangleTest, ValuesPickTheCaseWithoutTicks) {
  solve({3, 4, 5}, {});
  EXPECT_EQ(window.tickedBoxes(), "123");
  EXPECT_EQ(state.solveFailed, 0);
}

TEST_F(ObliqueTriangleTest, BlankAngleTextSpoilsThePattern) {
  state.sideX = 3, state.sideY = 4, state.sideZ = 5;
  window.text5 = " ";
  obliquetriangle(state, window);
  EXPECT_EQ(state.solveFailed, 1);
  EXPECT_TRUE(window.log.empty());
}

}  // namespace
}  // namespace anglewise
