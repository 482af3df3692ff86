#include "report/algebraic_check.h"

#include <calcium/qqbar.h>

/* The most a given angle's degrees / 180 may have as denominator. */
#define MOST_TURN_DENOMINATOR 720

/* The measures in anysolve::Measure's order (K_: <sys/param.h> defines HZ). */
enum {
  K_X,
  K_Y,
  K_Z,
  K_A,
  K_B,
  K_C,
  K_HX,
  K_HY,
  K_HZ,
  K_MX,
  K_MY,
  K_MZ,
  K_TA,
  K_TB,
  K_TC,
  K_AREA,
  K_PERIMETER,
  K_INRADIUS,
  K_CIRCUMRADIUS
};

/* Each angle's two sides and the side it faces (indices of X, Y, Z). */
static const int near_sides[3][2] = {{K_X, K_Z}, {K_Y, K_Z}, {K_X, K_Y}};
static const int facing_side[3] = {K_Y, K_X, K_Z};

typedef struct {
  qqbar_t squares[3], sides[3], area, perimeter;
} candidate;

static void half_root(qqbar_t out, const qqbar_t value) { /* sqrt(value) / 2 */
  qqbar_sqrt(out, value);
  qqbar_div_ui(out, out, 2);
}

static void cosine(qqbar_t out, const candidate* c, int angle) {
  int p = near_sides[angle][0], q = near_sides[angle][1];
  qqbar_t den;
  qqbar_init(den);
  qqbar_add(out, c->squares[p], c->squares[q]);
  qqbar_sub(out, out, c->squares[facing_side[angle]]);
  qqbar_mul(den, c->sides[p], c->sides[q]);
  qqbar_mul_ui(den, den, 2);
  qqbar_div(out, out, den);
  qqbar_clear(den);
}

static void median(qqbar_t out, const candidate* c, int side) { /* to X, Y or Z */
  qqbar_add(out, c->squares[(side + 1) % 3], c->squares[(side + 2) % 3]);
  qqbar_mul_ui(out, out, 2);
  qqbar_sub(out, out, c->squares[side]);
  half_root(out, out);
}

static void bisector(qqbar_t out, const candidate* c, int angle) {
  /* t^2 = p q (1 - f^2 / (p + q)^2) */
  const qqbar_struct* p = c->sides[near_sides[angle][0]];
  const qqbar_struct* q = c->sides[near_sides[angle][1]];
  qqbar_t sum, part;
  qqbar_init(sum), qqbar_init(part);
  qqbar_add(sum, p, q);
  qqbar_mul(sum, sum, sum);
  qqbar_div(part, c->squares[facing_side[angle]], sum);
  qqbar_one(out);
  qqbar_sub(out, out, part);
  qqbar_mul(out, out, p);
  qqbar_mul(out, out, q);
  qqbar_sqrt(out, out);
  qqbar_clear(sum), qqbar_clear(part);
}

/* The angle's cosine against cos(pi degrees / 180). */
static int meets_angle(const candidate* c, int angle, const fmpq_t degrees) {
  fmpq_t turns;
  qqbar_t expected, found;
  int ok = 0;
  fmpq_init(turns);
  fmpq_div_fmpz(turns, degrees, (const fmpz*)&(fmpz){180});
  if (fmpz_fits_si(fmpq_numref(turns)) &&
      fmpz_cmp_ui(fmpq_denref(turns), MOST_TURN_DENOMINATOR) <= 0) {
    qqbar_init(expected), qqbar_init(found);
    qqbar_cos_pi(expected, fmpz_get_si(fmpq_numref(turns)), fmpz_get_ui(fmpq_denref(turns)));
    cosine(found, c, angle);
    ok = qqbar_equal(found, expected);
    qqbar_clear(expected), qqbar_clear(found);
  }
  fmpq_clear(turns);
  return ok;
}

static int meets(const candidate* c, int kind, const fmpq_t given) {
  qqbar_t value, found;
  int ok;
  if (kind >= K_A && kind <= K_C) return meets_angle(c, kind - K_A, given);
  qqbar_init(value), qqbar_init(found);
  qqbar_set_fmpq(value, given);
  if (kind <= K_Z) {
    qqbar_set(found, c->sides[kind]);
  } else if (kind <= K_HZ) { /* 2 area / side */
    qqbar_mul_ui(found, c->area, 2);
    qqbar_div(found, found, c->sides[kind - K_HX]);
  } else if (kind <= K_MZ) {
    median(found, c, kind - K_MX);
  } else if (kind <= K_TC) {
    bisector(found, c, kind - K_TA);
  } else if (kind == K_AREA) {
    qqbar_set(found, c->area);
  } else if (kind == K_PERIMETER) {
    qqbar_set(found, c->perimeter);
  } else if (kind == K_INRADIUS) { /* 2 area / perimeter */
    qqbar_mul_ui(found, c->area, 2);
    qqbar_div(found, found, c->perimeter);
  } else { /* X Y Z / (4 area) */
    qqbar_mul(found, c->sides[K_X], c->sides[K_Y]);
    qqbar_mul(found, found, c->sides[K_Z]);
    qqbar_div(found, found, c->area);
    qqbar_div_ui(found, found, 4);
  }
  ok = qqbar_equal(found, value);
  qqbar_clear(value), qqbar_clear(found);
  return ok;
}

int anglewise_triangle_meets(const fmpq* squares, int count, const int* kinds, const fmpq* values) {
  candidate c;
  qqbar_t term;
  int i, ok = 1;
  qqbar_init(term), qqbar_init(c.area), qqbar_init(c.perimeter);
  for (i = 0; i < 3; ++i) {
    qqbar_init(c.squares[i]), qqbar_init(c.sides[i]);
    qqbar_set_fmpq(c.squares[i], squares + i);
    qqbar_sqrt(c.sides[i], c.squares[i]);
  }
  /* 16 area^2 = 2 (X^2 Y^2 + Y^2 Z^2 + Z^2 X^2) - (X^4 + Y^4 + Z^4), positive for a triangle */
  for (i = 0; i < 3; ++i) {
    qqbar_mul(term, c.squares[i], c.squares[(i + 1) % 3]);
    qqbar_mul_ui(term, term, 2);
    qqbar_add(c.area, c.area, term);
    qqbar_mul(term, c.squares[i], c.squares[i]);
    qqbar_sub(c.area, c.area, term);
  }
  if (qqbar_sgn_re(c.area) <= 0) ok = 0;
  if (ok) {
    qqbar_sqrt(c.area, c.area);
    qqbar_div_ui(c.area, c.area, 4);
    qqbar_add(c.perimeter, c.sides[K_X], c.sides[K_Y]);
    qqbar_add(c.perimeter, c.perimeter, c.sides[K_Z]);
    for (i = 0; i < count && ok; ++i) {
      ok = kinds[i] >= 0 && kinds[i] < ANGLEWISE_MEASURE_COUNT && meets(&c, kinds[i], values + i);
    }
  }
  for (i = 0; i < 3; ++i) qqbar_clear(c.squares[i]), qqbar_clear(c.sides[i]);
  qqbar_clear(term), qqbar_clear(c.area), qqbar_clear(c.perimeter);
  return ok;
}
