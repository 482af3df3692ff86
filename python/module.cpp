// anglewise._anglewise: the window, the Triangle Report and the batch for
// Python, on the same libraries as the programs. The Python package
// (anglewise/__init__.py) puts friendly signatures and docstrings on top.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/solve_command.h"
#include "headless/headless_window.h"
#include "python/solve_table.h"
#include "report/given_measures.h"
#include "report/report_values.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace anglewise {
namespace {

// The window's inputs as batch names them, checked as batch checks a row:
// a bad one is a ValueError with batch's own sentence.
struct Inputs {
  std::string kind, obtuse, notation, places;
  std::array<std::string, 5> values;

  WindowInputs check() const {
    std::vector<std::pair<std::string, std::string>> cells = {
        {"kind", kind}, {"obtuse", obtuse}, {"notation", notation}, {"places", places}};
    const char* names[] = {"X", "Y", "Z", "A", "B"};
    for (size_t i = 0; i < values.size(); ++i) cells.emplace_back(names[i], values[i]);
    if (std::optional<std::string> problem = batchRowProblem(cells)) {
      throw py::value_error(*problem + ".");
    }
    WindowInputs in;
    in.oblique = kind == "oblique";
    in.obtuse = obtuse == "1";
    in.dms = notation == "dms";
    in.places = places.empty() ? 12 : std::stoi(places);
    for (size_t i = 0; i < values.size(); ++i) in.values[i] = values[i];
    return in;
  }
};

py::dict windowSolve(const Inputs& inputs) {
  WindowInputs in = inputs.check();
  HeadlessWindow w{Strokes::Dropped};
  w.window.endStateOnly = true;
  {
    py::gil_scoped_release free;
    w.solve(in);
  }
  py::dict captions;
  for (const NamedControl& entry : w.window.controls()) {
    if (auto* label = std::get_if<Label*>(&entry.control)) {
      captions[py::str(std::string(entry.name))] = (*label)->Caption();
    }
  }
  py::list messages;
  for (const ShownMessage& m : w.messages.shown) {
    py::dict message;
    message["title"] = m.title;
    message["text"] = m.text;
    messages.append(message);
  }
  py::dict out;
  out["status"] = w.window.state.triangleSolved == 1 ? "solved" : "refused";
  out["captions"] = captions;
  out["messages"] = messages;
  return out;
}

py::object textOrNone(const std::string& text) {
  return text.empty() ? py::object(py::none()) : py::object(py::str(text));
}

py::dict reportDict(const TriangleReport& made) {
  py::list triangles;
  for (const ReportTriangle& t : made.triangles) {
    py::dict values;
    for (const ReportValue& row : reportValues()) {
      py::dict value;
      std::optional<double> number = valueNumber(row, t);
      value["value"] = number ? py::object(py::float_(*number)) : py::object(py::none());
      value["text"] = valueText(row, t);
      values[py::str(row.column)] = value;
    }
    triangles.append(values);
  }
  py::dict out;
  out["triangles"] = triangles;
  out["shown"] = made.shown ? py::object(py::int_(*made.shown)) : py::object(py::none());
  out["consistent"] = made.consistent;
  out["note"] = textOrNone(made.note);
  out["why"] = made.why;
  out["working"] = made.working;
  out["precision_bits"] = made.precisionBits;
  out["settled"] = made.settled;
  return out;
}

py::dict report(const Inputs& inputs) {
  WindowInputs in = inputs.check();
  HeadlessWindow w{Strokes::Dropped};
  TriangleReport made;
  {
    py::gil_scoped_release free;
    w.solve(in);
    made = makeReport(w.window.reportInput());
  }
  return reportDict(made);
}

// The report of three measures of any kinds, by name and text.
py::dict solveAny(const std::vector<std::pair<std::string, std::string>>& measures, int places) {
  std::string refusal;
  std::optional<ReportInput> input = givenReportInput(measures, places, refusal);
  if (!input) throw py::value_error(refusal);
  TriangleReport made;
  {
    py::gil_scoped_release free;
    made = makeReport(*input);
  }
  return reportDict(made);
}

}  // namespace
}  // namespace anglewise

PYBIND11_MODULE(_anglewise, m) {
  using anglewise::Inputs;
  m.doc() = "Anglewise's window, Triangle Report and batch (see the anglewise package)";
  auto inputs = [](const std::string& kind, const std::array<std::string, 5>& values,
                   const std::string& obtuse, const std::string& notation,
                   const std::string& places) {
    return Inputs{kind, obtuse, notation, places, values};
  };
  m.def(
      "window_solve",
      [inputs](const std::string& kind, const std::array<std::string, 5>& values,
               const std::string& obtuse, const std::string& notation, const std::string& places) {
        return anglewise::windowSolve(inputs(kind, values, obtuse, notation, places));
      },
      "The window's captions and messages after Display.");
  m.def(
      "report",
      [inputs](const std::string& kind, const std::array<std::string, 5>& values,
               const std::string& obtuse, const std::string& notation, const std::string& places) {
        return anglewise::report(inputs(kind, values, obtuse, notation, places));
      },
      "The Triangle Report of the values.");
  m.def("solve_any", &anglewise::solveAny,
        "The Triangle Report of three measures of any kinds: [(name, text)], places.");
  m.def("solve_table", &anglewise::solveTable,
        "The batch over named columns: (output names, a 2-D array of str whose rows are the "
        "columns).");
}
