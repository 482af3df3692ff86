#pragma once
// The Triangle Report: the true triangles behind the values the user gave,
// every derived value proven (an Arb enclosure of the true value, rounded
// once: the nearest double, and decimal text) or decided exactly where it
// sits on a boundary, which triangle the window shows, whether what it shows
// fits together, and the working of its case.
//
// Input -> solveTrue() at the precision the inputs need -> every value of
// the table in report_values.h and every decision taken on its enclosure;
// where one is not settled the whole report is made again at twice the
// precision, so each printed digit is proven.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "anysolve/three_measures.h"
#include "report/corner_points.h"
#include "report/true_triangle.h"

namespace anglewise {

/// One quantity: the nearest double and its correctly rounded text.
struct ReportNumber {
  double value = 0;
  std::string text;
  friend bool operator==(const ReportNumber&, const ReportNumber&) = default;
};

/// An angle in decimal degrees, radians and D/M/S text ("117d 16m 46s .603").
struct ReportAngle {
  ReportNumber degrees, radians;
  std::string dms;
  friend bool operator==(const ReportAngle&, const ReportAngle&) = default;
};

struct ReportTriangle {
  ReportNumber X, Y, Z;
  ReportAngle A, B, C;
  ReportNumber perimeter, semiperimeter, area;
  std::array<ReportNumber, 3> heights;    ///< to X, Y, Z
  std::array<ReportNumber, 3> medians;    ///< to X, Y, Z
  std::array<ReportNumber, 3> bisectors;  ///< of A, B, C
  std::array<ReportNumber, 3> exradii;    ///< opposite X, Y, Z
  ReportNumber inradius, circumradius;
  std::string bySides;   ///< "equilateral", "isosceles" or "scalene"
  std::string byAngles;  ///< "acute", "right" or "obtuse"
  friend bool operator==(const ReportTriangle&, const ReportTriangle&) = default;
};

/// The triangle the window shows: its record after a solved Display.
struct ShownTriangle {
  double X = 0, Y = 0, Z = 0, A = 0, B = 0, C = 0;
};

struct ReportInput {
  GivenValues given;                   ///< what Display read
  std::optional<ShownTriangle> shown;  ///< none: the window solved nothing
  int places = 14;                     ///< the Decimals menu: 4, 8, 12 or 14
  /// When the last Display was refused: which boxes are ticked and why
  /// the window refused them, as a sentence; else "".
  std::string refusal;
  /// Whether to write the working (batch runs leave it out).
  bool withWorking = true;
  /// The values to decide, by CSV column (report_values.h); empty: all.
  /// The others stay empty, as a batch that prints a few leaves them.
  std::vector<std::string> columns;
  /// Where the given values were put in other positions for the solver
  /// (measures given as the user pleased, not as the window takes them):
  /// the swap that takes the triangles and the reason back to the user's
  /// names. A swap of two angles swaps the sides facing them too.
  enum class Relabel { None, SwapAC, SwapBC } relabel = Relabel::None;
  /// Whether a window solved these values, so that its answer is judged.
  bool fromWindow = true;
  /// Three measures of any kinds (heights, medians, area...): when given,
  /// the triangles are theirs and `given` is not read.
  std::vector<anysolve::GivenMeasure> measures;
  /// Or the three corners, A, B and C.
  std::optional<CornerPoints> corners;
};

struct TriangleReport {
  std::string why;  ///< how many triangles the values make, and why
  std::vector<ReportTriangle> triangles;
  std::optional<int> shown;          ///< which of them the window shows
  bool consistent = true;            ///< the window's answer fits the true one
  std::string note;                  ///< when not consistent: what the values really make
  std::vector<std::string> working;  ///< the window's case, step by step
  int precisionBits = 0;             ///< the precision the digits were settled at
  bool settled = true;               ///< every value and the count proven
  /// False where a search of shapes could not rule out every box: the
  /// triangles shown are proven, but there may be more.
  bool countProven = true;
};

TriangleReport makeReport(const ReportInput& input);

/// The report as plain text, for people and the clipboard.
std::string reportText(const TriangleReport& report);
/// The same as HTML, the triangles side by side.
std::string reportHtml(const TriangleReport& report);
/// "no triangle", "one triangle", "two triangles" ... ("12 triangles").
std::string triangleCount(size_t n);
/// The report's first sentence: how many triangles, and why.
std::string reportHeadline(const TriangleReport& report);

}  // namespace anglewise
