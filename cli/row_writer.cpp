#include "cli/row_writer.h"

#include <algorithm>
#include <array>

namespace anglewise {
namespace {

constexpr size_t kBlock = 1 << 16;

}  // namespace

void RowWriter::begin() {
  if (jsonl_) json_.emplace(row_).beginObject();
  firstCell_ = true;
}

void RowWriter::cell(std::string_view name, std::string_view value) {
  if (jsonl_) {
    json_->key(name).value(value);
    return;
  }
  if (!wroteHeader_) {
    if (!firstCell_) names_ += ',';
    names_ += name;
  }
  if (!firstCell_) row_ += ',';
  appendCsvCell(value);
  firstCell_ = false;
}

void RowWriter::end(std::ostream& out) {
  if (jsonl_) {
    json_->endObject();
    row_ += '\n';
  } else {
    row_ += "\r\n";
    if (!wroteHeader_) {  // the first row: its names go before it
      names_ += "\r\n";
      row_.insert(0, names_);
      wroteHeader_ = true;
    }
  }
  if (row_.size() >= kBlock) flush(out);
}

void RowWriter::flush(std::ostream& out) {
  out << row_;
  row_.clear();
}

// A cell as CSV: quoted only where it holds a comma, a quote or a line end.
void RowWriter::appendCsvCell(std::string_view cell) {
  static constexpr auto kSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {',', '"', '\r', '\n'}) special[c] = true;
    return special;
  }();
  auto special = [](char c) { return kSpecial[static_cast<unsigned char>(c)]; };
  if (std::none_of(cell.begin(), cell.end(), special)) {
    row_ += cell;
    return;
  }
  row_ += '"';
  for (char c : cell) {
    if (c == '"') row_ += '"';
    row_ += c;
  }
  row_ += '"';
}

}  // namespace anglewise
