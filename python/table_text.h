#pragma once
// Cells into the CSV batch reads, and the CSV batch writes read back cell
// by cell: the text of each cell kept byte for byte both ways.
#include <cstddef>
#include <string>
#include <string_view>

namespace anglewise {

/// Appends one CSV cell: quoted where it holds a comma, a quote or a line end.
void appendCsvCell(std::string& out, std::string_view cell);

/// Batch's CSV output (CRLF rows) read in blocks of whole rows: each cell is
/// handed on with its column's number as it is read.
class CsvCells {
 public:
  virtual ~CsvCells() = default;
  void feed(std::string_view rows);

 protected:
  virtual void cell(size_t column, std::string_view text) = 0;
  virtual void rowEnd() = 0;

 private:
  size_t column_ = 0;
  std::string quoted_;  // a quoted cell's text, its doubled quotes made one
};

}  // namespace anglewise
