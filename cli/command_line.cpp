#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "anglewise_version.h"
#include "anysolve/measure.h"
#include "drawing/overlays.h"
#include "mainwindow/main_window.h"

namespace anglewise {
namespace {

constexpr char kDescription[] =
    "Anglewise on the command line: solves plane triangles exactly as the window does.\n"
    "Examples:\n"
    "  anglewise-cli solve --right X=3 Y=4\n"
    "  anglewise-cli solve --oblique X=10 Y=6 A=30 --obtuse --svg fig.svg\n"
    "  anglewise-cli script sessions.jsonl > answers.jsonl\n"
    "  anglewise-cli batch triangles.csv > results.csv\n"
    "  anglewise-cli history --replay saved.anglewise\n"
    "Exit status: 0 done; 1 nothing solved (solve), a session had an error (script)\n"
    "or a row was refused or had an error (batch) or an entry answers differently\n"
    "now (history --replay); 2 a usage error, or an input file\n"
    "that batch cannot read; 3 a file or stream could not be read or written.";

constexpr char kSolveOptions[] =
    "--right, --oblique, --given, --obtuse, --dms, --places, --svg, --png, --pdf, --overlays, "
    "--json and --report";

struct Parsed {
  CLI::App app{kDescription, "anglewise-cli"};
  CLI::App* script = nullptr;
  CLI::App* solve = nullptr;
  CLI::App* batch = nullptr;
  CLI::App* history = nullptr;
  std::string format = "csv";
  std::string exportFormat;
  std::optional<std::string> columns;
  std::optional<std::string> jobs;
  bool noHeader = false;
  std::optional<std::string> overlays;
  bool replay = false;
  std::string places;
  bool right = false;
  std::vector<std::string> assignments;
};

void addSolveOptions(Parsed& p, SolveRequest& request) {
  CLI::App& solve = *p.solve;
  auto* right =
      solve.add_flag("--right", p.right, "solve a right triangle (angle C is 90 degrees)");
  auto* oblique =
      solve.add_flag("--oblique", request.oblique, "solve an oblique triangle (three values)");
  right->excludes(oblique);
  solve.add_flag("--given", request.given,
                 "solve from any three measures: sides X, Y, Z, angles A, B, C, heights hX, hY, "
                 "hZ, medians mX, mY, mZ, bisectors tA, tB, tC, area, perimeter, inradius, "
                 "circumradius; the Triangle Report of every triangle they make, their count "
                 "proven");
  solve.add_option("--points", request.points,
                   "solve the triangle with these three corners A, B, C, as x,y or x,y,z "
                   "separated by blanks (\"0,0 4,0 1,3\"): its Triangle Report");
  solve.add_flag("--obtuse", request.obtuse,
                 "with two sides and an angle opposite one of them, choose the triangle whose "
                 "other opposite angle is greater than 90 degrees");
  solve.add_flag("--dms", request.dms,
                 "angles are degrees/minutes/seconds text, such as 12d20m44s");
  solve.add_option("--places", p.places, "decimal places of the results: 4, 8, 12 or 14");
  solve.add_option("--svg", request.svgPath, "also write the figure as an SVG file");
  solve.add_option("--png", request.pngPath, "also write the figure as a PNG image");
  solve.add_option("--pdf", request.pdfPath,
                   "also write the report page as PDF: title, figure, results, report, working");
  solve.add_option("--overlays", p.overlays,
                   "draw the report's figure of every true triangle into --svg and --png, with "
                   "the overlays all, none, or a comma list of heights, medians, bisectors, "
                   "incircle, circumcircle, excircles and euler (the --pdf page always has it)");
  solve.add_flag("--json", request.json,
                 "print one JSON object: captions, messages, record and the Triangle Report");
  solve.add_flag("--report", request.report,
                 "print the Triangle Report (the true triangles, every derived value, the "
                 "working) after the results");
  solve.add_option("values", p.assignments,
                   "given values as NAME=VALUE: sides X, Y, Z and angles A, B (degrees)");
}

std::string inQuotes(const std::string& text) {
  return "\"" + text + "\"";
}

// One sentence for each way CLI11 can refuse the arguments.
std::string sentenceFor(const CLI::ParseError& e, const Parsed& p) {
  if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
    return "choose one of --right and --oblique, not both.";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
    std::string what = e.what();
    for (const char* option : {"--svg", "--png", "--pdf"}) {
      if (what.rfind(option, 0) == 0) {
        return std::string(option) + " needs a file name, such as " + option + " figure." +
               (option + 2) + ".";
      }
    }
    return "--places needs a number of places: 4, 8, 12 or 14.";
  }
  const char* where = p.solve->parsed() ? "anglewise-cli solve --help" : "anglewise-cli --help";
  return std::string(e.what()) + " (see " + where + ").";
}

std::string extrasSentence(const Parsed& p) {
  if (p.solve->parsed()) {
    return "solve has no option " + inQuotes(p.solve->remaining().front()) + ": its options are " +
           kSolveOptions + ".";
  }
  if (p.script->parsed()) {
    return "script reads one file of sessions, so " + inQuotes(p.script->remaining().front()) +
           " is one too many.";
  }
  if (p.history->parsed()) {
    return "history reads one file, so " + inQuotes(p.history->remaining().front()) +
           " is one too many.";
  }
  if (p.batch->parsed()) {
    return "batch takes one CSV file and the options --format, --report, --columns, "
           "--no-header, --jobs and --any, so " +
           inQuotes(p.batch->remaining().front()) + " is one too many.";
  }
  return "there is no command " + inQuotes(p.app.remaining().front()) +
         ": the commands are solve, script, batch and history (see anglewise-cli --help).";
}

// --jobs: a whole number of threads from 1 to 256.
std::string readJobs(const std::string& text, int& jobs) {
  int value = 0;
  auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end != text.data() + text.size() || value < 1 || value > 256) {
    return "--jobs takes a whole number of threads from 1 to 256, not " + inQuotes(text) + ".";
  }
  jobs = value;
  return "";
}

