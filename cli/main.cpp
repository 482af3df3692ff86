// anglewise-cli: the calculator without a screen. `script` plays window
// scripts (one JSON session a line), `solve` solves one triangle.
#include <fstream>
#include <iostream>
#include <regex>

#include <CLI/CLI.hpp>

#include "cli/script_player.h"
#include "cli/solve_command.h"

namespace {

void addSolveOptions(CLI::App& solve, anglewise::SolveRequest& request, bool& right,
                     std::vector<std::string>& assignments) {
  auto* rightFlag =
      solve.add_flag("--right", right, "solve a right triangle (angle C is 90 degrees)");
  auto* oblique =
      solve.add_flag("--oblique", request.oblique, "solve an oblique triangle (three values)");
  rightFlag->excludes(oblique);
  solve.add_flag("--obtuse", request.obtuse,
                 "with two sides and an angle opposite one of them, choose the triangle whose "
                 "other opposite angle is greater than 90 degrees");
  solve.add_flag("--dms", request.dms, "angles are degrees/minutes/seconds text, such as 12d20m44s");
  solve.add_option("--places", request.places, "decimal places of the results: 4, 8, 12 or 14")
      ->check(CLI::IsMember({4, 8, 12, 14}));
  solve.add_option("--svg", request.svgPath, "also write the figure as an SVG file");
  solve.add_option("values", assignments,
                   "given values as NAME=VALUE: sides X, Y, Z and angles A, B (degrees)")
      ->required();
}

bool parseAssignments(const std::vector<std::string>& assignments,
                      anglewise::SolveRequest& request) {
  static const std::regex form("^([XYZABxyzab])=(.*)$");
  for (const std::string& item : assignments) {
    std::smatch match;
    if (!std::regex_match(item, match, form)) {
      std::cerr << "anglewise-cli: \"" << item
                << "\" is not NAME=VALUE with NAME one of X, Y, Z, A, B\n";
      return false;
    }
    request.values[static_cast<char>(std::toupper(match[1].str()[0]))] = match[2].str();
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Anglewise on the command line: solves plane triangles exactly as the window does.\n"
      "Examples:\n"
      "  anglewise-cli solve --right X=3 Y=4\n"
      "  anglewise-cli solve --oblique X=10 Y=6 A=30 --obtuse --svg fig.svg\n"
      "  anglewise-cli script sessions.jsonl > answers.jsonl"};
  app.require_subcommand(1);

  auto* script = app.add_subcommand(
      "script", "play window scripts: one JSON session a line in, one answer a line out");
  std::string scriptFile;
  script->add_option("file", scriptFile, "the sessions (default: standard input)");

  auto* solve = app.add_subcommand("solve", "solve one triangle and print the twelve results");
  anglewise::SolveRequest request;
  std::vector<std::string> assignments;
  bool right = false;
  addSolveOptions(*solve, request, right, assignments);

  CLI11_PARSE(app, argc, argv);

  if (script->parsed()) {
    if (scriptFile.empty() || scriptFile == "-") return anglewise::playScript(std::cin, std::cout);
    std::ifstream in(scriptFile);
    if (!in) {
      std::cerr << "anglewise-cli: cannot read " << scriptFile << '\n';
      return 2;
    }
    return anglewise::playScript(in, std::cout);
  }
  if (!parseAssignments(assignments, request)) return 2;
  if (!right && !request.oblique) {
    std::cerr << "anglewise-cli: choose --right or --oblique\n";
    return 2;
  }
  return anglewise::runSolve(request, std::cout, std::cerr);
}
