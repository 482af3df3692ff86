#include "report/measured_triangles.h"

#include <algorithm>

#include "exact/degrees.h"
#include "report/coincidences.h"
#include "report/corner_points.h"
#include "report/triangle_report.h"

namespace anglewise {
namespace {

using anysolve::GivenMeasure;
using anysolve::Measure;
using exact::Ball;

std::string namesOf(const std::vector<GivenMeasure>& measures) {
  std::string out;
  for (size_t i = 0; i < measures.size(); ++i) {
    out += i == 0 ? "" : i + 1 == measures.size() ? " and " : ", ";
    out += anysolve::info(measures[i].measure).name;
  }
  return out;
}

const std::optional<double> givenValue(const MeasuredSearch& f, Measure m) {
  for (const GivenMeasure& g : f.plan.measures) {
    if (g.measure == m) return g.value;
  }
  return std::nullopt;
}

TriangleParts partsOf(const MeasuredSearch& f, const Ball (&shape)[3]) {
  const anysolve::ShapePlan& plan = f.plan;
  Ball degrees[3], sine[3];
  for (int i = 0; i < 3; ++i) {
    if (plan.degrees[i]) {
      degrees[i] = *plan.degrees[i];
      sine[i] = exact::sinCosDegrees(degrees[i]).sin;
    } else {
      degrees[i] = shape[i] * 180L;
      Ball cosine;
      exact::sinCosPi(shape[i], sine[i], cosine);
    }
  }
  // The size: the reference measure over its value on the unit-diameter
  // shape (an area's square root).
  Ball ratio = Ball(plan.referenceValue) / anysolve::referenceOfShape(plan.problem, shape);
  Ball scale = anysolve::info(plan.reference).dimension == 2 ? sqrt(ratio) : ratio;
  TriangleParts t;
  t.A = degrees[0], t.B = degrees[1], t.C = degrees[2];
  // Side X faces B, Y faces A, Z faces C; a side given is kept exact.
  const std::pair<Ball*, int> sides[] = {{&t.X, 1}, {&t.Y, 0}, {&t.Z, 2}};
  const Measure names[] = {Measure::X, Measure::Y, Measure::Z};
  int sidesGiven = 0;
  for (int i = 0; i < 3; ++i) {
    std::optional<double> given = givenValue(f, names[i]);
    *sides[i].first = given ? Ball(*given) : scale * sine[sides[i].second];
    sidesGiven += given.has_value();
  }
  std::optional<double> perimeter = givenValue(f, Measure::Perimeter);
  if (perimeter && sidesGiven == 2) {
    // The third side is the perimeter less the other two, exactly: its
    // digits may sit on a tie that only the exact value decides.
    for (int i = 0; i < 3; ++i) {
      if (!givenValue(f, names[i])) {
        *sides[i].first = Ball(*perimeter) - *sides[(i + 1) % 3].first - *sides[(i + 2) % 3].first;
      }
    }
  }
  t.s = perimeter ? exact::scaled2(Ball(*perimeter), -1) : exact::scaled2(t.X + t.Y + t.Z, -1);
  t.dX = t.s - t.X, t.dY = t.s - t.Y, t.dZ = t.s - t.Z;
  if (t.X.exact() && t.Y.exact() && t.Z.exact()) {
    // Sides known exactly: the angles from them, right angles and equal
    // sides decided exactly.
    std::string why;
    if (std::optional<TriangleParts> exactParts =
            partsFromSquares(sqr(t.X), sqr(t.Y), sqr(t.Z), why)) {
      return *exactParts;
    }
  }
  std::optional<double> area = givenValue(f, Measure::Area);
  t.area = area ? Ball(*area) : exact::scaled2(t.X * t.Z * sine[0], -1);
  return t;
}

std::string shapesProven(const MeasuredSearch& f, size_t count) {
  if (!f.plan.shapeFixedBy.empty()) return f.plan.shapeFixedBy;
  if (f.plan.fixedShape)
    return "the angles fix the shape and " + std::string(anysolve::info(f.plan.reference).name) +
           " its size";
  std::string how = count == 1 ? "its shape is proven the only one in a box (Krawczyk's test)"
                               : "each shape is proven the only one in its box (Krawczyk's test)";
  return how + ", and every other shape is ruled out";
}

// The angles over pi of a shape with apex angle g whose other two angles
// are (1 - g) / 2 + d and (1 - g) / 2 - d.
void pairAngles(int apex, const Ball& g, const Ball& d, Ball (&shape)[3]) {
  Ball halfSum = exact::scaled2(Ball(1L) - g, -1);
  shape[apex] = g;
  shape[(apex + 1) % 3] = halfSum + d;
  shape[(apex + 2) % 3] = halfSum - d;
}

// What a root of the mirror band makes (MirrorSettling::made): c against
// 1 at rising precision, and c = 1 decided exactly where the isosceles
// triangle meets the measures as algebraic numbers.
int madeByMirrorRoot(const MeasuredSearch& f, const anysolve::MirrorSearch& band,
                     const anysolve::MirrorRoot& root) {
  const anysolve::MirrorBand& b = band.band;
  for (long bits = kSearchBits; bits <= 2048; bits *= 2) {
    exact::WorkingPrecision precision(bits);
    Ball g, c;
    anysolve::mirrorRootShape(f.plan.problem, b, root, g, c);
    int side = exact::compareOr(c, Ball(1L), exact::kUndecided);
    if (side != exact::kUndecided) return side < 0 ? 2 : side > 0 ? 0 : 1;
    Ball shape[3], exactApex;
    pairAngles(b.apex, g, Ball(), shape);
    // The exact isosceles triangle is the box's root where its apex angle
    // lies in the box (c = 1 does: the tight c holds it).
    if (exactlyIsosceles(partsOf(f, shape), b.apex, f.plan.measures, exactApex) &&
        (b.apexGiven || arb_contains(root.coordinate[0].get(), exactApex.get()))) {
      return 1;
    }
  }
  return -1;
}

// The angles over pi of a band's root with apex angle g and c: the pair's
// first (P > Q) where c < 1, the isosceles shape where c holds 1.
void rootShape(int apex, const Ball& g, const Ball& c, Ball (&shape)[3]) {
  // (P - Q) / 2 = acos c, over pi.
  Ball d = exact::atan2(anysolve::sqrtPos(Ball(1L) - sqr(c)), c) / exact::pi();
  pairAngles(apex, g, d, shape);
}

// Each unsettled region to the apex whose two other angles it holds
// closest together: the isosceles shapes it lies next to.
std::vector<std::vector<anysolve::AngleHull>> hullsByApex(
    const std::vector<int>& apexes, const std::vector<anysolve::AngleHull>& hulls) {
  std::vector<std::vector<anysolve::AngleHull>> out(3);
  for (const anysolve::AngleHull& h : hulls) {
    int best = apexes.front();
    double least = 2;
    for (int apex : apexes) {
      int p = (apex + 1) % 3, q = (apex + 2) % 3;
      double gap = std::max(h.high[p] - h.low[q], h.high[q] - h.low[p]);
      if (gap < least) least = gap, best = apex;
    }
    out[static_cast<size_t>(best)].push_back(h);
  }
  return out;
}

// Which bands hold the shape: -1 where one cannot tell, else how many.
int bandsHolding(const std::vector<anysolve::MirrorSearch>& bands, const Ball (&shape)[3]) {
  int holding = 0;
  for (const anysolve::MirrorSearch& b : bands) {
    int side = anysolve::anglesInBand(b.band, shape);
    if (side < 0) return -1;
    holding += side;
  }
  return holding;
}

// The bands around the unsettled shapes, searched as mirror pairs: settled
// where every box of every band is, and every root of the search and of
// the bands is told inside or outside each band, and no root lies in two
// (a wider band is tried where one sits on an edge).
std::optional<MirrorSettling> settleMirror(const MeasuredSearch& f) {
  const anysolve::ShapeProblem& problem = f.plan.problem;
  std::vector<int> apexes = anysolve::mirrorApexes(problem);
  if (apexes.empty()) return std::nullopt;
  std::vector<std::vector<anysolve::AngleHull>> groups = hullsByApex(apexes, f.search.unsettled);
  for (double widen : {1.0, 1.5, 2.25}) {
    MirrorSettling settling;
    bool settled = true;
    for (int apex = 0; apex < 3 && settled; ++apex) {
      const std::vector<anysolve::AngleHull>& group = groups[static_cast<size_t>(apex)];
      if (group.empty()) continue;
      std::optional<anysolve::MirrorBand> band = anysolve::bandAround(problem, apex, group, widen);
      if (!band) return std::nullopt;
      settling.bands.push_back(anysolve::searchMirror(problem, *band));
      settled = settling.bands.back().unsettledBoxes == 0;
    }
    if (!settled) continue;
    bool told = true;
    for (size_t i = 0; i < f.search.roots.size() && told; ++i) {
      Ball shape[3];
      anysolve::rootAngles(problem, f.search, f.search.roots[i], shape);
      int holding = bandsHolding(settling.bands, shape);
      told = holding >= 0;
      if (holding == 0) settling.kept.push_back(i);
    }
    for (anysolve::MirrorSearch& b : settling.bands) {
      std::vector<anysolve::MirrorRoot> inside;
      for (const anysolve::MirrorRoot& root : b.roots) {
        if (!told) break;
        Ball g, c, shape[3];
        anysolve::mirrorRootShape(problem, b.band, root, g, c);
        int side = anysolve::inBand(b.band, g, c);
        told = side >= 0;
        if (side != 1) continue;
        inside.push_back(root);
        // A shape of two bands would be counted twice.
        rootShape(b.band.apex, g, c, shape);
        told = exact::compareOr(c, Ball(1L), exact::kUndecided) == 1 ||
               bandsHolding(settling.bands, shape) == 1;
      }
      b.roots = inside;
    }
    if (!told) continue;
    for (const anysolve::MirrorSearch& b : settling.bands) {
      settling.made.emplace_back();
      for (const anysolve::MirrorRoot& root : b.roots) {
        settling.made.back().push_back(madeByMirrorRoot(f, b, root));
      }
    }
    return settling;
  }
  return std::nullopt;
}

// The triangles the bands' roots make, at the working precision: both of
// a pair, or the isosceles one where a pair merges.
void addMirrorTriangles(const MeasuredSearch& f, std::vector<TriangleParts>& triangles) {
  for (size_t b = 0; b < f.mirror->bands.size(); ++b) {
    const anysolve::MirrorSearch& band = f.mirror->bands[b];
    int apex = band.band.apex;
    for (size_t i = 0; i < band.roots.size(); ++i) {
      int made = f.mirror->made[b][i];
      if (made <= 0) continue;
      Ball g, c, shape[3];
      anysolve::mirrorRootShape(f.plan.problem, band.band, band.roots[i], g, c);
      if (made == 1) {
        pairAngles(apex, g, Ball(), shape);
        TriangleParts t = partsOf(f, shape);
        t.equalCorners |= 1u << apex;
        triangles.push_back(t);
        continue;
      }
      rootShape(apex, g, c, shape);
      triangles.push_back(partsOf(f, shape));
      std::swap(shape[(apex + 1) % 3], shape[(apex + 2) % 3]);
      triangles.push_back(partsOf(f, shape));
    }
  }
}

}  // namespace

MeasuredSearch searchMeasures(const std::vector<GivenMeasure>& measures) {
  MeasuredSearch found;
  found.plan = anysolve::planShapes(measures);
  if (!found.plan.refusal.empty() || found.plan.fixedShape) return found;
  exact::WorkingPrecision precision(kSearchBits);
  found.search = anysolve::searchShapes(found.plan.problem);
  if (found.search.unsettledBoxes > 0) found.mirror = settleMirror(found);
  return found;
}

size_t MirrorSettling::making(int count) const {
  size_t n = 0;
  for (const std::vector<int>& band : made)
    n += static_cast<size_t>(std::count(band.begin(), band.end(), count));
  return n;
}

bool countProven(const MeasuredSearch& f) {
  return f.search.unsettledBoxes == 0 || (f.mirror && f.mirror->making(-1) == 0);
}

Solutions measuredSolutions(const MeasuredSearch& f) {
  Solutions out;
  const anysolve::ShapePlan& plan = f.plan;
  std::string decided = plan.decided.empty() ? "" : plan.decided + "; ";
  if (!plan.refusal.empty()) {
    out.why = decided + plan.refusal;
    return out;
  }
  std::string unused;
  std::optional<TriangleParts> fromSquares;
  if (plan.sideSquares) {
    const auto& [XX, YY, ZZ] = *plan.sideSquares;
    fromSquares = partsFromSquares(XX, YY, ZZ, unused);
  }
  if (fromSquares) {
    out.triangles.push_back(*fromSquares);
  } else if (plan.fixedShape) {
    Ball shape[3];
    for (int i = 0; i < 3; ++i) shape[i] = *plan.degrees[i] / 180L;
    out.triangles.push_back(partsOf(f, shape));
  } else {
    for (size_t i = 0; i < f.search.roots.size(); ++i) {
      if (f.mirror &&
          std::find(f.mirror->kept.begin(), f.mirror->kept.end(), i) == f.mirror->kept.end()) {
        continue;  // inside the mirror band, which counts it
      }
      Ball shape[3];
      anysolve::rootAngles(plan.problem, f.search, f.search.roots[i], shape);
      out.triangles.push_back(partsOf(f, shape));
    }
    if (f.mirror) addMirrorTriangles(f, out.triangles);
  }
  for (TriangleParts& t : out.triangles) {
    if (plan.isosceles) t.equalCorners = 1u << plan.apex;
  }
  bool proven = countProven(f);
  // Every solution is found: a right angle or equal sides that only the
  // values' coincidence makes can be decided exactly (given angles decide
  // their own).
  if ((!plan.fixedShape || !plan.degreesExact) && proven) {
    decideCoincidences(out.triangles, plan.measures);
  }
  size_t n = out.triangles.size();
  std::string names = namesOf(plan.measures);
  if (f.mirror && !proven) {
    size_t open = f.mirror->making(-1);
    out.why = decided + "between " + triangleCount(n) + " and " + triangleCount(n + 2 * open) +
              ": " + names +
              " were searched for every shape, and they sit where two mirror "
              "images merge into one isosceles triangle, too close for any precision to tell "
              "whether they meet there, on either side or not at all";
    return out;
  }
  if (!proven) {
    out.why = decided + (n == 0 ? "none proven" : "at least " + triangleCount(n)) + ": " + names +
              " were searched for every shape, and some shapes near where two solutions meet "
              "could not be settled";
    return out;
  }
  out.why = decided + (n == 0 ? "no shape meets " + names + ": every shape is ruled out"
                              : names + " fix " + triangleCount(n) + ": " + shapesProven(f, n));
  if (f.mirror) {
    bool merged = f.mirror->making(1) > 0;
    out.why += std::string("; next to the isosceles shapes each pair of mirror images was ") +
               "searched as one shape" +
               (merged ? ", and the isosceles triangle where a pair merges decided exactly" : "");
  }
  return out;
}

}  // namespace anglewise
