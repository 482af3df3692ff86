#include "cli/solve_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

namespace anglewise {
namespace {

TEST(SolveTest, PrintsTheTwelveLinesOfThePage) {
  SolveRequest request;
  request.values = {{'X', "3"}, {'Y', "4"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 0);
  EXPECT_EQ(out.str(),
            "                       X = 3\n"
            "                       Y = 4\n"
            "                       Z = 5\n"
            "                 A Angle = 53.130102354156\n"
            "                 A Angle = 53d 7m 48s .368\n"
            "                 B Angle = 36.869897645844\n"
            "                 B Angle = 36d 52m 11s .632\n"
            "                 C Angle = 90\n"
            "                 C Angle = 90d 0m 0s\n"
            "                  Height = 4\n"
            "                   Width = 3\n"
            "                    Area = 6\n");
  EXPECT_EQ(err.str(), "");
}

TEST(SolveTest, ObtuseOptionAndPlaces) {
  SolveRequest request;
  request.oblique = true;
  request.obtuse = true;
  request.places = 4;
  request.values = {{'X', "10"}, {'Y', "6"}, {'A', "30"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 0);
  EXPECT_NE(out.str().find("B Angle = 123.5573\n"), std::string::npos) << out.str();
}

TEST(SolveTest, FailedSolveSaysWhyAndExitsOne) {
  SolveRequest request;
  request.oblique = true;
  request.values = {{'X', "10"}, {'Y', "2"}, {'Z', "3"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(),
            "Error: Can not solve this problem\n"
            "Selection of Inputs Incorrect: Invalid Selection\n\nPlease select or check valid "
            "inputs.\n");
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// --given: any three measures, in any positions, to the report of every
// triangle they make; the JSON is the report's, with its keys.
TEST(SolveGivenTest, AnglesInAnyPositionAndEveryTriangle) {
  SolveRequest request;
  request.given = true;
  request.json = true;
  request.values = {{'X', "10"}, {'Z', "6"}, {'C', "30d"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 0);
  nlohmann::json report = nlohmann::json::parse(out.str());
  ASSERT_EQ(report["triangles"].size(), 2u);
  EXPECT_EQ(report["triangles"][0]["C"], 30);
  EXPECT_EQ(report["triangles"][1]["C"], 30);
  EXPECT_EQ(report["triangles"][0]["Z"], 6);
  EXPECT_EQ(report["why"],
            "Z = 6 against the height X sin C = 5: two triangles, B acute or obtuse");
  EXPECT_EQ(err.str(), "");
}

TEST(SolveGivenTest, NoTriangleSaysWhyAndExitsOne) {
  SolveRequest request;
  request.given = true;
  request.values = {{'X', "1"}, {'A', "100"}, {'C', "80"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 1);
  EXPECT_EQ(err.str(), "No triangle: A and C together must be less than 180 degrees.\n");
}

// Measures of other kinds by name, mixed with sides and angles.
TEST(SolveGivenTest, HeightsMediansAreaAndTheRest) {
  SolveRequest request;
  request.given = true;
  request.json = true;
  request.values = {{'C', "90"}};
  request.measures = {{"area", "24"}, {"perimeter", "24"}};
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 0);
  nlohmann::json report = nlohmann::json::parse(out.str());
  ASSERT_EQ(report["triangles"].size(), 2u);
  EXPECT_EQ(report["triangles"][0]["X"], 8);
  EXPECT_EQ(report["triangles"][1]["X"], 6);
  EXPECT_EQ(report["triangles"][0]["Z"], 10);
  EXPECT_EQ(err.str(), "");
}

struct PointsCase {
  const char* points;
  int status;
  std::string err;
};

class SolvePointsTest : public testing::TestWithParam<PointsCase> {};

TEST_P(SolvePointsTest, CornersToTheReport) {
  SolveRequest request;
  request.given = true;
  request.json = true;
  request.points = GetParam().points;
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), GetParam().status);
  EXPECT_EQ(err.str(), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, SolvePointsTest,
    testing::Values(
        PointsCase{"0,0 4,0 4,3", 0, ""}, PointsCase{"1,0,0 0,1,0 0,0,1", 0, ""},
        PointsCase{"0,0 1,1 2,2", 1, "No triangle: the three corners lie on one line.\n"},
        PointsCase{"0,0 0,0 1,3", 1, "No triangle: two of the corners are the same point.\n"},
        PointsCase{"0,0 4,0", 2,
                   "anglewise-cli: --points takes three corners as x,y or x,y,z "
                   "separated by blanks, such as \"0,0 4,0 1,3\", not \"0,0 4,0\".\n"},
        PointsCase{"0,0 4,0,1 1,3", 2,
                   "anglewise-cli: --points takes three corners as x,y or x,y,z "
                   "separated by blanks, such as \"0,0 4,0 1,3\", not \"0,0 "
                   "4,0,1 1,3\".\n"}));

// A right angle and equal sides from the corners are decided exactly.
TEST(SolvePointsTest, ExactRightAngleAndEqualSides) {
  SolveRequest request;
  request.given = true;
  request.json = true;
  request.points = "0,0 2,0 1,1";
  std::ostringstream out, err;
  EXPECT_EQ(runSolve(request, out, err), 0);
  nlohmann::json t = nlohmann::json::parse(out.str())["triangles"][0];
  EXPECT_EQ(t["C"], 90);
  EXPECT_EQ(t["A"], 45);
  EXPECT_EQ(t["type"]["sides"], "isosceles");
  EXPECT_EQ(t["type"]["angles"], "right");
}

}  // namespace
}  // namespace anglewise
