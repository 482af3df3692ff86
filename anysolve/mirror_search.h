#pragma once
// Mirror images that merge. Where every measure of a problem is the same
// for a triangle and for its mirror image across the bisector of one
// corner, the apex (hZ, the perimeter and the circumradius are the same
// with A and B swapped), the shapes come in mirror pairs, and a pair meets
// in an isosceles shape where the two merge: there the equations' Jacobian
// is singular, and no box of the shape search around it can be proven.
//
// In coordinates that see a pair as one point, the apex angle g (over pi)
// and c = cos((P - Q) / 2) of the other two angles P and Q, every such
// measure is a smooth function of c (the two sides beside the apex sum to
// 2 sin s c and multiply to c^2 - cos^2 s, s = (P + Q) / 2), and the pair
// is one simple root: c < 1 a pair, c = 1 the isosceles shape, c > 1 no
// triangle. These coordinates search a band around the isosceles shapes,
// away from the flat and needle-thin ones, that the shape search left
// unsettled.
#include <optional>
#include <vector>

#include "anysolve/shape_search.h"

namespace anglewise::anysolve {

/// The corners whose mirror images keep every measure of the problem
/// (each corner's two other angles make its pairs): none, one, or all
/// three (the area, the perimeter and the circumradius).
std::vector<int> mirrorApexes(const ShapeProblem& problem);

struct MirrorBand {
  int apex = 2;
  /// The apex angle over pi: searched between these, or given.
  double apexLow = 0, apexHigh = 0;
  std::optional<Ball> apexGiven;
  /// The band's shapes have c = cos(pi (P - Q) / 2) at least this (exact).
  double lowestC = 1;
  int dimensions() const { return apexGiven ? 1 : 2; }
};

/// The band that holds every hull with room around it (`widen` >= 1 gives
/// more), or nothing where it would reach a flat or needle-thin shape.
std::optional<MirrorBand> bandAround(const ShapeProblem& problem, int apex,
                                     const std::vector<AngleHull>& hulls, double widen);

struct MirrorRoot {
  /// The apex angle and c (c alone where the apex is given), proven the
  /// only root in this box.
  Ball coordinate[2];
};

struct MirrorSearch {
  MirrorBand band;
  std::vector<MirrorRoot> roots;
  int unsettledBoxes = 0;
};

/// Every root over the band's apex angles and c from lowestC to as far
/// above 1, at the working precision.
MirrorSearch searchMirror(const ShapeProblem& problem, const MirrorBand& band);

/// The root's apex angle (over pi) and c, tightened at the working
/// precision.
void mirrorRootShape(const ShapeProblem& problem, const MirrorBand& band, const MirrorRoot& root,
                     Ball& apexAngle, Ball& c);

/// Where the shape with apex angle g and c lies: 1 inside the band, 0
/// outside, -1 where the enclosures cannot tell.
int inBand(const MirrorBand& band, const Ball& g, const Ball& c);
/// The same for a shape given by its angles over pi.
int anglesInBand(const MirrorBand& band, const Ball (&angles)[3]);

}  // namespace anglewise::anysolve
