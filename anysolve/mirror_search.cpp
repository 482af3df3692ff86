#include "anysolve/mirror_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "anysolve/dual.h"
#include "anysolve/interval.h"
#include "anysolve/krawczyk.h"
#include "exact/decide.h"

namespace anglewise::anysolve {
namespace {

// The measure named as if the apex were C: the corners `apex` and C swap
// names, and so do the sides facing them (Y faces A, X faces B).
Measure asIfApexC(Measure m, int apex) {
  if (apex == 2) return m;
  constexpr int kFacing[3] = {1, 0, 2};
  int index = static_cast<int>(m);
  auto swapped = [](int i, int a, int b) { return i == a ? b : i == b ? a : i; };
  // Groups of three by side (X, hX, mX) and by corner (A, tA).
  for (int side : {0, 6, 9}) {
    if (index >= side && index < side + 3) {
      return static_cast<Measure>(side + swapped(index - side, kFacing[apex], 2));
    }
  }
  for (int corner : {3, 12}) {
    if (index >= corner && index < corner + 3) {
      return static_cast<Measure>(corner + swapped(index - corner, apex, 2));
    }
  }
  return m;
}

// The shape in the unit-diameter circle, seen from the apex: its angle g
// over pi, the side facing it, and the sum and product of the two sides
// beside it.
template <class E>
struct MirrorShape {
  Dual<E> apex, base, sum, product, halfCos;  ///< halfCos: cos(pi g / 2)
};

template <class E>
MirrorShape<E> mirrorShape(const MirrorBand& band, const E (&x)[2]) {
  using D = Dual<E>;
  D g, c;
  if (band.apexGiven) {
    c = D::coordinate(1, 0, x[0]);
    g = D(c, enclose<E>(*band.apexGiven));
  } else {
    g = D::coordinate(2, 0, x[0]);
    c = D::coordinate(2, 1, x[1]);
  }
  D one(c, 1L), half = g / 2L;
  MirrorShape<E> s;
  s.apex = g;
  s.base = sinPi(g, one - g);
  s.halfCos = halfCosPi(g, one - g);      // sin s
  D halfSin = sinPi(half, one - half);    // cos s
  s.sum = s.halfCos * c * 2L;             // sin P + sin Q
  s.product = c * c - halfSin * halfSin;  // sin P sin Q
  return s;
}

// A measure the mirror keeps, named as if the apex were C.
template <class E>
Dual<E> mirrorMeasure(Measure m, const MirrorShape<E>& s) {
  using M = Measure;
  switch (m) {
    case M::Z:
      return s.base;
    case M::C:
      return s.apex;
    case M::hZ:
      return s.product;
    case M::mZ:
      return sqrt(s.sum * s.sum * 2L - s.product * 4L - s.base * s.base) / 2L;
    case M::tC:
      return s.product * s.halfCos * 2L / s.sum;
    case M::Area:
      return s.product * s.base / 2L;
    case M::Perimeter:
      return s.sum + s.base;
    case M::Inradius:
      return s.product * s.base / (s.sum + s.base);
    default:
      return Dual<E>(s.base, 1L) / 2L;  // the circumradius
  }
}

template <class E>
Dual<E> asLength(const Dual<E>& v, Measure m) {
  return info(m).dimension == 2 ? sqrt(v) : v;
}

// The problem's equations in the band's coordinates, as krawczyk.h
// evaluates them.
auto bandEquations(const ShapeProblem& p, const MirrorBand& band) {
  return [&p, &band](const auto& x, auto& out) {
    auto s = mirrorShape(band, x);
    auto length = [&](Measure m) { return asLength(mirrorMeasure(asIfApexC(m, band.apex), s), m); };
    auto reference = length(p.reference);
    for (size_t i = 0; i < p.equations.size() && i < 2; ++i) {
      const ShapeEquation& e = p.equations[i];
      out[i] = length(e.measure) / (e.reference == p.reference ? reference : length(e.reference));
    }
  };
}

struct BandBox {
  Ball low[2], high[2];  // exact ends
  template <class E>
  void enclosures(int n, E (&x)[2]) const {
    for (int i = 0; i < n; ++i) x[i] = span<E>(low[i], high[i]);
  }
};

// Whether some equation cannot hold anywhere in the box.
template <class E>
bool ruledOut(const ShapeProblem& p, const MirrorBand& band, const BandBox& b,
              const std::vector<E>& ratios) {
  E x[2];
  b.enclosures(band.dimensions(), x);
  Dual<E> v[2];
  bandEquations(p, band)(x, v);
  for (int i = 0; i < band.dimensions(); ++i) {
    E gap = v[i].value() - ratios[static_cast<size_t>(i)];
    if (gap.positive() || gap.negative()) return true;
  }
  return false;
}

// A root is tight in `a` and proven alone in `box`: the same root.
bool within(int n, const Ball (&a)[2], const std::array<Ball, 2>& box) {
  for (int i = 0; i < n; ++i) {
    if (!arb_contains(box[static_cast<size_t>(i)].get(), a[i].get())) return false;
  }
  return true;
}

}  // namespace

std::vector<int> mirrorApexes(const ShapeProblem& problem) {
  std::vector<int> out;
  if (problem.charts.empty()) return out;
  const Chart& first = problem.charts.front();
  if (first.kind == Chart::Kind::Isosceles) return out;
  for (int apex = 0; apex < 3; ++apex) {
    // An angle given is the apex's, or the mirror would change it.
    if (first.kind == Chart::Kind::Line && first.big != apex) continue;
    // Kept by the mirror across C's bisector, named as if the apex were C.
    auto kept = [apex](Measure m) {
      Measure asC = asIfApexC(m, apex);
      return info(asC).mirror == asC;
    };
    bool all = kept(problem.reference);
    for (const ShapeEquation& e : problem.equations) {
      all = all && kept(e.measure);
    }
    if (all) out.push_back(apex);
  }
  return out;
}

std::optional<MirrorBand> bandAround(const ShapeProblem& problem, int apex,
                                     const std::vector<AngleHull>& hulls, double widen) {
  if (hulls.empty()) return std::nullopt;
  MirrorBand band;
  band.apex = apex;
  int p = (apex + 1) % 3, q = (apex + 2) % 3;
  double low = 1, high = 0, halfGap = 0;
  for (const AngleHull& h : hulls) {
    low = std::min(low, h.low[apex]), high = std::max(high, h.high[apex]);
    halfGap = std::max({halfGap, (h.high[p] - h.low[q]) / 2, (h.high[q] - h.low[p]) / 2});
  }
  const Chart& first = problem.charts.front();
  if (first.kind == Chart::Kind::Line) {
    band.apexGiven = Ball(first.degrees) / 180L;
    low = high = first.degrees / 180;
  } else {
    // Wide enough that doubles tell its shapes apart.
    double middle = (low + high) / 2, reach = std::max((high - low) * widen, 1e-3) * widen;
    band.apexLow = middle - reach, band.apexHigh = middle + reach;
    low = band.apexLow, high = band.apexHigh;
  }
  halfGap = std::max(halfGap * 2, 1e-3) * widen;
  // Away from the flat shapes (g near 1), the needles (g near 0), and the
  // shapes where Q = s - (P - Q) / 2 reaches 0.
  double leastHalfSum = (1 - high) / 2;
  if (low < 1e-3 || high > 1 - 1e-3 || halfGap > leastHalfSum / 2) return std::nullopt;
  band.lowestC = std::cos(M_PI * halfGap);
  return band;
}

MirrorSearch searchMirror(const ShapeProblem& p, const MirrorBand& band) {
  MirrorSearch result;
  result.band = band;
  int n = band.dimensions();
  std::vector<Interval> quickRatios = ratiosOf<Interval>(p.equations);
  std::vector<Ball> ballRatios = ratiosOf<Ball>(p.equations);
  auto equations = bandEquations(p, band);
  BandBox start;
  int cAt = n - 1;  // where c is among the coordinates
  if (n == 2) start.low[0] = Ball(band.apexLow), start.high[0] = Ball(band.apexHigh);
  start.low[cAt] = Ball(band.lowestC), start.high[cAt] = Ball(2 - band.lowestC);
  double extent[2];
  for (int i = 0; i < n; ++i) extent[i] = (start.high[i] - start.low[i]).estimate();
  std::vector<BandBox> stack = {start};
  std::vector<MirrorRoot> found;
  std::vector<std::array<Ball, 2>> proven;
  int looked = 0;
  constexpr int kBudget = 20000;
  while (!stack.empty()) {
    BandBox b = stack.back();
    stack.pop_back();
    // Widths as shares of the band's, and the narrowest as a length.
    int widest = 0;
    double share = 0, narrowest = 1;
    for (int i = 0; i < n; ++i) {
      double w = (b.high[i] - b.low[i]).estimate();
      if (w / extent[i] > share) share = w / extent[i], widest = i;
      narrowest = std::min(narrowest, w);
    }
    bool narrow = narrowest < kNarrowForDoubles;
    if (ruledOut(p, band, b, quickRatios) || (narrow && ruledOut(p, band, b, ballRatios))) {
      continue;
    }
    if (share < 0.125) {
      // Grown by an eighth each way, so that a root on an edge between two
      // boxes is proven in one of them.
      BandBox around = b;
      for (int i = 0; i < n; ++i) {
        Ball w = exact::scaled2(b.high[i] - b.low[i], -3);
        around.low[i] = b.low[i] - w, around.high[i] = b.high[i] + w;
      }
      Ball box[2];
      Krawczyk test = krawczykInTwoSteps(n, around.low, around.high, narrow, quickRatios,
                                         ballRatios, equations, box);
      if (test == Krawczyk::None) continue;
      if (test == Krawczyk::Unique) {
        found.push_back({{box[0], box[1]}});
        proven.push_back({box[0], box[1]});
        continue;
      }
    }
    if (++looked > kBudget) {
      ++result.unsettledBoxes;
      continue;
    }
    Ball middle = exact::scaled2(b.low[widest] + b.high[widest], -1);
    BandBox lower = b, upper = b;
    lower.high[widest] = middle;
    upper.low[widest] = middle;
    stack.push_back(upper);
    stack.push_back(lower);
  }
  // A root near the edge of two boxes is proven in both: keep one.
  for (size_t i = 0; i < found.size(); ++i) {
    MirrorRoot tight = found[i];
    tighten(n, tight.coordinate, ballRatios, equations);
    bool seen = false;
    for (size_t j = 0; j < result.roots.size() && !seen; ++j) {
      seen = within(n, tight.coordinate, proven[j]);
    }
    if (!seen) {
      proven[result.roots.size()] = proven[i];
      result.roots.push_back(found[i]);
    }
  }
  return result;
}

void mirrorRootShape(const ShapeProblem& problem, const MirrorBand& band, const MirrorRoot& root,
                     Ball& apexAngle, Ball& c) {
  MirrorRoot tight = root;
  int n = band.dimensions();
  tighten(n, tight.coordinate, ratiosOf<Ball>(problem.equations), bandEquations(problem, band));
  apexAngle = band.apexGiven ? *band.apexGiven : tight.coordinate[0];
  c = tight.coordinate[n - 1];
}

int inBand(const MirrorBand& band, const Ball& g, const Ball& c) {
  int cSide = exact::compareOr(c, Ball(band.lowestC), exact::kUndecided);
  if (cSide == -1) return 0;
  bool inside = cSide == 1;
  if (!band.apexGiven) {
    int above = exact::compareOr(g, Ball(band.apexLow), exact::kUndecided);
    int below = exact::compareOr(g, Ball(band.apexHigh), exact::kUndecided);
    if (above == -1 || below == 1) return 0;
    inside = inside && above == 1 && below == -1;
  }
  return inside ? 1 : -1;
}

int anglesInBand(const MirrorBand& band, const Ball (&angles)[3]) {
  int p = (band.apex + 1) % 3, q = (band.apex + 2) % 3;
  Ball sine, c;
  exact::sinCosPi(exact::scaled2(angles[p] - angles[q], -1), sine, c);
  return inBand(band, angles[band.apex], c);
}

}  // namespace anglewise::anysolve
