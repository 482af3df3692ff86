#include "report/coincidences.h"

#include <flint/fmpq.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "report/algebraic_check.h"
#include "report/corner_points.h"

namespace anglewise {
namespace {

using anysolve::GivenMeasure;
using anysolve::Measure;
using exact::Ball;

// A FLINT rational that frees itself.
struct Rational {
  Rational() { fmpq_init(q); }
  Rational(const Rational&) = delete;
  Rational& operator=(const Rational&) = delete;
  ~Rational() { fmpq_clear(q); }
  fmpq_t q;
};

// The most bits a guessed square's numerator or denominator may have:
// enough for the squares of doubles' values of the measures' sizes, which
// is where the values people type come to lie.
slong mostBits(const std::vector<GivenMeasure>& measures) {
  int widest = 0;
  for (const GivenMeasure& g : measures) {
    if (g.value != 0) widest = std::max(widest, std::abs(std::ilogb(g.value)));
  }
  return 128 + 4 * widest;
}

// The simplest rational inside `value` (its ends rounded outward: a guess
// only, checked exactly after), where it is simple enough.
bool simplestInside(const Ball& value, slong most, fmpq_t out) {
  arf_t low, high;
  arf_init(low), arf_init(high);
  arb_get_interval_arf(low, high, value.get(), 2 * exact::WorkingPrecision::bits());
  bool ok = arf_sgn(low) > 0 && arf_is_finite(high);
  if (ok) {
    Rational l, r;
    arf_get_fmpq(l.q, low), arf_get_fmpq(r.q, high);
    fmpq_simplest_between(out, l.q, r.q);
    auto bits = [](const fmpz_t n) { return static_cast<slong>(fmpz_bits(n)); };
    ok = bits(fmpq_numref(out)) <= most && bits(fmpq_denref(out)) <= most;
  }
  arf_clear(low), arf_clear(high);
  return ok;
}

void toRational(double value, fmpq_t out) {
  Ball exact(value);
  arf_get_fmpq(out, arb_midref(exact.get()));
}

// Whether the triangle with these squared sides has the three measures
// exactly.
bool meetsAll(const std::array<Rational, 3>& squares, const std::vector<GivenMeasure>& measures) {
  fmpq sides[3], values[3];
  int kinds[3];
  if (measures.size() != 3) return false;
  for (int k = 0; k < 3; ++k) {
    fmpq_init(sides + k), fmpq_init(values + k);
    fmpq_set(sides + k, squares[static_cast<size_t>(k)].q);
    toRational(measures[static_cast<size_t>(k)].value, values + k);
    kinds[k] = static_cast<int>(measures[static_cast<size_t>(k)].measure);
  }
  bool ok = anglewise_triangle_meets(sides, 3, kinds, values) != 0;
  for (int k = 0; k < 3; ++k) fmpq_clear(sides + k), fmpq_clear(values + k);
  return ok;
}

// Whether the enclosures leave a right angle or two equal sides open.
bool undecided(const TriangleParts& t) {
  Ball right(90L);
  for (const Ball* angle : {&t.A, &t.B, &t.C}) {
    if (exact::compareOr(*angle, right, exact::kUndecided) == exact::kUndecided) return true;
  }
  const std::tuple<const Ball*, const Ball*, unsigned> pairs[] = {
      {&t.X, &t.Z, 1u}, {&t.Y, &t.Z, 2u}, {&t.X, &t.Y, 4u}};
  for (const auto& [p, q, bit] : pairs) {
    if ((t.equalCorners & bit) || exact::certainlyEqual(*p, *q)) continue;
    if (exact::compareOr(*p, *q, exact::kUndecided) == exact::kUndecided) return true;
  }
  return false;
}

}  // namespace

void decideCoincidences(std::vector<TriangleParts>& triangles,
                        const std::vector<GivenMeasure>& measures) {
  for (size_t i = 0; i < triangles.size(); ++i) {
    TriangleParts& t = triangles[i];
    if (!undecided(t)) continue;
    std::array<Rational, 3> squares;
    const Ball* sides[3] = {&t.X, &t.Y, &t.Z};
    bool simple = true;
    for (int k = 0; k < 3 && simple; ++k) {
      simple = simplestInside(sqr(*sides[k]), mostBits(measures), squares[k].q);
    }
    if (!simple) continue;
    if (!meetsAll(squares, measures)) continue;
    // Another solution whose enclosures hold the same squares could be it.
    bool alone = true;
    for (size_t j = 0; j < triangles.size() && alone; ++j) {
      if (j == i) continue;
      const Ball* others[3] = {&triangles[j].X, &triangles[j].Y, &triangles[j].Z};
      bool holds = true;
      for (int k = 0; k < 3; ++k)
        holds = holds && arb_contains_fmpq(sqr(*others[k]).get(), squares[k].q);
      alone = !holds;
    }
    if (!alone) continue;
    // The squares are the triangle's: exact where they are exact balls...
    Ball exactSquares[3];
    bool dyadic = true;
    for (int k = 0; k < 3; ++k) {
      arb_set_fmpq(exactSquares[k].get(), squares[k].q,
                   std::max(exact::WorkingPrecision::bits(), 4 * mostBits(measures)));
      dyadic = dyadic && exactSquares[k].exact();
    }
    std::string why;
    if (dyadic) {
      if (std::optional<TriangleParts> parts =
              partsFromSquares(exactSquares[0], exactSquares[1], exactSquares[2], why)) {
        t = *parts;
        continue;
      }
    }
    // ...else the right angle and the equal sides they decide.
    auto equal = [&](int p, int q) { return fmpq_equal(squares[p].q, squares[q].q) != 0; };
    t.equalCorners |= (equal(0, 2) ? 1u : 0u) | (equal(1, 2) ? 2u : 0u) | (equal(0, 1) ? 4u : 0u);
    auto pythagoras = [&](int p, int q, int r) {
      Rational sum;
      fmpq_add(sum.q, squares[p].q, squares[q].q);
      return fmpq_equal(sum.q, squares[r].q) != 0;
    };
    if (pythagoras(0, 2, 1)) t.A = Ball(90L);
    if (pythagoras(1, 2, 0)) t.B = Ball(90L);
    if (pythagoras(0, 1, 2)) t.C = Ball(90L);
  }
}

bool exactlyIsosceles(const TriangleParts& t, int apex, const std::vector<GivenMeasure>& measures,
                      Ball& apexAngle) {
  std::array<Rational, 3> squares;
  const Ball* sides[3] = {&t.X, &t.Y, &t.Z};
  for (int k = 0; k < 3; ++k) {
    if (!simplestInside(sqr(*sides[k]), mostBits(measures), squares[k].q)) return false;
  }
  // The side facing the apex, and the two beside it (Y faces A, X faces B).
  constexpr int kFacing[3] = {1, 0, 2};
  int base = kFacing[apex], leg = (base + 1) % 3, other = (base + 2) % 3;
  if (!fmpq_equal(squares[leg].q, squares[other].q) || !meetsAll(squares, measures)) return false;
  // cos(apex) = 1 - base^2 / (2 leg^2), exactly; the angle over pi.
  Rational ratio;
  fmpq_div(ratio.q, squares[base].q, squares[leg].q);
  Ball cosine;
  arb_set_fmpq(cosine.get(), ratio.q, exact::WorkingPrecision::bits());
  cosine = Ball(1L) - exact::scaled2(cosine, -1);
  Ball sine = sqrt(Ball(1L) - sqr(cosine));
  apexAngle = exact::atan2(sine, cosine) / exact::pi();
  return true;
}

}  // namespace anglewise
