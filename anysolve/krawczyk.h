#pragma once
// Krawczyk's test and the tightening of a proven root, for n (1 or 2)
// equations f_i(x) = ratio_i in n unknowns over a box. `evaluate(x, out)`
// fills out[i] with f_i over x (an array of n enclosures E) as a Dual, its
// derivatives along the unknowns with it; one evaluator serves both
// enclosures, so it is a generic lambda.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "anysolve/dual.h"
#include "anysolve/interval.h"
#include "exact/decide.h"

namespace anglewise::anysolve {

enum class Krawczyk { Unique, None, Unknown };

namespace detail {

// The test itself, from f at the box's middle, J there and J over the box.
template <class E>
Krawczyk krawczykOperator(int n, const E (&box)[2], const E (&mid)[2], const E (&f)[2],
                          const E (&jm)[2][2], const E (&jb)[2][2], E (&out)[2], double* spread) {
  // Each equation alone, in its mean-value form: f(mid) + J(box) (box -
  // mid) holds f over the box, and narrows as the box does twice as fast
  // as f over the box itself.
  for (int i = 0; i < n; ++i) {
    E range = f[i];
    for (int j = 0; j < n; ++j) range = range + jb[i][j] * (box[j] - mid[j]);
    if (range.positive() || range.negative()) return Krawczyk::None;
  }
  // Y: the inverse of the Jacobian at the midpoint, as exact numbers.
  E y[2][2];
  if (n == 1) {
    y[0][0] = midpoint(E(1L) / jm[0][0]);
  } else {
    E det = jm[0][0] * jm[1][1] - jm[0][1] * jm[1][0];
    y[0][0] = midpoint(jm[1][1] / det), y[0][1] = midpoint(-jm[0][1] / det);
    y[1][0] = midpoint(-jm[1][0] / det), y[1][1] = midpoint(jm[0][0] / det);
  }
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (!y[i][j].finite()) return Krawczyk::Unknown;
    }
  }
  bool inside = true;
  if (spread) *spread = 0;
  for (int i = 0; i < n; ++i) {
    E k = mid[i];
    for (int j = 0; j < n; ++j) k = k - y[i][j] * f[j];
    double row = 0;
    for (int j = 0; j < n; ++j) {
      E m = E(i == j ? 1L : 0L);
      for (int l = 0; l < n; ++l) m = m - y[i][l] * jb[l][j];
      k = k + m * (box[j] - mid[j]);
      if constexpr (std::is_same_v<E, Interval>) {
        row += std::max(std::fabs(m.low()), std::fabs(m.high()));
      }
    }
    if (spread) *spread = std::max(*spread, row);
    if (!k.finite()) return Krawczyk::Unknown;
    if (!overlaps(k, box[i])) return Krawczyk::None;
    inside = inside && containsInterior(box[i], k);
    out[i] = k;
  }
  return inside ? Krawczyk::Unique : Krawczyk::Unknown;
}

}  // namespace detail

/// The Krawczyk operator on `box`: every root there lies in `out`; `out`
/// inside the box's interior proves exactly one, and `out` apart from the
/// box proves none. `spread`, where given, is set to the largest row sum
/// of |I - Y J(box)| (for intervals of doubles): below 1 the operator
/// contracts, and it about halves as the box does.
///
/// `overBox`, where it is not null, evaluates the equations over the box in
/// a second form, dearer but tighter where the box is small beside the
/// distance to the chart's edge; where the first form's J(box) decides
/// nothing, the test is run again on the two J(box) intersected.
template <class E, class Evaluate, class EvaluateBox = std::decay_t<Evaluate>>
Krawczyk krawczyk(int n, const E (&box)[2], E (&out)[2], const std::vector<E>& ratios,
                  Evaluate&& evaluate, double* spread = nullptr,
                  const EvaluateBox* overBox = nullptr) {
  E mid[2] = {midpoint(box[0]), midpoint(box[1])};
  Dual<E> vm[2], vb[2];
  evaluate(mid, vm);
  evaluate(box, vb);
  E f[2], jm[2][2], jb[2][2];
  for (int i = 0; i < n; ++i) {
    f[i] = vm[i].value() - ratios[static_cast<size_t>(i)];
    for (int j = 0; j < n; ++j) {
      jm[i][j] = midpoint(vm[i].derivative(j)), jb[i][j] = vb[i].derivative(j);
    }
  }
  Krawczyk test = detail::krawczykOperator(n, box, mid, f, jm, jb, out, spread);
  if (test != Krawczyk::Unknown || !overBox) return test;
  (*overBox)(box, vb);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) jb[i][j] = intersection(jb[i][j], vb[i].derivative(j));
  }
  return detail::krawczykOperator(n, box, mid, f, jm, jb, out, spread);
}

/// Boxes narrower than this are looked at with Arb's balls too: a double's
/// rounding is no longer small beside what a box that size must tell apart.
inline constexpr double kNarrowForDoubles = 0x1p-24;

