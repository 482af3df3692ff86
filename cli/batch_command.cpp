#include "cli/batch_command.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "cli/any_rows.h"
#include "cli/csv_reader.h"
#include "cli/exit_status.h"
#include "cli/row_writer.h"
#include "cli/utf8_text.h"
#include "cli/work_pool.h"
#include "exact/ball.h"
#include "headless/headless_window.h"
#include "report/report_values.h"

namespace anglewise {
namespace {

// Unnamed: an empty cell at the end of the header, as a trailing comma
// leaves; its cells must be empty too.
enum class Column { Id, Kind, X, Y, Z, A, B, Obtuse, Notation, Places, Unnamed };
constexpr std::pair<const char*, Column> kColumns[] = {
    {"id", Column::Id},        {"kind", Column::Kind},     {"X", Column::X},
    {"Y", Column::Y},          {"Z", Column::Z},           {"A", Column::A},
    {"B", Column::B},          {"obtuse", Column::Obtuse}, {"notation", Column::Notation},
    {"places", Column::Places}};
constexpr char kColumnList[] = "id, kind, X, Y, Z, A, B, obtuse, notation and places";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

const char* nameOf(Column column) {
  for (const auto& [name, known] : kColumns) {
    if (known == column) return name;
  }
  return "";
}

// What one row asks for, read and checked before the window sees it. The
// texts are views of the row's cells.
struct RowRequest {
  std::string_view id;
  bool oblique = false;
  bool obtuse = false;
  bool dms = false;
  int places = 12;
  std::array<std::string_view, 5> values;  ///< X, Y, Z, A, B as typed; "" for none
};

// The current row's cells: as many kept as the header has columns and one
// more, the rest only counted. A plain line's cells are seen where they lie
// in the input; cells given one at a time are copied first (their strings
// reused from row to row).
struct RowCells {
  std::vector<std::string> copied;
  std::vector<std::string_view> kept;
  size_t count = 0;                ///< every cell of the row, kept or not
  std::optional<size_t> overlong;  ///< the first cell longer than kBatchCellBound
  std::span<const std::string_view> view() const { return kept; }
  /// The cells copied so far, kept.
  void keepCopied() {
    kept.assign(copied.begin(),
                copied.begin() + static_cast<std::ptrdiff_t>(std::min(count, copied.size())));
  }
};

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// A text box holds one line of printable text.
bool boxCanHold(std::string_view cell) {
  for (unsigned char c : cell) {
    if (c < 0x20 || c == 0x7f) return false;
  }
  return true;
}

// The id is read before anything is checked, so that a row that cannot be
// read still answers under its id.
void readId(const std::vector<Column>& columns, const RowCells& cells, RowRequest& row) {
  std::span<const std::string_view> kept = cells.view();
  for (size_t i = 0; i < kept.size() && i < columns.size(); ++i) {
    if (columns[i] == Column::Id && !kept[i].empty() && cells.overlong != i) row.id = kept[i];
  }
}

// Cells beyond the named columns: at most as many as the header has, and
// those under its empty trailing cells empty.
std::optional<std::string> checkCount(const std::vector<Column>& columns, size_t named,
                                      const RowCells& cells) {
  bool fits = cells.count <= columns.size();
  std::span<const std::string_view> kept = cells.view();
  for (size_t i = named; fits && i < kept.size(); ++i) fits = kept[i].empty();
  if (fits) return std::nullopt;
  return "the row has " + std::to_string(cells.count) + " cells for " + std::to_string(named) +
         " columns";
}

std::optional<std::string> readRow(const std::vector<Column>& columns, size_t named,
                                   const RowCells& cells, RowRequest& row) {
  readId(columns, cells, row);
  if (std::optional<std::string> error = checkCount(columns, named, cells)) return error;
  if (cells.overlong) {
    return std::string("the cell of ") + nameOf(columns[*cells.overlong]) + " is longer than " +
           std::to_string(kBatchCellBound) + " bytes, the most a cell may hold";
  }
  std::span<const std::string_view> kept = cells.view();
  bool kindGiven = false;
  for (size_t i = 0; i < kept.size(); ++i) {
    std::string_view cell = kept[i];
    switch (columns[i]) {
      case Column::Id:
      case Column::Unnamed:
        break;
      case Column::Kind:
        if (cell != "right" && cell != "oblique") {
          return "kind must be right or oblique, not " + quoted(cell);
        }
        row.oblique = cell == "oblique";
        kindGiven = true;
        break;
      case Column::Obtuse:
        if (cell != "" && cell != "0" && cell != "1")
          return "obtuse must be 0 or 1, not " + quoted(cell);
        row.obtuse = cell == "1";
        break;
      case Column::Notation:
        if (cell != "" && cell != "decimal" && cell != "dms") {
          return "notation must be decimal or dms, not " + quoted(cell);
        }
        row.dms = cell == "dms";
        break;
      case Column::Places:
        if (std::optional<int> places = readPlaces(cell)) {
          row.places = *places;
        } else if (!cell.empty()) {
          return "places must be 4, 8, 12 or 14, not " + quoted(cell);
        }
        break;
      default: {
        int index = static_cast<int>(columns[i]) - static_cast<int>(Column::X);
        if (!boxCanHold(cell)) {
          return std::string("the cell of ") + "XYZAB"[index] +
                 " holds a line break or control character, which a text box cannot";
        }
        row.values[static_cast<size_t>(index)] = cell;
      }
    }
  }
  if (!kindGiven) return std::string("kind must be right or oblique, and the row has none");
  return std::nullopt;
}

// The row as the user would play it on the window.
void play(HeadlessWindow& headless, const RowRequest& row) {
  headless.solve({row.oblique, row.dms, row.obtuse, row.places, row.values});
}

std::string joinedMessages(const HeadlessWindow& headless) {
  std::string out;
  for (const ShownMessage& m : headless.messages.shown) {
    if (!out.empty()) out += " | ";
    std::string text = m.title + ": " + m.text;
    for (char& c : text) {
      if (c == '\r') c = ' ';
    }
    out += text;
  }
  return out;
}

// Given values make at most two triangles (the ambiguous case).
constexpr size_t kMostTriangles = 2;

void addReport(RowWriter& out, const TriangleReport* report) {
  const ReportTriangle* t = nullptr;
  if (report && !report->triangles.empty()) {
    t = &report->triangles[static_cast<size_t>(report->shown.value_or(0))];
  }
  out.cell("consistent", report ? (report->consistent ? "true" : "false") : "");
  out.cell("note", report ? report->note : "");
  auto value = [t](const ReportNumber ReportTriangle::*member) -> std::string_view {
    return t ? std::string_view((t->*member).text) : std::string_view();
  };
  out.cell("perimeter", value(&ReportTriangle::perimeter));
  out.cell("area", value(&ReportTriangle::area));
  out.cell("inradius", value(&ReportTriangle::inradius));
  out.cell("circumradius", value(&ReportTriangle::circumradius));
  out.cell("triangles", report ? std::to_string(report->triangles.size()) : "");
  // Then every value of each true triangle, both of the ambiguous case:
  // t1_X ... t2_type_angles, empty where there is no such triangle.
  static const std::vector<std::string> kColumns = numberedColumns(kMostTriangles);
  const std::vector<ReportValue>& rows = reportValues();
  for (size_t i = 0; i < kMostTriangles; ++i) {
    const ReportTriangle* each =
        report && i < report->triangles.size() ? &report->triangles[i] : nullptr;
    for (size_t r = 0; r < rows.size(); ++r) {
      out.cell(kColumns[i * rows.size() + r],
               each ? std::string_view(valueText(rows[r], *each)) : "");
    }
  }
}

// `resultNames`: the names of the window's result labels, in their order.
void writeSolvedRow(RowWriter& out, const RowRequest& row, const HeadlessWindow& headless,
                    bool report, const std::vector<std::string>& resultNames) {
  out.text("id", row.id);
  out.cell("status", headless.window.state.triangleSolved == 1 ? "solved" : "refused");
  const std::vector<Label*>& labels = headless.window.resultLabels();
  for (size_t i = 0; i < labels.size(); ++i) out.cell(resultNames[i], labels[i]->Caption());
  out.text("messages", joinedMessages(headless));
  if (report) {
    ReportInput input = headless.window.reportInput();
    input.withWorking = false;  // a batch row prints no working
    TriangleReport made = makeReport(input);
    addReport(out, &made);
  }
}

void writeErrorRow(RowWriter& out, std::string_view id, const std::string& reason, bool report,
                   const std::vector<std::string>& resultNames) {
  out.text("id", id);
  out.cell("status", "error");
  for (const std::string& name : resultNames) out.cell(name, "");
  out.text("messages", reason);
  if (report) addReport(out, nullptr);
}

// A row read and waiting for its answer, its texts its own: rows are
// answered a round at a time, on as many threads as asked. Its id and five
// values lie one after another in one string, so that a round of rows
// stays small enough for the processor's nearer caches.
struct PendingRow {
  std::string texts;
  std::array<uint32_t, 6> ends{};  // where the id and each value end in texts
  bool failed = false;
  bool oblique = false, obtuse = false, dms = false;
  int places = 12;
  std::string error;            ///< with failed: why the row could not be read
  std::unique_ptr<AnyRow> any;  ///< a row of any three measures

