#include "cli/batch_command.h"

#include <csv.h>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "cli/exit_status.h"
#include "cli/json_writer.h"
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

// What one row asks for, read and checked before the window sees it.
struct RowRequest {
  std::string id;
  bool oblique = false;
  bool obtuse = false;
  bool dms = false;
  int places = 12;
  std::array<std::string, 5> values;  ///< X, Y, Z, A, B as typed; "" for none
};

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// A text box holds one line of printable text.
bool boxCanHold(const std::string& cell) {
  for (unsigned char c : cell) {
    if (c < 0x20 || c == 0x7f) return false;
  }
  return true;
}

std::optional<std::string> readRow(const std::vector<Column>& columns,
                                   const std::vector<std::string>& cells, RowRequest& row) {
  if (cells.size() > columns.size()) {
    return "the row has " + std::to_string(cells.size()) + " cells for " +
           std::to_string(columns.size()) + " columns";
  }
  bool kindGiven = false;
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string& cell = cells[i];
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
          row.places = std::stoi(cell);
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

// The row as the user would play it on a fresh window.
void play(HeadlessWindow& headless, const RowRequest& row) {
  MainWindow& w = headless.window;
  (row.oblique ? w.optOBL : w.opt90D).select();
  if (row.dms) w.Option2.select();
  for (Given given : kGivenRows) {
    const std::string& text = row.values[static_cast<size_t>(given) - 1];
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

// One output row: named cells in order. The names are the program's own
// texts (string literals and the control table's names), never copied.
struct OutputRow {
  OutputRow() { cells.reserve(24); }
  std::vector<std::pair<std::string_view, std::string>> cells;
  void add(std::string_view name, std::string value) { cells.emplace_back(name, std::move(value)); }
};

void addReport(OutputRow& out, const TriangleReport* report) {
  const ReportTriangle* t = nullptr;
  if (report && !report->triangles.empty()) {
    t = &report->triangles[static_cast<size_t>(report->shown.value_or(0))];
  }
  out.add("consistent", report ? (report->consistent ? "true" : "false") : "");
  out.add("note", report ? report->note : "");
  auto value = [t](const ReportNumber ReportTriangle::*member) {
    return t ? (t->*member).text : std::string();
  };
  out.add("perimeter", value(&ReportTriangle::perimeter));
  out.add("area", value(&ReportTriangle::area));
  out.add("inradius", value(&ReportTriangle::inradius));
  out.add("circumradius", value(&ReportTriangle::circumradius));
  out.add("triangles", report ? std::to_string(report->triangles.size()) : "");
}

OutputRow solvedRow(const RowRequest& row, const HeadlessWindow& headless, bool report) {
  OutputRow out;
  bool solved = headless.window.state.triangleSolved == 1;
  out.add("id", row.id);
  out.add("status", solved ? "solved" : "refused");
  for (const NamedControl& entry : headless.window.controls()) {
    if (auto* label = std::get_if<Label*>(&entry.control)) {
      out.add(entry.name, (*label)->Caption());
    }
  }
  out.add("messages", joinedMessages(headless));
  if (report) {
    TriangleReport made = makeReport(headless.window.reportInput());
    addReport(out, &made);
  }
  return out;
}

OutputRow errorRow(const std::string& id, const std::string& reason, bool report,
                   const std::vector<std::string>& resultNames) {
  OutputRow out;
  out.add("id", id);
  out.add("status", "error");
  for (const std::string& name : resultNames) out.add(name, "");
  out.add("messages", reason);
  if (report) addReport(out, nullptr);
  return out;
}

// A cell as CSV: quoted only where it holds a comma, a quote or a line end.
void appendCsvCell(std::string& out, const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

class BatchRun {
 public:
  BatchRun(const std::string& source, std::ostream& out, std::ostream& err,
           const BatchOptions& options)
      : source_(source), out_(out), err_(err), options_(options) {
    HeadlessWindow probe;
    for (const NamedControl& entry : probe.window.controls()) {
      if (std::holds_alternative<Label*>(entry.control)) resultNames_.emplace_back(entry.name);
    }
  }

  void field(const char* data, size_t size) { cells_.emplace_back(data, size); }

  void endOfRow() {
    if (!header_) {
      readHeader();
    } else if (status_ != kExitUsage) {
      solveRow();
    }
    cells_.clear();
  }

  int finish() {
    if (!header_ && status_ == kExitOk) fail(source_ + " has no header row", kExitUsage);
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
    for (const std::string& name : cells_) {
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
    request.id = std::to_string(rows_);
    OutputRow row;
    if (std::optional<std::string> error = readRow(columns_, cells_, request)) {
      row = errorRow(request.id, *error, options_.report, resultNames_);
      if (status_ == kExitOk) status_ = kExitNotSolved;
    } else {
      HeadlessWindow headless;
      play(headless, request);
      row = solvedRow(request, headless, options_.report);
      if (headless.window.state.triangleSolved != 1 && status_ == kExitOk) {
        status_ = kExitNotSolved;
      }
    }
    write(row);
    if (options_.progress && rows_ % 100000 == 0) progress();
  }

  void write(const OutputRow& row) {
    text_.clear();
    if (options_.jsonl) {
      JsonWriter json(text_);
      json.beginObject();
      for (const auto& [name, value] : row.cells) json.key(name).value(value);
      json.endObject();
    } else {
      if (!wroteHeader_) {
        for (size_t i = 0; i < row.cells.size(); ++i) {
          if (i) text_ += ',';
          text_ += row.cells[i].first;
        }
        text_ += "\r\n";
        wroteHeader_ = true;
      }
      for (size_t i = 0; i < row.cells.size(); ++i) {
        if (i) text_ += ',';
        appendCsvCell(text_, row.cells[i].second);
      }
      text_ += "\r\n";
      out_ << text_;
      return;
    }
    text_ += '\n';
    out_ << text_;
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
  std::vector<std::string> cells_;
  std::string text_;
  bool header_ = false;
  bool wroteHeader_ = false;
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
