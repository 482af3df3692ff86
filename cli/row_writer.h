#pragma once
// Output rows written cell by cell straight into one text buffer, as CSV
// (with a header row taken from the first row's names) or as JSON lines,
// and handed on in blocks of whole rows. Every cell is written as UTF-8
// (bytes that are not become U+FFFD), and in CSV an echoed text that a
// spreadsheet would run as a formula is written so that it shows as text.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/json_writer.h"

namespace anglewise {

class RowWriter {
 public:
  /// `header`: CSV begins with a row of the first row's names.
  explicit RowWriter(bool jsonl, bool header = true) : jsonl_(jsonl), wroteHeader_(!header) {}

  void begin();
  /// The next cell, a value of our own making; `name` heads its column.
  /// Every row names the same columns in the same order.
  void cell(std::string_view name, std::string_view value);
  /// The next cell, text echoed from the input (an id, a message quoting a
  /// cell): in CSV, text that begins with =, +, - or @ and is not a number
  /// gets a leading apostrophe, the spreadsheets' mark for text.
  void text(std::string_view name, std::string_view value);
  /// Finishes the row.
  void end();
  /// Whether the gathered rows make a block (about 64 KiB) to hand on.
  bool full() const;
  /// The whole rows gathered since the last clear().
  std::string_view rows() const { return row_; }
  void clear() { row_.clear(); }
  /// Hands the gathered rows over into `into` (its old text is dropped)
  /// and starts afresh, each keeping the other's room.
  void takeRows(std::string& into) {
    into.swap(row_);
    row_.clear();
  }

 private:
  void appendCsvCell(std::string_view cell, bool echoed);
  bool quickCsvCell(std::string_view cell);
  void flushQuick();

  bool jsonl_;
  bool wroteHeader_ = false;
  bool firstCell_ = true;
  std::string names_;
  std::string row_;
  // A CSV row's plain cells are gathered here, then go to row_ together:
  // most rows are such cells alone.
  static constexpr size_t kQuickRoom = 480;
  size_t quickSize_ = 0;
  char quick_[kQuickRoom] = {};
  std::optional<JsonWriter> json_;  // one a row: each row is its own object
};

/// Whether a spreadsheet would take `text` for a formula: it begins with
/// =, +, - or @ and is not a plain number such as -5 or +1.5E+3.
bool looksLikeFormula(std::string_view text);

}  // namespace anglewise