  std::string_view text(size_t i) const {
    size_t begin = i == 0 ? 0 : ends[i - 1];
    return {texts.data() + begin, ends[i] - begin};
  }
  std::string_view id() const { return text(0); }

  void take(const RowRequest& row) {
    keep(row.id, row.values);
    failed = false;
    any.reset();
    oblique = row.oblique, obtuse = row.obtuse, dms = row.dms, places = row.places;
  }
  void take(AnyRow row) {
    keep(row.id, {});
    failed = false;
    any = std::make_unique<AnyRow>(std::move(row));
  }
  void fail(std::string_view rowId, std::string reason) {
    keep(rowId, {});
    failed = true;
    any.reset();
    error = std::move(reason);
  }
  RowRequest request() const {
    RowRequest row;
    row.id = id();
    row.oblique = oblique, row.obtuse = obtuse, row.dms = dms, row.places = places;
    for (size_t i = 0; i < row.values.size(); ++i) row.values[i] = text(i + 1);
    return row;
  }

 private:
  void keep(std::string_view id, const std::array<std::string_view, 5>& values) {
    texts.assign(id);
    ends[0] = static_cast<uint32_t>(texts.size());
    for (size_t i = 0; i < values.size(); ++i) {
      texts += values[i];
      ends[i + 1] = static_cast<uint32_t>(texts.size());
    }
  }
};

// One thread's window and output: it answers chunks of each round. Each
// starts on cache lines of its own, which no other thread writes.
struct alignas(128) RowSolver {
  RowSolver(const BatchOptions& options, bool header)
      : writer(options.jsonl, header), jsonl(options.jsonl) {
    window.window.endStateOnly = true;  // a row outputs captions and messages only
  }

