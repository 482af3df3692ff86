#include "cli/any_rows.h"

#include <algorithm>

#include "anysolve/measure.h"
#include "mainwindow/main_window.h"
#include "report/given_measures.h"
#include "report/report_values.h"

namespace anglewise {
namespace {

// A CSV row holds this many triangles' groups; more are told in the
// messages (three measures rarely make more than two).
constexpr size_t kCsvTriangles = 6;

bool isWindowColumn(std::string_view name) {
  return name == "X" || name == "Y" || name == "Z" || name == "A" || name == "B";
}

// The groups: every triangle's in JSON, kCsvTriangles (empty past the
// last) in CSV.
void writeGroups(RowWriter& out, const TriangleReport* report, bool jsonl) {
  const std::vector<ReportValue>& rows = reportValues();
  size_t count = report ? report->triangles.size() : 0;
  size_t groups = jsonl ? count : kCsvTriangles;
  static const std::vector<std::string> kCsvColumns = numberedColumns(kCsvTriangles);
  // A JSON line may hold more triangles than the CSV's groups.
  std::vector<std::string> more =
      groups > kCsvTriangles ? numberedColumns(groups) : std::vector<std::string>();
  const std::vector<std::string>& names = groups > kCsvTriangles ? more : kCsvColumns;
  for (size_t i = 0; i < groups; ++i) {
    const ReportTriangle* each = i < count ? &report->triangles[i] : nullptr;
    for (size_t r = 0; r < rows.size(); ++r) {
      out.cell(names[i * rows.size() + r], each ? std::string_view(valueText(rows[r], *each)) : "");
    }
  }
}

void writeHead(RowWriter& out, std::string_view id, std::string_view status,
               const TriangleReport* report, std::string_view messages) {
  out.text("id", id);
  out.cell("status", status);
  out.cell("triangles", report ? std::to_string(report->triangles.size()) : "");
  out.cell("settled", report ? (report->settled ? "true" : "false") : "");
  out.text("messages", messages);
}

}  // namespace

bool namesAnyMeasures(std::span<const std::string_view> names) {
  bool beyond = false;
  for (std::string_view name : names) {
    if (name == "kind") return false;
    if (anysolve::measureNamed(name) && !isWindowColumn(name)) beyond = true;
  }
  return beyond;
}

std::optional<std::string> readAnyHeader(std::span<const std::string_view> names,
                                         std::vector<AnyColumn>& columns) {
  size_t named = names.size();  // empty cells at the end name nothing
  while (named > 0 && names[named - 1].empty()) --named;
  columns.assign(names.size(), AnyColumn{});
  for (size_t i = 0; i < named; ++i) {
    if (names[i] == "id") {
      columns[i].kind = AnyColumn::Id;
    } else if (names[i] == "places") {
      columns[i].kind = AnyColumn::Places;
    } else if (std::optional<anysolve::Measure> m = anysolve::measureNamed(names[i])) {
      columns[i] = {AnyColumn::Measure, static_cast<size_t>(*m)};
    } else {
      return "unknown column \"" + std::string(names[i]) +
             "\": the columns are id, places and the measures X, Y, Z, A, B, C, hX, hY, hZ, "
             "mX, mY, mZ, tA, tB, tC, area, perimeter, inradius and circumradius";
    }
    for (size_t j = 0; j < i; ++j) {
      bool same = columns[j].kind == columns[i].kind && (columns[i].kind != AnyColumn::Measure ||
                                                         columns[j].measure == columns[i].measure);
      if (same) {
        return "the column \"" + std::string(names[i]) +
               "\" is named more than once: give each once";
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> readAnyRow(const std::vector<AnyColumn>& columns,
                                      std::span<const std::string_view> cells, size_t count,
                                      AnyRow& row) {
  for (size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
    if (columns[i].kind == AnyColumn::Id && !cells[i].empty()) row.id = cells[i];
  }
  if (count > columns.size()) {
    return "the row has " + std::to_string(count) + " cells for " + std::to_string(columns.size()) +
           " columns";
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    std::string_view cell = cells[i];
    switch (columns[i].kind) {
      case AnyColumn::Places:
        if (std::optional<int> places = readPlaces(cell)) {
          row.places = *places;
        } else if (!cell.empty()) {
          return "places must be 4, 8, 12 or 14, not \"" + std::string(cell) + "\"";
        }
        break;
      case AnyColumn::Measure:
        if (!cell.empty())
          row.measures.emplace_back(anysolve::measures()[columns[i].measure].name, cell);
        break;
      case AnyColumn::Unnamed:
        if (!cell.empty()) return "a cell under no column holds \"" + std::string(cell) + "\"";
        break;
      case AnyColumn::Id:
        break;
    }
  }
  return std::nullopt;
}

bool writeAnyRow(RowWriter& out, const AnyRow& row, bool jsonl) {
  std::string refusal;
  std::optional<ReportInput> input = givenReportInput(row.measures, row.places, refusal);
  if (!input) {
    writeHead(out, row.id, "refused", nullptr, refusal);
    writeGroups(out, nullptr, jsonl);
    return false;
  }
  TriangleReport report = makeReport(*input);
  size_t count = report.triangles.size();
  std::string messages = reportHeadline(report);
  if (!jsonl && count > kCsvTriangles) {
    messages += " The CSV row holds the first " + std::to_string(kCsvTriangles) +
                "; --format jsonl gives all " + std::to_string(count) + ".";
  }
  writeHead(out, row.id, count > 0 ? "solved" : "none", &report, messages);
  writeGroups(out, &report, jsonl);
  return count > 0;
}

void writeAnyErrorRow(RowWriter& out, std::string_view id, const std::string& reason, bool jsonl) {
  writeHead(out, id, "error", nullptr, reason);
  writeGroups(out, nullptr, jsonl);
}

}  // namespace anglewise
