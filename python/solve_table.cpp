// The batch over a frame's columns, for solve_frame: the columns made into
// the CSV batch reads, and batch's CSV answers read back into numpy arrays
// of str, while the batch goes on in a thread of its own, so that the work
// that needs the interpreter (reading the frame's objects, making str
// objects) overlaps solving.
#include "python/solve_table.h"

#include <pybind11/numpy.h>
#include <sys/mman.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <new>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

#include "cli/batch_command.h"
#include "python/frame_pipe.h"
#include "python/table_text.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace anglewise {
namespace {

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

  /// The object in cell i, borrowed, where the column holds objects.
  PyObject* object(size_t i) const {
    if (kind_ != 'O') return nullptr;
    return *reinterpret_cast<PyObject* const*>(static_cast<const char*>(array_.data()) +
                                               static_cast<py::ssize_t>(i) * array_.strides(0));
  }

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

// The batch's ends of the pipe.
class PipedRows : public BatchInput {
 public:
  explicit PipedRows(FramePipe& pipe) : pipe_(pipe) {}
  size_t read(char* data, size_t size) override { return pipe_.readRows(data, size); }
  std::string error() const override { return ""; }

 private:
  FramePipe& pipe_;
};

class PipedAnswers : public BatchOutput {
 public:
  explicit PipedAnswers(FramePipe& pipe) : pipe_(pipe) {}
  bool write(std::string_view block) override { return pipe_.writeAnswers(block); }
  std::string error() const override { return "the frame was given up"; }

 private:
  FramePipe& pipe_;
};

// A numpy array of `columns` rows of `rows` objects, every cell empty (NULL,
// which numpy reads as None), in memory mapped for it with huge pages where
// the system has them: touching a frame's worth of small pages for the
// first time costs more than filling them. The array's base frees the
// cells and the memory.
py::array objectArray(size_t columns, size_t rows) {
  struct Cells {
    PyObject** cells;
    size_t count, bytes;
  };
  size_t count = columns * rows;
  size_t bytes = std::max<size_t>(count * sizeof(PyObject*), 1);
  void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  madvise(memory, bytes, MADV_HUGEPAGE);
  auto* cells = new Cells{static_cast<PyObject**>(memory), count, bytes};
  py::capsule owner(cells, [](void* made) {
    auto* cells = static_cast<Cells*>(made);
    for (size_t i = 0; i < cells->count; ++i) Py_XDECREF(cells->cells[i]);
    munmap(cells->cells, cells->bytes);
    delete cells;
  });
  auto wide = static_cast<py::ssize_t>(rows * sizeof(PyObject*));
  return py::array(py::dtype("O"),
                   {static_cast<py::ssize_t>(columns), static_cast<py::ssize_t>(rows)},
                   {wide, static_cast<py::ssize_t>(sizeof(PyObject*))}, memory, owner);
}

// Batch's output rows into numpy arrays of str, one a column, named by the
// header row.
class ObjectColumns : public CsvCells {
 public:
  /// `ids`: the frame's id column, if it has one: an id batch echoes as it
  /// was is given the frame's own object.
  ObjectColumns(size_t rows, const ColumnReader* ids) : capacity_(rows), ids_(ids) {}

  py::list names;

  /// The columns as the rows of one numpy array of str (a frame's block as
  /// pandas keeps it, so that the frame is made without a copy), cut to
  /// the rows read.
  py::array columns() {
    py::array all = cells_ ? cells_ : py::array(py::dtype("O"), std::vector<py::ssize_t>{0, 0});
    return all[py::make_tuple(py::slice(py::none(), py::none(), py::none()),
                              py::slice(0, static_cast<py::ssize_t>(rows_), 1))];
  }

 protected:
  void cell(size_t column, std::string_view text) override {
    if (inHeader_) {
      names.append(py::str(std::string(text)));
      return;
    }
    if (column >= state_.size()) return;
    if (rows_ == capacity_)
      throw std::runtime_error("batch answered more rows than the frame has.");
    PyObject* made = column == idColumn_ ? echoed(text) : nullptr;
    if (!made) made = state_[column].object(text);
    Py_XDECREF(std::exchange(at(column, rows_), made));
  }

  void rowEnd() override {
    if (inHeader_) {
      inHeader_ = false;
      state_.resize(names.size());
      for (size_t i = 0; i < names.size() && ids_; ++i) {
        if (names[i].cast<std::string>() == "id") idColumn_ = i;
      }
      cells_ = objectArray(state_.size(), capacity_);
      return;
    }
    ++rows_;
  }

 private:
  // One column's texts made into str objects, each text that came before
  // (just above, or still in a small table of recent ones) given the object
  // made for it then: a frame holds far fewer objects, and making them is
  // most of the time this side takes. A column whose texts rarely repeat
  // stops looking them up.
  // The table only borrows its objects: each is held by the cell it was
  // first put in, and the array outlives the table.
  class Column {
   public:
    /// A new reference to the str object for `text`.
    PyObject* object(std::string_view text) {
      if (previous_ && text == previous_->text) return shared(*previous_);
      if (!looking_) return made(fresh_, text);
      Seen& seen = recent_[std::hash<std::string_view>{}(text) % kRecent];
      ++lookups_;
      if (seen.object && text == seen.text) {
        ++hits_;
        previous_ = &seen;
        return shared(seen);
      }
      if (lookups_ == kTrial && hits_ * 8 < lookups_) looking_ = false;
      return made(seen, text);
    }