  /// Whether the row was refused or had an error.
  bool answer(const PendingRow& row, bool report, const std::vector<std::string>& resultNames,
              bool any) {
    writer.begin();
    bool unsolved = true;
    if (row.failed && any) {
      writeAnyErrorRow(writer, row.id(), row.error, jsonl);
    } else if (row.failed) {
      writeErrorRow(writer, row.id(), row.error, report, resultNames);
    } else if (row.any) {
      unsolved = !writeAnyRow(writer, *row.any, jsonl);
    } else {
      // Each row starts from the fresh window, as the user would play it.
      RowRequest request = row.request();
      window.restart();
      play(window, request);
      writeSolvedRow(writer, request, window, report, resultNames);
      unsolved = window.window.state.triangleSolved != 1;
    }
    writer.end();
    return unsolved;
  }

  HeadlessWindow window{Strokes::Dropped};
  RowWriter writer;
  bool jsonl;
};

// A round of rows read, answered in chunks by every thread: the reading
// thread's solver takes the first chunk and then, like the helpers, the
// next chunk not yet taken. Each chunk's answers are kept in their own
// place, to be written in order.
struct BatchRound {
  std::vector<PendingRow> rows;
  size_t count = 0;   // rows read into it
  size_t chunks = 0;  // with count: its chunks, once started
  std::vector<std::string> answers;
  std::atomic<size_t> nextChunk{1};
  std::atomic<bool> unsolved{false};  // a row of it was refused or had an error
  std::function<void(int)> work;
};

// "X", "X" and "id", or "X", "Y" and "id".
std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += quoted(names[i]);
  }
  return text;
}