// --columns: names separated by commas, none empty.
std::string readColumns(const std::string& text, std::vector<std::string>& columns) {
  columns.clear();
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    columns.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
    if (columns.back().empty()) {
      return "--columns takes the input's column names separated by commas, such as "
             "id,kind,X,Y,Z, not " +
             inQuotes(text) + ".";
    }
    if (comma == std::string::npos) return "";
    start = comma + 1;
  }
}

std::string checkSolve(Parsed& p, SolveRequest& request) {
  if (!p.places.empty()) {
    std::optional<int> places = readPlaces(p.places);
    if (!places) return "--places takes 4, 8, 12 or 14, not " + inQuotes(p.places) + ".";
    request.places = *places;
  }
  if (p.overlays) {
    std::string why;
    request.overlays = drawing::parseOverlays(*p.overlays, &why);
    if (!request.overlays) return "--overlays: " + why + ".";
  }
  if (!request.points.empty()) {
    if (request.given || p.right || request.oblique || !p.assignments.empty()) {
      return "--points gives the triangle by its corners alone: leave out --given, --right, "
             "--oblique and the NAME=VALUE values.";
    }
    request.given = true;  // the report's road, as for --given
  }
  if (request.given) {
    if (p.right || request.oblique) {
      return "--given solves from any three measures, whatever the kind: leave out --right and "
             "--oblique.";
    }
    if (request.obtuse || !request.svgPath.empty() || !request.pngPath.empty() ||
        !request.pdfPath.empty() || p.overlays) {
      return "--given gives every triangle the measures make, in text or --json: leave out "
             "--obtuse, --svg, --png, --pdf and --overlays.";
    }
  } else if (!p.right && !request.oblique) {
    return "choose the kind of triangle with --right or --oblique.";
  }
  if (!request.points.empty()) return "";
  if (p.assignments.empty()) return "give the known values as NAME=VALUE, such as X=3 Y=4.";
  return readAssignments(p.assignments, request);
}

}  // namespace

std::string readAssignments(const std::vector<std::string>& assignments, SolveRequest& request) {
  for (const std::string& item : assignments) {
    size_t equals = item.find('=');
    std::string names = request.given ? "XYZABCxyzabc" : "XYZABxyzab";
    std::optional<anysolve::Measure> measure;
    if (request.given && equals != std::string::npos && equals > 1) {
      measure = anysolve::measureNamed(std::string_view(item).substr(0, equals));
    }
    if (!measure && (equals != 1 || names.find(item[0]) == std::string::npos)) {
      return inQuotes(item) + " is not NAME=VALUE with NAME one of X, Y, Z, A, B" +
             (request.given ? ", C, hX, hY, hZ, mX, mY, mZ, tA, tB, tC, area, perimeter, "
                              "inradius, circumradius"
                            : "") +
             ", such as X=3.";
    }
    if (item.find('=', equals + 1) != std::string::npos) {
      return inQuotes(item) +
             " has more than one \"=\": write one between name and value, such as " +
             item.substr(0, equals) + "=3.";
    }
    if (measure) {
      std::string name = anysolve::info(*measure).name;
      for (const auto& [other, text] : request.measures) {
        if (other == name) return name + " is given twice: give each value once.";
      }
      request.measures.emplace_back(name, item.substr(equals + 1));
      continue;
    }
    char name = static_cast<char>(std::toupper(static_cast<unsigned char>(item[0])));
    if (!request.values.emplace(name, item.substr(2)).second) {
      return std::string(1, name) + " is given twice: give each value once.";
    }
  }
  return "";
}

