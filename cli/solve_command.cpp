#include "cli/solve_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/report_json.h"
#include "cli/window_script.h"
#include "export/figure_files.h"
#include "headless/headless_window.h"

namespace anglewise {
namespace {

void choosePlaces(MainWindow& w, int places) {
  switch (places) {
    case 4:
      return w.mnu4places_Click();
    case 8:
      return w.mnu8places_Click();
    case 14:
      return w.mnuNone_Click();
    default:
      return w.mnu12places_Click();
  }
}

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

}  // namespace

int runSolve(const SolveRequest& request, std::ostream& out, std::ostream& err) {
  HeadlessWindow headless;
  MainWindow& w = headless.window;
  (request.oblique ? w.optOBL : w.opt90D).select();
  if (request.dms) w.Option2.select();
  const std::pair<char, Given> rows[] = {
      {'X', Given::X}, {'Y', Given::Y}, {'Z', Given::Z}, {'A', Given::A}, {'B', Given::B}};
  for (const auto& [letter, row] : rows) {
    auto it = request.values.find(letter);
    if (it == request.values.end()) continue;
    w.inputBox(row).setText(it->second);
    w.checkBox(row).click();
  }
  if (request.obtuse) w.over90checked.click();
  choosePlaces(w, request.places);
  w.displaynow_Click();

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
  std::pair<const std::string*, std::string> written[] = {
      {&request.svgPath,
       request.svgPath.empty() ? "" : writeFigureFile(request.svgPath, ops, FigureFormat::Svg)},
      {&request.pngPath,
       request.pngPath.empty() ? "" : writeFigureFile(request.pngPath, ops, FigureFormat::Png)},
      {&request.pdfPath, request.pdfPath.empty()
                             ? ""
                             : writeReportPdf(request.pdfPath, {ops, w.printedValues(), report})}};
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