std::string signalName(int signal) {
  return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : std::to_string(signal);
}

class BatchRun : public CsvRowSink {
 public:
  BatchRun(const std::string& source, BatchOutput& out, std::ostream& err,
           const BatchOptions& options)
      : source_(source), out_(out), err_(err), options_(options) {
    int parts = options.jobs > 0 ? options.jobs : availableCores();
    if (parts > 1) {
      // This thread reads, writes and solves; helpers only solve.
      pool_.emplace(parts - 1, exact::releaseThreadCaches);
      if (pool_->helpers() == 0) pool_.reset();  // no thread to be had: this one solves
      parts = pool_ ? pool_->helpers() + 1 : 1;
    }
    // Only the first row of all heads the output with the names: this
    // thread's solver answers it. Each helper makes its own solver on its
    // thread (so that their memory shares no cache line with this one's).
    solvers_.push_back(std::make_unique<RowSolver>(options, options.header));
    solvers_.resize(static_cast<size_t>(parts));
    size_t perThread = std::max<size_t>(options.rowsPerThread, 1);
    rowsPerChunk_ = std::clamp<size_t>(perThread / 4, 1, 64);
    for (BatchRound& round : rounds_) round.rows.resize(perThread * solvers_.size());
    for (const NamedControl& entry : solvers_.front()->window.window.controls()) {
      if (std::holds_alternative<Label*>(entry.control)) resultNames_.emplace_back(entry.name);
    }
    if (!options.columns.empty()) {
      // The rows have no header: the names were given instead.
      header_ = true;
      cells_.copied = options.columns;
      cells_.count = options.columns.size();
      cells_.keepCopied();
      readHeader("--columns");
      nextRow();
    }
  }

  void cell(std::string_view text) override {
    size_t index = cells_.count++;
    if (index >= keep_) return;
    if (index == cells_.copied.size()) cells_.copied.emplace_back();
    cells_.copied[index].assign(keptText(index, text));
  }

  void row(std::span<const std::string_view> cells) override {
    cells_.count = cells.size();
    cells_.kept.clear();
    for (std::string_view text : cells.first(std::min(cells.size(), keep_))) {
      cells_.kept.push_back(keptText(cells_.kept.size(), text));
    }
    answerRow();
  }

  void endRow() override {
    cells_.keepCopied();
    answerRow();
  }

  void overlongRow() override {
    cells_.keepCopied();
    if (!header_) {
      header_ = true;
      fail("the header row of " + source_ + " is longer than " + std::to_string(kBatchRowBound) +
               " bytes, the most a row may hold",
           kExitUsage);
    } else if (reading()) {
      answerError("the row is longer than " + std::to_string(kBatchRowBound) +
                  " bytes, the most a row may hold");
    }
    nextRow();
  }

