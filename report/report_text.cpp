// The report in words: plain text for the terminal and the clipboard, HTML
// for the report window, the two triangles of the ambiguous case side by
// side.
#include <sstream>

#include "report/triangle_report.h"

namespace anglewise {
namespace {

struct Row {
  std::string label;
  std::vector<std::string> values;  ///< one per triangle
};

std::vector<Row> rows(const TriangleReport& report) {
  std::vector<Row> out;
  auto add = [&](const std::string& label, auto get) {
    Row row{label, {}};
    for (const ReportTriangle& t : report.triangles) row.values.push_back(get(t));
    out.push_back(std::move(row));
  };
  add("X", [](const ReportTriangle& t) { return t.X.text; });
  add("Y", [](const ReportTriangle& t) { return t.Y.text; });
  add("Z", [](const ReportTriangle& t) { return t.Z.text; });
  const std::pair<const char*, ReportAngle ReportTriangle::*> angles[] = {
      {"A", &ReportTriangle::A}, {"B", &ReportTriangle::B}, {"C", &ReportTriangle::C}};
  for (const auto& [name, member] : angles) {
    add(std::string(name) + " (degrees)",
        [m = member](const ReportTriangle& t) { return (t.*m).degrees.text; });
    add(std::string(name) + " (D/M/S)",
        [m = member](const ReportTriangle& t) { return (t.*m).dms; });
    add(std::string(name) + " (radians)",
        [m = member](const ReportTriangle& t) { return (t.*m).radians.text; });
  }
  add("Perimeter", [](const ReportTriangle& t) { return t.perimeter.text; });
  add("Semiperimeter", [](const ReportTriangle& t) { return t.semiperimeter.text; });
  add("Area", [](const ReportTriangle& t) { return t.area.text; });
  const char* sides[] = {"X", "Y", "Z"};
  const char* corners[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    add(std::string("Height to ") + sides[i],
        [i](const ReportTriangle& t) { return t.heights[i].text; });
  }
  for (int i = 0; i < 3; ++i) {
    add(std::string("Median to ") + sides[i],
        [i](const ReportTriangle& t) { return t.medians[i].text; });
  }
  for (int i = 0; i < 3; ++i) {
    add(std::string("Bisector of ") + corners[i],
        [i](const ReportTriangle& t) { return t.bisectors[i].text; });
  }
  add("Inradius", [](const ReportTriangle& t) { return t.inradius.text; });
  add("Circumradius", [](const ReportTriangle& t) { return t.circumradius.text; });
  for (int i = 0; i < 3; ++i) {
    add(std::string("Exradius opposite ") + sides[i],
        [i](const ReportTriangle& t) { return t.exradii[i].text; });
  }
  add("By sides", [](const ReportTriangle& t) { return t.bySides; });
  add("By angles", [](const ReportTriangle& t) { return t.byAngles; });
  return out;
}

std::string heading(const TriangleReport& report, size_t i) {
  std::string title = "Triangle " + std::to_string(i + 1);
  if (report.shown && static_cast<size_t>(*report.shown) == i) title += " (shown)";
  return title;
}

std::string count(const TriangleReport& report) {
  size_t n = report.triangles.size();
  return n == 0 ? "No triangle" : n == 1 ? "One triangle" : "Two triangles";
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

// One line of the table: the cells padded to their columns, at least one
// blank apart, and nothing after the last.
std::string tableLine(const std::string& label, const std::vector<std::string>& cells) {
  std::string line = label;
  size_t width = 22;
  for (const std::string& cell : cells) {
    line += std::string(line.size() < width ? width - line.size() : 1, ' ') + cell;
    width = line.size() - cell.size() + 24;
  }
  return line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
}

}  // namespace

std::string reportText(const TriangleReport& report) {
  std::ostringstream out;
  out << "Triangle Report\n\n" << count(report) << ": " << report.why << ".\n";
  if (!report.consistent) out << "\nDoes not fit together: " << report.note << "\n";
  if (!report.triangles.empty()) {
    std::vector<std::string> headings;
    for (size_t i = 0; i < report.triangles.size(); ++i) headings.push_back(heading(report, i));
    out << "\n" << tableLine("", headings);
    for (const Row& row : rows(report)) out << tableLine(row.label, row.values);
  }
  out << "\nWorking\n";
  for (const std::string& line : report.working) out << "  " << line << "\n";
  out << "\nEvery number is the true value for the given values, rounded once (settled at "
      << report.precisionBits << " bits).\n";
  return out.str();
}

std::string reportHtml(const TriangleReport& report) {
  std::ostringstream out;
  out << "<h2>Triangle Report</h2><p><b>" << count(report) << "</b>: " << escaped(report.why)
      << ".</p>";
  if (!report.consistent) {
    out << "<p style=\"color:#800000\"><b>Does not fit together:</b> " << escaped(report.note)
        << "</p>";
  }
  if (!report.triangles.empty()) {
    out << "<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th></th>";
    for (size_t i = 0; i < report.triangles.size(); ++i) {
      out << "<th>" << escaped(heading(report, i)) << "</th>";
    }
    out << "</tr>";
    for (const Row& row : rows(report)) {
      out << "<tr><td>" << escaped(row.label) << "</td>";
      for (const std::string& value : row.values) out << "<td>" << escaped(value) << "</td>";
      out << "</tr>";
    }
    out << "</table>";
  }
  out << "<h3>Working</h3><ol>";
  for (const std::string& line : report.working) out << "<li>" << escaped(line) << "</li>";
  out << "</ol><p><i>Every number is the true value for the given values, rounded once.</i></p>";
  return out.str();
}

}  // namespace anglewise
