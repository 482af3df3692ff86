#include "report/given_measures.h"

#include <cmath>

#include "solver/dms.h"
#include "solver/numbers.h"

namespace anglewise {
namespace {

bool isAngle(char name) {
  return name == 'A' || name == 'B' || name == 'C';
}

// A given value as a number: a side's length, an angle in decimal degrees
// or as D/M/S text ("30d 15m"), read as the window reads them.
double measureValue(const std::string& text) {
  bool dms = text.find_first_of("dD") != std::string::npos;
  return dms ? readdms(text).degrees : Val(text);
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
  // Sides and angles alone take the window's road; anything else (other
  // measures, too few or too many, one given twice) is the planner's.
  if (measures.size() == 3 && sidesAndAngles.size() == 3) {
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

std::optional<ReportInput> givenReportInput(
    const std::vector<std::pair<std::string, std::string>>& measures, int places,
    std::string& refusal) {
  std::vector<anysolve::GivenMeasure> given;
  for (const auto& [name, text] : measures) {
    std::optional<anysolve::Measure> measure = anysolve::measureNamed(name);
    if (!measure) {
      refusal = name +
                " is no measure: name sides X, Y, Z, angles A, B, C, heights hX, hY, hZ, "
                "medians mX, mY, mZ, bisectors tA, tB, tC, area, perimeter, inradius or "
                "circumradius.";
      return std::nullopt;
    }
    given.push_back({*measure, measureValue(text)});
  }
  return anyMeasuresInput(given, places, refusal);
}

}  // namespace anglewise
