#include "report/triangle_report.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <utility>

#include "exact/decide.h"
#include "report/decider.h"
#include "report/measured_triangles.h"
#include "report/report_values.h"
#include "report/working.h"
#include "solver/numbers.h"

namespace anglewise {
namespace {

using exact::Ball;

// Past this the report says what it could not settle; no input of doubles
// has been seen to need more than a few thousand bits.
constexpr long kMostBits = 1L << 15;
// Measures of other kinds start where their search did (kSearchBits), and
// stop sooner: each pass tightens every root again.
constexpr long kMostMeasuredBits = 1L << 12;

// Two sides are equal where the sides or the angles facing them are
// exactly equal; else their enclosures tell them apart.
bool sameSide(const Ball& p, const Ball& q, const Ball& facingP, const Ball& facingQ,
              Decider& decide) {
  return exact::certainlyEqual(facingP, facingQ) || decide.equal(p, q);
}

// A type the enclosures could not decide is shown as "?", never guessed.
std::string bySides(const TriangleParts& t, Decider& decide) {
  int open = decide.undecided();
  // The sides meeting at C are X and Y, at A X and Z, at B Y and Z.
  int equalPairs = ((t.equalCorners & 4) || sameSide(t.X, t.Y, t.B, t.A, decide)) +
                   ((t.equalCorners & 2) || sameSide(t.Y, t.Z, t.A, t.C, decide)) +
                   ((t.equalCorners & 1) || sameSide(t.X, t.Z, t.B, t.C, decide));
  if (decide.undecided() != open) return "?";
  return equalPairs == 3 ? "equilateral" : equalPairs > 0 ? "isosceles" : "scalene";
}

std::string byAngles(const TriangleParts& t, Decider& decide) {
  int open = decide.undecided();
  Ball right(90L);
  bool anyRight = false, anyObtuse = false;
  for (const Ball* angle : {&t.A, &t.B, &t.C}) {
    anyRight = anyRight || decide.equal(*angle, right);
    anyObtuse = anyObtuse || decide.below(right, *angle);
  }
  if (decide.undecided() != open) return "?";
  return anyRight ? "right" : anyObtuse ? "obtuse" : "acute";
}

bool wanted(const ReportValue& row, const std::vector<std::string>& columns) {
  if (columns.empty()) return true;
  for (const std::string& column : columns) {
    if (column == row.column) return true;
  }
  return false;
}

ReportTriangle derive(const TriangleParts& parts, const ReportInput& input, Decider& decide) {
  ReportTriangle t;
  int places = input.places;
  for (const ReportValue& row : reportValues()) {
    if (!wanted(row, input.columns)) continue;
    switch (row.kind) {
      case ReportValueKind::Sides:
        *row.text(t) = bySides(parts, decide);
        break;
      case ReportValueKind::Angles:
        *row.text(t) = byAngles(parts, decide);
        break;
      case ReportValueKind::Dms:
        *row.text(t) = decide.dms(row.formula(parts).num);
        break;
      default: {
        ReportFormula f = row.formula(parts);
        ReportNumber* n = row.number(t);
        Ball value = f.den.exact() && arf_is_one(arb_midref(f.den.get())) ? f.num : f.num / f.den;
        n->value = decide.nearest(value);
        n->text = decide.text(value, f.num, f.den, places);
      }
    }
  }
  return t;
}

// The window's record value fits the true one: closer than one unit of the
// last digit its caption keeps (the places, or the fifteenth significant
// digit), or than a relative 1e-9 where that is larger. A value the
// window's arithmetic lost to underflow or overflow never fits.
bool fits(double record, const Ball& truth, int places, Decider& decide) {
  Ball value(std::isfinite(record) ? record : 0.0);
  if (!std::isfinite(record) || record == 0) return false;
  if (std::fabs(record) < DBL_MIN && !exact::certainlyEqual(value, truth)) return false;
  double shown = std::fabs(Round(record, places));
  long unit = -places;
  if (shown > 0) {
    long decade = static_cast<long>(std::floor(std::log10(shown)));
    if (std::pow(10.0, static_cast<double>(decade)) > shown) --decade;
    unit = std::max(unit, decade - 14);
  }
  // Mostly the double bounds of the truth settle it at once.
  double low, high;
  if (truth.doubleBounds(low, high)) {
    double off = std::max(std::fabs(record - low), std::fabs(high - record)) * (1 + 1e-12);
    double least = low > 0 ? low : high < 0 ? -high : 0;
    if (off < std::pow(10.0, static_cast<double>(unit)) * (1 - 1e-12) ||
        off * 1e9 < least * (1 - 1e-12)) {
      return true;
    }
  }
  Ball off = abs(value - truth);
  int byUnit = exact::compareOr(off, exact::powerOfTen(unit), exact::kUndecided);
  int byRatio = exact::compareOr(off * exact::powerOfTen(9), abs(truth), exact::kUndecided);
  bool fit = byUnit < 0 || byRatio < 0;
  if (!fit && (byUnit == exact::kUndecided || byRatio == exact::kUndecided)) decide.unsettle();
  return fit;
}

bool fitsAll(const ShownTriangle& s, const TriangleParts& t, int places, Decider& decide) {
  const std::pair<double, const Ball*> parts[] = {{s.X, &t.X}, {s.Y, &t.Y}, {s.Z, &t.Z},
                                                  {s.A, &t.A}, {s.B, &t.B}, {s.C, &t.C}};
  bool all = true;
  for (const auto& [record, truth] : parts) all = fits(record, *truth, places, decide) && all;
  return all;
}

// The first part of the true triangle the window shows otherwise, in words.
std::string mismatch(const ShownTriangle& s, const TriangleParts& parts, const ReportTriangle& t,
                     int places, Decider& decide) {
  struct Part {
    const char* name;
    double shown;
    const Ball& truthBall;
    const ReportNumber& truth;
    bool isAngle;
  } list[] = {{"A", s.A, parts.A, t.A.degrees, true}, {"B", s.B, parts.B, t.B.degrees, true},
              {"C", s.C, parts.C, t.C.degrees, true}, {"X", s.X, parts.X, t.X, false},
              {"Y", s.Y, parts.Y, t.Y, false},        {"Z", s.Z, parts.Z, t.Z, false}};
  for (const Part& listed : list) {
    if (fits(listed.shown, listed.truthBall, places, decide)) continue;
    // Values a batch did not ask for are decided here.
    Part p = listed;
    ReportNumber truth = p.truth;
    if (truth.text.empty()) truth = {decide.nearest(p.truthBall), decide.text(p.truthBall, places)};
    std::string shownText =
        std::isfinite(p.shown) ? decide.text(Ball(p.shown), places) : std::string("overflow");
    if (p.isAngle && truth.value > 90 && p.shown < 90) {
      return std::string("The given values make ") + p.name + " obtuse, " + truth.text +
             " degrees, and the window shows the acute reading " + shownText + " degrees.";
    }
    return std::string("The given values make ") + p.name + " " + truth.text + ", and the " +
           "window shows " + shownText + ".";
  }
  return "";
}

void judge(const ReportInput& input, const Solutions& solutions, TriangleReport& report,
           Decider& decide) {
  const auto& triangles = report.triangles;
  if (input.shown) {
    for (size_t i = 0; i < triangles.size(); ++i) {
      if (fitsAll(*input.shown, solutions.triangles[i], input.places, decide)) {
        report.shown = static_cast<int>(i);
      }
    }
    if (report.shown) return;
    report.consistent = false;
    report.note = triangles.empty() ? "The window shows a triangle, yet the given values make "
                                      "none: " +
                                          report.why + "."
                                    : mismatch(*input.shown, solutions.triangles.front(),
                                               triangles.front(), input.places, decide);
    return;
  }
  if (!triangles.empty() && input.given.count() > 0) {
    const TriangleParts& t = solutions.triangles.front();
    auto text = [&](const Ball& v) { return decide.text(v, input.places); };
    report.consistent = false;
    report.note = "The window refused these values, yet they make a triangle: X = " + text(t.X) +
                  ", Y = " + text(t.Y) + ", Z = " + text(t.Z) + ", A = " + text(t.A) +
                  ", B = " + text(t.B) + ", C = " + text(t.C) + ".";
  }
}

// Each single-letter name in `text` swapped as `swap` says ("X and C"
// stays a sentence, its letters the user's).
std::string swappedNames(std::string text, char a, char b, char p, char q) {
  auto letter = [&text](size_t i) {
    return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]));
  };
  for (size_t i = 0; i < text.size(); ++i) {
    if (letter(i) && !(i > 0 && letter(i - 1)) && !letter(i + 1)) {
      char& c = text[i];
      c = c == a ? b : c == b ? a : c == p ? q : c == q ? p : c;
    }
  }
  return text;
}

