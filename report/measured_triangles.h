#pragma once
// The true triangles behind three measures of any kinds (heights, medians,
// bisectors, area, perimeter, the two radii, sides and angles): the proven
// shapes of the search, sized by the reference measure, as the report's
// parts at the working precision.
#include <vector>

#include "anysolve/three_measures.h"
#include "report/true_triangle.h"

namespace anglewise {

/// The precision the search runs at, and so where the report's passes over
/// its roots start: enough for every box it needs to tell apart.
inline constexpr long kSearchBits = 128;

/// The plan and its search, made once for every precision of the report.
struct MeasuredSearch {
  anysolve::ShapePlan plan;
  anysolve::ShapeSearch search;
};

MeasuredSearch searchMeasures(const std::vector<anysolve::GivenMeasure>& measures);

/// Every triangle, and why so many, at the working precision.
Solutions measuredSolutions(const MeasuredSearch& found);

}  // namespace anglewise
