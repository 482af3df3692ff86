#include "anysolve/shape_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "anysolve/dual.h"
#include "anysolve/factored.h"
#include "anysolve/shape_measures.h"
#include "exact/decide.h"

namespace anglewise::anysolve {
namespace {

// Boxes looked at before the search gives up on the rest; ordinary inputs
// need a few hundred.
constexpr int kBudget = 60000;

long bits() {
  return exact::WorkingPrecision::bits();
}

// The ball holding [low, high], both exact.
Ball interval(const Ball& low, const Ball& high) {
  Ball out;
  arb_set_interval_arf(out.get(), arb_midref(low.get()), arb_midref(high.get()), bits());
  return out;
}

Ball midpoint(const Ball& b) {
  Ball out;
  arb_get_mid_arb(out.get(), b.get());
  return out;
}

struct Box {
  int chart = 0;
  double low[2] = {0, 0}, high[2] = {0, 0};
  Ball coordinate(int i) const { return interval(Ball(low[i]), Ball(high[i])); }
};

template <class T>
ShapeAngles<T> chartAngles(const Chart& c, const T& rho, const T& t, const T& u, const T& one) {
  ShapeAngles<T> s;
  if (c.kind == Chart::Kind::Isosceles) {
    T half = rho / 2L;
    for (int side : {c.first, c.second}) s.angle[side] = half, s.rest[side] = one - half;
    s.angle[c.big] = u;
    s.rest[c.big] = rho;
    return s;
  }
  s.angle[c.first] = rho * t;
  s.rest[c.first] = one - s.angle[c.first];
  s.angle[c.second] = rho * u;
  s.rest[c.second] = one - s.angle[c.second];
  s.angle[c.big] = one - rho;
  s.rest[c.big] = rho;
  return s;
}

template <class T>
T dimensionRoot(const T& v, Measure m) {
  return info(m).dimension == 2 ? sqrt(v) : v;
}

template <class T>
T equationRatio(const ShapeProblem& p, Measure m, const ShapeAngles<T>& s) {
  return dimensionRoot(shapeMeasure(m, s), m) /
         dimensionRoot(shapeMeasure(p.reference, s), p.reference);
}

ShapeAngles<Factored> factoredAngles(const Chart& c, const Box& b, SmallCoordinates& small) {
  Ball one(1L);
  if (c.kind == Chart::Kind::Plane) {
    small.set(0, b.coordinate(0));
    small.set(1, b.coordinate(1));
    small.set(2, interval(one - Ball(b.high[1]), one - Ball(b.low[1])));
    Factored rho = Factored::coordinate(small, 0);
    return chartAngles(c, rho, Factored::coordinate(small, 1), Factored::coordinate(small, 2),
                       Factored::constant(small, one));
  }
  small.set(0, b.coordinate(0));
  small.set(1, interval(one - Ball(b.high[0]), one - Ball(b.low[0])));
  Factored x = Factored::coordinate(small, 0), rest = Factored::coordinate(small, 1);
  Factored unit = Factored::constant(small, one);
  if (c.kind == Chart::Kind::Isosceles) return chartAngles(c, x, unit, rest, unit);
  return chartAngles(c, Factored::constant(small, c.rho), x, rest, unit);
}

ShapeAngles<Dual> dualAngles(const Chart& c, const Ball (&x)[2]) {
  int n = c.dimensions();
  Dual first = Dual::coordinate(n, 0, x[0]);
  Dual one(first, Ball(1L));
  if (c.kind == Chart::Kind::Plane) {
    Dual t = Dual::coordinate(n, 1, x[1]);
    return chartAngles(c, first, t, one - t, one);
  }
  if (c.kind == Chart::Kind::Isosceles) return chartAngles(c, first, one, one - first, one);
  return chartAngles(c, Dual(first, c.rho), first, one - first, one);
}

// Whether some equation cannot hold anywhere in the box.
bool ruledOut(const ShapeProblem& p, const Box& b) {
  SmallCoordinates small;
  ShapeAngles<Factored> s = factoredAngles(p.charts[b.chart], b, small);
  // Compared as root(f) - ratio root(f_ref), so that a reference that
  // vanishes in the box divides nothing.
  Factored reference = dimensionRoot(shapeMeasure(p.reference, s), p.reference);
  for (const ShapeEquation& e : p.equations) {
    Factored f = dimensionRoot(shapeMeasure(e.measure, s), e.measure);
    if ((f - reference * Factored(f, e.ratio)).nonzero()) return true;
  }
  return false;
}

// A box of the chart's largest-angle part, or partly so.
bool inChart(const Chart& c, const Box& b) {
  if (c.kind != Chart::Kind::Plane) return true;
  // 1 - rho < rho t (or rho (1 - t)) all over: another angle is larger.
  double margin = 1e-9;
  return b.low[0] * (1 + b.low[1]) <= 1 + margin && b.low[0] * (2 - b.high[1]) <= 1 + margin;
}

bool interior(const Chart& c, const Box& b) {
  bool inside = b.low[0] > 0 && b.high[0] < 1;
  if (c.kind == Chart::Kind::Plane) inside = b.low[0] > 0 && b.low[1] > 0 && b.high[1] < 1;
  return inside;
}

enum class Krawczyk { Unique, None, Unknown };

// The Krawczyk operator on `box`: every root there lies in `out`; `out`
// inside the box's interior proves exactly one.
Krawczyk krawczyk(const ShapeProblem& p, const Chart& c, const Ball (&box)[2], Ball (&out)[2]) {
  int n = c.dimensions();
  Ball mid[2] = {midpoint(box[0]), midpoint(box[1])};
  ShapeAngles<Dual> atMid = dualAngles(c, mid), overBox = dualAngles(c, box);
  Ball f[2], jm[2][2], jb[2][2];
  for (int i = 0; i < n; ++i) {
    const ShapeEquation& e = p.equations[i];
    Dual vm = equationRatio(p, e.measure, atMid), vb = equationRatio(p, e.measure, overBox);
    f[i] = vm.value() - e.ratio;
    for (int j = 0; j < n; ++j) jm[i][j] = midpoint(vm.derivative(j)), jb[i][j] = vb.derivative(j);
  }
  // Y: the inverse of the Jacobian at the midpoint, as exact numbers.
  Ball y[2][2];
  if (n == 1) {
    y[0][0] = midpoint(Ball(1L) / jm[0][0]);
  } else {
    Ball det = jm[0][0] * jm[1][1] - jm[0][1] * jm[1][0];
    y[0][0] = midpoint(jm[1][1] / det), y[0][1] = midpoint(-jm[0][1] / det);
    y[1][0] = midpoint(-jm[1][0] / det), y[1][1] = midpoint(jm[0][0] / det);
  }
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (!y[i][j].finite()) return Krawczyk::Unknown;
    }
  }
  bool inside = true;
  for (int i = 0; i < n; ++i) {
    Ball k = mid[i];
    for (int j = 0; j < n; ++j) k = k - y[i][j] * f[j];
    for (int j = 0; j < n; ++j) {
      Ball m = Ball(i == j ? 1L : 0L);
      for (int l = 0; l < n; ++l) m = m - y[i][l] * jb[l][j];
      k = k + m * (box[j] - mid[j]);
    }
    if (!k.finite()) return Krawczyk::Unknown;
    if (!arb_overlaps(k.get(), box[i].get())) return Krawczyk::None;
    inside = inside && arb_contains_interior(box[i].get(), k.get());
    out[i] = k;
  }
  return inside ? Krawczyk::Unique : Krawczyk::Unknown;
}

