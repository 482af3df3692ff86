// Batch solving in process: every row answers as it would on a window of
// its own, whatever the rows before it left behind.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

#include "cli/batch_command.h"

namespace anglewise {
namespace {

// Rows of every sort: both kinds and notations, every places choice, the
// obtuse box, cells that are numbers, text, D/M/S, zero, negative or huge,
// and rows the window refuses or cannot solve.
std::vector<std::string> mixedRows(int count) {
  std::mt19937_64 random(61220262);
  auto pick = [&random](const std::vector<std::string>& from) {
    return from[random() % from.size()];
  };
  const std::vector<std::string> sides = {"3",         "4",  "5",   "10",  "6.5",   "0.001",
                                          "7",         "12", "1e9", "0",   "-2",    "abc",
                                          "12345.678", "2d", "8",   "9.5", "1e200", "1e-300"};
  const std::vector<std::string> angles = {"30",          "45.5",  "89.9", "20",          "120",
                                           "179.99",      "60",    "0",    "-5",          "200",
                                           "30d 15m 10s", "75.25", "10",   "60d 0m 0s .5"};
  // Which of X Y Z A B are given: mostly sets the window can solve.
  const std::vector<std::string> givenSets = {"11000", "10100", "01100", "10010", "01001", "10001",
                                              "11100", "11010", "11001", "01110", "10101", "10011",
                                              "11110", "00011", "10000", "00000"};
  std::vector<std::string> rows;
  for (int i = 0; i < count; ++i) {
    std::string given = pick(givenSets);
    std::string row = "r" + std::to_string(i) + "," + pick({"right", "oblique"});
    for (int cell = 0; cell < 5; ++cell) {
      row += ",";
      if (given[static_cast<size_t>(cell)] == '1') row += pick(cell < 3 ? sides : angles);
    }
    row += "," + pick({"", "0", "1"}) + "," + pick({"", "decimal", "dms"}) + "," +
           pick({"", "4", "8", "12", "14", "7"});
    rows.push_back(row);
  }
  return rows;
}

std::string batchOutput(const std::string& csv, int& status) {
  std::istringstream in(csv);
  std::ostringstream out, err;
  status = runBatch(in, "rows", out, err, {});
  return out.str();
}

TEST(BatchRowsTest, EachRowAnswersAsOnAWindowOfItsOwn) {
  const std::string header = "id,kind,X,Y,Z,A,B,obtuse,notation,places\n";
  std::vector<std::string> rows = mixedRows(1500);
  std::string all = header;
  for (const std::string& row : rows) all += row + "\n";
  int status = 0;
  std::istringstream together(batchOutput(all, status));
  EXPECT_EQ(status, 1);
  std::string line, headerOut;
  std::getline(together, headerOut);
  int solved = 0, refused = 0;
  for (const std::string& row : rows) {
    int alone = 0;
    std::istringstream answer(batchOutput(header + row + "\n", alone));
    std::string expected;
    std::getline(answer, expected);  // its header
    std::getline(answer, expected);
    ASSERT_TRUE(std::getline(together, line));
    ASSERT_EQ(line, expected) << row;
    solved += line.find(",solved,") != std::string::npos;
    refused += line.find(",refused,") != std::string::npos;
  }
  // The mix reaches both outcomes often.
  EXPECT_GT(solved, 100);
  EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// On a terminal the batch says how far it is every so many rows (100,000
// unless told), on one line that each report overwrites.
TEST(BatchRowsTest, ProgressLineEverySoManyRows) {
  std::string csv = "kind,X,Y\n";
  for (int i = 0; i < 2000; ++i) csv += "right,3,4\n";
  std::istringstream in(csv);
  std::ostringstream out, err;
  BatchOptions options;
  options.progress = true;
  options.progressEvery = 1000;
  EXPECT_EQ(runBatch(in, "rows", out, err, options), 0);
  std::regex line(
      "\ranglewise-cli: 1000 rows, [0-9]+ rows a second"
      "\ranglewise-cli: 2000 rows, [0-9]+ rows a second");
  EXPECT_TRUE(std::regex_match(err.str(), line)) << err.str();
}

// Output that takes `room` bytes and refuses the rest.
class FillingBuffer : public std::streambuf {
 public:
  explicit FillingBuffer(size_t room) : room_(room) {}

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    if (static_cast<size_t>(count) > room_) return 0;
    room_ -= static_cast<size_t>(count);
    return count;
  }
  int overflow(int c) override { return xsputn(nullptr, 1) == 1 ? c : traits_type::eof(); }

 private:
  size_t room_;
};

// After the first failed write nothing more is told: a round that the
// threads were already answering is neither written nor counted.
TEST(BatchRowsTest, NoProgressIsToldAfterAFailedWrite) {
  std::string csv = "kind,X,Y\n";
  for (int i = 0; i < 30000; ++i) csv += "right,3,4\n";
  for (int jobs : {1, 2, 3}) {
    std::istringstream in(csv);
    FillingBuffer room(200000);
    std::ostream out(&room);
    std::ostringstream err;
    BatchOptions options;
    options.jobs = jobs;
    options.progress = true;
    options.progressEvery = 1000;
    EXPECT_EQ(runBatch(in, "rows", out, err, options), 3);
    std::string told = err.str();
    size_t failure = told.find("could not write the output");
    ASSERT_NE(failure, std::string::npos) << told;
    EXPECT_EQ(told.find("rows a second", failure), std::string::npos) << jobs << ": " << told;
  }
}

}  // namespace
}  // namespace anglewise
