#pragma once
/* Whether a triangle given by rational squared sides has given measures
   exactly, in Calcium's algebraic numbers. In C: Calcium's headers do not
   compile as C++. */
#include <flint/fmpq.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The measures, numbered as anysolve::Measure: sides X, Y, Z; angles A, B,
   C (degrees); heights, medians, bisectors; area, perimeter, inradius,
   circumradius. Side X faces B, Y faces A, Z faces C. */
enum { ANGLEWISE_MEASURE_COUNT = 19 };

/* 1 where the triangle whose squared sides are squares[0..2] (X, Y, Z)
   exists and has measure kinds[i] equal to values[i] for every i < count;
   0 otherwise, and where an angle's degrees / 180 is not a small fraction. */
int anglewise_triangle_meets(const fmpq* squares, int count, const int* kinds, const fmpq* values);

#ifdef __cplusplus
}
#endif
