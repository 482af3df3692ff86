#include "report/given_measures.h"

#include <cmath>

namespace anglewise {
namespace {

bool isAngle(char name) {
  return name == 'A' || name == 'B' || name == 'C';
}

}  // namespace

std::optional<ReportInput> measuresInput(const std::map<char, double>& measures, int places,
                                         std::string& refusal) {
  if (measures.size() != 3) {
    refusal = "give three of the sides X, Y, Z and the angles A, B, C, not " +
              std::to_string(measures.size()) + ".";
    return std::nullopt;
  }
  int angles = 0;
  for (const auto& [name, value] : measures) {
    std::string n(1, name);
    if (!std::isfinite(value) || value <= 0) {
      refusal = isAngle(name) ? n + " must be an angle greater than 0 degrees."
                              : n + " must be a length greater than 0.";
      return std::nullopt;
    }
    if (isAngle(name)) {
      ++angles;
      if (value >= 180) {
        refusal = n + " must be less than 180 degrees: a triangle's angles add up to 180.";
        return std::nullopt;
      }
    }
  }
  if (angles == 3) {
    refusal = "Three angles fix the shape but not the size: give one length.";
    return std::nullopt;
  }
  // The solver takes angles A and B: a given C trades places with A (or
  // with B where A is given too), and the sides facing them with it.
  using Relabel = ReportInput::Relabel;
  Relabel relabel = !measures.count('C')   ? Relabel::None
                    : !measures.count('A') ? Relabel::SwapAC
                                           : Relabel::SwapBC;
  auto swapped = [](char name, char a, char b, char p, char q) {
    return name == a ? b : name == b ? a : name == p ? q : name == q ? p : name;
  };
  auto solverName = [&](char name) {
    if (relabel == Relabel::SwapAC) return swapped(name, 'A', 'C', 'Y', 'Z');
    if (relabel == Relabel::SwapBC) return swapped(name, 'B', 'C', 'X', 'Z');
    return name;
  };
  ReportInput input;
  input.given.oblique = true;
  const char rows[] = {'X', 'Y', 'Z', 'A', 'B'};
  for (const auto& [name, value] : measures) {
    char solver = solverName(name);
    for (size_t row = 0; row < 5; ++row) {
      if (rows[row] == solver) input.given.values[row] = value;
    }
  }
  input.places = places;
  input.withWorking = false;  // the working is the window's, and no window solved these
  input.fromWindow = false;
  input.relabel = relabel;
  return input;
}

std::optional<ReportInput> anyMeasuresInput(const std::vector<anysolve::GivenMeasure>& measures,
                                            int places, std::string& refusal) {
  std::map<char, double> sidesAndAngles;
  for (const anysolve::GivenMeasure& g : measures) {
    const char* name = anysolve::info(g.measure).name;
    if (name[1] == 0) sidesAndAngles[name[0]] = g.value;
  }
  if (sidesAndAngles.size() == measures.size()) {
    return measuresInput(sidesAndAngles, places, refusal);
  }
  anysolve::ShapePlan plan = anysolve::planShapes(measures);
  if (plan.usage) {
    refusal = plan.refusal;
    return std::nullopt;
  }
  ReportInput input;
  input.measures = measures;
  input.places = places;
  input.withWorking = false;
  input.fromWindow = false;
  return input;
}

}  // namespace anglewise
