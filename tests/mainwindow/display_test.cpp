#include <gtest/gtest.h>

#include <set>

#include "session.h"
#include "solver/checked_math.h"

namespace anglewise {
namespace {

const Actions kRight = {{"click", "opt90D"}};
const Actions kOblique = {{"click", "optOBL"}};
const Actions kDisplay = {{"click", "displaynow"}};
const Actions kDms = {{"click", "Option2"}};

const char* kNeg = "Negative number out of range ";
const char* kNotGonna = "Selection of Inputs Incorrect";
const char* kTooMany = "Number of boxes checked out of range ";
const char* kInputs = "Value of Inputs Incorrect";

TEST(DisplayTest, RightTriangleFromTwoLegs) {
  auto w = play(kRight + given(1, "3") + given(2, "4") + kDisplay);
  MainWindow& m = w->window;
  EXPECT_EQ(m.Text3.Text(), " 5");
  EXPECT_EQ(m.Text4.Text(), " 53.130102354156");
  EXPECT_EQ(m.adec.Caption(), " 53.130102354156");
  EXPECT_EQ(m.adms.Caption(), " 53d 7m 48s .368");
  EXPECT_EQ(m.bdms.Caption(), " 36d 52m 11s .632");
  EXPECT_EQ(m.c90dec.Caption(), " 90");
  EXPECT_EQ(m.c90dms.Caption(), " 90d 0m 0s");
  EXPECT_EQ(m.theArea.Caption(), " 6");
  EXPECT_EQ(m.theHeight.Caption(), " 4");
  EXPECT_EQ(m.theWidth.Caption(), " 3");
  EXPECT_TRUE(w->messages.shown.empty());
  EXPECT_EQ(w->beeper.count, 1);
}

TEST(DisplayTest, DmsNotationWritesAnglesAsTextAndRedisplaysFromTicks) {
  auto w = play(kRight + kDms + given(1, "3") + given(2, "4") + kDisplay);
  EXPECT_EQ(w->window.Text4.Text(), " 53d 7m 48s .368");
  EXPECT_EQ(w->window.Text5.Text(), " 36d 52m 11s .632");
  w->apply({"click", "displaynow"});
  EXPECT_EQ(w->window.Text3.Text(), " 5");
  EXPECT_EQ(w->window.Text4.Text(), " 53d 7m 48s .368");
  EXPECT_EQ(w->beeper.count, 2);
}

TEST(DisplayTest, DmsAngleReadsBackOnSecondDisplay) {
  auto w = play(kRight + kDms + given(3, "10") + given(4, "30d") + kDisplay);
  EXPECT_EQ(w->window.Check3.Value(), 1);
  EXPECT_EQ(w->window.Check4.Value(), 1);
  EXPECT_EQ(w->window.Text4.Text(), " 30d 0m 0s");
  std::string x = w->window.xlen.Caption();
  w->apply({"click", "displaynow"});
  EXPECT_EQ(w->window.xlen.Caption(), x);
  EXPECT_EQ(w->window.state.angleA, 30);
}

struct RefusalCase {
  const char* name;
  Actions actions;
  std::vector<std::string> titles;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
  *out << c.name;
}

class DisplayRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(DisplayRefusalTest, ShowsMessagesInOrderAndDisplaysNothing) {
  auto w = play(GetParam().actions + kDisplay);
  EXPECT_EQ(titles(*w), GetParam().titles);
  EXPECT_EQ(w->window.xlen.Caption(), "");
  EXPECT_EQ(w->beeper.count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, DisplayRefusalTest,
    testing::Values(
        RefusalCase{"BothAnglesAndASide",
                    kRight + given(1, "3") + given(4, "30") + given(5, "60"),
                    {kInputs, kTooMany}},
        RefusalCase{"BothAnglesOnly", kRight + given(4, "30") + given(5, "60"), {kInputs}},
        RefusalCase{
            "ThreeBoxesRight", kRight + given(1, "3") + given(2, "4") + given(3, "5"), {kTooMany}},
        RefusalCase{"FourBoxesOblique",
                    kOblique + given(1, "3") + given(2, "4") + given(3, "5") + given(4, "30"),
                    {kTooMany}},
        RefusalCase{"NoSideRight", kRight + given(4, "30"), {kInputs}},
        RefusalCase{"NoSideOblique", kOblique + given(4, "30") + given(5, "60"), {kInputs}},
        RefusalCase{"ZeroSides", kOblique + given(1, "0") + given(2, "abc"), {kInputs}},
        RefusalCase{"NegativeSide", kRight + given(1, "-3") + given(2, "4"), {kNeg, kNotGonna}},
        RefusalCase{"TwoNegatives",
                    kOblique + given(1, "-3") + given(2, "-4") + given(3, "5"),
                    {kNeg, kNeg, kNeg, kNotGonna}},
        RefusalCase{"HypotenuseTooShort",
                    kRight + given(2, "3") + given(3, "3"),
                    {"Impossable calculation ", kNotGonna}},
        RefusalCase{"RightAngleGiven",
                    kRight + given(1, "3") + given(4, "90"),
                    {"Angle out of range ", kNotGonna}},
        RefusalCase{"ObliqueAnglesTooLarge",
                    kOblique + given(2, "5") + given(4, "100") + given(5, "90"),
                    {kNeg, kNotGonna}},
        RefusalCase{"NothingToSolve", kOblique + given(1, "3"), {kNotGonna}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayTest, RuntimeErrorClearsTheWindowBeforeTheRefusal) {
  auto w = play(kOblique + given(1, "10") + given(2, "2") + given(3, "3") + kDisplay);
  ASSERT_EQ(w->messages.shown.size(), 2u);
  EXPECT_EQ(w->messages.shown[0], (ShownMessage{"Error", "Can not solve this problem", 48}));
  EXPECT_EQ(w->messages.shown[1].title, kNotGonna);
  EXPECT_EQ(w->messages.shown[1].text, "Invalid Selection\r\rPlease select or check valid inputs.");
  EXPECT_EQ(w->window.Text1.Text(), "");
  EXPECT_EQ(w->window.Check1.Value(), 0);
  EXPECT_EQ(w->window.state.resultsShown, 0);
}

TEST(DisplayTest, DivisionByZeroNamesTheError) {
  auto w = play(kOblique + given(1, "4") + given(2, "2") + given(3, "2") + kDisplay);
  ASSERT_EQ(w->messages.shown.size(), 2u);
  EXPECT_EQ(w->messages.shown[0].text, errorFoundText(11));
}

TEST(DisplayTest, TooManyMessageHasOneBreakBeforeItsLastLine) {
  auto w = play(kRight + given(1, "3") + given(2, "4") + given(3, "5") + kDisplay);
  EXPECT_EQ(w->messages.shown.at(0).text,
            "Invalid Number Boxes Checked !\r\rThe number of boxes checked can be no greater "
            "than 3 for an\roblique angle triangle and no greater than 2 for a right angle "
            "triangle.");
}

TEST(DisplayTest, WithoutAKindTheValuesComeBackAsTheyAre) {
  auto w = play(given(1, "3") + given(4, "30") + given(5, "50") + kDisplay);
  EXPECT_EQ(w->window.Text1.Text(), " 3");
  EXPECT_EQ(w->window.c90dec.Caption(), " 100");
  EXPECT_EQ(w->window.theHeight.Caption(), " 0");
  EXPECT_EQ(w->beeper.count, 0);
}

TEST(DisplayTest, UntickedBoxIsEmptiedBeforeTheNextDisplay) {
  auto w = play(kRight + given(1, "3") + given(2, "4") + kDisplay);
  w->apply({"click", "Check2"});
  w->apply({"click", "displaynow"});
  EXPECT_EQ(w->window.Text2.Text(), "");
  EXPECT_EQ(titles(*w), std::vector<std::string>{kNotGonna});
}

TEST(DisplayTest, ObliqueFigureWritesHeightWidthArea) {
  auto w = play(kOblique + given(1, "10") + given(2, "6") + given(4, "30") +
                Actions{{"click", "over90checked"}} + kDisplay);
  MainWindow& m = w->window;
  EXPECT_EQ(m.bdec.Caption(), " 123.557309761921");
  EXPECT_EQ(m.zrad.Caption(), " 5.343629247489");
  EXPECT_EQ(m.theHeight.Caption(), " 2.671814623744");
  EXPECT_EQ(m.theArea.Caption(), " 13.359073118722");
  EXPECT_EQ(m.over90checked.Value(), 1);
}

TEST(DisplayTest, ObtuseChoiceFollowsTheTicks) {
  auto w = play(kOblique + given(1, "3") + given(2, "4") + given(5, "30"));
  EXPECT_TRUE(w->window.over90checked.Enabled());
  w->apply({"click", "Check3"});
  EXPECT_FALSE(w->window.over90checked.Enabled());
  w->apply({"click", "Check3"});
  EXPECT_TRUE(w->window.over90checked.Enabled());
  w->apply({"click", "opt90D"});
  EXPECT_FALSE(w->window.over90checked.Enabled());
}

// The obtuse box is offered for exactly the four sets of two sides and an
// angle not between them, on the oblique kind only; every tick set tried.
TEST(DisplayTest, ObtuseChoiceIsOfferedForTheFourAmbiguousSetsOnly) {
  const std::set<std::string> offered = {"XYB", "YZA", "XYA", "XZB"};
  for (bool oblique : {false, true}) {
    for (unsigned set = 0; set < 32; ++set) {
      HeadlessWindow w;
      if (oblique) w.click("optOBL");
      std::string rows;
      for (Given row : kGivenRows) {
        int index = static_cast<int>(row) - 1;  // X is 0 ... B is 4
        if (set >> index & 1) w.window.checkBox(row).click(), rows += "XYZAB"[index];
      }
      EXPECT_EQ(w.window.over90checked.Enabled(), oblique && offered.count(rows) == 1)
          << rows << (oblique ? " oblique" : " right");
    }
  }
}

TEST(DisplayTest, ClearEmptiesAndKeepsKindAndNotation) {
  auto w = play(kOblique + kDms + given(1, "3") + given(2, "4") + given(3, "5") + kDisplay +
                Actions{{"click", "Clearthebaord"}});
  MainWindow& m = w->window;
  for (Given row : kGivenRows) {
    EXPECT_EQ(m.checkBox(row).Value(), 0);
    EXPECT_EQ(m.inputBox(row).Text(), "");
  }
  EXPECT_EQ(m.theArea.Caption(), "");
  EXPECT_FALSE(m.over90checked.Enabled());
  EXPECT_TRUE(m.optOBL.Value());
  EXPECT_TRUE(m.Option2.Value());
  EXPECT_EQ(m.state.sideX, 500);
  EXPECT_EQ(m.state.inputError, 1);
  EXPECT_EQ(w->picture.ops().size(), 22u);
}

TEST(DecimalsMenuTest, RedisplaysOnlyWhenResultsAreShown) {
  auto w = play({{"menu", "mnu4places"}});
  EXPECT_TRUE(w->window.mnu4places.Checked());
  EXPECT_FALSE(w->window.mnu12places.Checked());
  EXPECT_EQ(w->window.state.decimalPlaces, 4);
  EXPECT_EQ(w->beeper.count, 0);

  w->apply({"click", "opt90D"});
  for (const auto& a : given(1, "3") + given(2, "4") + kDisplay) w->apply(a);
  EXPECT_EQ(w->window.adec.Caption(), " 53.1301");
  w->apply({"menu", "mnuNone"});
  EXPECT_EQ(w->window.state.decimalPlaces, 14);
  EXPECT_EQ(w->window.adec.Caption(), " 53.130102354156");
  EXPECT_EQ(w->window.Text4.Text(), " 53.130102354156");
  EXPECT_EQ(w->beeper.count, 2);
}

}  // namespace
}  // namespace anglewise
