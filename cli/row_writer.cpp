#include "cli/row_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// Sixteen bytes, compared all at once (the compiler's vector extension).
using Lanes = signed char __attribute__((vector_size(16)));

// Whether any of the `n` bytes at `p` is not ASCII, a comma, a quote or a
// line end; the bytes up to the next multiple of 16 after them are read too.
bool needsCare(const char* p, size_t n) {
  static constexpr Lanes kIndex = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  for (size_t i = 0; i < n; i += 16) {
    Lanes bytes;
    std::memcpy(&bytes, p + i, sizeof bytes);
    Lanes care = (bytes == ',') | (bytes == '"') | (bytes == '\r') | (bytes == '\n') | (bytes < 0);
    care &= kIndex < static_cast<signed char>(std::min<size_t>(n - i, 16));
    std::uint64_t halves[2];
    std::memcpy(halves, &care, sizeof halves);
    if ((halves[0] | halves[1]) != 0) return true;
  }
  return false;
}

bool special(unsigned char c) {
  return c == ',' || c == '"' || c == '\r' || c == '\n';
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
  if (!quickCsvCell(value)) {
    flushQuick();
    if (!firstCell_) row_ += ',';
    appendCsvCell(value, false);
  }
  firstCell_ = false;
}

// The cell (after its comma) copied into the quick room, if it fits and
// needs no care; else nothing is kept of it.
bool RowWriter::quickCsvCell(std::string_view cell) {
  if (cell.size() + 1 > kQuickRoom - quickSize_) return false;
  char* out = quick_ + quickSize_;
  if (!firstCell_) *out++ = ',';
  if (!cell.empty()) std::memcpy(out, cell.data(), cell.size());
  if (needsCare(out, cell.size())) return false;
  quickSize_ = static_cast<size_t>(out + cell.size() - quick_);
  return true;
}

void RowWriter::flushQuick() {
  row_.append(quick_, quickSize_);
  quickSize_ = 0;
}

void RowWriter::text(std::string_view name, std::string_view value) {
  if (jsonl_ || !looksLikeFormula(value)) return cell(name, value);
  if (!wroteHeader_) {
    if (!firstCell_) names_ += ',';
    names_ += name;
  }
  flushQuick();
  if (!firstCell_) row_ += ',';
  appendCsvCell(value, true);
  firstCell_ = false;
}

void RowWriter::end() {
  if (jsonl_) {
    json_->endObject();
    row_ += '\n';
  } else {
    flushQuick();
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
// `formula` puts the apostrophe before it. (Plain cells mostly take the
// quick way, in cell().)
void RowWriter::appendCsvCell(std::string_view cell, bool formula) {
  auto isSpecial = [](char c) { return special(static_cast<unsigned char>(c)); };
  if (std::none_of(cell.begin(), cell.end(), isSpecial)) {
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
