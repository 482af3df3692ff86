#include "report/triangle_report.h"

#include <cmath>

#include "report/working.h"

namespace anglewise {
namespace {

constexpr mpfr_prec_t kStartBits = 192;
constexpr mpfr_prec_t kMostBits = 1 << 14;

// Decimal text: 15 significant digits, or the Decimals menu's places where
// that is fewer and still shows the value.
std::string digits(const Real& value, int places) {
  std::string full = value.significant(15);
  if (places >= 14 || value.isNaN()) return full;
  Real magnitude = abs(value);
  if (!value.isZero() && magnitude < Real(value.precision(), std::pow(10.0, -places))) return full;
  std::string fixed = value.fixed(places);
  if (fixed.find('.') != std::string::npos) {
    fixed.erase(fixed.find_last_not_of('0') + 1);
    if (fixed.back() == '.') fixed.pop_back();
  }
  size_t significant = 0;
  for (char c : fixed) significant += (c >= '0' && c <= '9') ? 1 : 0;
  return significant <= 15 ? fixed : full;
}

ReportNumber number(const Real& value, int places) {
  return {value.nearestDouble(), digits(value, places)};
}

// D/M/S to the thousandth of a second, from the value rounded once.
std::string dms(const Real& degreesValue) {
  Real thousandths = degreesValue * 3600000;
  mpfr_rint(thousandths.get(), thousandths.get(), MPFR_RNDN);
  long total = mpfr_get_si(thousandths.get(), MPFR_RNDN);
  long d = total / 3600000, m = total / 60000 % 60, s = total / 1000 % 60, f = total % 1000;
  char text[64];
  std::snprintf(text, sizeof text, "%ldd %ldm %lds .%03ld", d, m, s, f);
  return text;
}

ReportAngle angle(const Real& degreesValue, int places) {
  return {number(degreesValue, places), number(radians(degreesValue), places), dms(degreesValue)};
}

ReportTriangle derive(const PreciseTriangle& t, int places) {
  ReportTriangle r;
  auto num = [places](const Real& v) { return number(v, places); };
  r.X = num(t.X), r.Y = num(t.Y), r.Z = num(t.Z);
  r.A = angle(t.A, places), r.B = angle(t.B, places), r.C = angle(t.C, places);
  Real perimeter = t.X + t.Y + t.Z, s = perimeter / 2;
  Real area = t.X * t.Z * sin(radians(t.A)) / 2;  // A lies between X and Z
  r.perimeter = num(perimeter), r.semiperimeter = num(s), r.area = num(area);
  r.heights = {num(area * 2 / t.X), num(area * 2 / t.Y), num(area * 2 / t.Z)};
  auto median = [](const Real& to, const Real& p, const Real& q) {
    return sqrt(p * p * 2 + q * q * 2 - to * to) / 2;
  };
  r.medians = {num(median(t.X, t.Y, t.Z)), num(median(t.Y, t.X, t.Z)), num(median(t.Z, t.X, t.Y))};
  auto bisector = [](const Real& p, const Real& q, const Real& between) {
    return p * q * cos(radians(between) / 2) * 2 / (p + q);
  };
  r.bisectors = {num(bisector(t.X, t.Z, t.A)), num(bisector(t.Y, t.Z, t.B)),
                 num(bisector(t.X, t.Y, t.C))};
  r.exradii = {num(area / (s - t.X)), num(area / (s - t.Y)), num(area / (s - t.Z))};
  r.inradius = num(area / s);
  r.circumradius = num(t.X / (sin(radians(t.B)) * 2));  // B lies opposite X
  int equalPairs = same(t.X, t.Y) + same(t.Y, t.Z) + same(t.X, t.Z);
  r.bySides = equalPairs == 3 ? "equilateral" : equalPairs > 0 ? "isosceles" : "scalene";
  Real right(t.A.precision(), 90);
  bool anyRight = same(t.A, right) || same(t.B, right) || same(t.C, right);
  bool anyObtuse = t.A > right || t.B > right || t.C > right;
  r.byAngles = anyRight ? "right" : anyObtuse ? "obtuse" : "acute";
  return r;
}

struct Settled {
  std::string why;
  std::vector<ReportTriangle> triangles;
  std::vector<std::string> working;
  friend bool operator==(const Settled&, const Settled&) = default;
};

Settled at(const ReportInput& input, mpfr_prec_t bits) {
  Solutions solutions = solveTrue(input.given, bits);
  Settled out{solutions.why, {}, windowWorking(input.given, bits)};
  for (const PreciseTriangle& t : solutions.triangles) {
    out.triangles.push_back(derive(t, input.places));
  }
  return out;
}

bool close(double shown, double truth) {
  return std::fabs(shown - truth) <= 1e-9 * std::max(1.0, std::fabs(truth));
}

bool fits(const ShownTriangle& s, const ReportTriangle& t) {
  return close(s.X, t.X.value) && close(s.Y, t.Y.value) && close(s.Z, t.Z.value) &&
         close(s.A, t.A.degrees.value) && close(s.B, t.B.degrees.value) &&
         close(s.C, t.C.degrees.value);
}

// A value of the window's record as the window shows it at `places`.
std::string shownText(double value, int places) {
  return digits(Real(64, value), places);
}

// The first part of the true triangle the window shows otherwise, in words.
std::string mismatch(const ShownTriangle& s, const ReportTriangle& t, int places) {
  struct Part {
    const char* name;
    double shown;
    const ReportNumber& truth;
    bool isAngle;
  } parts[] = {{"A", s.A, t.A.degrees, true}, {"B", s.B, t.B.degrees, true},
               {"C", s.C, t.C.degrees, true}, {"X", s.X, t.X, false},
               {"Y", s.Y, t.Y, false},        {"Z", s.Z, t.Z, false}};
  for (const Part& p : parts) {
    if (close(p.shown, p.truth.value)) continue;
    if (p.isAngle && p.truth.value > 90 && p.shown < 90) {
      return std::string("The given values make ") + p.name + " obtuse, " + p.truth.text +
             " degrees, and the window shows the acute reading " + shownText(p.shown, places) +
             " degrees.";
    }
    return std::string("The given values make ") + p.name + " " + p.truth.text + ", and the " +
           "window shows " + shownText(p.shown, places) + ".";
  }
  return "";
}

void judge(const ReportInput& input, TriangleReport& report) {
  const auto& triangles = report.triangles;
  if (input.shown) {
    for (size_t i = 0; i < triangles.size(); ++i) {
      if (fits(*input.shown, triangles[i])) report.shown = static_cast<int>(i);
    }
    if (report.shown) return;
    report.consistent = false;
    report.note =
        triangles.empty()
            ? "The window shows a triangle, yet the given values make none: " + report.why + "."
            : mismatch(*input.shown, triangles.front(), input.places);
    return;
  }
  if (!triangles.empty() && input.given.count() > 0) {
    const ReportTriangle& t = triangles.front();
    report.consistent = false;
    report.note = "The window refused these values, yet they make a triangle: X = " + t.X.text +
                  ", Y = " + t.Y.text + ", Z = " + t.Z.text + ", A = " + t.A.degrees.text +
                  ", B = " + t.B.degrees.text + ", C = " + t.C.degrees.text + ".";
  }
}

}  // namespace

TriangleReport makeReport(const ReportInput& input) {
  // Ziv's strategy: settle every rounding at two precisions.
  mpfr_prec_t bits = kStartBits;
  Settled settled = at(input, bits);
  while (bits < kMostBits) {
    Settled finer = at(input, bits * 2);
    if (finer == settled) break;
    settled = std::move(finer);
    bits *= 2;
  }
  TriangleReport report;
  report.why = settled.why;
  report.triangles = std::move(settled.triangles);
  report.working = std::move(settled.working);
  if (!input.refusal.empty()) {
    // A refused Display read nothing: with nothing read before it either,
    // the case line has nothing to say, and the refusal says it all.
    if (!input.given.count()) report.working.erase(report.working.begin());
    report.working.insert(report.working.begin(), "The last Display was refused: " + input.refusal);
  }
  report.precisionBits = static_cast<int>(bits);
  judge(input, report);
  return report;
}

}  // namespace anglewise
