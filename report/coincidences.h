#pragma once
// Right angles and equal sides that three measures make only by
// coincidence: X = 4, inradius 1 and circumradius 2.5 make the 3-4-5
// triangle, whose right angle no enclosure can prove. Where a triangle's
// enclosures cannot tell, the simplest rational squared sides inside them
// are tried; they are kept where they meet the three measures exactly (as
// algebraic numbers, with Calcium) and no other solution's enclosures hold
// them. As every solution is proven found, such squares are the triangle's.
#include <vector>

#include "anysolve/three_measures.h"
#include "report/true_triangle.h"

namespace anglewise {

/// Decides, in place, what the squares settle: an exact right angle,
/// equal sides, and where the squares are exact at the working precision,
/// every part from them exactly. `triangles` must be every solution.
void decideCoincidences(std::vector<TriangleParts>& triangles,
                        const std::vector<anysolve::GivenMeasure>& measures);

/// Whether the triangle enclosed by `t` is exactly isosceles with its two
/// sides beside corner `apex` equal: the simplest rational squares inside
/// its sides' enclosures, equal beside the apex, meet the measures exactly.
/// Then `apexAngle` encloses that exact triangle's apex angle over pi.
bool exactlyIsosceles(const TriangleParts& t, int apex,
                      const std::vector<anysolve::GivenMeasure>& measures, exact::Ball& apexAngle);

}  // namespace anglewise