  /// Whether rows are still read and answered.
  bool reading() const { return !stopped_ && status_ != kExitUsage; }
  long rows() const { return rows_; }

  int finish() {
    if (!header_ && status_ == kExitOk) fail(source_ + " has no header row", kExitUsage);
    answerPending();
    settleRound();
    return status_;
  }

  ~BatchRun() {
    // A round still running (a failure left it) uses the rows and solvers:
    // the helpers end it first.
    pool_.reset();
  }

  /// A signal asked to stop: the rows read whole so far are answered and
  /// written whole.
  int stopBy(int signal) {
    answerPending();
    settleRound();
    if (stopped_) return status_;
    stopped_ = true;
    err_ << "anglewise-cli: stopped by " << signalName(signal) << " after " << rows_
         << (rows_ == 1 ? " row" : " rows") << ", each written whole.\n";
    return 128 + signal;
  }

  /// One sentence to standard error; after a usage or input/output failure
  /// nothing more is said.
  void fail(const std::string& sentence, int status) {
    if (status_ == kExitUsage || status_ == kExitInputOutput) return;
    std::string text;
    appendUtf8(text, sentence);
    err_ << "anglewise-cli: " << text << ".\n";
    status_ = status;
  }

 private:
  void answerRow() {
    if (!header_) {
      readHeader("the header of " + source_);
    } else if (reading()) {
      solveRow();
    }
    nextRow();
  }

  // A cell longer than a cell may be is kept empty, and the row told so.
  std::string_view keptText(size_t index, std::string_view text) {
    if (text.size() <= kBatchCellBound) return text;
    if (!cells_.overlong) cells_.overlong = index;
    return {};
  }

  void nextRow() {
    cells_.count = 0;
    cells_.overlong.reset();
  }

  // The names of the columns, from the header row or --columns (`where`).
  void readHeader(const std::string& where) {
    header_ = true;
    where_ = where;
    std::span<const std::string_view> names = cells_.view();
    if (cells_.overlong) {
      return fail(where_ + " has a cell longer than " + std::to_string(kBatchCellBound) +
                      " bytes: the columns are " + kColumnList,
                  kExitUsage);
    }
    if (options_.any || namesAnyMeasures(names)) return readAnyColumns(names);
    size_t named = names.size();  // empty cells at the end name nothing
    while (named > 0 && names[named - 1].empty()) --named;
    std::vector<std::string> twice;
    for (size_t i = 0; i < named; ++i) {
      std::string_view name = names[i];
      auto known = std::find_if(std::begin(kColumns), std::end(kColumns),
                                [&](const auto& c) { return name == c.first; });
      if (known == std::end(kColumns)) {
        return fail(
            "unknown column " + quoted(name) + " in " + where_ + ": the columns are " + kColumnList,
            kExitUsage);
      }
      bool seen = std::find(columns_.begin(), columns_.end(), known->second) != columns_.end();
      if (seen && std::find(twice.begin(), twice.end(), name) == twice.end()) {
        twice.emplace_back(name);
      }
      columns_.push_back(known->second);
    }
    named_ = named;
    columns_.resize(names.size(), Column::Unnamed);
    keep_ = columns_.size() + 1;
    checkHeader(twice);
  }

  void readAnyColumns(std::span<const std::string_view> names) {
    any_ = true;
    if (std::optional<std::string> problem = readAnyHeader(names, anyColumns_)) {
      return fail(*problem + " (in " + where_ + ")", kExitUsage);
    }
    keep_ = anyColumns_.size() + 1;
  }

  // A column named twice and a header without kind are one usage error
  // naming them all.
  void checkHeader(const std::vector<std::string>& twice) {
    bool kind = std::find(columns_.begin(), columns_.end(), Column::Kind) != columns_.end();
    if (twice.empty() && kind) return;
    std::string problems, remedies;
    if (!twice.empty()) {
      problems = "names " + std::string(twice.size() == 1 ? "the column " : "the columns ") +
                 listed(twice) + " more than once";
      remedies = "give each column once";
    }
    if (!kind) {
      problems += std::string(problems.empty() ? "" : " and ") + "has no column \"kind\"";
      remedies += std::string(remedies.empty() ? "" : ", and ") +
                  "add kind (right or oblique), which every row needs";
    }
    fail(where_ + " " + problems + ": " + remedies, kExitUsage);
  }

