#include <gtest/gtest.h>

#include "fake_solver_window.h"
#include "solver/checked_math.h"
#include "solver/numbers.h"
#include "solver/solvers.h"

namespace anglewise {
namespace {

class RightTriangleTest : public testing::Test {
 protected:
  RightTriangleTest() { state.decimalPlaces = 12; }
  void given(std::initializer_list<int> boxes) {
    for (int box : boxes) window.boxes[box] = true;
  }
  void solve() { righttriangle(state, window); }

  TriangleState state;
  FakeSolverWindow window{state};
};

TEST_F(RightTriangleTest, TwoLegs) {
  state.sideX = 3, state.sideY = 4;
  given({1, 2});
  solve();
  EXPECT_EQ(state.solveFailed, 0);
  EXPECT_EQ(state.sideZ, 5);
  EXPECT_EQ(Str(Round(state.angleA, 12)), " 53.130102354156");
  EXPECT_EQ(Str(Round(state.angleB, 12)), " 36.869897645844");
  EXPECT_EQ(state.angleB, 90 - state.angleA);
  EXPECT_EQ(state.resultArea, 6);
  EXPECT_EQ(window.areaCaption, " 6");
  EXPECT_EQ(state.resultHeight, 4);
  EXPECT_EQ(state.resultWidth, 3);
  EXPECT_EQ(window.tickedBoxes(), "12");
  EXPECT_EQ(window.log, std::vector<std::string>{"beep"});
}

TEST_F(RightTriangleTest, HypotenuseNotLongerThanLegIsRefusedWithBoxesKept) {
  for (auto [y, x, boxes] : {std::tuple{3.0, 0.0, "23"}, std::tuple{0.0, 5.0, "13"}}) {
    TriangleState fresh;
    fresh.resultsShown = 1;
    FakeSolverWindow w(fresh);
    fresh.sideY = y, fresh.sideX = x, fresh.sideZ = 3;
    for (char c : std::string(boxes)) w.boxes[c - '0'] = true;
    righttriangle(fresh, w);
    EXPECT_EQ(w.log, std::vector<std::string>{"Ztoosmall"}) << boxes;
    EXPECT_EQ(fresh.solveFailed, 1);
    EXPECT_EQ(fresh.resultsShown, 0);
    EXPECT_EQ(fresh.inputError, 1);
    EXPECT_EQ(w.tickedBoxes(), boxes);
  }
}

TEST_F(RightTriangleTest, AngleBWithAdjacentLegUsesFifteenDigitPi) {
  state.sideX = 2, state.angleB = 30;
  given({1, 5});
  solve();
  EXPECT_EQ(state.angleA, 60);
  EXPECT_EQ(Str(Round(state.sideY, 12)), " 3.464101615138");
  EXPECT_LT(state.sideZ, 4);
  EXPECT_NEAR(state.sideZ, 3.999999999999993, 1e-15);
  EXPECT_EQ(Str(Round(state.sideZ, 12)), " 4");
  EXPECT_EQ(window.tickedBoxes(), "15");
}

TEST_F(RightTriangleTest, WithoutTicksTheValuesPickTheCase) {
  state.sideY = 4, state.sideZ = 5;
  solve();
  EXPECT_EQ(window.tickedBoxes(), "23");
  EXPECT_EQ(state.sideX, 3);

  TriangleState other;
  other.sideX = 2, other.angleA = 30;
  FakeSolverWindow w(other);
  w.text4 = "30";
  righttriangle(other, w);
  EXPECT_EQ(w.tickedBoxes(), "14");
  EXPECT_EQ(other.solveFailed, 0);
}

TEST_F(RightTriangleTest, NothingToSolveFailsSilently) {
  state.sideX = 3;
  solve();
  EXPECT_EQ(state.solveFailed, 1);
  EXPECT_TRUE(window.log.empty());
}

TEST_F(RightTriangleTest, RightAngleGivenIsTooHigh) {
  state.sideX = 3, state.angleA = 90;
  given({1, 4});
  solve();
  EXPECT_EQ(window.log, std::vector<std::string>{"tohigh"});
  EXPECT_EQ(state.solveFailed, 1);
  EXPECT_EQ(state.inputError, 0);
}

TEST_F(RightTriangleTest, DivisionByZeroShowsErrorAndClears) {
  struct Case {
    const char* name;
    double x, y;
    std::initializer_list<int> boxes;
  };
  for (const Case& c :
       {Case{"YAngleWithZeroAngle", 0, 5, {2, 4}}, Case{"XYWithZeroX", 0, 5, {1, 2}}}) {
    TriangleState s;
    FakeSolverWindow w(s);
    s.sideX = c.x, s.sideY = c.y;
    w.text4 = "0";
    for (int box : c.boxes) w.boxes[box] = true;
    righttriangle(s, w);
    EXPECT_EQ(w.log, (std::vector<std::string>{errorFoundText(11), "clearall"})) << c.name;
    EXPECT_EQ(s.solveFailed, 1) << c.name;
  }
}

TEST_F(RightTriangleTest, AreaCaptionFollowsPlaces) {
  state.sideX = 1, state.sideY = 1;
  given({1, 2});
  solve();
  EXPECT_EQ(window.areaCaption, " .5");

  TriangleState s;
  s.decimalPlaces = 4;
  s.sideX = 1, s.sideY = 0.3;
  FakeSolverWindow w(s);
  w.boxes[1] = w.boxes[2] = true;
  righttriangle(s, w);
  EXPECT_EQ(w.areaCaption, " .15");
  EXPECT_EQ(s.resultArea, 0.3 * 1 / 2);
}

TEST_F(RightTriangleTest, PendingInputErrorFailsAfterComputing) {
  state.sideX = 3, state.sideY = 4, state.inputError = 1;
  given({1, 2});
  solve();
  EXPECT_EQ(state.solveFailed, 1);
  EXPECT_EQ(state.inputError, 0);
  EXPECT_EQ(state.sideZ, 5);
  EXPECT_TRUE(window.log.empty());
}

}  // namespace
}  // namespace anglewise
