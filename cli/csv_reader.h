#pragma once
// CSV read by libcsv with a bound on each row, so that no input can make
// memory grow: libcsv gathers a cell whole before handing it on, so a cell
// without end would take all memory. Beside libcsv runs a small copy of
// its state machine that only tells where rows end; a row that goes past
// the bound is reported with the cells read so far, the rest of it is
// skipped, and libcsv starts afresh at the next row. A whole line without
// a quote, the common row, is split by the reader itself as libcsv would.
#include <csv.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <string_view>

namespace anglewise {

/// What the reader finds, in the order of the input.
class CsvRowSink {
 public:
  virtual ~CsvRowSink() = default;
  /// The next cell of the current row, unquoted and trimmed as libcsv does.
  virtual void cell(std::string_view text) = 0;
  /// The current row ended.
  virtual void endRow() = 0;
  /// A whole row at once, its cells lying in the input until the call
  /// returns (a plain line); by default given cell by cell.
  virtual void row(std::span<const std::string_view> cells);
  /// The current row went past the bound: the cells before that point were
  /// given, the rest of the row is skipped and gives nothing more.
  virtual void overlongRow() = 0;
};

class CsvReader {
 public:
  /// Rows up to `rowBound` bytes (the line end not counted) are read; a
  /// row still without end at `runawayBound` bytes stops the reading.
  CsvReader(CsvRowSink& sink, size_t rowBound, size_t runawayBound);
  ~CsvReader();
  CsvReader(const CsvReader&) = delete;
  CsvReader& operator=(const CsvReader&) = delete;

  /// Reads the next bytes. False when nothing more can be read: a row ran
  /// away (ranAway()) or libcsv failed (error()).
  bool feed(std::string_view bytes);
  /// The end of the input: a last row without a line end is given too.
  void finish();
  bool ranAway() const { return ranAway_; }
  /// libcsv's reason it could not go on, or nullptr.
  const char* error() const { return error_; }

  /// Where libcsv's state machine stands, as far as row ends go.
  enum class State : std::uint8_t {
    RowNotBegun,
    FieldNotBegun,
    Unquoted,
    Quoted,
    QuoteSeen,        // a quote in a quoted cell: its end, or the first of two
    QuoteSeenSpaces,  // blanks after such a quote
  };

 private:
  bool parse(std::string_view bytes);
  size_t plainRows(std::string_view bytes);
  void plainRow(const char* line, const char* lineEnd);
  bool throughRowEnd(std::string_view bytes, size_t& used);
  static void onCell(void* data, size_t size, void* reader);
  static void onRow(int, void* reader);

  CsvRowSink& sink_;
  size_t rowBound_, runawayBound_;
  csv_parser parser_;
  State state_ = State::RowNotBegun;
  size_t rowBytes_ = 0;
  bool skipping_ = false;
  bool ranAway_ = false;
  const char* error_ = nullptr;
  std::exception_ptr thrown_;  // from the sink, carried across libcsv's C frames
};

}  // namespace anglewise
