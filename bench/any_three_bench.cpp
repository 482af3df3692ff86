// How fast three measures of any kinds are solved with their report: a
// fixed random set of triangles of every shape, each with a random kind of
// three of its measures (computed here from the sides), timed one by one so
// that the median and the slowest show.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "anysolve/measure.h"
#include "report/measured_triangles.h"
#include "report/triangle_report.h"

namespace anglewise {
namespace {

using anysolve::GivenMeasure;
using anysolve::Measure;

// Every measure of the triangle with these sides (doubles are enough for
// a benchmark's inputs).
std::vector<double> measuresOf(double X, double Y, double Z) {
  double s = (X + Y + Z) / 2, area = std::sqrt(s * (s - X) * (s - Y) * (s - Z));
  auto angle = [](double p, double q, double f) {
    return std::acos((p * p + q * q - f * f) / (2 * p * q)) * 180 / M_PI;
  };
  auto median = [](double p, double q, double f) {
    return std::sqrt(2 * p * p + 2 * q * q - f * f) / 2;
  };
  auto bisector = [](double p, double q, double f) {
    return std::sqrt(p * q * ((p + q) * (p + q) - f * f)) / (p + q);
  };
  return {X,
          Y,
          Z,
          angle(X, Z, Y),
          angle(Y, Z, X),
          angle(X, Y, Z),
          2 * area / X,
          2 * area / Y,
          2 * area / Z,
          median(Y, Z, X),
          median(X, Z, Y),
          median(X, Y, Z),
          bisector(X, Z, Y),
          bisector(Y, Z, X),
          bisector(X, Y, Z),
          area,
          2 * s,
          area / s,
          X * Y * Z / (4 * area)};
}

std::vector<ReportInput> randomInputs(int count) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> unit(0, 1);
  std::uniform_int_distribution<int> pick(0, 18);
  std::vector<ReportInput> out;
  while (static_cast<int>(out.size()) < count) {
    double a = 2 + 170 * unit(random), b = 2 + (176 - a) * unit(random), c = 180 - a - b;
    if (c < 2) continue;
    double scale = std::pow(10.0, -6 + 12 * unit(random));
    auto sine = [](double d) { return std::sin(d * M_PI / 180); };
    std::vector<double> m = measuresOf(scale * sine(b), scale * sine(a), scale * sine(c));
    int i = pick(random), j = pick(random), k = pick(random);
    if (i == j || j == k || i == k) continue;
    ReportInput input;
    for (int n : {i, j, k}) input.measures.push_back({static_cast<Measure>(n), m[n]});
    int angles = 0;
    for (const GivenMeasure& g : input.measures) angles += anysolve::isAngle(g.measure);
    if (angles == 3) continue;
    input.fromWindow = false;
    input.withWorking = false;
    out.push_back(input);
  }
  return out;
}

// Times `solve` on each input one by one, so that the median and the
// slowest show. With ANGLEWISE_SLOW_MS set, each input slower than that is
// printed (to find what to look at next).
template <class Solve>
void timeEach(benchmark::State& bench, Solve solve) {
  std::vector<ReportInput> inputs = randomInputs(static_cast<int>(bench.range(0)));
  const char* slow = std::getenv("ANGLEWISE_SLOW_MS");
  std::vector<double> seconds;
  for (auto _ : bench) {
    for (const ReportInput& input : inputs) {
      auto start = std::chrono::steady_clock::now();
      solve(input);
      seconds.push_back(
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      if (slow && seconds.back() * 1e3 > std::atof(slow)) {
        std::fprintf(stderr, "%8.2f ms:", seconds.back() * 1e3);
        for (const GivenMeasure& g : input.measures) {
          std::fprintf(stderr, " %s=%.17g", anysolve::info(g.measure).name, g.value);
        }
        std::fprintf(stderr, "\n");
      }
    }
  }
  std::sort(seconds.begin(), seconds.end());
  bench.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
  bench.counters["p99_ms"] = seconds[seconds.size() * 99 / 100] * 1e3;
  bench.counters["slowest_ms"] = seconds.back() * 1e3;
}

void BM_AnyThreeWithReport(benchmark::State& bench) {
  timeEach(bench, [](const ReportInput& input) { benchmark::DoNotOptimize(makeReport(input)); });
}
BENCHMARK(BM_AnyThreeWithReport)->Arg(300)->Iterations(1)->Unit(benchmark::kMillisecond);

// The shape search alone, on the same inputs: what the report adds is the
// rest of BM_AnyThreeWithReport.
void BM_AnyThreeSearchOnly(benchmark::State& bench) {
  timeEach(bench, [](const ReportInput& input) {
    benchmark::DoNotOptimize(searchMeasures(input.measures));
  });
}
BENCHMARK(BM_AnyThreeSearchOnly)->Arg(300)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace anglewise
