// Batch on several threads and as one stage of a pipe: the output is the
// same byte for byte for every number of threads, rows without a header
// read under --columns answer as with one, and --no-header leaves the
// header row out and nothing else.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "tests/cli/cli_run.h"

namespace anglewise {
namespace {

// Every kind of row: solved, refused, impossible, unreadable, ambiguous,
// D/M/S, echoed text that looks like a formula, an id left empty.
std::string mixedRows(int count) {
  const char* rows[] = {"right,3,4,,,,,,",
                        "oblique,6,3,4,,,,,8",
                        "oblique,1,1,5,,,,,",
                        "right,3,,,30,,,dms,4",
                        "oblique,10,6,,30,,1,,14",
                        "oblique,10,6,,30,,0,,",
                        "triangle,3,4,,,,,,",
                        "right,3,4,,,,2,,",
                        "right,,,,,,,,",
                        "oblique,1e300,1e300,1e300,,,,,",
                        "right,1e-200,3e-200,,,,,,12"};
  std::string csv;
  for (int i = 0; i < count; ++i) {
    csv += (i % 13 == 5   ? std::string("=cmd")
            : i % 17 == 3 ? ""
                          : "r" + std::to_string(i)) +
           "," + rows[i % std::size(rows)] + "\n";
  }
  return csv;
}

constexpr char kHeader[] = "id,kind,X,Y,Z,A,B,obtuse,notation,places\n";

struct Answer {
  int status;
  std::string out, err;
};

Answer batch(const std::string& csv, BatchOptions options) {
  std::istringstream in(csv);
  std::ostringstream out, err;
  int status = runBatch(in, "rows.csv", out, err, options);
  return {status, out.str(), err.str()};
}

struct JobsCase {
  const char* name;
  bool jsonl, report;
  int rows;
  size_t rowsPerThread = 2048;  // smaller: many rounds of few rows
};

class BatchJobsTest : public testing::TestWithParam<JobsCase> {};

TEST_P(BatchJobsTest, EveryNumberOfThreadsWritesTheSameBytes) {
  const JobsCase& c = GetParam();
  std::string csv = kHeader + mixedRows(c.rows);
  BatchOptions options;
  options.jsonl = c.jsonl;
  options.report = c.report;
  options.rowsPerThread = c.rowsPerThread;
  options.jobs = 1;
  Answer one = batch(csv, options);
  for (int jobs : {2, 3, 8}) {
    options.jobs = jobs;
    Answer many = batch(csv, options);
    EXPECT_EQ(many.status, one.status) << jobs;
    EXPECT_EQ(many.err, one.err) << jobs;
    EXPECT_TRUE(many.out == one.out) << jobs << " threads wrote other bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BatchJobsTest,
                         testing::Values(JobsCase{"CsvManyRounds", false, false, 9001},
                                         JobsCase{"CsvRoundsOfFewRows", false, false, 3001, 24},
                                         JobsCase{"JsonLinesManyRounds", true, false, 3000, 40},
                                         JobsCase{"CsvWithReport", false, true, 700, 32},
                                         JobsCase{"FewerRowsThanThreads", false, true, 2},
                                         JobsCase{"OneRoundAndABit", false, false, 530, 64},
                                         JobsCase{"RoundsOfOneRow", false, false, 50, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchPipeStageTest, ColumnsReadRowsWithoutAHeaderAsWithOne) {
  std::string rows = mixedRows(40);
  BatchOptions withHeader;
  Answer expected = batch(kHeader + rows, withHeader);
  BatchOptions named;
  named.columns = {"id", "kind", "X", "Y", "Z", "A", "B", "obtuse", "notation", "places"};
  Answer got = batch(rows, named);
  EXPECT_EQ(got.status, expected.status);
  EXPECT_EQ(got.out, expected.out);
  // No rows at all is no error when the names are given.
  EXPECT_EQ(batch("", named).status, 0);
}

TEST(BatchPipeStageTest, NoHeaderLeavesOutTheFirstLineOnly) {
  std::string csv = kHeader + mixedRows(40);
  BatchOptions options;
  options.report = true;
  Answer full = batch(csv, options);
  options.header = false;
  Answer bare = batch(csv, options);
  EXPECT_EQ(bare.out, full.out.substr(full.out.find("\r\n") + 2));
}

TEST(BatchPipeStageTest, PartsAnsweredApartJoinToTheWhole) {
  // Every row with an id of its own: an empty one would be numbered in
  // its part.
  std::string rows;
  std::istringstream lines(mixedRows(60));
  for (std::string line; std::getline(lines, line);)
    rows += (line[0] == ',' ? "n" : "") + line + "\n";
  size_t cut = rows.find("r30,");
  ASSERT_NE(cut, std::string::npos);
  BatchOptions whole;
  whole.report = true;
  Answer all = batch(kHeader + rows, whole);
  BatchOptions part = whole;
  part.columns = {"id", "kind", "X", "Y", "Z", "A", "B", "obtuse", "notation", "places"};
  part.jobs = 2;
  Answer first = batch(rows.substr(0, cut), part);
  part.header = false;
  Answer second = batch(rows.substr(cut), part);
  EXPECT_EQ(first.out + second.out, all.out);
}

TEST(BatchPipeStageTest, ColumnsAreCheckedAsAHeaderIs) {
  BatchOptions options;
  options.columns = {"id", "kind", "W"};
  Answer unknown = batch("a,right,3\n", options);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err,
            "anglewise-cli: unknown column \"W\" in --columns: the columns are id, kind, X, Y, "
            "Z, A, B, obtuse, notation and places.\n");
  options.columns = {"X", "Y", "X"};
  Answer twice = batch("3,4,5\n", options);
  EXPECT_EQ(twice.err,
            "anglewise-cli: --columns names the column \"X\" more than once and has no column "
            "\"kind\": give each column once, and add kind (right or oblique), which every row "
            "needs.\n");
}

TEST(BatchPipeStageTest, TheRealCommandAsAStageOfAPipe) {
  CliRun run = shell(
      "printf 'a,right,3,4\\nb,oblique,6,3,4\\n' | $CLI batch --columns id,kind,X,Y,Z "
      "--no-header --jobs 2");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, 2), "a,");
  EXPECT_NE(run.out.find("\r\nb,solved,"), std::string::npos);
}

}  // namespace
}  // namespace anglewise
