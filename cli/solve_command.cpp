#include "cli/solve_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/exit_status.h"

#include "cli/scripted_window.h"
#include "figure/recording_picture_box.h"

namespace anglewise {

using json = nlohmann::json;

namespace {

const char* placesItem(int places) {
  switch (places) {
    case 4:
      return "mnu4places";
    case 8:
      return "mnu8places";
    case 14:
      return "mnuNone";
    default:
      return "mnu12places";
  }
}

// The printed page's value lines: label, then the caption as shown.
void printResults(MainWindow& w, std::ostream& out) {
  const std::pair<const char*, const Label*> lines[] = {
      {"                       X =", &w.xlen},     {"                       Y =", &w.yhei},
      {"                       Z =", &w.zrad},     {"                 A Angle =", &w.adec},
      {"                 A Angle =", &w.adms},     {"                 B Angle =", &w.bdec},
      {"                 B Angle =", &w.bdms},     {"                 C Angle =", &w.c90dec},
      {"                 C Angle =", &w.c90dms},   {"                  Height =", &w.theHeight},
      {"                   Width =", &w.theWidth}, {"                    Area =", &w.theArea}};
  for (const auto& [label, caption] : lines) out << label << caption->Caption() << '\n';
}

std::string readable(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

}  // namespace

int runSolve(const SolveRequest& request, std::ostream& out, std::ostream& err) {
  ScriptedWindow scripted;
  auto act = [&scripted](json action) { scripted.apply(action); };
  act({"click", request.oblique ? "optOBL" : "opt90D"});
  if (request.dms) act({"click", "Option2"});
  const std::pair<char, int> rows[] = {{'X', 1}, {'Y', 2}, {'Z', 3}, {'A', 4}, {'B', 5}};
  for (const auto& [letter, row] : rows) {
    auto it = request.values.find(letter);
    if (it == request.values.end()) continue;
    act({"type", "Text" + std::to_string(row), it->second});
    act({"click", "Check" + std::to_string(row)});
  }
  if (request.obtuse) act({"click", "over90checked"});
  act({"menu", placesItem(request.places)});
  act({"click", "displaynow"});

  for (const ShownMessage& m : scripted.messages.shown) {
    err << m.title << ": " << readable(m.text) << '\n';
  }
  bool solved = !scripted.window.xlen.Caption().empty();
  if (solved) printResults(scripted.window, out);
  if (!request.svgPath.empty()) {
    std::ofstream svg(request.svgPath);
    svg << toSvg(scripted.picture.ops());
    svg.close();
    if (!svg) {
      err << "anglewise-cli: could not write " << request.svgPath << ": " << std::strerror(errno)
          << ".\n";
      return kExitInputOutput;
    }
  }
  return solved ? kExitOk : kExitNotSolved;
}

}  // namespace anglewise
