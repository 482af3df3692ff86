#include "cli/batch_command.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "cli/exit_status.h"
#include "cli/row_writer.h"
#include "headless/headless_window.h"

namespace anglewise {
namespace {

enum class Column { Id, Kind, X, Y, Z, A, B, Obtuse, Notation, Places };
constexpr std::pair<const char*, Column> kColumns[] = {
    {"id", Column::Id},        {"kind", Column::Kind},     {"X", Column::X},
    {"Y", Column::Y},          {"Z", Column::Z},           {"A", Column::A},
    {"B", Column::B},          {"obtuse", Column::Obtuse}, {"notation", Column::Notation},
    {"places", Column::Places}};
constexpr char kColumnList[] = "id, kind, X, Y, Z, A, B, obtuse, notation and places";

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

std::optional<std::string> readRow(const std::vector<Column>& columns,
                                   std::span<const std::string> cells, RowRequest& row) {
  if (cells.size() > columns.size()) {
    return "the row has " + std::to_string(cells.size()) + " cells for " +
           std::to_string(columns.size()) + " columns";
  }
  bool kindGiven = false;
  for (size_t i = 0; i < cells.size(); ++i) {
    std::string_view cell = cells[i];
    switch (columns[i]) {
      case Column::Id:
        if (!cell.empty()) row.id = cell;  // else the row keeps its number
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
        if (cell == "4" || cell == "8" || cell == "12" || cell == "14") {
          row.places = cell == "4" ? 4 : cell == "8" ? 8 : cell == "12" ? 12 : 14;
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
  MainWindow& w = headless.window;
  (row.oblique ? w.optOBL : w.opt90D).select();
  if (row.dms) w.Option2.select();
  for (Given given : kGivenRows) {
    std::string_view text = row.values[static_cast<size_t>(given) - 1];
    if (text.empty()) continue;
    w.inputBox(given).setText(text);
    w.checkBox(given).click();
  }
  if (row.obtuse) w.over90checked.click();
  switch (row.places) {
    case 4:
      w.mnu4places_Click();
      break;
    case 8:
      w.mnu8places_Click();
      break;
    case 14:
      w.mnuNone_Click();
      break;
    default:
      break;  // 12 places, as the window starts
  }
  w.displaynow_Click();
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
}

void writeSolvedRow(RowWriter& out, const RowRequest& row, const HeadlessWindow& headless,
                    bool report) {
  out.cell("id", row.id);
  out.cell("status", headless.window.state.triangleSolved == 1 ? "solved" : "refused");
  for (const NamedControl& entry : headless.window.controls()) {
    if (auto* label = std::get_if<Label*>(&entry.control)) {
      out.cell(entry.name, (*label)->Caption());
    }
  }
  out.cell("messages", joinedMessages(headless));
  if (report) {
    TriangleReport made = makeReport(headless.window.reportInput());
    addReport(out, &made);
  }
}

void writeErrorRow(RowWriter& out, std::string_view id, const std::string& reason, bool report,
                   const std::vector<std::string>& resultNames) {
  out.cell("id", id);
  out.cell("status", "error");
  for (const std::string& name : resultNames) out.cell(name, "");
  out.cell("messages", reason);
  if (report) addReport(out, nullptr);
}

class BatchRun {
 public:
  BatchRun(const std::string& source, std::ostream& out, std::ostream& err,
           const BatchOptions& options)
      : source_(source), out_(out), err_(err), options_(options) {
    for (const NamedControl& entry : window_.window.controls()) {
      if (std::holds_alternative<Label*>(entry.control)) resultNames_.emplace_back(entry.name);
    }
  }

  // The cells of the current row; their strings are kept from row to row.
  void field(const char* data, size_t size) {
    if (cellCount_ == cells_.size()) cells_.emplace_back();
    cells_[cellCount_++].assign(data, size);
  }

  void endOfRow() {
    if (!header_) {
      readHeader();
    } else if (status_ != kExitUsage) {
      solveRow();
    }
    cellCount_ = 0;
  }

  int finish() {
    if (!header_ && status_ == kExitOk) fail(source_ + " has no header row", kExitUsage);
    writer_.flush(out_);
    out_.flush();
    if (!out_) fail("could not write the output", kExitInputOutput);
    return status_;
  }

  int status() const { return status_; }
  void fail(const std::string& sentence, int status) {
    if (status_ == kExitUsage || status_ == kExitInputOutput) return;
    err_ << "anglewise-cli: " << sentence << ".\n";
    status_ = status;
  }

 private:
  void readHeader() {
    header_ = true;
    for (const std::string& name : rowCells()) {
      auto known = std::find_if(std::begin(kColumns), std::end(kColumns),
                                [&](const auto& c) { return name == c.first; });
      if (known == std::end(kColumns)) {
        return fail("unknown column " + quoted(name) + " in the header of " + source_ +
                        ": the columns are " + kColumnList,
                    kExitUsage);
      }
      columns_.push_back(known->second);
    }
  }

  void solveRow() {
    ++rows_;
    RowRequest request;
    rowNumber_ = std::to_string(rows_);
    request.id = rowNumber_;
    writer_.begin();
    if (std::optional<std::string> error = readRow(columns_, rowCells(), request)) {
      writeErrorRow(writer_, request.id, *error, options_.report, resultNames_);
      if (status_ == kExitOk) status_ = kExitNotSolved;
    } else {
      // Each row starts from the fresh window, as the user would play it.
      window_.restart();
      play(window_, request);
      writeSolvedRow(writer_, request, window_, options_.report);
      if (window_.window.state.triangleSolved != 1 && status_ == kExitOk) {
        status_ = kExitNotSolved;
      }
    }
    writer_.end(out_);
    if (options_.progress && rows_ % options_.progressEvery == 0) progress();
  }

  void progress() {
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    err_ << "\ranglewise-cli: " << rows_ << " rows, " << static_cast<long>(rows_ / seconds)
         << " rows a second" << std::flush;
  }

  std::string source_;
  std::ostream& out_;
  std::ostream& err_;
  BatchOptions options_;
  std::vector<std::string> resultNames_;
  std::vector<Column> columns_;
  std::span<const std::string> rowCells() const { return {cells_.data(), cellCount_}; }
  std::vector<std::string> cells_;
  size_t cellCount_ = 0;
  std::string rowNumber_;
  RowWriter writer_{options_.jsonl};
  HeadlessWindow window_{Strokes::Dropped};
  bool header_ = false;
  long rows_ = 0;
  int status_ = kExitOk;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

void onField(void* data, size_t size, void* run) {
  static_cast<BatchRun*>(run)->field(static_cast<const char*>(data), size);
}

void onRow(int, void* run) {
  static_cast<BatchRun*>(run)->endOfRow();
}

}  // namespace

int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             const BatchOptions& options) {
  BatchRun run(source, out, err, options);
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) return kExitInputOutput;
  std::unique_ptr<csv_parser, void (*)(csv_parser*)> owned(&parser, csv_free);
  std::vector<char> buffer(1 << 16);
  bool first = true;
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    size_t got = static_cast<size_t>(in.gcount());
    const char* data = buffer.data();
    if (first && got >= 3 && std::string_view(data, 3) == "\xEF\xBB\xBF") data += 3, got -= 3;
    first = false;
    if (csv_parse(&parser, data, got, onField, onRow, &run) != got) {
      run.fail("could not read " + source + " as CSV: " + csv_strerror(csv_error(&parser)),
               kExitUsage);
      break;
    }
    if (run.status() == kExitUsage) break;
  }
  if (in.bad()) run.fail("could not read " + source, kExitInputOutput);
  csv_fini(&parser, onField, onRow, &run);
  return run.finish();
}

}  // namespace anglewise