   private:
    struct Seen {
      std::string text;
      PyObject* object = nullptr;
    };
    static constexpr size_t kRecent = 1024, kTrial = 4096;

    static PyObject* shared(const Seen& seen) {
      Py_INCREF(seen.object);
      return seen.object;
    }

    PyObject* made(Seen& into, std::string_view text) {
      into.object =
          PyUnicode_DecodeUTF8(text.data(), static_cast<py::ssize_t>(text.size()), "replace");
      if (!into.object) throw py::error_already_set();
      into.text.assign(text);
      previous_ = &into;
      return into.object;
    }

    std::vector<Seen> recent_ = std::vector<Seen>(kRecent);
    Seen fresh_;
    Seen* previous_ = nullptr;
    bool looking_ = true;
    size_t lookups_ = 0, hits_ = 0;
  };

  PyObject*& at(size_t column, size_t row) {
    return static_cast<PyObject**>(cells_.mutable_data())[column * capacity_ + row];
  }

  // A new reference to the frame's own id for this row, if it is `text`.
  PyObject* echoed(std::string_view text) const {
    PyObject* id = ids_->object(rows_);
    if (!id || !PyUnicode_Check(id) || !PyUnicode_IS_COMPACT_ASCII(id)) return nullptr;
    std::string_view own(static_cast<const char*>(PyUnicode_DATA(id)),
                         static_cast<size_t>(PyUnicode_GET_LENGTH(id)));
    if (own != text) return nullptr;
    Py_INCREF(id);
    return id;
  }

  bool inHeader_ = true;
  size_t rows_ = 0, capacity_;
  const ColumnReader* ids_;
  size_t idColumn_ = SIZE_MAX;
  std::vector<Column> state_;
  py::array cells_;
};

// The frame's rows as the CSV batch reads, a chunk at a time, a header row
// first.
class RowsMaker {
 public:
  static constexpr size_t kRowsAChunk = 4096;

  RowsMaker(const std::vector<std::string>& names, std::vector<ColumnReader>& readers, size_t rows)
      : names_(names), readers_(readers), rows_(rows) {}

  bool more() const { return !ended_; }

  void makeInto(std::string& csv) {
    if (next_ == 0 && !headed_) {
      for (size_t c = 0; c < names_.size(); ++c) {
        if (c > 0) csv += ',';
        appendCsvCell(csv, names_[c]);
      }
      csv += '\n';
      headed_ = true;
    }
    size_t end = std::min(rows_, next_ + kRowsAChunk);
    for (; next_ < end; ++next_) {
      for (size_t c = 0; c < readers_.size(); ++c) {
        if (c > 0) csv += ',';
        readers_[c].append(csv, next_);
      }
      csv += '\n';
    }
    ended_ = next_ == rows_;
  }

 private:
  const std::vector<std::string>& names_;
  std::vector<ColumnReader>& readers_;
  size_t rows_, next_ = 0;
  bool headed_ = false, ended_ = false;
};

}  // namespace

py::tuple solveTable(const std::vector<std::string>& names, const py::list& columns, bool report,
                     int jobs) {
  std::vector<ColumnReader> readers;
  for (const py::handle& column : columns) readers.emplace_back(column);
  size_t rows = readers.empty() ? 0 : readers.front().size();
  for (const ColumnReader& reader : readers) {
    if (reader.size() != rows) throw py::value_error("the frame's columns differ in length.");
  }
  FramePipe pipe;
  PipedRows in(pipe);
  PipedAnswers out(pipe);
  std::ostringstream err;
  int status = 0;
  std::exception_ptr failure;
  BatchOptions options;
  options.report = report;
  options.jobs = jobs;
  std::thread batch([&] {
    try {
      status = runBatch(in, "the frame", out, err, options);
    } catch (...) {
      failure = std::current_exception();
    }
    pipe.answersEnded();
  });
  // Whatever happens here, the batch is stopped and waited for before the
  // pipe goes.
  struct Joined {
    FramePipe& pipe;
    std::thread& batch;
    ~Joined() {
      if (!batch.joinable()) return;
      pipe.abandon();
      py::gil_scoped_release free;
      batch.join();
    }
  } joined{pipe, batch};

  RowsMaker maker(names, readers, rows);
  auto id = std::find(names.begin(), names.end(), "id");
  ObjectColumns table(rows, id == names.end() ? nullptr : &readers[id - names.begin()]);
  std::string block;
  for (;;) {
    FramePipe::Next next;
    {
      py::gil_scoped_release free;
      next = pipe.next(maker.more(), block);
    }
    if (next == FramePipe::Next::Done) break;
    if (next == FramePipe::Next::ReadAnswers) {
      table.feed(block);
      continue;
    }
    std::string chunk = pipe.rowsChunk();
    maker.makeInto(chunk);
    pipe.giveRows(std::move(chunk), !maker.more());
  }
  {
    py::gil_scoped_release free;
    batch.join();
  }
  if (failure) std::rethrow_exception(failure);
  if (status != 0 && status != 1) {
    std::string error = std::move(err).str();
    const std::string prefix = "anglewise-cli: ";
    if (error.starts_with(prefix)) error.erase(0, prefix.size());
    while (!error.empty() && error.back() == '\n') error.pop_back();
    throw py::value_error(error);
  }
  return py::make_tuple(table.names, table.columns());
}

}  // namespace anglewise
