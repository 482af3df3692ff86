#pragma once
// Cells into the CSV batch reads, and the CSV batch writes back into
// columns: the text of each cell kept byte for byte both ways.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace anglewise {

/// Appends one CSV cell: quoted where it holds a comma, a quote or a line end.
void appendCsvCell(std::string& out, std::string_view cell);

/// One column's cells, end to end in one text.
struct TextColumn {
  std::string text;
  std::vector<uint32_t> ends;  ///< where each cell ends in text
  size_t size() const { return ends.size(); }
  std::string_view operator[](size_t i) const {
    uint32_t begin = i == 0 ? 0 : ends[i - 1];
    return std::string_view(text).substr(begin, ends[i] - begin);
  }
};

struct Table {
  std::vector<std::string> names;
  std::vector<TextColumn> columns;
};

/// Batch's CSV output (CRLF rows, a header row) read into named columns as
/// it comes, in blocks of whole rows.
class TableReader {
 public:
  /// Room for `rows` rows made at once: growing the columns row by row
  /// costs more in copies and page faults than the reading does.
  explicit TableReader(size_t rows = 0) : rows_(rows) {}
  void feed(std::string_view rows);
  Table& table() { return table_; }

 private:
  std::string& cell();
  void endCell();
  void endRow();

  Table table_;
  std::string header_, spill_;
  bool inHeader_ = true;
  size_t column_ = 0;
  size_t rows_ = 0;
};

}  // namespace anglewise