std::optional<Invocation> parseCommandLine(int argc, const char* const* argv, std::string& error) {
  Parsed p;
  Invocation invocation;
  p.app.allow_extras();
  p.app.set_version_flag("--version", std::string("anglewise-cli ") + kVersion,
                         "print the version and exit");
  p.script = p.app.add_subcommand(
      "script", "play window scripts: one JSON session a line in, one answer a line out");
  p.script->add_option("file", invocation.scriptFile, "the sessions (default: standard input)");
  p.script->allow_extras();
  p.solve = p.app.add_subcommand("solve", "solve one triangle and print the twelve results");
  p.solve->allow_extras();
  addSolveOptions(p, invocation.solve);
  p.batch = p.app.add_subcommand(
      "batch", "solve every row of a CSV file as the window would, one output row per row");
  p.batch->add_option("file", invocation.scriptFile, "the CSV file (default: standard input)");
  p.batch->add_option("--format", p.format, "csv (the default) or jsonl");
  p.batch->add_flag("--report", invocation.batch.report,
                    "add the report's consistent, note and derived values");
  p.batch->add_option("--columns", p.columns,
                      "the input's columns, comma-separated, for rows without a header row");
  p.batch->add_flag("--no-header", p.noHeader, "write no header row (CSV)");
  p.batch->add_flag("--any", invocation.batch.any,
                    "rows of any three measures (columns id, places, X ... circumradius); "
                    "a header naming measures beyond X, Y, Z, A, B chooses it too");
  p.batch->add_option("--jobs", p.jobs,
                      "threads that solve rows (default: every core); the output is the same");
  p.batch->allow_extras();
  p.history = p.app.add_subcommand(
      "history", "list, export or replay the window's history or a triangle file (.anglewise)");
  p.history->add_option("file", invocation.history.file,
                        "a history or triangle file (default: the window's history)");
  p.history->add_option("--export", p.exportFormat, "print the entries as csv or jsonl");
  p.history->add_flag("--replay", p.replay,
                      "play each Display again and say whether it answers the same");
  p.history->allow_extras();
  try {
    p.app.parse(argc, argv);
  } catch (const CLI::CallForVersion& e) {
    invocation.command = Invocation::Command::Help;
    invocation.helpText = std::string(e.what()) + "\n";
    return invocation;
  } catch (const CLI::CallForHelp&) {
    invocation.command = Invocation::Command::Help;
    const CLI::App* about = p.solve->parsed()     ? p.solve
                            : p.script->parsed()  ? p.script
                            : p.batch->parsed()   ? p.batch
                            : p.history->parsed() ? p.history
                                                  : &p.app;
    invocation.helpText = about->help();
    return invocation;
  } catch (const CLI::ParseError& e) {
    error = sentenceFor(e, p);
    return std::nullopt;
  }
  bool extras = !p.app.remaining().empty() || !p.solve->remaining().empty() ||
                !p.script->remaining().empty() || !p.batch->remaining().empty() ||
                !p.history->remaining().empty();
  if (extras) {
    error = extrasSentence(p);
  } else if (p.solve->parsed()) {
    invocation.command = Invocation::Command::Solve;
    error = checkSolve(p, invocation.solve);
  } else if (p.script->parsed()) {
    invocation.command = Invocation::Command::Script;
  } else if (p.batch->parsed()) {
    invocation.command = Invocation::Command::Batch;
    invocation.batch.jsonl = p.format == "jsonl";
    invocation.batch.header = !p.noHeader;
    if (p.format != "csv" && p.format != "jsonl") {
      error = "--format takes csv or jsonl, not \"" + p.format + "\".";
    } else if (p.jobs) {
      error = readJobs(*p.jobs, invocation.batch.jobs);
    }
    if (error.empty() && p.columns) error = readColumns(*p.columns, invocation.batch.columns);
  } else if (p.history->parsed()) {
    invocation.command = Invocation::Command::History;
    HistoryOptions& h = invocation.history;
    if (p.replay && !p.exportFormat.empty()) {
      error = "history either exports (--export) or replays (--replay), not both at once.";
    } else if (!p.exportFormat.empty() && p.exportFormat != "csv" && p.exportFormat != "jsonl") {
      error = "--export takes csv or jsonl, not \"" + p.exportFormat + "\".";
    }
    h.mode = p.replay                  ? HistoryOptions::Mode::Replay
             : !p.exportFormat.empty() ? HistoryOptions::Mode::Export
                                       : HistoryOptions::Mode::List;
    h.format = p.exportFormat.empty() ? "csv" : p.exportFormat;
  } else {
    error =
        "say what to do: anglewise-cli solve --right X=3 Y=4, or anglewise-cli script FILE "
        "(see anglewise-cli --help).";
  }
  if (!error.empty()) return std::nullopt;
  return invocation;
}

}  // namespace anglewise
