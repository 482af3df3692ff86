// Three measures of any kinds from their bit patterns: the search must
// finish within its budget, and every triangle it proves must hold at a
// higher precision too: the root tightened at four times the bits lies in
// the enclosure found first (a certificate that did not hold would show).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "anysolve/three_measures.h"
#include "cli/solve_command.h"

namespace {

using anglewise::anysolve::GivenMeasure;
using anglewise::anysolve::Measure;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace anglewise;
  using namespace anglewise::anysolve;
  // The reader of --points and of measure names must take any text.
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string problem;
  readCornerPoints(text, problem);
  measureNamed(text);
  if (size < 3 + 3 * 8) return 0;
  std::vector<GivenMeasure> given;
  for (int i = 0; i < 3; ++i) {
    double value;
    std::memcpy(&value, data + 3 + 8 * i, 8);
    // Keep the values within the scales the search is meant for.
    if (!std::isfinite(value)) return 0;
    value = std::fabs(value);
    if (value < 1e-30 || value > 1e30) return 0;
    given.push_back({static_cast<Measure>(data[i] % 19), value});
  }
  ShapePlan plan = planShapes(given);
  if (!plan.refusal.empty() || plan.fixedShape) return 0;
  plan.problem.budget = 2000;
  ShapeSearch search;
  {
    exact::WorkingPrecision bits(128);
    search = searchShapes(plan.problem);
  }
  for (const ShapeRoot& root : search.roots) {
    Ball low[3], high[3];
    {
      exact::WorkingPrecision bits(128);
      rootAngles(plan.problem, search, root, low);
    }
    {
      exact::WorkingPrecision bits(512);
      rootAngles(plan.problem, search, root, high);
    }
    for (int i = 0; i < 3; ++i) {
      if (!arb_overlaps(low[i].get(), high[i].get())) __builtin_trap();
    }
  }
  return 0;
}
