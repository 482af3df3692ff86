#pragma once
// The next double up or down: by their bits, since the library's calls
// cost more than the arithmetic they widen.
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace anglewise::exact {

inline double nextUp(double x) {
  if (!(x < INFINITY)) return x;  // infinity and NaN stay
  if (x == 0) return DBL_TRUE_MIN;
  auto bits = std::bit_cast<uint64_t>(x);
  return std::bit_cast<double>(x > 0 ? bits + 1 : bits - 1);
}

inline double nextDown(double x) {
  return -nextUp(-x);
}

}  // namespace anglewise::exact
