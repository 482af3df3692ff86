#pragma once
// A triangle given by its three corners, as points in the plane or in
// space: the sides from the squared distances (exact where they are whole
// squares), the angles exact where their cosines say so.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "report/true_triangle.h"

namespace anglewise {

/// The corners A, B and C (z = 0 for points in the plane). Side X runs
/// from A to C, Y from B to C, Z from A to B.
using CornerPoints = std::array<std::array<double, 3>, 3>;

/// The triangle, or none where two corners meet or all three lie on one
/// line; at the working precision.
Solutions cornerSolutions(const CornerPoints& corners);

/// The triangle of sides whose squares are exact, or none (and `why`)
/// where they do not close.
std::optional<TriangleParts> partsFromSquares(const exact::Ball& XX, const exact::Ball& YY,
                                              const exact::Ball& ZZ, std::string& why);

}  // namespace anglewise
