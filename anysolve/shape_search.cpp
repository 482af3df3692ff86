#include "anysolve/shape_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

#include "anysolve/corner_ratios.h"
#include "anysolve/dual.h"
#include "anysolve/factored.h"
#include "anysolve/interval.h"
#include "anysolve/krawczyk.h"
#include "anysolve/mirror_search.h"
#include "anysolve/shape_measures.h"
#include "exact/decide.h"

namespace anglewise::anysolve {

Ball ShapeEquation::ratio() const {
  auto root = [](Measure m, double v) { return info(m).dimension == 2 ? sqrt(Ball(v)) : Ball(v); };
  return root(measure, value) / root(reference, referenceValue);
}

Ball Chart::rho() const {
  return Ball(1L) - Ball(degrees) / 180L;
}

namespace {

long bits() {
  return exact::WorkingPrecision::bits();
}

struct Box {
  int chart = 0;
  int skipKrawczyk = 0;  ///< halvings before Krawczyk's test can contract
  // Exact ends: dyadic fractions of any depth, so a box can shrink toward
  // t = 1 as far as toward 0.
  Ball low[2], high[2];
  template <class E = Ball>
  E coordinate(int i) const {
    return span<E>(low[i], high[i]);
  }
  double width(int i) const {
    std::optional<double> l = low[i].exactDouble(), h = high[i].exactDouble();
    return l && h ? *h - *l : (high[i] - low[i]).estimate();
  }
};

template <class T>
ShapeAngles<T> chartAngles(const Chart& c, const T& rho, const T& t, const T& u, const T& one) {
  ShapeAngles<T> s;
  s.big = c.big, s.first = c.first, s.second = c.second;
  if (c.kind == Chart::Kind::Isosceles) {
    T half = rho / 2L;
    for (int side : {c.first, c.second}) s.angle[side] = half, s.rest[side] = one - half;
    s.angle[c.big] = u;
    s.rest[c.big] = rho;
    s.difference = half - half;
    return withSines(s);
  }
  s.angle[c.first] = rho * t;
  s.rest[c.first] = one - s.angle[c.first];
  s.angle[c.second] = rho * u;
  s.rest[c.second] = one - s.angle[c.second];
  s.angle[c.big] = one - rho;
  s.rest[c.big] = rho;
  s.difference = s.angle[c.first] - s.angle[c.second];
  return withSines(s);
}

template <class T>
T power(const T& x, int n, const T& one) {
  T out = one;
  for (int i = 0; i < n; ++i) out = out * x;
  return out;
}

template <class T>
ShapeAngles<T> monomialAngles(const Chart& c, const T& p, const T& q, const T& one) {
  T rho = power(p, c.rhoPowers[0], one) * power(q, c.rhoPowers[1], one);
  T tiny = power(p, c.tinyPowers[0], one) * power(q, c.tinyPowers[1], one);
  ShapeAngles<T> s;
  s.big = c.big, s.first = c.first, s.second = c.second;
  if (c.median) {
    s.difference = tiny * c.sign;
    s.angle[c.first] = (rho + s.difference) / 2L;
    s.angle[c.second] = (rho - s.difference) / 2L;
  } else {
    s.angle[c.first] = tiny;
    s.angle[c.second] = rho - tiny;
    s.difference = s.angle[c.first] - s.angle[c.second];
  }
  s.rest[c.first] = one - s.angle[c.first];
  s.rest[c.second] = one - s.angle[c.second];
  s.angle[c.big] = one - rho;
  s.rest[c.big] = rho;
  return withSines(s);
}

template <class T>
T dimensionRoot(const T& v, Measure m) {
  return info(m).dimension == 2 ? sqrt(v) : v;
}

// Each equation's measure over its reference, both as lengths (the first
// n equations'), the common reference evaluated once; two measures from
// one corner in their closed form.
template <class T>
void equationRatios(const ShapeProblem& p, const ShapeAngles<T>& s, int n, T (&out)[2]) {
  T reference = dimensionRoot(shapeMeasure(p.reference, s), p.reference);
  for (int i = 0; i < n; ++i) {
    const ShapeEquation& e = p.equations[static_cast<size_t>(i)];
    if (sameCorner(e.measure, e.reference)) {
      out[i] = cornerRatio(e.measure, e.reference, s);
      continue;
    }
    T own = e.reference == p.reference ? reference
                                       : dimensionRoot(shapeMeasure(e.reference, s), e.reference);
    out[i] = dimensionRoot(shapeMeasure(e.measure, s), e.measure) / own;
  }
}

// The chart's angles from its small coordinates, already set: the
// monomial chart's p and q, the plane's rho, t and 1 - t, a line's x and
// 1 - x. `rho` is a line chart's constant rho.
template <class V>
ShapeAngles<Factored<V>> anglesOfSmall(const Chart& c, const SmallCoordinates<V>& small,
                                       const V& rho) {
  using F = Factored<V>;
  F one = F::constant(small, V(1L));
  if (c.kind == Chart::Kind::Monomial) {
    return monomialAngles(c, F::coordinate(small, 0), F::coordinate(small, 1), one);
  }
  if (c.kind == Chart::Kind::Plane) {
    return chartAngles(c, F::coordinate(small, 0), F::coordinate(small, 1), F::coordinate(small, 2),
                       one);
  }
  F x = F::coordinate(small, 0), rest = F::coordinate(small, 1);
  if (c.kind == Chart::Kind::Isosceles) return chartAngles(c, x, one, rest, one);
  return chartAngles(c, F::constant(small, rho), x, rest, one);
}

// The coordinate that is 1 - another (the plane's 1 - t, a line's 1 - x).
int restIndex(const Chart& c) {
  return c.kind == Chart::Kind::Plane ? 2 : c.kind == Chart::Kind::Monomial ? -1 : 1;
}

template <class E>
ShapeAngles<Factored<E>> factoredAngles(const Chart& c, const Box& b, SmallCoordinates<E>& small) {
  int n = c.dimensions(), rest = restIndex(c);
  for (int i = 0; i < n; ++i) small.set(i, b.coordinate<E>(i));
  if (rest >= 0) small.set(rest, restSpan<E>(b.low[n - 1], b.high[n - 1]));
  E rho = c.kind == Chart::Kind::Line ? enclose<E>(c.rho()) : E(1L);
  return anglesOfSmall(c, small, rho);
}

// The same over a box of enclosures, each coordinate with its derivatives:
// a ratio of two measures that vanish alike at the chart's edge is then
// the ratio of what is left of them, and its derivatives are not the
// difference of two large terms.
template <class E>
ShapeAngles<Factored<Dual<E>>> factoredDualAngles(const Chart& c, const E (&x)[2],
                                                  SmallCoordinates<Dual<E>>& small) {
  using D = Dual<E>;
  int n = c.dimensions(), rest = restIndex(c);
  for (int i = 0; i < n; ++i) small.set(i, D::coordinate(n, i, x[i]));
  if (rest >= 0) small.set(rest, D(D::coordinate(n, n - 1, x[n - 1]), 1L) - small.value[n - 1]);
  D rho(c.kind == Chart::Kind::Line ? enclose<E>(c.rho()) : E(1L));
  return anglesOfSmall(c, small, rho);
}

template <class E>
ShapeAngles<Dual<E>> dualAngles(const Chart& c, const E (&x)[2]) {
  using D = Dual<E>;
  int n = c.dimensions();
  D first = D::coordinate(n, 0, x[0]);
  D one(first, E(1L));
  if (c.kind == Chart::Kind::Monomial) {
    return monomialAngles(c, first, D::coordinate(n, 1, x[1]), one);
  }
  if (c.kind == Chart::Kind::Plane) {
    D t = D::coordinate(n, 1, x[1]);
    return chartAngles(c, first, t, one - t, one);
  }
  if (c.kind == Chart::Kind::Isosceles) return chartAngles(c, first, one, one - first, one);
  return chartAngles(c, D(first, enclose<E>(c.rho())), first, one - first, one);
}

// Whether some equation cannot hold anywhere in the box.
template <class E>
bool ruledOut(const ShapeProblem& p, const Box& b, const std::vector<E>& ratios) {
  SmallCoordinates<E> small;
  ShapeAngles<Factored<E>> s = factoredAngles(p.charts[b.chart], b, small);
  // Compared as root(f) - ratio root(f_ref), so that a reference that
  // vanishes in the box divides nothing.
  Factored<E> reference = dimensionRoot(shapeMeasure(p.reference, s), p.reference);
  for (size_t i = 0; i < p.equations.size(); ++i) {
    const ShapeEquation& e = p.equations[i];
    Factored<E> f = dimensionRoot(shapeMeasure(e.measure, s), e.measure);
    Factored<E> own = e.reference == p.reference
                          ? reference
                          : dimensionRoot(shapeMeasure(e.reference, s), e.reference);
    if ((f - own * Factored<E>(f, ratios[i])).nonzero()) return true;
    if (sameCorner(e.measure, e.reference) &&
        (cornerRatio(e.measure, e.reference, s) - Factored<E>(f, ratios[i])).nonzero()) {
      return true;
    }
  }
  return false;
}

// The angles the box holds.
AngleHull hullOf(const Chart& c, const Box& b) {
  SmallCoordinates<Interval> small;
  ShapeAngles<Factored<Interval>> s = factoredAngles(c, b, small);
  AngleHull hull;
  for (int i = 0; i < 3; ++i) {
    Interval angle = s.angle[i].value();
    hull.low[i] = angle.low(), hull.high[i] = angle.high();
  }
  return hull;
}

// A box of the chart's largest-angle part, or partly so.
bool inChart(const Chart& c, const Box& b) {
  if (c.kind != Chart::Kind::Plane) return true;
  // 1 - rho < rho t (or rho (1 - t)) all over: another angle is larger.
  double margin = 1e-9;
  double rho = b.low[0].estimate(), t = b.low[1].estimate(), u = (Ball(1L) - b.high[1]).estimate();
  return rho * (1 + t) <= 1 + margin && rho * (1 + u) <= 1 + margin;
}

bool interior(const Chart& c, const Box& b) {
  auto open = [&b](int i) {
    return b.low[i].positive() && exact::compareOr(b.high[i], Ball(1L), 0) < 0;
  };
  if (c.kind == Chart::Kind::Monomial) return b.low[0].positive() && b.low[1].positive();
  return c.kind == Chart::Kind::Plane ? b.low[0].positive() && open(1) : open(0);
}

// The search's equations on chart c, as krawczyk.h evaluates them.
auto chartEquations(const ShapeProblem& p, const Chart& c) {
  return [&p, &c](const auto& x, auto& out) {
    equationRatios(p, dualAngles(c, x), c.dimensions(), out);
  };
}

// The same over a whole box, where the vanishing powers are kept apart.
auto chartEquationsOverBox(const ShapeProblem& p, const Chart& c) {
  return [&p, &c](const auto& x, auto& out) {
    using D = std::remove_reference_t<decltype(out[0])>;
    SmallCoordinates<D> small;
    Factored<D> ratios[2];
    equationRatios(p, factoredDualAngles(c, x, small), c.dimensions(), ratios);
    for (int i = 0; i < c.dimensions(); ++i) out[i] = ratios[i].value();
  };
}

void tightenRoot(const ShapeProblem& p, ShapeRoot& root) {
  const Chart& c = p.charts[root.chart];
  tighten(c.dimensions(), root.coordinate, ratiosOf<Ball>(p.equations), chartEquations(p, c));
}

// The box grown by an eighth of its width each way where that stays inside
// the chart's open domain, so that a root on an edge between two boxes is
// proven in one of them.
Box grown(const Chart& c, const Box& b) {
  Box out = b;
  for (int i = 0; i < c.dimensions(); ++i) {
    Ball w = exact::scaled2(b.high[i] - b.low[i], -3);
    out.low[i] = b.low[i] - w, out.high[i] = b.high[i] + w;
    if (!out.low[i].positive()) out.low[i] = b.low[i];
    if (exact::compareOr(out.high[i], Ball(1L), 0) >= 0) out.high[i] = b.high[i];
  }
  return out;
}

double width(const Chart& c, const Box& b, int& widest) {
  widest = 0;
  double w = b.width(0);
  if (c.kind == Chart::Kind::Monomial) {
    double other = b.width(1);
    if (other > w) widest = 1, w = other;
    return w;
  }
  if (c.kind == Chart::Kind::Plane) {
    // t's width counts as rho's share of it, except at the flat edge, where
    // the limit depends on t alone.
    double tw = b.width(1) * (b.low[0].positive() ? b.high[0].estimate() : 1.0);
    if (tw > w) widest = 1, w = tw;
  }
  return w;
}

void anglesOf(const ShapeProblem& p, const ShapeRoot& root, Ball (&angles)[3]) {
  ShapeAngles<Dual<Ball>> s = dualAngles(p.charts[root.chart], root.coordinate);
  for (int i = 0; i < 3; ++i) angles[i] = s.angle[i].value();
}

// The chart coordinates of a shape.
void chartCoordinates(const Chart& c, const Ball (&angles)[3], Ball (&out)[2]) {
  if (c.kind == Chart::Kind::Monomial) {
    // log rho and log tiny are linear in log p and log q.
    Ball logRho, logTiny;
    Ball tiny = c.median ? (angles[c.first] - angles[c.second]) * c.sign : angles[c.first];
    arb_log(logRho.get(), (angles[c.first] + angles[c.second]).get(), bits());
    arb_log(logTiny.get(), tiny.get(), bits());
    long a = c.rhoPowers[0], b = c.rhoPowers[1], d = c.tinyPowers[0], e = c.tinyPowers[1];
    long det = a * e - b * d;
    Ball logP = (logRho * e - logTiny * b) / det, logQ = (logTiny * a - logRho * d) / det;
    arb_exp(out[0].get(), logP.get(), bits());
    arb_exp(out[1].get(), logQ.get(), bits());
    return;
  }
  if (c.kind == Chart::Kind::Line) {
    out[0] = angles[c.first] / c.rho();
    return;
  }
  Ball rho = Ball(1L) - angles[c.big];
  out[0] = rho;
  if (c.kind == Chart::Kind::Plane) out[1] = angles[c.first] / rho;
}

// Whether `a` (tight) is the root that `b`'s box holds alone.
bool sameRoot(const ShapeProblem& p, const ShapeRoot& a, const ShapeRoot& b,
              const std::array<Ball, 2>& boxB) {
  Ball angles[3], inB[2];
  anglesOf(p, a, angles);
  chartCoordinates(p.charts[b.chart], angles, inB);
  for (int i = 0; i < p.charts[b.chart].dimensions(); ++i) {
    if (!arb_contains(boxB[i].get(), inB[i].get())) return false;
  }
  return true;
}

}  // namespace

// The corners where a flat triangle meets a needle: where both of a
// chart's small coordinates are below these, the chart's boxes give way to
// the corner's blown-up charts.
constexpr double kCorner = 1.0 / 16;
constexpr int kDeepestBlowUp = 12;
// Narrower than this, a box of mirror pairs that neither test settles is
// where two of them merge.
constexpr double kMergingWidth = 0x1p-30;
// Where Krawczyk's test cannot contract a box, the next halvings skip it
// (log2 of how far it is from contracting; it halves with each); boxes
// narrower than this always take it, so that a root near a merging is
// proven before its boxes are left to the mirror band.
constexpr double kAlwaysKrawczyk = 0x1p-20;
// Narrower than this, a box that Krawczyk's test cannot settle is tried
// again with the derivatives of the equations kept apart from their
// vanishing powers (chartEquationsOverBox). Wider boxes seldom gain from
// it: over the benchmark's inputs this width settled the most for its
// cost.
constexpr double kSecondForm = 0x1p-10;

Box startOf(const Chart& c, int index) {
  Box b;
  b.chart = index;
  bool plane = c.kind == Chart::Kind::Plane || c.kind == Chart::Kind::Monomial;
  b.high[0] = Ball(plane ? c.range[0] : 1.0);
  b.high[1] = Ball(plane ? c.range[1] : 1.0);
  return b;
}

// The two charts that cover a monomial chart's corner [0, P/2] x [0, Q/2]:
// q = p q' where q <= p, and p = q p' where p <= q.
void blowUp(std::vector<Chart>& charts, int index, std::vector<Box>& stack) {
  Chart parent = charts[index];
  Chart w1 = parent, w2 = parent;
  const int* r = parent.rhoPowers;
  const int* t = parent.tinyPowers;
  w1.rhoPowers[0] = r[0] + r[1], w1.tinyPowers[0] = t[0] + t[1];
  w1.range[0] = parent.range[0] / 2, w1.range[1] = 1;
  w2.rhoPowers[1] = r[0] + r[1], w2.tinyPowers[1] = t[0] + t[1];
  w2.range[0] = 1, w2.range[1] = parent.range[1] / 2;
  for (Chart* child : {&w1, &w2}) {
    child->depth = parent.depth + 1;
    charts.push_back(*child);
    stack.push_back(startOf(*child, static_cast<int>(charts.size()) - 1));
  }
}

// A plane chart's corner: rho below kCorner and t (or 1 - t) too; or t
// within kCorner / 2 of a half, where the median to the long side of a
// flat triangle vanishes.
bool inPlaneCorner(const Chart& c, const Box& b) {
  if (c.kind != Chart::Kind::Plane || b.high[0].estimate() > kCorner) return false;
  double low = b.low[1].estimate(), high = b.high[1].estimate();
  if (high <= kCorner || (Ball(1L) - b.low[1]).estimate() <= kCorner) return true;
  return c.medianCorner && low >= 0.5 - kCorner / 2 && high <= 0.5 + kCorner / 2;
}

bool inMonomialCorner(const Chart& c, const Box& b) {
  return c.kind == Chart::Kind::Monomial && b.high[0].estimate() <= c.range[0] / 2 &&
         b.high[1].estimate() <= c.range[1] / 2;
}

// Whether the problem measures the median facing angle `big`: mY faces A,
// mX faces B and mZ faces C.
bool measuresMedianFacing(const ShapeProblem& p, int big) {
  static constexpr Measure kFacing[3] = {Measure::mY, Measure::mX, Measure::mZ};
  Measure median = kFacing[big];
  if (p.reference == median) return true;
  for (const ShapeEquation& e : p.equations) {
    if (e.measure == median || e.reference == median) return true;
  }
  return false;
}

ShapeSearch searchShapes(const ShapeProblem& problem) {
  ShapeSearch result;
  ShapeProblem p = problem;  // its charts grow as corners are blown up
  std::vector<Box> stack;
  size_t given = p.charts.size();
  for (size_t c = 0; c < given; ++c) {
    stack.push_back(startOf(p.charts[c], static_cast<int>(c)));
    if (p.charts[c].kind != Chart::Kind::Plane) continue;
    p.charts[c].medianCorner = measuresMedianFacing(p, p.charts[c].big);
    // Each plane chart's two corners, as monomial charts in (rho, t) and
    // (rho, 1 - t), blown up at once.
    for (bool tinyFirst : {true, false}) {
      Chart m = p.charts[c];
      m.kind = Chart::Kind::Monomial;
      if (!tinyFirst) std::swap(m.first, m.second);
      m.range[0] = m.range[1] = 2 * kCorner;
      p.charts.push_back(m);
      blowUp(p.charts, static_cast<int>(p.charts.size()) - 1, stack);
    }
    // Where t is near a half: rho and s = |2t - 1|, either side (only
    // where the median that vanishes there is measured).
    if (!p.charts[c].medianCorner) continue;
    for (int sign : {1, -1}) {
      Chart m = p.charts[c];
      m.kind = Chart::Kind::Monomial;
      m.median = true;
      m.sign = sign;
      m.range[0] = m.range[1] = 2 * kCorner;
      p.charts.push_back(m);
      blowUp(p.charts, static_cast<int>(p.charts.size()) - 1, stack);
    }
  }
  std::vector<bool> blown(p.charts.size(), false);
  std::vector<ShapeRoot> found;
  std::vector<std::array<Ball, 2>> proven;  // each root's box of uniqueness
  int looked = 0;
  bool mirrorPairs = !mirrorApexes(problem).empty();
  std::vector<Interval> quickRatios = ratiosOf<Interval>(p.equations);
  std::vector<Ball> ballRatios = ratiosOf<Ball>(p.equations);
  while (!stack.empty()) {
    Box b = stack.back();
    stack.pop_back();
    if (inPlaneCorner(p.charts[b.chart], b)) continue;
    if (inMonomialCorner(p.charts[b.chart], b)) {
      blown.resize(p.charts.size(), false);
      if (p.charts[b.chart].depth >= kDeepestBlowUp) {
        ++result.unsettledBoxes;
        result.unsettled.push_back(hullOf(p.charts[b.chart], b));
      } else if (!blown[b.chart]) {
        blown[b.chart] = true;
        blowUp(p.charts, b.chart, stack);
      }
      continue;
    }
    const Chart& c = p.charts[b.chart];
    if (!inChart(c, b)) continue;
    int widest = 0;
    double w = width(c, b, widest);
    // Doubles first, and Arb's balls where a box is too narrow for them.
    bool narrow = w < kNarrowForDoubles;
    if (ruledOut(p, b, quickRatios) || (narrow && ruledOut(p, b, ballRatios))) continue;
    int skip = 0;
    if (interior(c, b) && w < 0.125 && (b.skipKrawczyk == 0 || w < kAlwaysKrawczyk)) {
      Box around = grown(c, b);
      Ball box[2];
      double spread = 0;
      auto overBox = chartEquationsOverBox(p, c);
      Krawczyk test = krawczykInTwoSteps(c.dimensions(), around.low, around.high, narrow,
                                         quickRatios, ballRatios, chartEquations(p, c), box,
                                         &spread, w < kSecondForm ? &overBox : nullptr);
      if (test == Krawczyk::Unknown && spread >= 4) skip = spread >= 16 ? 3 : spread >= 8 ? 2 : 1;
      if (test == Krawczyk::None) continue;
      if (test == Krawczyk::Unique) {
        ShapeRoot root;
        root.chart = b.chart;
        root.coordinate[0] = box[0], root.coordinate[1] = box[1];
        found.push_back(root);
        proven.push_back({box[0], box[1]});
        continue;
      }
    }
    Ball middle = exact::scaled2(b.low[widest] + b.high[widest], -1);
    // Where mirror images merge no box around them is ever proven: a box
    // this narrow is left to the mirror band (mirror_search.h).
    if (++looked > p.budget || (mirrorPairs && w < kMergingWidth)) {
      ++result.unsettledBoxes;
      result.unsettled.push_back(hullOf(c, b));
      continue;
    }
    Box lower = b, upper = b;
    lower.high[widest] = middle;
    upper.low[widest] = middle;
    lower.skipKrawczyk = upper.skipKrawczyk = std::max(skip, b.skipKrawczyk - 1);
    stack.push_back(upper);
    stack.push_back(lower);
  }
  // A root near the edge of two boxes is proven in both: keep one.
  for (ShapeRoot& r : found) tightenRoot(p, r);
  for (size_t i = 0; i < found.size(); ++i) {
    bool seen = false;
    for (size_t j = 0; j < result.roots.size() && !seen; ++j) {
      seen = sameRoot(p, found[i], result.roots[j], proven[j]);
    }
    if (!seen) {
      result.roots.push_back(found[i]);
      proven[result.roots.size() - 1] = proven[i];
    }
  }
  result.charts = p.charts;
  // Keep the proven boxes for tightening at other precisions.
  for (size_t j = 0; j < result.roots.size(); ++j) {
    ShapeRoot& root = result.roots[j];
    root.tight[0] = root.coordinate[0], root.tight[1] = root.coordinate[1];
    root.tightBits = bits();
    result.roots[j].coordinate[0] = proven[j][0];
    result.roots[j].coordinate[1] = proven[j][1];
  }
  return result;
}

void rootAngles(const ShapeProblem& problem, const ShapeSearch& search, const ShapeRoot& root,
                Ball (&angles)[3]) {
  ShapeProblem p = problem;
  p.charts = search.charts;
  ShapeRoot tight = root;
  if (root.tightBits == bits()) {
    tight.coordinate[0] = root.tight[0], tight.coordinate[1] = root.tight[1];
  } else {
    tightenRoot(p, tight);
  }
  anglesOf(p, tight, angles);
}

Ball referenceOfShape(const ShapeProblem& p, const Ball (&angles)[3]) {
  using D = Dual<Ball>;
  ShapeAngles<D> s;
  for (int i = 0; i < 3; ++i) {
    s.angle[i] = D(D(), angles[i]);
    s.rest[i] = D(D(), Ball(1L) - angles[i]);
  }
  s.difference = s.angle[s.first] - s.angle[s.second];
  return shapeMeasure(p.reference, withSines(s)).value();
}

}  // namespace anglewise::anysolve
