// How fast the Display road and the window-script player run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

#include "bench/survey_rows.h"
#include "cli/batch_command.h"
#include "cli/script_player.h"
#include "headless/headless_window.h"

namespace anglewise {
namespace {

// X = 10, Y = 6 and A = 30 ticked on an oblique window, ready for Display.
void giveObliqueValues(HeadlessWindow& w) {
  for (const char* name : {"optOBL", "Check1", "Check2", "Check4"}) w.click(name);
  w.window.Text1.setText("10");
  w.window.Text2.setText("6");
  w.window.Text4.setText("30");
}

// One Display of an oblique triangle on the model, figure included.
void BM_DisplayOblique(benchmark::State& bench) {
  HeadlessWindow w;
  giveObliqueValues(w);
  for (auto _ : bench) {
    w.window.displaynow_Click();
    benchmark::DoNotOptimize(w.window.theArea.Caption());
  }
}
BENCHMARK(BM_DisplayOblique);

// One Display with the report window open: the report made after it.
void BM_DisplayAndReport(benchmark::State& bench) {
  HeadlessWindow w;
  giveObliqueValues(w);
  for (auto _ : bench) {
    w.window.displaynow_Click();
    TriangleReport report = makeReport(w.window.reportInput());
    benchmark::DoNotOptimize(report.triangles.size());
  }
}
BENCHMARK(BM_DisplayAndReport)->Unit(benchmark::kMicrosecond);

std::string generatedSessions(int count) {
  std::ostringstream out;
  for (int i = 0; i < count; ++i) {
    out << R"({"id": )" << i << R"(, "actions": [["click", "optOBL"], ["type", "Text1", ")"
        << 5 + i % 7 << R"("], ["click", "Check1"], ["type", "Text2", ")" << 4 + i % 3
        << R"("], ["click", "Check2"], ["type", "Text3", ")" << 6 + i % 5
        << R"("], ["click", "Check3"], ["click", "displaynow"]]})" << '\n';
  }
  return out.str();
}

// The command line over generated sessions; items per second = sessions.
void BM_ScriptSessions(benchmark::State& bench) {
  const int kSessions = static_cast<int>(bench.range(0));
  std::string input = generatedSessions(kSessions);
  for (auto _ : bench) {
    std::istringstream in(input);
    std::ostringstream out;
    playScript(in, out);
    benchmark::DoNotOptimize(out.str().size());
  }
  bench.SetItemsProcessed(bench.iterations() * kSessions);
}
BENCHMARK(BM_ScriptSessions)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Output counted and dropped, as when written to /dev/null: the rate is
// the batch's own, not that of a growing string.
struct Discarded : std::streambuf {
  long written = 0;
  int overflow(int c) override { return ++written, c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return written += n, n; }
};

// Whole-number sides, right and oblique by turns.
std::string wholeNumberRows(long count) {
  std::ostringstream csv;
  csv << "id,kind,X,Y,Z,A\n";
  for (long i = 0; i < count; ++i) {
    if (i % 2) {
      csv << i << ",oblique," << 5 + i % 7 << "," << 4 + i % 3 << "," << 6 + i % 5 << ",\n";
    } else {
      csv << i << ",right," << 3 + i % 11 << "," << 4 + i % 13 << ",,\n";
    }
  }
  return csv.str();
}

// The batch command over a million generated rows read from memory, its
// output dropped: rows a second with the twelve results, on the threads
// the second argument gives (1 unless given).
void batchRate(benchmark::State& bench, const std::string& rows) {
  BatchOptions options;
  options.jobs = bench.range(1) > 0 ? static_cast<int>(bench.range(1)) : 1;
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

void BM_BatchRows(benchmark::State& bench) {
  batchRate(bench, wholeNumberRows(bench.range(0)));
}
BENCHMARK(BM_BatchRows)
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_BatchSurveyRows(benchmark::State& bench) {
  batchRate(bench, surveyRows(bench.range(0)));
}
BENCHMARK(BM_BatchSurveyRows)
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace anglewise

BENCHMARK_MAIN();
