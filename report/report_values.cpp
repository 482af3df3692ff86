#include "report/report_values.h"

#include "exact/degrees.h"

namespace anglewise {
namespace {

using exact::Ball;
using Kind = ReportValueKind;

ReportFormula whole(Ball value) {
  return {std::move(value), Ball(1L)};
}

// An exact sine: 0, 1/2 or 1 (angles of 30, 90 and 150 degrees).
std::optional<Ball> exactSine(const Ball& angle) {
  return exact::rationalSine(angle);
}

// The height to a side: p sin P, with P the angle between p and that side,
// where the sine is exact (so a right triangle's height is its leg,
// exactly); else twice the area over the side.
ReportFormula height(const Ball& side, const Ball& area, const Ball& p, const Ball& P,
                     const Ball& q, const Ball& Q) {
  if (std::optional<Ball> sine = exactSine(P)) return whole(p * *sine);
  if (std::optional<Ball> sine = exactSine(Q)) return whole(q * *sine);
  return {area * 2, side};
}

// The circumradius: a side over twice the sine of the angle facing it,
// where that sine is exact; else X Y Z / (4 area).
ReportFormula circumradius(const TriangleParts& t) {
  const std::pair<const Ball*, const Ball*> pairs[] = {{&t.X, &t.B}, {&t.Y, &t.A}, {&t.Z, &t.C}};
  for (const auto& [side, angle] : pairs) {
    if (std::optional<Ball> sine = exactSine(*angle)) return {*side, *sine * 2};
  }
  return {t.X * t.Y * t.Z, t.area * 4};
}

// Half the root of (q - r)^2 + 4 s (s - p): the median to the third side p,
// without cancellation.
// Facing a right angle, the median is half the side (Thales).
ReportFormula median(const Ball& p, const Ball& facing, const Ball& q, const Ball& r, const Ball& s,
                     const Ball& dp) {
  if (exact::certainlyEqual(facing, Ball(90L))) return {p, Ball(2L)};
  return {sqrt(sqr(q - r) + s * dp * 4), Ball(2L)};
}

// 2 sqrt(p q s (s - r)) / (p + q): the bisector of the angle between p and
// q, r facing it.
ReportFormula bisector(const Ball& p, const Ball& q, const Ball& s, const Ball& dr) {
  return {sqrt(p * q * s * dr) * 2, p + q};
}

#define NUMBER(member) [](ReportTriangle& t) -> ReportNumber* { return &t.member; }
#define TEXT(member) [](ReportTriangle& t) -> std::string* { return &t.member; }
#define NUMBER_TEXT(member) [](ReportTriangle& t) -> std::string* { return &t.member.text; }
#define PARTS(expression) [](const TriangleParts& t) -> ReportFormula { return expression; }

// clang-format off
#define ANGLE_ROWS(N)                                                                        \
  {#N " (degrees)", "", #N, #N, Kind::Degrees, PARTS(whole(t.N)), NUMBER(N.degrees),          \
   NUMBER_TEXT(N.degrees)},                                                                   \
  {#N " (D/M/S)", "dms", #N, #N "_dms", Kind::Dms, PARTS(whole(t.N)), nullptr, TEXT(N.dms)},  \
  {#N " (radians)", "radians", #N, #N "_radians", Kind::Radians,                              \
   PARTS(whole(exact::radians(t.N))), NUMBER(N.radians), NUMBER_TEXT(N.radians)}

const std::vector<ReportValue> kValues = {
  {"X", "", "X", "X", Kind::Number, PARTS(whole(t.X)), NUMBER(X), NUMBER_TEXT(X)},
  {"Y", "", "Y", "Y", Kind::Number, PARTS(whole(t.Y)), NUMBER(Y), NUMBER_TEXT(Y)},
  {"Z", "", "Z", "Z", Kind::Number, PARTS(whole(t.Z)), NUMBER(Z), NUMBER_TEXT(Z)},
  ANGLE_ROWS(A),
  ANGLE_ROWS(B),
  ANGLE_ROWS(C),
  {"Perimeter", "", "perimeter", "perimeter", Kind::Number, PARTS(whole(t.s * 2)),
   NUMBER(perimeter), NUMBER_TEXT(perimeter)},
  {"Semiperimeter", "", "semiperimeter", "semiperimeter", Kind::Number, PARTS(whole(t.s)),
   NUMBER(semiperimeter), NUMBER_TEXT(semiperimeter)},
  {"Area", "", "area", "area", Kind::Number, PARTS(whole(t.area)), NUMBER(area),
   NUMBER_TEXT(area)},
  {"Height to X", "heights", "X", "height_X", Kind::Number, PARTS(height(t.X, t.area, t.Z, t.A, t.Y, t.C)),
   NUMBER(heights[0]), NUMBER_TEXT(heights[0])},
  {"Height to Y", "heights", "Y", "height_Y", Kind::Number, PARTS(height(t.Y, t.area, t.Z, t.B, t.X, t.C)),
   NUMBER(heights[1]), NUMBER_TEXT(heights[1])},
  {"Height to Z", "heights", "Z", "height_Z", Kind::Number, PARTS(height(t.Z, t.area, t.X, t.A, t.Y, t.B)),
   NUMBER(heights[2]), NUMBER_TEXT(heights[2])},
  {"Median to X", "medians", "X", "median_X", Kind::Number, PARTS(median(t.X, t.B, t.Y, t.Z, t.s, t.dX)),
   NUMBER(medians[0]), NUMBER_TEXT(medians[0])},
  {"Median to Y", "medians", "Y", "median_Y", Kind::Number, PARTS(median(t.Y, t.A, t.X, t.Z, t.s, t.dY)),
   NUMBER(medians[1]), NUMBER_TEXT(medians[1])},
  {"Median to Z", "medians", "Z", "median_Z", Kind::Number, PARTS(median(t.Z, t.C, t.X, t.Y, t.s, t.dZ)),
   NUMBER(medians[2]), NUMBER_TEXT(medians[2])},
  {"Bisector of A", "bisectors", "A", "bisector_A", Kind::Number, PARTS(bisector(t.X, t.Z, t.s, t.dY)),
   NUMBER(bisectors[0]), NUMBER_TEXT(bisectors[0])},
  {"Bisector of B", "bisectors", "B", "bisector_B", Kind::Number, PARTS(bisector(t.Y, t.Z, t.s, t.dX)),
   NUMBER(bisectors[1]), NUMBER_TEXT(bisectors[1])},
  {"Bisector of C", "bisectors", "C", "bisector_C", Kind::Number, PARTS(bisector(t.X, t.Y, t.s, t.dZ)),
   NUMBER(bisectors[2]), NUMBER_TEXT(bisectors[2])},
  {"Inradius", "", "inradius", "inradius", Kind::Number, PARTS((ReportFormula{t.area, t.s})),
   NUMBER(inradius), NUMBER_TEXT(inradius)},
  {"Circumradius", "", "circumradius", "circumradius", Kind::Number,
   PARTS(circumradius(t)), NUMBER(circumradius),
   NUMBER_TEXT(circumradius)},
  {"Exradius opposite X", "exradii", "X", "exradius_X", Kind::Number,
   PARTS((ReportFormula{t.area, t.dX})), NUMBER(exradii[0]), NUMBER_TEXT(exradii[0])},
  {"Exradius opposite Y", "exradii", "Y", "exradius_Y", Kind::Number,
   PARTS((ReportFormula{t.area, t.dY})), NUMBER(exradii[1]), NUMBER_TEXT(exradii[1])},
  {"Exradius opposite Z", "exradii", "Z", "exradius_Z", Kind::Number,
   PARTS((ReportFormula{t.area, t.dZ})), NUMBER(exradii[2]), NUMBER_TEXT(exradii[2])},
  {"By sides", "type", "sides", "type_sides", Kind::Sides, nullptr, nullptr, TEXT(bySides)},
  {"By angles", "type", "angles", "type_angles", Kind::Angles, nullptr, nullptr, TEXT(byAngles)},
};
// clang-format on

}  // namespace

const std::vector<ReportValue>& reportValues() {
  return kValues;
}

const std::string& valueText(const ReportValue& row, const ReportTriangle& t) {
  return *row.text(const_cast<ReportTriangle&>(t));
}

std::optional<double> valueNumber(const ReportValue& row, const ReportTriangle& t) {
  if (!row.number) return std::nullopt;
  return row.number(const_cast<ReportTriangle&>(t))->value;
}

std::vector<std::string> numberedColumns(size_t triangles) {
  std::vector<std::string> names;
  for (size_t i = 0; i < triangles; ++i) {
    for (const ReportValue& row : reportValues()) {
      names.push_back("t" + std::to_string(i + 1) + "_" + row.column);
    }
  }
  return names;
}

}  // namespace anglewise
