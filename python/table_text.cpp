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

std::string& TableReader::cell() {
  if (inHeader_) return header_;
  return column_ < table_.columns.size() ? table_.columns[column_].text : spill_;
}

void TableReader::endCell() {
  if (inHeader_) {
    table_.names.push_back(header_);
    header_.clear();
  } else if (column_ < table_.columns.size()) {
    TextColumn& c = table_.columns[column_];
    c.ends.push_back(static_cast<uint32_t>(c.text.size()));
  }
  ++column_;
}

void TableReader::endRow() {
  endCell();
  if (inHeader_) {
    table_.columns.resize(table_.names.size());
    for (TextColumn& c : table_.columns) {
      c.ends.reserve(rows_);
      c.text.reserve(rows_ * 8);
    }
  }
  inHeader_ = false;
  column_ = 0;
  spill_.clear();
}

void TableReader::feed(std::string_view csv) {
  size_t i = 0, n = csv.size();
  while (i < n) {
    char c = csv[i];
    if (c == '"') {
      // A quoted cell: doubled quotes stand for one.
      std::string& text = cell();
      for (++i; i < n; ++i) {
        if (csv[i] != '"') {
          text += csv[i];
        } else if (i + 1 < n && csv[i + 1] == '"') {
          text += '"';
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
      endRow();
      i += 2;
    } else {
      // Up to the next comma, quote or CR, by hand: cells are short.
      size_t stop = i + 1;
      while (stop < n && csv[stop] != ',' && csv[stop] != '\r' && csv[stop] != '"') ++stop;
      cell().append(csv.data() + i, stop - i);
      i = stop;
    }
  }
}

}  // namespace anglewise
