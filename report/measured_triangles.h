#pragma once
// The true triangles behind three measures of any kinds (heights, medians,
// bisectors, area, perimeter, the two radii, sides and angles): the proven
// shapes of the search, sized by the reference measure, as the report's
// parts at the working precision.
#include <optional>
#include <vector>

#include "anysolve/mirror_search.h"
#include "anysolve/three_measures.h"
#include "report/true_triangle.h"

namespace anglewise {

/// The precision the search runs at, and so where the report's passes over
/// its roots start: enough for every box it needs to tell apart.
inline constexpr long kSearchBits = 128;

/// Where the search left shapes unsettled next to the isosceles ones of
/// mirror pairs: a band around them for each apex, searched again in the
/// mirror's coordinates (anysolve/mirror_search.h), and what each of the
/// bands' roots makes.
struct MirrorSettling {
  std::vector<anysolve::MirrorSearch> bands;
  std::vector<size_t> kept;  ///< the search's own roots, those outside every band
  /// For each band, for each of its roots: 2 (a mirror pair), 1 (the
  /// isosceles triangle, decided exactly), 0 (no triangle: c > 1), or -1
  /// where no precision tells (c = 1 not proven).
  std::vector<std::vector<int>> made;
  /// How many roots made `count`.
  size_t making(int count) const;
};

/// The plan and its search, made once for every precision of the report.
struct MeasuredSearch {
  anysolve::ShapePlan plan;
  anysolve::ShapeSearch search;
  std::optional<MirrorSettling> mirror;
};

/// Whether the search proved how many triangles there are.
bool countProven(const MeasuredSearch& found);

MeasuredSearch searchMeasures(const std::vector<anysolve::GivenMeasure>& measures);

/// Every triangle, and why so many, at the working precision.
Solutions measuredSolutions(const MeasuredSearch& found);

}  // namespace anglewise
