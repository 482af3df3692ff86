// anglewise._anglewise: the window, the Triangle Report and the batch for
// Python, on the same libraries as the programs. The Python package
// (anglewise/__init__.py) puts friendly signatures and docstrings on top.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/solve_command.h"
#include "headless/headless_window.h"
#include "python/table_text.h"
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
  w.window.boxesRead = false;
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

// The texts of one column of a frame, as batch would read them: numbers
// written shortest (the same double read back), missing values (NaN, None)
// empty, strings as they are.
class ColumnReader {
 public:
  explicit ColumnReader(const py::handle& column) {
    if (py::isinstance<py::array>(column)) {
      array_ = py::reinterpret_borrow<py::array>(column);
      kind_ = array_.dtype().kind();
      if (kind_ == 'f') array_ = array_.cast<py::array_t<double, py::array::forcecast>>();
      if (kind_ == 'i' || kind_ == 'u') {
        array_ = array_.cast<py::array_t<long long, py::array::forcecast>>();
      }
    } else {
      // Any other sequence: as a numpy array of its objects.
      array_ = py::module_::import("numpy").attr("asarray")(column, "dtype"_a = "O");
      kind_ = 'O';
    }
    if (array_.ndim() != 1)
      throw py::value_error("each column of the frame must be one-dimensional.");
  }

  size_t size() const { return static_cast<size_t>(array_.shape(0)); }

  /// Appends cell i to `out` as a CSV cell.
  void append(std::string& out, size_t i) {
    const char* at =
        static_cast<const char*>(array_.data()) + static_cast<py::ssize_t>(i) * array_.strides(0);
    if (kind_ == 'f') return appendNumber(out, *reinterpret_cast<const double*>(at));
    if (kind_ == 'i' || kind_ == 'u') {
      char text[24];
      out.append(
          text,
          std::to_chars(text, text + sizeof text, *reinterpret_cast<const long long*>(at)).ptr);
      return;
    }
    if (kind_ != 'O') {
      // Fixed-width strings and the rest: through Python's str().
      py::object cell = array_.attr("item")(i);
      return appendObject(out, cell.ptr());
    }
    appendObject(out, *reinterpret_cast<PyObject* const*>(at));
  }

 private:
  static void appendNumber(std::string& out, double v) {
    if (std::isnan(v)) return;
    char text[32];
    out.append(text, std::to_chars(text, text + sizeof text, v).ptr);
  }

  static void appendObject(std::string& out, PyObject* cell) {
    if (cell == Py_None) return;
    if (PyUnicode_Check(cell)) {
      Py_ssize_t size = 0;
      const char* text = PyUnicode_AsUTF8AndSize(cell, &size);
      if (!text) throw py::error_already_set();
      return appendCsvCell(out, std::string_view(text, static_cast<size_t>(size)));
    }
    if (PyFloat_Check(cell)) return appendNumber(out, PyFloat_AS_DOUBLE(cell));
    py::str text = py::str(cell);
    appendCsvCell(out, text.cast<std::string>());
  }

  py::array array_;
  char kind_ = 'O';
};

// A column of texts as a numpy array of str: a cell the same as the one
// above it shares its object (statuses, empty cells).
py::array objectsOf(const TextColumn& column) {
  py::array out(py::dtype("O"), std::vector<py::ssize_t>{static_cast<py::ssize_t>(column.size())});
  auto** cells = static_cast<PyObject**>(out.mutable_data());
  py::object previous;
  std::string_view previousText;
  for (size_t i = 0; i < column.size(); ++i) {
    std::string_view text = column[i];
    if (!previous || text != previousText) {
      previous = py::reinterpret_steal<py::object>(
          PyUnicode_DecodeUTF8(text.data(), static_cast<py::ssize_t>(text.size()), "replace"));
      if (!previous) throw py::error_already_set();
      previousText = text;
    }
    Py_XDECREF(cells[i]);
    cells[i] = previous.inc_ref().ptr();
  }
  return out;
}

// The batch over named columns: its own output columns, as texts.
py::tuple solveTable(const std::vector<std::string>& names, const py::list& columns, bool report,
                     int jobs) {
  std::vector<ColumnReader> readers;
  for (const py::handle& column : columns) readers.emplace_back(column);
  size_t rows = readers.empty() ? 0 : readers.front().size();
  for (const ColumnReader& reader : readers) {
    if (reader.size() != rows) throw py::value_error("the frame's columns differ in length.");
  }
  std::string csv;
  csv.reserve(rows * (readers.size() * 8 + 1));
  for (size_t c = 0; c < names.size(); ++c) {
    if (c > 0) csv += ',';
    appendCsvCell(csv, names[c]);
  }
  csv += '\n';
  for (size_t r = 0; r < rows; ++r) {
    for (size_t c = 0; c < readers.size(); ++c) {
      if (c > 0) csv += ',';
      readers[c].append(csv, r);
    }
    csv += '\n';
  }
  // The rows read straight from that text, and the answers read into
  // columns block by block as batch writes them.
  class TextInput : public BatchInput {
   public:
    explicit TextInput(std::string_view text) : text_(text) {}
    size_t read(char* data, size_t size) override {
      size_t count = std::min(size, text_.size() - at_);
      std::copy_n(text_.data() + at_, count, data);
      at_ += count;
      return count;
    }
    std::string error() const override { return ""; }

   private:
    std::string_view text_;
    size_t at_ = 0;
  };
  class TableOutput : public BatchOutput {
   public:
    explicit TableOutput(size_t rows) : reader(rows) {}
    bool write(std::string_view block) override {
      reader.feed(block);
      return true;
    }
    std::string error() const override { return ""; }
    TableReader reader;
  };
  TextInput in(csv);
  TableOutput out(rows);
  std::string error;
  int status;
  {
    py::gil_scoped_release free;
    std::ostringstream err;
    BatchOptions options;
    options.report = report;
    options.jobs = jobs;
    status = runBatch(in, "the frame", out, err, options);
    error = std::move(err).str();
  }
  if (status != 0 && status != 1) {
    const std::string prefix = "anglewise-cli: ";
    if (error.starts_with(prefix)) error.erase(0, prefix.size());
    while (!error.empty() && error.back() == '\n') error.pop_back();
    throw py::value_error(error);
  }
  Table& table = out.reader.table();
  py::list outColumns;
  for (const TextColumn& column : table.columns) outColumns.append(objectsOf(column));
  return py::make_tuple(table.names, outColumns);
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
        "The batch over named columns: (output names, output columns of texts).");
}