  void solveRow() {
    ++rows_;
    RowRequest request;
    rowNumber_ = std::to_string(rows_);
    request.id = rowNumber_;
    PendingRow& row = rounds_[reading_].rows[pendingCount_++];
    if (any_) {
      AnyRow read;
      read.id = rowNumber_;
      std::optional<std::string> error = readAnyRow(anyColumns_, cells_.view(), cells_.count, read);
      if (!error && cells_.overlong) {
        error = "a cell is longer than " + std::to_string(kBatchCellBound) +
                " bytes, the most a cell may hold";
      }
      if (error) {
        row.fail(read.id, std::move(*error));
      } else {
        row.take(std::move(read));
      }
      if (pendingCount_ == rounds_[reading_].rows.size()) answerPending();
      return;
    }
    if (std::optional<std::string> error = readRow(columns_, named_, cells_, request)) {
      row.fail(request.id, std::move(*error));
    } else {
      row.take(request);
    }
    if (pendingCount_ == rounds_[reading_].rows.size()) answerPending();
  }

  // A row that could not be read whole: its id if it came before the
  // trouble, else its number.
  void answerError(const std::string& reason) {
    ++rows_;
    RowRequest request;
    rowNumber_ = std::to_string(rows_);
    request.id = rowNumber_;
    if (any_) {
      AnyRow read;
      read.id = rowNumber_;
      readAnyRow(anyColumns_, cells_.view(), 0, read);
      rounds_[reading_].rows[pendingCount_++].fail(read.id, reason);
    } else {
      readId(columns_, cells_, request);
      rounds_[reading_].rows[pendingCount_++].fail(request.id, reason);
    }
    if (pendingCount_ == rounds_[reading_].rows.size()) answerPending();
  }

  // The rows read so far: on one thread answered and written at once; on
  // more, started, and the round before them joined, ended and written
  // while the helpers go on with them.
  void answerPending() {
    size_t count = std::exchange(pendingCount_, 0);
    if (!pool_) {
      if (count == 0 || stopped_) return;
      RowSolver& only = *solvers_.front();
      bool unsolved = false;
      for (const PendingRow& row : std::span(rounds_[reading_].rows).first(count)) {
        unsolved = only.answer(row, options_.report, resultNames_, any_) || unsolved;
      }
      takeStatus(unsolved);
      writeRows(only.writer.rows());
      only.writer.clear();
      if (!stopped_) answered(count);
      return;
    }
    std::optional<size_t> before = std::exchange(open_, std::nullopt);
    if (count > 0 && !stopped_) {
      startRound(reading_, count);
      open_ = reading_;
      reading_ ^= 1;
    }
    if (before) endRound(*before);
  }

  void startRound(size_t index, size_t count) {
    BatchRound& round = rounds_[index];
    round.count = count;
    round.chunks = (count + rowsPerChunk_ - 1) / rowsPerChunk_;
    if (round.answers.size() < round.chunks) round.answers.resize(round.chunks);
    round.nextChunk.store(1);
    round.unsolved.store(false);
    round.work = [this, &round](int part) {
      std::unique_ptr<RowSolver>& solver = solvers_[static_cast<size_t>(part)];
      if (!solver) solver = std::make_unique<RowSolver>(options_, false);
      // The first chunk is this thread's solver's: the first row of all
      // heads the output with the names.
      size_t chunk = part == 0 ? 0 : round.nextChunk.fetch_add(1);
      bool unsolved = false;
      for (; chunk < round.chunks; chunk = round.nextChunk.fetch_add(1)) {
        size_t end = std::min(round.count, (chunk + 1) * rowsPerChunk_);
        for (size_t i = chunk * rowsPerChunk_; i < end; ++i) {
          unsolved = solver->answer(round.rows[i], options_.report, resultNames_, any_) || unsolved;
        }
        solver->writer.takeRows(round.answers[chunk]);
      }
      if (unsolved) round.unsolved.store(true, std::memory_order_relaxed);
    };
    pool_->startRound(round.work);
  }