// The box grown by an eighth of its width each way where that stays inside
// the chart's open domain, so that a root on an edge between two boxes is
// proven in one of them.
void grown(const Chart& c, const Box& b, Ball (&out)[2]) {
  for (int i = 0; i < c.dimensions(); ++i) {
    double w = (b.high[i] - b.low[i]) / 8;
    double low = b.low[i] - w > 0 ? b.low[i] - w : b.low[i];
    double high = b.high[i] + w;
    double top = (c.kind == Chart::Kind::Plane && i == 0) ? 1.0 : 1.0;
    if (high >= top) high = b.high[i];
    out[i] = interval(Ball(low), Ball(high));
  }
}

double width(const Chart& c, const Box& b, int& widest) {
  widest = 0;
  double w = b.high[0] - b.low[0];
  if (c.kind == Chart::Kind::Plane) {
    // t's width counts as rho's share of it, except at the flat edge, where
    // the limit depends on t alone.
    double tw = (b.high[1] - b.low[1]) * (b.low[0] > 0 ? b.high[0] : 1.0);
    if (tw > w) widest = 1, w = tw;
  }
  return w;
}

// The root's box tightened: every root of the box stays in K(box) ∩ box.
void tighten(const ShapeProblem& p, ShapeRoot& root) {
  const Chart& c = p.charts[root.chart];
  for (int step = 0; step < 200; ++step) {
    Ball k[2] = {root.coordinate[0], root.coordinate[1]};
    if (krawczyk(p, c, root.coordinate, k) == Krawczyk::None) break;
    bool narrower = false;
    for (int i = 0; i < c.dimensions(); ++i) {
      Ball both;
      if (!arb_intersection(both.get(), k[i].get(), root.coordinate[i].get(), bits())) return;
      // Go on while a step still takes a tenth off a radius.
      if (mag_cmp(arb_radref(both.get()), arb_radref(root.coordinate[i].get())) < 0) {
        mag_t tenth;
        mag_init(tenth);
        mag_mul_ui(tenth, arb_radref(both.get()), 10);
        mag_div_ui(tenth, tenth, 9);
        narrower = narrower || mag_cmp(tenth, arb_radref(root.coordinate[i].get())) < 0;
        mag_clear(tenth);
      }
      root.coordinate[i] = both;
    }
    if (!narrower) break;
  }
}

