#include "cli/solve_command.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "anysolve/three_measures.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/report_json.h"
#include "cli/window_script.h"
#include "drawing/report_figure.h"
#include "export/figure_files.h"
#include "headless/headless_window.h"
#include "report/given_measures.h"

namespace anglewise {
namespace {

std::string readable(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

// One JSON object: the twelve result captions by control name, the
// message boxes, the working record and the report; with `reportText`, the
// report as --report prints it too, so that the output stays one document.
void writeSolveJson(std::ostream& out, const HeadlessWindow& headless, const TriangleReport& report,
                    bool withReportText) {
  std::string text;
  JsonWriter json(text);
  json.beginObject().key("captions").beginObject();
  for (const NamedControl& entry : headless.window.controls()) {
    if (auto* label = std::get_if<Label*>(&entry.control)) {
      json.key(entry.name).value((*label)->Caption());
    }
  }
  json.endObject().key("messages").beginArray();
  for (const ShownMessage& m : headless.messages.shown) {
    json.beginObject().key("title").value(m.title).key("text").value(m.text);
    json.key("style").value(m.style).endObject();
  }
  json.endArray().key("record");
  writeRecord(json, headless.window.state);
  json.key("report");
  writeReportJson(json, report);
  if (withReportText) json.key("reportText").value(reportText(report));
  json.endObject();
  out << text << '\n';
}

// --given or --points: the report's input.
std::optional<ReportInput> requestInput(const SolveRequest& request, std::string& refusal) {
  if (!request.points.empty()) {
    std::optional<CornerPoints> corners = readCornerPoints(request.points, refusal);
    if (!corners) return std::nullopt;
    ReportInput input;
    input.corners = corners;
    input.places = request.places;
    input.withWorking = false;
    input.fromWindow = false;
    return input;
  }
  std::vector<std::pair<std::string, std::string>> named;
  for (const auto& [name, text] : request.values) named.emplace_back(std::string(1, name), text);
  named.insert(named.end(), request.measures.begin(), request.measures.end());
  return givenReportInput(named, request.places, refusal);
}

// --given: the report of every triangle three measures make.
int runSolveGiven(const SolveRequest& request, std::ostream& out, std::ostream& err) {
  std::string refusal;
  std::optional<ReportInput> input = requestInput(request, refusal);
  if (!input) {
    err << "anglewise-cli: " << refusal << '\n';
    return kExitUsage;
  }
  TriangleReport report = makeReport(*input);
  if (report.triangles.empty()) err << "No triangle: " << report.why << ".\n";
  if (request.json) {
    std::string text;
    JsonWriter json(text);
    writeReportJson(json, report);
    out << text << '\n';
  } else {
    out << reportText(report);
  }
  return report.triangles.empty() ? kExitNotSolved : kExitOk;
}

}  // namespace

std::optional<CornerPoints> readCornerPoints(const std::string& text, std::string& problem) {
  problem =
      "--points takes three corners as x,y or x,y,z separated by blanks, such as "
      "\"0,0 4,0 1,3\", not \"" +
      text + "\".";
  std::istringstream words(text);
  std::vector<std::string> corners{std::istream_iterator<std::string>(words), {}};
  if (corners.size() != 3) return std::nullopt;
  CornerPoints out{};
  size_t dimensions = 0;
  for (size_t i = 0; i < 3; ++i) {
    std::vector<double> coordinates;
    size_t start = 0;
    for (;;) {
      size_t comma = corners[i].find(',', start);
      std::string cell = corners[i].substr(start, comma - start);
      char* end = nullptr;
      double v = std::strtod(cell.c_str(), &end);
      if (cell.empty() || *end != 0 || !std::isfinite(v)) return std::nullopt;
      coordinates.push_back(v);
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    if (coordinates.size() < 2 || coordinates.size() > 3) return std::nullopt;
    if (i > 0 && coordinates.size() != dimensions) return std::nullopt;
    dimensions = coordinates.size();
    for (size_t k = 0; k < coordinates.size(); ++k) out[i][k] = coordinates[k];
  }
  problem.clear();
  return out;
}

int runSolve(const SolveRequest& request, std::ostream& out, std::ostream& err) {
  if (request.given) return runSolveGiven(request, out, err);
  HeadlessWindow headless;
  MainWindow& w = headless.window;
  WindowInputs inputs{request.oblique, request.dms, request.obtuse, request.places, {}};
  const char letters[] = {'X', 'Y', 'Z', 'A', 'B'};
  for (size_t row = 0; row < inputs.values.size(); ++row) {
    if (auto it = request.values.find(letters[row]); it != request.values.end()) {
      inputs.values[row] = it->second;
    }
  }
  headless.solve(inputs);

  for (const ShownMessage& m : headless.messages.shown) {
    err << m.title << ": " << readable(m.text) << '\n';
  }
  bool solved = w.state.triangleSolved == 1;
  TriangleReport report = makeReport(w.reportInput());
  if (!report.consistent) err << report.note << '\n';
  if (request.json) {
    writeSolveJson(out, headless, report, request.report);
  } else {
    if (solved) {
      for (const PrintedValue& line : w.printedValues()) out << line.label << line.caption << '\n';
    }
    if (request.report) out << '\n' << reportText(report);
  }
  // The files asked for; a file that cannot be written is said and ends
  // the command with the input/output status.
  const std::vector<FigureOp>& ops = headless.picture.ops();
  GivenValues given = w.reportInput().given;
  drawing::OverlaySet overlays = request.overlays.value_or(drawing::OverlaySet());
  auto figureFile = [&](const std::string& path, FigureFormat format) -> std::string {
    if (path.empty()) return "";
    if (!request.overlays) return writeFigureFile(path, ops, format);
    return writeDrawingFile(
        path, drawing::drawReportFigure(report, given, {overlays, 640, 480, true}), format);
  };
  std::pair<const std::string*, std::string> written[] = {
      {&request.svgPath, figureFile(request.svgPath, FigureFormat::Svg)},
      {&request.pngPath, figureFile(request.pngPath, FigureFormat::Png)},
      {&request.pdfPath,
       request.pdfPath.empty()
           ? ""
           : writeReportPdf(request.pdfPath, {ops, w.printedValues(), report, given, overlays})}};
  bool failed = false;
  for (const auto& [path, error] : written) {
    if (error.empty()) continue;
    err << "anglewise-cli: could not write " << *path << ": " << error << ".\n";
    failed = true;
  }
  if (failed) return kExitInputOutput;
  return solved ? kExitOk : kExitNotSolved;
}

}  // namespace anglewise
