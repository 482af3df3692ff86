#include "cli/row_writer.h"

#include <algorithm>
#include <array>

#include "cli/utf8_text.h"

namespace anglewise {
namespace {

constexpr size_t kBlock = 1 << 16;

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// A decimal number as spreadsheets read one: sign, digits with at most one
// point, and an exponent.
bool plainNumber(std::string_view text) {
  size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && digit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && digit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t start = i;
    for (; i < text.size() && digit(text[i]); ++i) {
    }
    if (i == start) return false;
  }
  return i == text.size();
}

}  // namespace

bool looksLikeFormula(std::string_view text) {
  if (text.empty()) return false;
  char first = text.front();
  if (first != '=' && first != '+' && first != '-' && first != '@') return false;
  return !plainNumber(text);
}

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
  appendCsvCell(value, false);
  firstCell_ = false;
}

void RowWriter::text(std::string_view name, std::string_view value) {
  if (jsonl_ || !looksLikeFormula(value)) return cell(name, value);
  if (!wroteHeader_) {
    if (!firstCell_) names_ += ',';
    names_ += name;
  }
  if (!firstCell_) row_ += ',';
  appendCsvCell(value, true);
  firstCell_ = false;
}

void RowWriter::end() {
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
}

bool RowWriter::full() const {
  return row_.size() >= kBlock;
}

// A cell as CSV: quoted only where it holds a comma, a quote or a line end;
// `formula` puts the apostrophe before it.
void RowWriter::appendCsvCell(std::string_view cell, bool formula) {
  static constexpr auto kSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {',', '"', '\r', '\n'}) special[c] = true;
    return special;
  }();
  auto special = [](char c) { return kSpecial[static_cast<unsigned char>(c)]; };
  // Most cells are plain ASCII without a special character: one pass.
  auto plain = [](char c) {
    return static_cast<unsigned char>(c) < 0x80 && !kSpecial[static_cast<unsigned char>(c)];
  };
  if (std::all_of(cell.begin(), cell.end(), plain)) {
    if (formula) row_ += '\'';
    row_ += cell;
    return;
  }
  if (std::none_of(cell.begin(), cell.end(), special)) {
    if (formula) row_ += '\'';
    appendUtf8(row_, cell);
    return;
  }
  row_ += '"';
  if (formula) row_ += '\'';
  std::string text;
  appendUtf8(text, cell);
  for (char c : text) {
    if (c == '"') row_ += '"';
    row_ += c;
  }
  row_ += '"';
}

}  // namespace anglewise
