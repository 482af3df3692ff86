#pragma once
// Batch rows of any three measures: a header of measure names (X ... C,
// hX ... tC, area, perimeter, inradius, circumradius) with id and places,
// each row's filled cells the measures it gives. Each answer row gives the
// count, whether it is proven, why, and every value of each triangle in
// numbered column groups (t1_X ... t6_type_angles); a JSON line gives a
// group for every triangle, however many.
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/row_writer.h"

namespace anglewise {

/// What one column of an any-measures file holds: the id, the places, a
/// measure (its index in anysolve::measures()) or nothing (an empty name
/// at the header's end).
struct AnyColumn {
  enum Kind { Id, Places, Measure, Unnamed } kind = Unnamed;
  size_t measure = 0;
};

/// Whether a header names measures beyond the window's (and no kind): the
/// file is then read as any three measures without --any.
bool namesAnyMeasures(std::span<const std::string_view> names);

/// The columns of `names`, or the sentence that says which name is not one.
std::optional<std::string> readAnyHeader(std::span<const std::string_view> names,
                                         std::vector<AnyColumn>& columns);

/// One row read: its id, places and measures given (by name and text).
struct AnyRow {
  std::string id;
  int places = 12;
  std::vector<std::pair<std::string, std::string>> measures;
};

/// Reads a row's cells under `columns` (`count` cells in all, those kept
/// in `cells`); the sentence where they cannot be read. The id is read
/// first, so that such a row still answers under it.
std::optional<std::string> readAnyRow(const std::vector<AnyColumn>& columns,
                                      std::span<const std::string_view> cells, size_t count,
                                      AnyRow& row);

/// Solves `row` and writes its answer; false where it made no triangle or
/// was refused.
bool writeAnyRow(RowWriter& out, const AnyRow& row, bool jsonl);
/// The answer row of a row that could not be read.
void writeAnyErrorRow(RowWriter& out, std::string_view id, const std::string& reason, bool jsonl);

}  // namespace anglewise
