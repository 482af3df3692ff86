// How fast the Triangle Report is: a batch's rows of the survey mix with
// every value of every true triangle, Display and report on a 3-4-5
// triangle, and the slowest input of the report's reference tables.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/survey_rows.h"
#include "cli/batch_command.h"
#include "headless/headless_window.h"
#include "report/report_values.h"
#include "report/triangle_report.h"

namespace anglewise {
namespace {

// What the window hands the report for each survey row, found once by
// solving the row through the batch's own reading: the given values are
// the row's (the three sides of the D/M/S rows read as decimals too).
std::vector<ReportInput> surveyInputs(long count) {
  std::vector<ReportInput> out;
  std::istringstream csv(surveyRows(count));
  std::string line;
  std::getline(csv, line);
  while (std::getline(csv, line)) {
    std::vector<std::string> cells;
    std::stringstream fields(line);
    for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
    cells.resize(10);
    HeadlessWindow w;
    w.click(cells[1] == "oblique" ? "optOBL" : "opt90D");
    for (int row = 0; row < 5; ++row) {
      if (cells[2 + row].empty()) continue;
      w.type("Text" + std::to_string(row + 1), cells[2 + row]);
      w.click("Check" + std::to_string(row + 1));
    }
    if (cells[7] == "1") w.click("over90checked");
    if (cells[9] == "4") w.choose("mnu4places");
    if (cells[9] == "8") w.choose("mnu8places");
    if (cells[9] == "14") w.choose("mnuNone");
    w.click("displaynow");
    ReportInput input = w.window.reportInput();
    input.withWorking = false;
    input.columns = {"perimeter", "area", "inradius", "circumradius"};
    out.push_back(input);
  }
  return out;
}

// Output counted and dropped, as when written to /dev/null.
struct Discarded : std::streambuf {
  long written = 0;
  int overflow(int c) override { return ++written, c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return written += n, n; }
};

// A batch row's report: the judgement, the note, the count, then the
// batch's values (perimeter, area, inradius, circumradius) of every true
// triangle, both of the ambiguous case.
void writeReportRow(std::ostream& out, const TriangleReport& report) {
  out << (report.consistent ? "true" : "false") << ',' << report.note << ','
      << report.triangles.size();
  for (const ReportTriangle& t : report.triangles) {
    for (const ReportValue& row : reportValues()) {
      if (!valueText(row, t).empty()) out << ',' << valueText(row, t);
    }
  }
  out << '\n';
}

// Rows a second of the report alone, as a batch with --report makes it.
void BM_ReportSurveyRows(benchmark::State& bench) {
  std::vector<ReportInput> inputs = surveyInputs(bench.range(0));
  for (auto _ : bench) {
    Discarded discarded;
    std::ostream out(&discarded);
    for (const ReportInput& input : inputs) writeReportRow(out, makeReport(input));
    benchmark::DoNotOptimize(discarded.written);
  }
  bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_ReportSurveyRows)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole command, `batch --report`, over the same rows, on the threads
// the second argument gives.
void BM_BatchReportSurveyRows(benchmark::State& bench) {
  std::string rows = surveyRows(bench.range(0));
  BatchOptions options;
  options.report = true;
  options.jobs = static_cast<int>(bench.range(1));
  for (auto _ : bench) {
    std::istringstream in(rows);
    Discarded discarded;
    std::ostream out(&discarded);
    std::ostringstream err;
    benchmark::DoNotOptimize(runBatch(in, "rows", out, err, options));
    benchmark::DoNotOptimize(discarded.written);
  }
  bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_BatchReportSurveyRows)
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Display and the whole report, working included, as the report window
// makes it after each Display.
void displayAndReport(benchmark::State& bench, bool oblique) {
  HeadlessWindow w;
  w.click(oblique ? "optOBL" : "opt90D");
  const char* values[] = {"3", "4", "5"};
  for (int row = 0; row < (oblique ? 3 : 2); ++row) {
    w.type("Text" + std::to_string(row + 1), values[row]);
    w.click("Check" + std::to_string(row + 1));
  }
  for (auto _ : bench) {
    w.click("displaynow");
    TriangleReport report = makeReport(w.window.reportInput());
    benchmark::DoNotOptimize(reportText(report).size());
  }
}

void BM_DisplayAndReportRight345(benchmark::State& bench) {
  displayAndReport(bench, false);
}
BENCHMARK(BM_DisplayAndReportRight345)->Unit(benchmark::kMicrosecond);

void BM_DisplayAndReportOblique345(benchmark::State& bench) {
  displayAndReport(bench, true);
}
BENCHMARK(BM_DisplayAndReportOblique345)->Unit(benchmark::kMicrosecond);

// The slowest input of the reference tables (tests/report): Y = 1, Z = 2
// and A = 1e-300 degrees, two triangles, the working included.
void BM_SlowestReferenceReport(benchmark::State& bench) {
  ReportInput input;
  input.given.oblique = true;
  input.given.values[1] = 1.0;
  input.given.values[2] = 2.0;
  input.given.values[3] = 1e-300;
  for (auto _ : bench) {
    TriangleReport report = makeReport(input);
    benchmark::DoNotOptimize(reportText(report).size());
  }
}
BENCHMARK(BM_SlowestReferenceReport)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace anglewise

BENCHMARK_MAIN();
