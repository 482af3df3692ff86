#pragma once
// The one table of a true triangle's values: each row is how people (the
// text and HTML label), scripts (the JSON key, within its group) and files
// (the CSV column) name the value, its formula from the triangle's parts,
// and where a ReportTriangle keeps it. A new value is one row.
#include <optional>
#include <string>
#include <vector>

#include "exact/ball.h"
#include "report/triangle_report.h"

namespace anglewise {

/// How a row's value is decided and shown.
enum class ReportValueKind {
  Number,   ///< a length or area: nearest double and digits
  Degrees,  ///< an angle in degrees: nearest double and digits
  Radians,  ///< an angle in radians
  Dms,      ///< an angle as D/M/S text, to the thousandth of a second
  Sides,    ///< "equilateral", "isosceles" or "scalene"
  Angles,   ///< "acute", "right" or "obtuse"
};

/// A value as num / den: a quotient of exact balls is decided exactly even
/// where it sits on a tie.
struct ReportFormula {
  exact::Ball num, den;
};

struct ReportValue {
  const char* label;      ///< "Height to X"
  const char* jsonGroup;  ///< the object it sits in ("heights"), "" at the top
  const char* jsonKey;    ///< its key there ("X")
  const char* column;     ///< CSV column ("height_X")
  ReportValueKind kind;
  /// The true value from the parts (not for the two types).
  ReportFormula (*formula)(const TriangleParts&);
  /// Where the ReportTriangle keeps it: a number, or else a text.
  ReportNumber* (*number)(ReportTriangle&);
  std::string* (*text)(ReportTriangle&);
};

/// Every row, in the report's order.
const std::vector<ReportValue>& reportValues();
/// The CSV columns of `triangles` triangles' values, each triangle's as a
/// numbered group: t1_X ... t1_type_angles, t2_X ...
std::vector<std::string> numberedColumns(size_t triangles);

/// The text a ReportTriangle shows for a row.
const std::string& valueText(const ReportValue& row, const ReportTriangle& t);
/// The nearest double of a row that is a number (not D/M/S or a type).
std::optional<double> valueNumber(const ReportValue& row, const ReportTriangle& t);

}  // namespace anglewise