// The solver's triangles and reason back in the user's names.
void relabelBack(Solutions& solutions, ReportInput::Relabel relabel) {
  using Relabel = ReportInput::Relabel;
  if (relabel == Relabel::None) return;
  bool ac = relabel == Relabel::SwapAC;
  for (TriangleParts& t : solutions.triangles) {
    if (ac) {
      std::swap(t.A, t.C), std::swap(t.Y, t.Z), std::swap(t.dY, t.dZ);
    } else {
      std::swap(t.B, t.C), std::swap(t.X, t.Z), std::swap(t.dX, t.dZ);
    }
  }
  solutions.why = ac ? swappedNames(solutions.why, 'A', 'C', 'Y', 'Z')
                     : swappedNames(solutions.why, 'B', 'C', 'X', 'Z');
}

TriangleReport attempt(const ReportInput& input, const MeasuredSearch* measured, Decider& decide) {
  Solutions solutions = measured        ? measuredSolutions(*measured)
                        : input.corners ? cornerSolutions(*input.corners)
                                        : solveTrue(input.given, decide);
  relabelBack(solutions, input.relabel);
  TriangleReport report;
  report.why = solutions.why;
  for (const TriangleParts& parts : solutions.triangles) {
    report.triangles.push_back(derive(parts, input, decide));
  }
  if (input.withWorking) report.working = windowWorking(input.given, decide);
  if (input.fromWindow) judge(input, solutions, report, decide);
  return report;
}

}  // namespace

TriangleReport makeReport(const ReportInput& input) {
  // Each pass decides every rounding on its enclosures, or says it cannot;
  // only then is the precision raised.
  TriangleReport report;
  std::optional<MeasuredSearch> measured;
  if (!input.measures.empty()) measured = searchMeasures(input.measures);
  bool searched = measured || input.corners;
  long bits = searched ? kSearchBits : startingPrecision(input.given);
  long most = searched ? kMostMeasuredBits : kMostBits;
  for (;; bits *= 2) {
    exact::WorkingPrecision precision(bits);
    Decider decide;
    report = attempt(input, measured ? &*measured : nullptr, decide);
    report.settled = decide.settled();
    if (report.settled || bits >= most) break;
  }
  report.precisionBits = static_cast<int>(bits);
  report.countProven = !measured || countProven(*measured);
  report.settled = report.settled && report.countProven;
  if (!input.refusal.empty()) {
    // A refused Display read nothing: with nothing read before it either,
    // the case line has nothing to say, and the refusal says it all.
    if (!input.given.count() && !report.working.empty()) {
      report.working.erase(report.working.begin());
    }
    report.working.insert(report.working.begin(), "The last Display was refused: " + input.refusal);
  }
  return report;
}

}  // namespace anglewise
