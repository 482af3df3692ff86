#include "cli/csv_reader.h"

#include <array>
#include <cstring>
#include <new>
#include <utility>

namespace anglewise {
namespace {

using State = CsvReader::State;

// Blanks that libcsv trims from an unquoted cell's ends.
bool blank(char c) {
  return c == ' ' || c == '\t';
}

enum Byte : std::uint8_t { kOther, kBlank, kLineEnd, kComma, kQuote, kByteKinds };

constexpr std::array<Byte, 256> kKinds = [] {
  std::array<Byte, 256> kinds{};
  kinds[' '] = kinds['\t'] = kBlank;
  kinds['\r'] = kinds['\n'] = kLineEnd;
  kinds[','] = kComma;
  kinds['"'] = kQuote;
  return kinds;
}();

struct Step {
  State next;
  bool rowEnds;
};

// libcsv's own transitions (libcsv.c, csv_parse) for its default options:
// a blank line is no row, a quote inside an unquoted cell is a letter, and
// anything but a comma, a blank or a line end after a closing quote goes
// on as quoted text.
constexpr Step kSteps[6][kByteKinds] = {
    // other, blank, line end, comma, quote
    /* RowNotBegun */
    {{State::Unquoted, false},
     {State::RowNotBegun, false},
     {State::RowNotBegun, false},
     {State::FieldNotBegun, false},
     {State::Quoted, false}},
    /* FieldNotBegun */
    {{State::Unquoted, false},
     {State::FieldNotBegun, false},
     {State::RowNotBegun, true},
     {State::FieldNotBegun, false},
     {State::Quoted, false}},
    /* Unquoted */
    {{State::Unquoted, false},
     {State::Unquoted, false},
     {State::RowNotBegun, true},
     {State::FieldNotBegun, false},
     {State::Unquoted, false}},
    /* Quoted */
    {{State::Quoted, false},
     {State::Quoted, false},
     {State::Quoted, false},
     {State::Quoted, false},
     {State::QuoteSeen, false}},
    /* QuoteSeen */
    {{State::Quoted, false},
     {State::QuoteSeenSpaces, false},
     {State::RowNotBegun, true},
     {State::FieldNotBegun, false},
     {State::Quoted, false}},
    /* QuoteSeenSpaces */
    {{State::Quoted, false},
     {State::QuoteSeenSpaces, false},
     {State::RowNotBegun, true},
     {State::FieldNotBegun, false},
     {State::QuoteSeen, false}},
};

}  // namespace

CsvReader::CsvReader(CsvRowSink& sink, size_t rowBound, size_t runawayBound)
    : sink_(sink), rowBound_(rowBound), runawayBound_(runawayBound) {
  if (csv_init(&parser_, 0) != 0) throw std::bad_alloc();
}

CsvReader::~CsvReader() {
  csv_free(&parser_);
}

// The sink's exceptions (bad_alloc) must not unwind through libcsv's C
// code: they wait until csv_parse returns.
void CsvReader::onCell(void* data, size_t size, void* reader) {
  auto* self = static_cast<CsvReader*>(reader);
  if (self->thrown_) return;
  try {
    self->sink_.cell(std::string_view(static_cast<const char*>(data), data ? size : 0));
  } catch (...) {
    self->thrown_ = std::current_exception();
  }
}

void CsvReader::onRow(int, void* reader) {
  auto* self = static_cast<CsvReader*>(reader);
  if (self->thrown_) return;
  try {
    self->sink_.endRow();
  } catch (...) {
    self->thrown_ = std::current_exception();
  }
}

bool CsvReader::parse(std::string_view bytes) {
  size_t parsed = csv_parse(&parser_, bytes.data(), bytes.size(), onCell, onRow, this);
  if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
  if (parsed != bytes.size()) {
    error_ = csv_strerror(csv_error(&parser_));
    return false;
  }
  return true;
}

bool CsvReader::feed(std::string_view bytes) {
  if (ranAway_ || error_) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    if (state_ == State::RowNotBegun && !skipping_) {
      done += plainRows(bytes.substr(done));
      if (done == bytes.size()) break;
    }
    size_t used = 0;
    if (!throughRowEnd(bytes.substr(done), used)) return false;
    done += used;
  }
  return true;
}

