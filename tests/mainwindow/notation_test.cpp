#include <gtest/gtest.h>

#include "session.h"

namespace anglewise {
namespace {

struct SwitchCase {
  const char* name;
  const char* typed;
  const char* shown;
  double angle;
};

void PrintTo(const SwitchCase& c, std::ostream* out) {
  *out << c.name;
}

class ToDecimalTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(ToDecimalTest, ConvertsTheAngleBox) {
  auto w = play({{"click", "Option2"}, {"type", "Text4", GetParam().typed}, {"click", "Option1"}});
  EXPECT_EQ(w->window.Text4.Text(), GetParam().shown);
  EXPECT_EQ(w->window.state.angleA, GetParam().angle);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToDecimalTest,
    testing::Values(SwitchCase{"Tenths", " 12d 20m 44s .4", " 12.3456666666667",
                               12 + 20.0 / 60 + 44.0 / 3600 + 0.4 / 3600},
                    SwitchCase{"DegreesMinutes", "45d 30m", " 45.5", 45.5},
                    SwitchCase{"Above90", "95d 0m 0s", " 0", 0},
                    SwitchCase{"Exactly90", "90d", " 90", 90},
                    SwitchCase{"ThreeDigitDegrees", "120d 30m", " 20.5", 20.5},
                    SwitchCase{"NoMarkers", "abc", " 0", 0},
                    SwitchCase{"PlainDecimal", "30.5", " .00013888888889", 0.5 / 3600}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotationSwitchTest, ResetAbove90MarksTheDmsField) {
  auto w = play({{"click", "Option2"}, {"type", "Text4", "95d 0m 0s"}, {"click", "Option1"}});
  EXPECT_EQ(w->window.state.angleADms, "00d 00m 00s");
}

TEST(NotationSwitchTest, ToDmsWritesBothBoxes) {
  auto w = play({{"type", "Text4", "30.5"}, {"type", "Text5", "10.0001"}, {"click", "Option2"}});
  EXPECT_EQ(w->window.Text4.Text(), " 30d 30m 0s");
  EXPECT_EQ(w->window.Text5.Text(), " 10d 0m 0s .36");
  EXPECT_EQ(w->window.state.angleBDms, " 10d 0m 0s .36");
}

TEST(NotationSwitchTest, EmptyBoxRoundTripsToZero) {
  auto w = play({{"click", "Option2"}});
  EXPECT_EQ(w->window.Text4.Text(), " 0d 0m 0s");
  w->apply({"click", "Option1"});
  EXPECT_EQ(w->window.Text4.Text(), " 0");
}

TEST(NotationSwitchTest, SamplesNeverChangeAndNothingIsSolved) {
  auto w = play({{"type", "Text4", "30"}, {"click", "Option2"}, {"click", "Option1"}});
  EXPECT_EQ(w->window.xlen.Caption(), "");
  EXPECT_EQ(w->beeper.count, 0);
}

}  // namespace
}  // namespace anglewise
