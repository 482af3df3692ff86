#include "report/measured_triangles.h"

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
  if (f.plan.fixedShape)
    return "the angles fix the shape and " + std::string(anysolve::info(f.plan.reference).name) +
           " its size";
  std::string how = count == 1 ? "its shape is proven the only one in a box (Krawczyk's test)"
                               : "each shape is proven the only one in its box (Krawczyk's test)";
  return how + ", and every other shape is ruled out";
}

}  // namespace

MeasuredSearch searchMeasures(const std::vector<GivenMeasure>& measures) {
  MeasuredSearch found;
  found.plan = anysolve::planShapes(measures);
  if (!found.plan.refusal.empty() || found.plan.fixedShape) return found;
  exact::WorkingPrecision precision(kSearchBits);
  found.search = anysolve::searchShapes(found.plan.problem);
  return found;
}

Solutions measuredSolutions(const MeasuredSearch& f) {
  Solutions out;
  const anysolve::ShapePlan& plan = f.plan;
  std::string decided = plan.decided.empty() ? "" : plan.decided + "; ";
  if (!plan.refusal.empty()) {
    out.why = decided + plan.refusal;
    return out;
  }
  if (plan.fixedShape) {
    Ball shape[3];
    for (int i = 0; i < 3; ++i) shape[i] = *plan.degrees[i] / 180L;
    out.triangles.push_back(partsOf(f, shape));
  } else {
    for (const anysolve::ShapeRoot& root : f.search.roots) {
      Ball shape[3];
      anysolve::rootAngles(plan.problem, f.search, root, shape);
      out.triangles.push_back(partsOf(f, shape));
    }
  }
  for (TriangleParts& t : out.triangles) {
    if (plan.isosceles) t.equalCorners = 1u << plan.apex;
  }
  // Every solution is found: a right angle or equal sides that only the
  // values' coincidence makes can be decided exactly.
  if (!plan.fixedShape && f.search.unsettledBoxes == 0) {
    decideCoincidences(out.triangles, plan.measures);
  }
  size_t n = out.triangles.size();
  std::string names = namesOf(plan.measures);
  if (f.search.unsettledBoxes > 0) {
    out.why = decided + (n == 0 ? "none proven" : "at least " + triangleCount(n)) + ": " + names +
              " were searched for every shape, and some shapes near where two solutions meet "
              "could not be settled";
    return out;
  }
  out.why = decided + (n == 0 ? "no shape meets " + names + ": every shape is ruled out"
                              : names + " fix " + triangleCount(n) + ": " + shapesProven(f, n));
  return out;
}

}  // namespace anglewise
