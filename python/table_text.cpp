#include "python/table_text.h"

namespace anglewise {

void appendCsvCell(std::string& out, std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
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

void CsvCells::feed(std::string_view csv) {
  size_t i = 0, n = csv.size();
  // Where the row's current cell began, and whether it was quoted.
  std::string_view plain;
  bool quoted = false;
  auto endCell = [&] {
    cell(column_++, quoted ? std::string_view(quoted_) : plain);
    plain = {};
    quoted = false;
  };
  while (i < n) {
    char c = csv[i];
    if (c == '"') {
      quoted_.clear();
      quoted = true;
      for (++i; i < n; ++i) {
        if (csv[i] != '"') {
          quoted_ += csv[i];
        } else if (i + 1 < n && csv[i + 1] == '"') {
          quoted_ += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else if (c == ',') {
      endCell();
      ++i;
    } else if (c == '\r' && i + 1 < n && csv[i + 1] == '\n') {
      endCell();
      rowEnd();
      column_ = 0;
      i += 2;
    } else {
      // Up to the next comma, quote or CR, by hand: cells are short.
      size_t stop = i + 1;
      while (stop < n && csv[stop] != ',' && csv[stop] != '\r' && csv[stop] != '"') ++stop;
      plain = csv.substr(i, stop - i);
      i = stop;
    }
  }
}

}  // namespace anglewise