/// Krawczyk's test on the box from `low` to `high` (exact ends), first in
/// intervals of doubles, which settle most boxes at a small part of the
/// cost. A root they prove, and any box `narrow` for them, is tested again
/// with Arb's balls; a root is reported only so, with `box` the balls' box
/// it is the only root of.
/// `overBox`, where not null, is krawczyk's second form for the doubles.
template <class Evaluate, class EvaluateBox = std::decay_t<Evaluate>>
Krawczyk krawczykInTwoSteps(int n, const Ball (&low)[2], const Ball (&high)[2], bool narrow,
                            const std::vector<Interval>& quickRatios,
                            const std::vector<Ball>& ballRatios, Evaluate&& evaluate,
                            Ball (&box)[2], double* spread = nullptr,
                            const EvaluateBox* overBox = nullptr) {
  Interval quick[2], k[2];
  for (int i = 0; i < n; ++i) quick[i] = span<Interval>(low[i], high[i]);
  Krawczyk test = krawczyk(n, quick, k, quickRatios, evaluate, spread, overBox);
  if (test == Krawczyk::None || (test == Krawczyk::Unknown && !narrow)) return test;
  Ball ballK[2];
  for (int i = 0; i < n; ++i) box[i] = span<Ball>(low[i], high[i]);
  return krawczyk(n, box, ballK, ballRatios, evaluate);
}

/// Newton's steps from the box's middle, as plain estimates: where the
/// box's only root lies, to about the working precision.
template <class Evaluate>
void newtonEstimate(int n, const Ball (&box)[2], const std::vector<Ball>& ratios,
                    Evaluate&& evaluate, Ball (&x)[2]) {
  long bits = exact::WorkingPrecision::bits();
  for (int i = 0; i < n; ++i) x[i] = midpoint(box[i]);
  for (int step = 0; step < 80; ++step) {
    Dual<Ball> v[2];
    evaluate(x, v);
    Ball f[2], j[2][2];
    for (int i = 0; i < n; ++i) {
      f[i] = midpoint(v[i].value() - ratios[static_cast<size_t>(i)]);
      for (int k = 0; k < n; ++k) j[i][k] = midpoint(v[i].derivative(k));
    }
    Ball dx[2];
    if (n == 1) {
      dx[0] = f[0] / j[0][0];
    } else {
      Ball det = j[0][0] * j[1][1] - j[0][1] * j[1][0];
      dx[0] = (j[1][1] * f[0] - j[0][1] * f[1]) / det;
      dx[1] = (j[0][0] * f[1] - j[1][0] * f[0]) / det;
    }
    bool small = true;
    for (int i = 0; i < n; ++i) {
      if (!dx[i].finite()) return;
      Ball next = midpoint(x[i] - dx[i]);
      if (!arb_contains(box[i].get(), next.get())) return;
      small = small &&
              (dx[i].zero() ||
               exact::compareOr(abs(dx[i]) * exact::scaled2(Ball(1L), bits - 8), abs(x[i]), 1) < 0);
      x[i] = next;
    }
    if (small) return;
  }
}

/// A proven root's box tightened to about the working precision: a small
/// box round Newton's estimate that Krawczyk's test proves holds a root
/// holds the box's only one; else K(box) ∩ box, step by step.
template <class Evaluate>
void tighten(int n, Ball (&box)[2], const std::vector<Ball>& ratios, Evaluate&& evaluate) {
  long bits = exact::WorkingPrecision::bits();
  Ball x[2];
  newtonEstimate(n, box, ratios, evaluate, x);
  for (long shift = bits - 16; shift > 8; shift -= 16) {
    Ball small[2], k[2];
    bool inside = true;
    for (int i = 0; i < n; ++i) {
      Ball radius = exact::scaled2(abs(x[i]) + Ball(1L), -shift);
      arb_union(small[i].get(), (x[i] - radius).get(), (x[i] + radius).get(), bits);
      inside = inside && arb_contains(box[i].get(), small[i].get());
    }
    if (!inside) break;
    if (krawczyk(n, small, k, ratios, evaluate) == Krawczyk::Unique) {
      for (int i = 0; i < n; ++i) box[i] = k[i];
      return;
    }
  }
  for (int step = 0; step < 200; ++step) {
    Ball k[2] = {box[0], box[1]};
    if (krawczyk(n, box, k, ratios, evaluate) == Krawczyk::None) break;
    bool narrower = false;
    for (int i = 0; i < n; ++i) {
      Ball both;
      if (!arb_intersection(both.get(), k[i].get(), box[i].get(), bits)) return;
      // Go on while a step still takes a tenth off a radius.
      if (mag_cmp(arb_radref(both.get()), arb_radref(box[i].get())) < 0) {
        mag_t tenth;
        mag_init(tenth);
        mag_mul_ui(tenth, arb_radref(both.get()), 10);
        mag_div_ui(tenth, tenth, 9);
        narrower = narrower || mag_cmp(tenth, arb_radref(box[i].get())) < 0;
        mag_clear(tenth);
      }
      box[i] = both;
    }
    if (!narrower) break;
  }
}

}  // namespace anglewise::anysolve
