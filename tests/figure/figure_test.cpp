#include "figure/figure.h"

#include <gtest/gtest.h>

#include "figure/recording_picture_box.h"
#include "solver/checked_math.h"

namespace anglewise {
namespace {

class NoCaptions : public FigureCaptions {
 public:
  void setHeightCaption(std::string_view c) override { height = c; }
  void setWidthCaption(std::string_view c) override { width = c; }
  void setAreaCaption(std::string_view c) override { area = c; }
  std::string height = "unchanged", width = "unchanged", area = "unchanged";
};

class FigureTest : public testing::Test {
 protected:
  FigureTest() { state.decimalPlaces = 12; }
  const FigureOp& op(size_t i) const { return picture.ops().at(i); }
  TriangleState state;
  RecordingPictureBox picture;
  NoCaptions captions;
};

TEST_F(FigureTest, DefaultFigureIsIsoscelesFillingTheWidth) {
  Picture1_Click(state, picture, false, captions);
  ASSERT_EQ(picture.ops().size(), 22u);
  EXPECT_EQ(op(0).kind, FigureOp::Kind::Fill);
  EXPECT_EQ(op(0).x2, 3072.0f);
  EXPECT_EQ(op(0).colour, kWhite);
  const FigureOp& sideZ = op(1);
  EXPECT_EQ(sideZ.x1, 500.0f);
  EXPECT_EQ(sideZ.y1, 2572.0f);
  EXPECT_EQ(sideZ.x2, 2572.0f);
  EXPECT_EQ(sideZ.y2, 500.0f);
  EXPECT_EQ(sideZ.colour, (Rgb{0, 0, 0}));
  EXPECT_EQ(state.sideX, 500);
  EXPECT_EQ(state.sideY, 500);
  // The C arc opens to the right of vertex C.
  const FigureOp& c = picture.ops().back();
  EXPECT_EQ(c.kind, FigureOp::Kind::Arc);
  EXPECT_EQ(c.cx, 2572.0f + 225);
  EXPECT_EQ(c.start, 0.75);
  EXPECT_EQ(c.end, 5.5);
}

TEST_F(FigureTest, LongerLegFillsItsDirection) {
  state.sideX = 3, state.sideY = 4;
  TriangleDisplay90(state, picture);
  EXPECT_EQ(state.figureScale, 2072.0 / 4);
  EXPECT_EQ(state.figureExtentX, 518.0 * 3 + 500);
  const FigureOp& sideY = op(7);
  EXPECT_EQ(sideY.x1, 2054.0f);
  EXPECT_EQ(sideY.y1, 2572.0f);
  EXPECT_EQ(sideY.y2, 500.0f);
}

TEST_F(FigureTest, EqualLegsTakeTheWidth) {
  state.sideX = 4, state.sideY = 4;
  TriangleDisplay90(state, picture);
  EXPECT_EQ(state.figureScale, 2072.0 / 4);
}

struct MarginCase {
  const char* name;
  double a, b;
  double margin;
};

void PrintTo(const MarginCase& c, std::ostream* out) {
  *out << c.name;
}

class ObliqueMarginTest : public testing::TestWithParam<MarginCase> {};

TEST_P(ObliqueMarginTest, GrowsWithTheLargestAngle) {
  TriangleState s;
  s.angleA = GetParam().a, s.angleB = GetParam().b, s.angleC = 180 - (s.angleB + s.angleA);
  s.sideX = 5, s.sideY = 5, s.sideZ = 5;
  s.triangleSolved = 1;
  RecordingPictureBox p;
  NoCaptions c;
  TriangleDisplayoblique(s, p, c);
  EXPECT_EQ(s.figureMargin, GetParam().margin);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, ObliqueMarginTest,
    testing::Values(MarginCase{"AllAcute", 60, 60, 500}, MarginCase{"RightAngle", 45, 45, 500},
                    MarginCase{"Exactly110", 35, 35, 600}, MarginCase{"Obtuse120", 30, 30, 700},
                    MarginCase{"Obtuse140", 20, 20, 800}, MarginCase{"Obtuse160", 10, 10, 900},
                    MarginCase{"Obtuse175", 2.5, 2.5, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FigureTest, ObliqueWithObtuseCPutsBRightOfC) {
  state.sideX = 4, state.sideY = 4, state.sideZ = 6.928203230275509;
  state.angleA = 30, state.angleB = 30, state.angleC = 120;
  state.triangleSolved = 1;
  TriangleDisplayoblique(state, picture, captions);
  EXPECT_LT(state.apexOffset, 0);
  EXPECT_NEAR(state.resultWidth, 6, 1e-12);
  EXPECT_GT(state.apexX, state.figureExtentX);
  EXPECT_NEAR(state.apexX, 3072 - 700, 1e-9);
  EXPECT_EQ(captions.width, " 6");
}

TEST_F(FigureTest, ObliqueAfterClearDrawsNothingAndKeepsCaptions) {
  state.sideX = 500, state.sideY = 500;
  Picture1_Click(state, picture, true, captions);
  EXPECT_EQ(picture.ops().size(), 1u);  // the erase only
  EXPECT_EQ(captions.height, "unchanged");
  EXPECT_EQ(state.resultArea, 0);
}

TEST_F(FigureTest, RightTriangleSeenAsObliqueGivesLegsAndHalfProduct) {
  state.sideX = 3, state.sideY = 4, state.sideZ = 5;
  state.angleA = 53.13010235415598, state.angleB = 90 - state.angleA;
  state.angleC = 180 - (state.angleB + state.angleA);
  state.triangleSolved = 1;
  TriangleDisplayoblique(state, picture, captions);
  EXPECT_EQ(captions.height, " 4");
  EXPECT_EQ(captions.width, " 3");
  EXPECT_EQ(captions.area, " 6");
}

TEST_F(FigureTest, HugeScaleOverflowsSinglePrecision) {
  state.sideX = 1, state.sideY = -1e40;
  EXPECT_THROW(TriangleDisplay90(state, picture), RuntimeError);
}

}  // namespace
}  // namespace anglewise
