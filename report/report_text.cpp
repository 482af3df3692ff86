// The report in words: plain text for the terminal and the clipboard, HTML
// for the report window, the two triangles of the ambiguous case side by
// side.
#include <cctype>
#include <iterator>
#include <sstream>

#include "report/report_values.h"
#include "report/triangle_report.h"

namespace anglewise {
namespace {

struct Row {
  std::string label;
  std::vector<std::string> values;  ///< one per triangle
};

std::vector<Row> rows(const TriangleReport& report) {
  std::vector<Row> out;
  for (const ReportValue& value : reportValues()) {
    Row row{value.label, {}};
    for (const ReportTriangle& t : report.triangles) row.values.push_back(valueText(value, t));
    out.push_back(std::move(row));
  }
  return out;
}

// What is proven, and at what precision.
std::string proof(const TriangleReport& report) {
  std::string bits = std::to_string(report.precisionBits) + " bits";
  if (!report.countProven) {
    return "The count is not proven (see above); every number shown is proven, settled at " + bits +
           ".";
  }
  if (!report.settled) {
    return "A value shown as ? could not be settled even at " + bits +
           "; every other number is proven as below.";
  }
  return "Every number is proven: an enclosure (Arb ball arithmetic) of the true value for the "
         "given values, rounded once (settled at " +
         bits +
         "); values exactly on a boundary (a right angle, equal sides, a tie) are decided "
         "exactly.";
}

std::string heading(const TriangleReport& report, size_t i) {
  std::string title = "Triangle " + std::to_string(i + 1);
  if (report.shown && static_cast<size_t>(*report.shown) == i) title += " (shown)";
  return title;
}

std::string count(const TriangleReport& report) {
  std::string words = triangleCount(report.triangles.size());
  words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
  return words;
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

std::string triangleCount(size_t n) {
  static const char* const kWords[] = {"no triangle",     "one triangle",   "two triangles",
                                       "three triangles", "four triangles", "five triangles",
                                       "six triangles"};
  return n < std::size(kWords) ? kWords[n] : std::to_string(n) + " triangles";
}

std::string reportHeadline(const TriangleReport& report) {
  return count(report) + ": " + report.why + ".";
}

std::string reportText(const TriangleReport& report) {
  std::ostringstream out;
  out << "Triangle Report\n\n" << reportHeadline(report) << "\n";
  if (!report.consistent) out << "\nDoes not fit together: " << report.note << "\n";
  if (!report.triangles.empty()) {
    std::vector<std::string> headings;
    for (size_t i = 0; i < report.triangles.size(); ++i) headings.push_back(heading(report, i));
    out << "\n" << tableLine("", headings);
    for (const Row& row : rows(report)) out << tableLine(row.label, row.values);
  }
  out << "\nWorking\n";
  for (const std::string& line : report.working) out << "  " << line << "\n";
  out << "\n" << proof(report) << "\n";
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
  out << "</ol><p><i>" << escaped(proof(report)) << "</i></p>";
  return out.str();
}

}  // namespace anglewise
