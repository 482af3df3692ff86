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

}  // namespace
}  // namespace anglewise
