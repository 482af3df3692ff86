#include "anysolve/enclosure.h"

namespace anglewise::anysolve {

namespace {

long bits() {
  return exact::WorkingPrecision::bits();
}

}  // namespace

Ball sqrtPos(const Ball& a) {
  Ball out;
  arb_sqrtpos(out.get(), a.get(), bits());
  return out;
}

Ball powUi(const Ball& a, int n) {
  Ball out;
  arb_pow_ui(out.get(), a.get(), static_cast<ulong>(n), bits());
  return out;
}

Ball sincPi(const Ball& a) {
  Ball out;
  arb_sinc_pi(out.get(), a.get(), bits());
  return out;
}

Ball sinPi(const Ball& a) {
  Ball out;
  arb_sin_pi(out.get(), a.get(), bits());
  return out;
}

bool below(const Ball& a, double bound) {
  return arb_lt(a.get(), Ball(bound).get()) != 0;
}

bool overlaps(const Ball& a, const Ball& b) {
  return arb_overlaps(a.get(), b.get()) != 0;
}

bool containsInterior(const Ball& outer, const Ball& inner) {
  return arb_contains_interior(outer.get(), inner.get()) != 0;
}

Ball midpoint(const Ball& a) {
  Ball out;
  arb_get_mid_arb(out.get(), a.get());
  return out;
}

}  // namespace anglewise::anysolve
