// The Triangle Report on any given values, from their bit patterns: it
// must settle, and every double it decided must be what an evaluation at a
// higher precision decides too (an enclosure that missed the true value
// would show here sooner or later).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "exact/decide.h"
#include "report/decider.h"
#include "report/report_values.h"
#include "report/triangle_report.h"

namespace {

using anglewise::ReportInput;

// Byte 0: kind, obtuse box and places; byte 1: which rows are given; then
// the five values as the bytes of doubles. Non-finite values are read as
// the window would never read them, so they are left out.
ReportInput inputFrom(const std::uint8_t* data, std::size_t size) {
  ReportInput input;
  std::uint8_t flags = size > 0 ? data[0] : 0, rows = size > 1 ? data[1] : 0;
  input.given.oblique = flags & 1;
  input.given.obtuse = flags & 2;
  const int places[] = {4, 8, 12, 14};
  input.places = places[(flags >> 2) & 3];
  input.withWorking = flags & 16;
  for (int row = 0; row < 5; ++row) {
    if (!(rows & (1 << row))) continue;
    double value = 0;
    std::size_t at = 2 + 8 * static_cast<std::size_t>(row);
    if (at + 8 <= size) std::memcpy(&value, data + at, 8);
    if (std::isfinite(value)) input.given.values[row] = value;
  }
  return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace anglewise;
  ReportInput input = inputFrom(data, size);
  // The whole report must finish; the working restates the window's own
  // formulas, and a step of it that sits exactly on a value it reached
  // through sines and arctangents may stay "?" (the report says so). The
  // true triangles' values must all be settled.
  makeReport(input);
  input.withWorking = false;
  TriangleReport report = makeReport(input);
  if (!report.settled) std::abort();
  exact::WorkingPrecision finer(report.precisionBits * 2 + 64);
  Decider decide;
  Solutions solutions = solveTrue(input.given, decide);
  if (solutions.triangles.size() != report.triangles.size()) std::abort();
  for (std::size_t i = 0; i < solutions.triangles.size(); ++i) {
    for (const ReportValue& row : reportValues()) {
      if (!row.number) continue;
      ReportFormula f = row.formula(solutions.triangles[i]);
      std::optional<double> finerValue = exact::nearestDouble(f.num / f.den);
      std::optional<double> shown = valueNumber(row, report.triangles[i]);
      if (finerValue && shown && *finerValue != *shown) std::abort();
    }
  }
  return 0;
}
