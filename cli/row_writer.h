#pragma once
// Output rows written cell by cell straight into one text buffer, as CSV
// (with a header row taken from the first row's names) or as JSON lines,
// and handed on in blocks.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/json_writer.h"

namespace anglewise {

class RowWriter {
 public:
  explicit RowWriter(bool jsonl) : jsonl_(jsonl) {}

  void begin();
  /// The next cell; `name` heads its column. Every row names the same
  /// columns in the same order.
  void cell(std::string_view name, std::string_view value);
  /// Finishes the row; rows are handed to `out` in blocks of about 64 KiB.
  void end(std::ostream& out);
  /// Hands on whatever is gathered.
  void flush(std::ostream& out);

 private:
  void appendCsvCell(std::string_view cell);

  bool jsonl_;
  bool wroteHeader_ = false;
  bool firstCell_ = true;
  std::string names_;
  std::string row_;
  std::optional<JsonWriter> json_;  // one a row: each row is its own object
};

}  // namespace anglewise
