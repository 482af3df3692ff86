// The oblique solver as the window shows it: each case of given values,
// with the twelve result captions exactly as shown at 12 places and the
// record's sides and angles to the last bit.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "session.h"

namespace anglewise {
namespace {

struct ObliqueCase {
  const char* name;
  std::map<std::string, std::string> given;  ///< "X" to "B" and the text typed
  bool obtuse;
  std::array<const char*, 12> captions;  ///< xlen ... theArea
  std::vector<std::string> messages;     ///< titles, in order
  std::array<double, 5> record;          ///< sideX, sideY, sideZ, angleA, angleB
};

void PrintTo(const ObliqueCase& c, std::ostream* out) {
  *out << c.name;
}

class ObliqueSolutionTest : public testing::TestWithParam<ObliqueCase> {};

TEST_P(ObliqueSolutionTest, ShowsEveryResultExactly) {
  const ObliqueCase& c = GetParam();
  const std::map<std::string, int> rows = {{"X", 1}, {"Y", 2}, {"Z", 3}, {"A", 4}, {"B", 5}};
  Actions actions = {{"click", "optOBL"}};
  for (const auto& [name, text] : c.given) actions = actions + given(rows.at(name), text);
  if (c.obtuse) actions.push_back({"click", "over90checked"});
  actions.push_back({"click", "displaynow"});
  auto w = play(actions);
  std::vector<Label*> labels = w->window.resultLabels();
  ASSERT_EQ(labels.size(), c.captions.size());
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->Caption(), c.captions[i]) << "result label " << i;
  }
  EXPECT_EQ(titles(*w), c.messages);
  const TriangleState& s = w->window.state;
  EXPECT_EQ((std::array<double, 5>{s.sideX, s.sideY, s.sideZ, s.angleA, s.angleB}), c.record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObliqueSolutionTest,
    testing::Values(
        ObliqueCase{"ThreeSides",
                    {{"X", "3"}, {"Y", "4"}, {"Z", "5"}},
                    false,
                    {" 3", " 4", " 5", " 53.130102354156", " 53d 7m 48s .368", " 36.869897645844",
                     " 36d 52m 11s .632", " 90", " 90d 0m 0s", " 4", " 3", " 6"},
                    {},
                    {3.0, 4.0, 5.0, 53.13010235415603, 36.869897645844055}},
        ObliqueCase{"LongestSideGivesAcuteArcsineB",
                    {{"X", "6"}, {"Y", "3"}, {"Z", "4"}},
                    false,
                    {" 6", " 3", " 4", " 26.384329749408", " 26d 23m 3s .587", " 62.720387264022",
                     " 62d 43m 13s .394", " 90.89528298657", " 90d 53m 43s .019", " 2.999633766708",
                     " 6.046875", " 5.332682251925"},
                    {},
                    {6.0, 3.0, 4.0, 26.384329749407982, 62.72038726402192}},
        ObliqueCase{"TwoSidesOppositeAngleAcute",
                    {{"X", "10"}, {"Y", "6"}, {"A", "30"}},
                    false,
                    {" 10", " 6", " 11.9768788282", " 30", " 30d 0m 0s", " 56.442690238079",
                     " 56d 26m 33s .685", " 93.557309761921", " 93d 33m 26s .315", " 5.9884394141",
                     " 10.372281323269", " 29.942197070499"},
                    {},
                    {10.0, 6.0, 11.976878828199798, 30.0, 56.442690238079265}},
        ObliqueCase{"TwoSidesOppositeAngleObtuse",
                    {{"X", "10"}, {"Y", "6"}, {"A", "30"}},
                    true,
                    {" 10", " 6", " 5.343629247489", " 30", " 30d 0m 0s", " 123.557309761921",
                     " 123d 33m 26s .315", " 26.442690238079", " 26d 26m 33s .685",
                     " 2.671814623744", " 10", " 13.359073118722"},
                    {},
                    {10.0, 6.0, 5.3436292474889795, 30.0, 123.55730976192073}},
        ObliqueCase{"ObtuseImpossibleFallsBackToAcute",
                    {{"X", "4"}, {"Y", "6"}, {"A", "30"}},
                    true,
                    {" 4", " 6", " 9.12095586463", " 30", " 30d 0m 0s", " 19.471220634491",
                     " 19d 28m 16s .394", " 130.528779365509", " 130d 31m 43s .606",
                     " 4.560477932315", " 7.898979485566", " 9.12095586463"},
                    {"Unsolvable Problem"},
                    {4.0, 6.0, 9.120955864630163, 30.0, 19.47122063449069}},
        ObliqueCase{"TwinCaseXYBObtuse",
                    {{"X", "6"}, {"Y", "10"}, {"B", "30"}},
                    true,
                    {" 6", " 10", " 5.343629247489", " 123.557309761921", " 123d 33m 26s .315",
                     " 30", " 30d 0m 0s", " 26.442690238079", " 26d 26m 33s .685",
                     " 4.453024372907", " 8.953802205448", " 13.359073118722"},
                    {},
                    {6.0, 10.0, 5.3436292474889795, 123.55730976192073, 30.0}},
        ObliqueCase{"AngleBetweenYAndZ",
                    {{"Y", "10"}, {"Z", "3"}, {"B", "30"}},
                    false,
                    {" 7.552382125723", " 10", " 3", " 41.455852921588", " 41d 27m 21s .071", " 30",
                     " 30d 0m 0s", " 108.544147078412", " 108d 32m 38s .929", " 9.480788867207",
                     " 10.732734693512", " 7.5"},
                    {},
                    {7.552382125722564, 10.0, 3.0, 41.455852921587685, 30.0}},
        ObliqueCase{"XZBWithAngleOppositeX",
                    {{"X", "8"}, {"Z", "5"}, {"B", "60"}},
                    false,
                    {" 8", " 9.226812023537", " 5", " 87.230145754502", " 87d 13m 48s .525", " 60",
                     " 60d 0m 0s", " 32.769854245498", " 32d 46m 11s .475", " 4.994158505204", " 8",
                     " 19.976634020817"},
                    {},
                    {8.0, 9.22681202353686, 5.0, 87.23014575450185, 60.0}},
        ObliqueCase{"SideZAndTwoAngles",
                    {{"Z", "10"}, {"A", "30"}, {"B", "60"}},
                    false,
                    {" 8.660254037844", " 5", " 10", " 30", " 30d 0m 0s", " 60", " 60d 0m 0s",
                     " 90", " 90d 0m 0s", " 5", " 8.660254037844", " 21.650635094611"},
                    {},
                    {8.660254037844382, 4.999999999999996, 10.0, 30.0, 60.0}},
        ObliqueCase{
            "SideYAndTwoAngles",
            {{"Y", "5"}, {"A", "40"}, {"B", "70"}},
            false,
            {" 7.309511000408", " 5", " 7.309511000408", " 40", " 40d 0m 0s", " 70", " 70d 0m 0s",
             " 70", " 70d 0m 0s", " 4.69846310393", " 7.309511000408", " 17.171733871591"},
            {},
            {7.309511000407721, 5.0, 7.309511000407721, 40.0, 70.0}},
        ObliqueCase{
            "SideXAndTwoAngles",
            {{"X", "7"}, {"A", "50"}, {"B", "60"}},
            false,
            {" 7", " 6.191863516243", " 7.595445025927", " 50", " 50d 0m 0s", " 60", " 60d 0m 0s",
             " 70", " 70d 0m 0s", " 5.818448455127", " 7", " 20.364569592946"},
            {},
            {7.0, 6.191863516243425, 7.595445025927489, 50.0, 60.0}},
        ObliqueCase{"YZAWithAngleOppositeY",
                    {{"Y", "6"}, {"Z", "4"}, {"A", "40"}},
                    false,
                    {" 8.485357111083", " 6", " 4", " 40", " 40d 0m 0s", " 114.626006060821",
                     " 114d 37m 33s .622", " 25.373993939179", " 25d 22m 26s .378",
                     " 2.571150438746", " 8.485357111083", " 10.908564829539"},
                    {},
                    {8.485357111082559, 6.0, 4.0, 40.0, 114.62600606082059}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anglewise