  // A started round: this thread answers the chunks still left, waits for
  // the helpers' and writes them all in order. After a failed write (a
  // round may have been running then) no rows are written or told as
  // answered.
  void endRound(size_t index) {
    BatchRound& round = rounds_[index];
    if (!stopped_) round.work(0);
    pool_->finishRound();
    takeStatus(round.unsolved.load(std::memory_order_relaxed));
    if (stopped_) return;
    // The chunks' answers are written as they are, in blocks of whole
    // chunks of at least kWriteBlock bytes.
    std::vector<std::string_view>& block = blockParts_;
    size_t bytes = 0;
    for (size_t chunk = 0; chunk < round.chunks && !stopped_; ++chunk) {
      block.emplace_back(round.answers[chunk]);
      bytes += block.back().size();
      if (bytes < kWriteBlock && chunk + 1 < round.chunks) continue;
      if (!out_.writeParts(block)) failWrite();
      block.clear();
      bytes = 0;
    }
    block.clear();
    if (!stopped_) answered(round.count);
  }

  // The round started last, if any: ended and written.
  void settleRound() {
    if (std::optional<size_t> open = std::exchange(open_, std::nullopt)) endRound(*open);
  }

  void takeStatus(bool unsolved) {
    if (unsolved && status_ == kExitOk) status_ = kExitNotSolved;
  }

  // `count` more rows answered: the progress told.
  void answered(size_t count) {
    answered_ += static_cast<long>(count);
    if (options_.progress) {
      for (; nextProgress_ <= answered_; nextProgress_ += options_.progressEvery) {
        progress(nextProgress_);
      }
    }
  }

  // In blocks of whole rows of at least 64 KiB each, so that a file that
  // cannot grow ends after the last whole block that fitted.
  void writeRows(std::string_view rows) {
    while (!stopped_ && !rows.empty()) {
      size_t end = rows.size() <= kWriteBlock ? 0 : rows.find('\n', kWriteBlock - 1) + 1;
      if (end == 0) end = rows.size();
      if (!out_.write(rows.substr(0, end))) failWrite();
      rows.remove_prefix(end);
    }
  }

  void failWrite() {
    fail("could not write the output: " + out_.error(), kExitInputOutput);
    stopped_ = true;
  }

  void progress(long rows) {
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    err_ << "\ranglewise-cli: " << rows << " rows, " << static_cast<long>(rows / seconds)
         << " rows a second" << std::flush;
  }