// Most rows are one line of unquoted cells: such a line is split here, as
// libcsv would split it (cells trimmed of blanks, a blank line no row),
// without copying its cells. A line with a quote, a line longer than the
// bound and a line not yet ended are left to libcsv.
size_t CsvReader::plainRows(std::string_view bytes) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const char* line = begin;
  // The next LF at or after `line` (`end` when there is none), kept from
  // line to line, so that lines ended by CR alone cost no search to a far
  // LF each.
  const char* newline = nullptr;
  while (line < end) {
    // The line ends at the first CR or LF; memchr finds each many bytes at
    // a time.
    if (!newline || newline < line) {
      newline = static_cast<const char*>(std::memchr(line, '\n', end - line));
      if (!newline) newline = end;
    }
    const char* lineEnd = static_cast<const char*>(std::memchr(line, '\r', newline - line));
    if (!lineEnd) lineEnd = newline;
    if (lineEnd == end) break;
    if (static_cast<size_t>(lineEnd - line) > rowBound_ || std::memchr(line, '"', lineEnd - line)) {
      break;
    }
    const char* first = line;
    while (first < lineEnd && blank(*first)) ++first;
    if (first < lineEnd) plainRow(line, lineEnd);  // a line of blanks is no row
    line = lineEnd + 1;
  }
  return static_cast<size_t>(line - begin);
}

// A plain line's cells, given as one row while they are few; a line of
// many cells is given cell by cell.
void CsvReader::plainRow(const char* line, const char* lineEnd) {
  constexpr size_t kFew = 32;
  std::array<std::string_view, kFew> few;
  size_t count = 0;
  for (const char* cell = line;;) {
    const char* comma = static_cast<const char*>(std::memchr(cell, ',', lineEnd - cell));
    const char* from = cell;
    const char* to = comma ? comma : lineEnd;
    while (from < to && blank(*from)) ++from;
    while (to > from && blank(to[-1])) --to;
    std::string_view text(from, static_cast<size_t>(to - from));
    if (count < kFew) {
      few[count] = text;
    } else {
      if (count == kFew) {
        for (std::string_view before : few) sink_.cell(before);
      }
      sink_.cell(text);
    }
    ++count;
    if (!comma) break;
    cell = comma + 1;
  }
  if (count <= kFew) return sink_.row(std::span(few).first(count));
  sink_.endRow();
}

void CsvRowSink::row(std::span<const std::string_view> cells) {
  for (std::string_view text : cells) cell(text);
  endRow();
}

// libcsv's way, with the row bound watched beside it, up to and including
// the end of the current row (or to the end of `bytes`).
bool CsvReader::throughRowEnd(std::string_view bytes, size_t& used) {
  // Locals, so that the loop keeps them in registers.
  State state = state_;
  size_t rowBytes = rowBytes_;
  size_t start = 0;  // the first byte libcsv has not been given
  for (size_t i = 0; i < bytes.size(); ++i) {
    Step step = kSteps[static_cast<int>(state)][kKinds[static_cast<unsigned char>(bytes[i])]];
    state = step.next;
    if (step.rowEnds) {
      state_ = state;
      rowBytes_ = 0;
      used = i + 1;
      if (skipping_) {
        skipping_ = false;
        return true;
      }
      return parse(bytes.substr(start, used - start));
    }
    if (state != State::RowNotBegun && ++rowBytes > rowBound_) {
      if (skipping_) {
        if (rowBytes > runawayBound_) {
          ranAway_ = true;
          return false;
        }
        continue;
      }
      // The row up to its bound, then libcsv forgets the unfinished cell.
      state_ = state;
      rowBytes_ = rowBytes;
      if (!parse(bytes.substr(start, i - start))) return false;
      csv_fini(&parser_, nullptr, nullptr, nullptr);
      skipping_ = true;
      sink_.overlongRow();
    }
  }
  state_ = state;
  rowBytes_ = rowBytes;
  used = bytes.size();
  return skipping_ || parse(bytes.substr(start));
}

void CsvReader::finish() {
  if (!skipping_ && !ranAway_ && !error_) {
    csv_fini(&parser_, onCell, onRow, this);
    if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
  }
  state_ = State::RowNotBegun;
  skipping_ = false;
  rowBytes_ = 0;
}

}  // namespace anglewise
