#include "cli/row_writer.h"

#include <emmintrin.h>

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

// Whether any of the sixteen bytes is not ASCII, a comma, a quote or a
// line end.
bool anyCare(Lanes bytes) {
  Lanes care = (bytes == ',') | (bytes == '"') | (bytes == '\r') | (bytes == '\n') | (bytes < 0);
  std::uint64_t halves[2];
  std::memcpy(halves, &care, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

template <typename Word>
Word load(const char* p) {
  Word word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Two words as sixteen bytes, in registers: through memory, the two stores
// would hold the load up.
Lanes lanesOf(std::uint64_t low, std::uint64_t high) {
  return reinterpret_cast<Lanes>(
      _mm_unpacklo_epi64(_mm_cvtsi64_si128(static_cast<long long>(low)),
                         _mm_cvtsi64_si128(static_cast<long long>(high))));
}

// Whether any of the `n` bytes at `p` is not ASCII, a comma, a quote or a
// line end. A short text is read as two words that may overlap, so that
// no byte past it is read, and no load is wider than the stores that may
// just have written the text (such a load would wait for them to land).
bool needsCare(const char* p, size_t n) {
  if (n >= 16) {
    for (size_t i = 0; i + 16 <= n; i += 16) {
      if (anyCare(load<Lanes>(p + i))) return true;
    }
    return n % 16 != 0 && anyCare(load<Lanes>(p + n - 16));
  }
  if (n >= 8) return anyCare(lanesOf(load<std::uint64_t>(p), load<std::uint64_t>(p + n - 8)));
  if (n >= 4) {
    auto first = load<std::uint32_t>(p), last = load<std::uint32_t>(p + n - 4);
    return anyCare(lanesOf(first | std::uint64_t{last} << 32, 0));
  }
  std::uint64_t bytes = 0;
  for (size_t i = 0; i < n; ++i)
    bytes |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  return anyCare(lanesOf(bytes, 0));
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
  if (needsCare(cell.data(), cell.size())) return false;
  char* out = quick_ + quickSize_;
  if (!firstCell_) *out++ = ',';
  if (!cell.empty()) std::memcpy(out, cell.data(), cell.size());
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
