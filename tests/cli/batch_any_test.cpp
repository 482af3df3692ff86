// Batch rows of any three measures: chosen by --any or by a header naming
// measures beyond the window's, each row answered with the count, whether
// it is proven, why, and each triangle's values in numbered groups; rows
// that cannot be asked about are answered in one sentence, and the output
// is the same on any number of threads.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "cli/exit_status.h"

namespace anglewise {
namespace {

struct Answer {
  int status;
  std::string out, err;
};

Answer batch(const std::string& csv, BatchOptions options = {}) {
  options.jobs = options.jobs == 0 ? 1 : options.jobs;
  std::istringstream in(csv);
  std::ostringstream out, err;
  int status = runBatch(in, "rows.csv", out, err, options);
  return {status, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first `count` cells of a CSV line (no quoted commas before them).
std::string head(const std::string& line, int count) {
  size_t at = 0;
  for (int i = 0; i < count && at != std::string::npos; ++i) at = line.find(',', at + 1);
  return line.substr(0, at);
}

struct RowCase {
  const char* name;
  const char* header;
  const char* row;
  const char* answer;  ///< id,status,triangles,settled then the messages' start
};

class BatchAnyRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(BatchAnyRowTest, AnswersTheRowInItsOwnLine) {
  const RowCase& c = GetParam();
  Answer a = batch(std::string(c.header) + "\n" + c.row + "\n");
  std::vector<std::string> lines = linesOf(a.out);
  ASSERT_EQ(lines.size(), 2u) << a.err;
  EXPECT_EQ(lines[1].substr(0, std::string(c.answer).size()), c.answer);
  EXPECT_EQ(a.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchAnyRowTest,
    testing::Values(
        RowCase{"AreaPerimeterRightAngle", "id,area,perimeter,C", "r1,24,24,90",
                "r1,solved,2,true,\"Two triangles: area, perimeter and C fix two triangles"},
        RowCase{"NoShape", "id,area,perimeter,C", "r2,1,1,90",
                "r2,none,0,true,\"No triangle: no shape meets area, perimeter and C"},
        RowCase{"TwoMeasures", "id,area,perimeter,C", "r3,24,24,",
                "r3,refused,,,\"give three measures, not 2.\""},
        RowCase{"ThreeAngles", "id,A,B,C,hX", "r4,50,60,70,",
                "r4,refused,,,Three angles fix the shape but not the size: give one length."},
        RowCase{"HeightLongerThanSide", "id,hX,Y,Z", "r5,5,4,3", "r5,none,0,true,\"No triangle: "},
        RowCase{"DmsAngleAndPlaces", "id,A,hZ,Z,places", "r6,30d 0m 0s,3,8,4",
                "r6,solved,1,true,\"One triangle: A, hZ and Z fix one triangle"},
        RowCase{"TooManyCells", "id,mX,mY,mZ", "r7,3,4,5,6",
                "r7,error,,,the row has 5 cells for 4 columns"},
        RowCase{"BadPlaces", "id,mX,mY,mZ,places", "r8,3,4,5,7",
                "r8,error,,,\"places must be 4, 8, 12 or 14, not \"\"7\"\"\""},
        RowCase{"NumberedWhenNoId", "mX,mY,mZ", "3,4,5", "1,solved,1,true,\"One triangle"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchAnyTest, TheGroupsHoldEachTriangleAndTheExitSaysWhetherAllWereSolved) {
  Answer a = batch("id,area,perimeter,C\nr1,24,24,90\n");
  std::vector<std::string> lines = linesOf(a.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(head(lines[0], 8), "id,status,triangles,settled,messages,t1_X,t1_Y,t1_Z");
  EXPECT_NE(lines[0].find(",t6_type_angles"), std::string::npos);
  EXPECT_EQ(lines[0].find("t7_"), std::string::npos);
  // After the quoted reason: 8, 6, 10 and then, in the second group, 6, 8, 10.
  std::string values = lines[1].substr(lines[1].find("\",") + 2);
  EXPECT_EQ(head(values, 3), "8,6,10");
  EXPECT_NE(values.find(",6,8,10,"), std::string::npos);
  EXPECT_EQ(a.status, kExitOk);
  EXPECT_EQ(batch("id,area,perimeter,C\nr1,24,24,90\nr2,1,1,90\n").status, kExitNotSolved);
}

TEST(BatchAnyTest, JsonLinesHoldAGroupForEveryTriangleAndNoEmptyOnes) {
  BatchOptions options;
  options.jsonl = true;
  Answer a = batch("id,area,perimeter,C\nr1,24,24,90\nr2,1,1,90\n", options);
  std::vector<std::string> lines = linesOf(a.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("\"t2_X\":\"6\""), std::string::npos);
  EXPECT_EQ(lines[0].find("\"t3_X\""), std::string::npos);
  EXPECT_EQ(lines[1].find("\"t1_X\""), std::string::npos);
  EXPECT_NE(lines[1].find("\"status\":\"none\""), std::string::npos);
}

// --any reads sides and angles alone too; without it such a header is the
// window's, which needs a kind.
TEST(BatchAnyTest, AnyTakesTheWindowsColumnsAndAHeaderOfThemAloneStaysTheWindows) {
  BatchOptions any;
  any.any = true;
  Answer a = batch("X,Y,Z\n3,4,5\n", any);
  EXPECT_EQ(head(linesOf(a.out).at(1), 5),
            "1,solved,1,true,One triangle: three sides fix one triangle.");
  Answer window = batch("X,Y,Z\n3,4,5\n");
  EXPECT_EQ(window.status, kExitUsage);
  EXPECT_NE(window.err.find("no column \"kind\""), std::string::npos);
}

TEST(BatchAnyTest, HeadersThatCannotBeReadAreOneUsageSentence) {
  struct Case {
    const char* header;
    const char* sentence;
  };
  const Case cases[] = {
      {"id,area,height",
       "anglewise-cli: unknown column \"height\": the columns are id, places and the measures X, "
       "Y, Z, A, B, C, hX, hY, hZ, mX, mY, mZ, tA, tB, tC, area, perimeter, inradius and "
       "circumradius (in the header of rows.csv).\n"},
      {"area,Area,C",
       "anglewise-cli: the column \"Area\" is named more than once: give each once (in the "
       "header of rows.csv).\n"},
  };
  for (const Case& c : cases) {
    Answer a = batch(std::string(c.header) + "\n1,2,3\n");
    EXPECT_EQ(a.status, kExitUsage) << c.header;
    EXPECT_EQ(a.err, c.sentence);
    EXPECT_EQ(a.out, "");
  }
}

TEST(BatchAnyTest, TheSameBytesOnEveryNumberOfThreads) {
  const char* rows[] = {"24,24,90,,", "1,1,90,,", ",,50,3,4", ",,,,", "6,,,4,5", "12,,,5,5"};
  std::string csv = "id,area,perimeter,C,mX,hY\n";
  for (int i = 0; i < 40; ++i) csv += "r" + std::to_string(i) + "," + rows[i % 6] + "\n";
  BatchOptions one;
  one.jobs = 1;
  Answer a = batch(csv, one);
  EXPECT_EQ(linesOf(a.out).size(), 41u);
  // Rounds of a few rows, so that the helpers answer rows too.
  for (int jobs : {2, 3}) {
    BatchOptions many;
    many.jobs = jobs;
    many.rowsPerThread = 4;
    Answer b = batch(csv, many);
    EXPECT_EQ(a.out, b.out) << jobs;
    EXPECT_EQ(a.status, b.status) << jobs;
  }
}

}  // namespace
}  // namespace anglewise
