// A click on the picture with the oblique kind draws the record's triangle
// exactly when a Display solved one, whatever its values; Clear, a solver's
// run-time error and a Display that reads new values all end that.
#include <gtest/gtest.h>

#include "session.h"

namespace anglewise {
namespace {

const Actions kRight = {{"click", "opt90D"}};
const Actions kDisplay = {{"click", "displaynow"}};
const Actions kObliqueClick = {{"click", "optOBL"}, {"click", "Picture1"}};
const Actions kSolved345 = kRight + given(1, "3") + given(2, "4") + kDisplay;
constexpr size_t kEraseAndStrokes = 22;

struct SolvedCase {
  const char* name;
  Actions before;
  size_t figureOps;  // 1: the erase only, the picture stays blank
  size_t messages;
};

void PrintTo(const SolvedCase& c, std::ostream* out) {
  *out << c.name;
}

class SolvedTriangleTest : public testing::TestWithParam<SolvedCase> {};

TEST_P(SolvedTriangleTest, ObliqueClickDrawsOnlyASolvedTriangle) {
  auto w = play(GetParam().before);
  size_t shownBefore = w->messages.shown.size();
  for (const auto& a : kObliqueClick) w->apply(a);
  EXPECT_EQ(w->picture.ops().size(), GetParam().figureOps);
  EXPECT_EQ(w->messages.shown.size(), GetParam().messages);
  EXPECT_EQ(w->messages.shown.size(), shownBefore) << "the click itself shows no message";
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SolvedTriangleTest,
    testing::Values(
        SolvedCase{"NothingSolvedYet", {}, 1, 0},
        // Y ticked but empty: Z = 14, A = 0, B = 90, a triangle all the same.
        SolvedCase{"DegenerateRightSolve",
                   kRight + given(1, "14") + Actions{{"click", "Check2"}} + kDisplay,
                   kEraseAndStrokes, 0},
        SolvedCase{"RightSolve", kSolved345, kEraseAndStrokes, 0},
        // Refused before any value is read: the solved triangle stays.
        SolvedCase{"RefusedBeforeReading", kSolved345 + Actions{{"click", "Check3"}} + kDisplay,
                   kEraseAndStrokes, 1},
        SolvedCase{"AfterClear", kSolved345 + Actions{{"click", "Clearthebaord"}}, 1, 0},
        SolvedCase{
            "AfterRuntimeError",
            kSolved345 + Actions{{"type", "Text1", "1E308"}, {"type", "Text2", "1E308"}} + kDisplay,
            1, 2},
        SolvedCase{"AfterDisplayReadingNewValues",
                   kSolved345 + Actions{{"click", "Check2"}} + given(3, "2") + kDisplay, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolvedTriangleTest, DegenerateSolveShowsItsHeightWidthAndArea) {
  auto w = play(kRight + given(1, "14") + Actions{{"click", "Check2"}} + kDisplay + kObliqueClick);
  EXPECT_EQ(w->window.zrad.Caption(), " 14");
  EXPECT_EQ(w->window.theHeight.Caption(), " 0");
  EXPECT_EQ(w->window.theWidth.Caption(), " 14");
  EXPECT_EQ(w->window.theArea.Caption(), " 0");
}

}  // namespace
}  // namespace anglewise