  std::string source_;
  BatchOutput& out_;
  std::ostream& err_;
  BatchOptions options_;
  std::vector<std::string> resultNames_;
  std::vector<Column> columns_;
  bool any_ = false;  // rows of any three measures
  std::vector<AnyColumn> anyColumns_;
  size_t named_ = 0;        // the header's columns but its empty trailing cells
  size_t keep_ = SIZE_MAX;  // cells a row keeps: all of the header's
  RowCells cells_;
  std::string rowNumber_;
  std::string where_;  // where the names came from, for messages
  // Each round answers options_.rowsPerThread rows a solver (enough to keep
  // the threads busy, few enough to keep memory flat), this many at a time.
  size_t rowsPerChunk_ = 64;
  static constexpr size_t kWriteBlock = 65536;
  std::vector<std::unique_ptr<RowSolver>> solvers_;
  // Two rounds of rows: one read while the helpers answer the other.
  std::array<BatchRound, 2> rounds_;
  size_t reading_ = 0;          // the round being read
  size_t pendingCount_ = 0;     // rows read into it
  std::optional<size_t> open_;  // the round started and not yet ended
  std::vector<std::string_view> blockParts_;
  std::optional<WorkPool> pool_;  // after what its rounds use
  long answered_ = 0;
  long nextProgress_ = options_.progressEvery;
  bool header_ = false;
  bool stopped_ = false;  // a write failed or a signal came: nothing more is answered
  long rows_ = 0;
  int status_ = kExitOk;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class StreamInput : public BatchInput {
 public:
  explicit StreamInput(std::istream& in) : in_(in) {}
  size_t read(char* data, size_t size) override {
    in_.read(data, static_cast<std::streamsize>(size));
    return static_cast<size_t>(in_.gcount());
  }
  std::string error() const override { return in_.bad() ? std::strerror(EIO) : ""; }

 private:
  std::istream& in_;
};

class StreamOutput : public BatchOutput {
 public:
  explicit StreamOutput(std::ostream& out) : out_(out) {}
  bool write(std::string_view block) override {
    out_.write(block.data(), static_cast<std::streamsize>(block.size()));
    out_.flush();
    return static_cast<bool>(out_);
  }
  std::string error() const override { return std::strerror(EIO); }

 private:
  std::ostream& out_;
};

}  // namespace

bool BatchOutput::writeParts(std::span<const std::string_view> parts) {
  std::string block;
  for (std::string_view part : parts) block += part;
  return write(block);
}

std::optional<std::string> batchRowProblem(
    const std::vector<std::pair<std::string, std::string>>& cells) {
  std::vector<Column> columns;
  RowCells row;
  for (const auto& cell : cells) {
    const std::string& name = cell.first;
    auto known = std::find_if(std::begin(kColumns), std::end(kColumns),
                              [&name](const auto& c) { return name == c.first; });
    if (known == std::end(kColumns)) {
      return "unknown column " + quoted(name) + ": the columns are " + kColumnList;
    }
    columns.push_back(known->second);
    row.kept.emplace_back(cell.second);
  }
  row.count = row.kept.size();
  RowRequest request;
  return readRow(columns, columns.size(), row, request);
}

int runBatch(BatchInput& in, const std::string& source, BatchOutput& out, std::ostream& err,
             const BatchOptions& options) {
  BatchRun run(source, out, err, options);
  CsvReader reader(run, kBatchRowBound, kBatchRunawayBound);
  std::vector<char> buffer(1 << 16);
  std::string head;  // the first bytes, until a byte-order mark can be told
  bool begun = false;
  while (run.reading()) {
    size_t got = in.read(buffer.data(), buffer.size());
    if (got == 0) break;
    std::string_view bytes(buffer.data(), got);
    if (!begun) {
      head.append(bytes);
      if (head.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(head)) continue;
      begun = true;
      bytes = head;
      if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    }
    if (!reader.feed(bytes)) break;
  }
  if (run.reading()) {
    if (int signal = in.stopSignal(); signal != 0) return run.stopBy(signal);
  }
  if (!begun && !head.empty()) reader.feed(head);
  if (reader.ranAway()) {
    run.fail("could not read " + source + " as CSV: row " + std::to_string(run.rows()) +
                 " has no end within " + std::to_string(kBatchRunawayBound) + " bytes",
             kExitUsage);
  } else if (reader.error()) {
    run.fail("could not read " + source + " as CSV: " + reader.error(), kExitUsage);
  } else if (std::string error = in.error(); !error.empty()) {
    run.fail("could not read " + source + ": " + error, kExitInputOutput);
  } else if (run.reading()) {
    reader.finish();
  }
  return run.finish();
}

int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             const BatchOptions& options) {
  StreamInput input(in);
  StreamOutput output(out);
  return runBatch(input, source, output, err, options);
}

}  // namespace anglewise