void anglesOf(const ShapeProblem& p, const ShapeRoot& root, Ball (&angles)[3]) {
  ShapeAngles<Dual> s = dualAngles(p.charts[root.chart], root.coordinate);
  for (int i = 0; i < 3; ++i) angles[i] = s.angle[i].value();
}

// The chart coordinates of a shape.
void chartCoordinates(const Chart& c, const Ball (&angles)[3], Ball (&out)[2]) {
  if (c.kind == Chart::Kind::Line) {
    out[0] = angles[c.first] / c.rho;
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

ShapeSearch searchShapes(const ShapeProblem& p) {
  ShapeSearch result;
  std::vector<Box> stack;
  for (size_t c = 0; c < p.charts.size(); ++c) {
    Box b;
    b.chart = static_cast<int>(c);
    b.high[0] = p.charts[c].kind == Chart::Kind::Plane ? 0.75 : 1.0;
    b.high[1] = 1.0;
    stack.push_back(b);
  }
  std::vector<ShapeRoot> found;
  std::vector<std::array<Ball, 2>> proven;  // each root's box of uniqueness
  int looked = 0;
  while (!stack.empty()) {
    Box b = stack.back();
    stack.pop_back();
    const Chart& c = p.charts[b.chart];
    if (!inChart(c, b) || ruledOut(p, b)) continue;
    int widest = 0;
    double w = width(c, b, widest);
    if (interior(c, b) && w < 0.125) {
      Ball box[2], k[2];
      grown(c, b, box);
      Krawczyk test = krawczyk(p, c, box, k);
      if (test == Krawczyk::None) continue;
      if (test == Krawczyk::Unique) {
        found.push_back({b.chart, {box[0], box[1]}});
        proven.push_back({box[0], box[1]});
        continue;
      }
    }
    double middle = b.low[widest] + (b.high[widest] - b.low[widest]) / 2;
    if (++looked > kBudget || !(middle > b.low[widest] && middle < b.high[widest])) {
      ++result.unsettledBoxes;
      continue;
    }
    Box lower = b, upper = b;
    lower.high[widest] = middle;
    upper.low[widest] = middle;
    stack.push_back(upper);
    stack.push_back(lower);
  }
  // A root near the edge of two boxes is proven in both: keep one.
  for (ShapeRoot& r : found) tighten(p, r);
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
  // Keep the proven boxes for tightening at other precisions.
  for (size_t j = 0; j < result.roots.size(); ++j) {
    result.roots[j].coordinate[0] = proven[j][0];
    result.roots[j].coordinate[1] = proven[j][1];
  }
  return result;
}

void rootAngles(const ShapeProblem& p, const ShapeRoot& root, Ball (&angles)[3]) {
  ShapeRoot tight = root;
  tighten(p, tight);
  anglesOf(p, tight, angles);
}

Ball referenceOfShape(const ShapeProblem& p, const Ball (&angles)[3]) {
  ShapeAngles<Dual> s;
  for (int i = 0; i < 3; ++i) {
    s.angle[i] = Dual(Dual(), angles[i]);
    s.rest[i] = Dual(Dual(), Ball(1L) - angles[i]);
  }
  return shapeMeasure(p.reference, s).value();
}

}  // namespace anglewise::anysolve
