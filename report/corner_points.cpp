#include "report/corner_points.h"

#include "exact/degrees.h"

namespace anglewise {
namespace {

using exact::Ball;

// |p - q|^2, exact: differences and products of doubles are binary
// fractions.
Ball squaredDistance(const std::array<double, 3>& p, const std::array<double, 3>& q) {
  Ball sum;
  for (int i = 0; i < 3; ++i) sum = sum + sqr(Ball(p[i]) - Ball(q[i]));
  return sum;
}

// The angle between sides p and q (squares pp, qq) facing the side of
// square ff, with S = 16 area^2: special where its cosine says so, else
// atan2(sqrt(S), pp + qq - ff).
Ball angleBetween(const Ball& pp, const Ball& qq, const Ball& ff, const Ball& S) {
  Ball num = pp + qq - ff;
  if (std::optional<Ball> special = exact::specialAngleFromCosine(num, pp * qq * 4L)) {
    return *special;
  }
  return exact::degrees(atan2(sqrt(S), num));
}

}  // namespace

std::optional<TriangleParts> partsFromSquares(const Ball& XX, const Ball& YY, const Ball& ZZ,
                                              std::string& why) {
  // 16 area^2 = 4 X^2 Z^2 - (X^2 + Z^2 - Y^2)^2, exact: zero on one line.
  Ball S = XX * ZZ * 4L - sqr(XX + ZZ - YY);
  if (!S.positive()) {
    why = "the three corners lie on one line";
    return std::nullopt;
  }
  TriangleParts t;
  t.X = sqrt(XX), t.Y = sqrt(YY), t.Z = sqrt(ZZ);
  t.A = angleBetween(XX, ZZ, YY, S);
  t.B = angleBetween(YY, ZZ, XX, S);
  t.C = angleBetween(XX, YY, ZZ, S);
  t.s = exact::scaled2(t.X + t.Y + t.Z, -1);
  t.dX = t.s - t.X, t.dY = t.s - t.Y, t.dZ = t.s - t.Z;
  t.area = exact::scaled2(sqrt(S), -2);
  // Equal squares are equal sides, exactly.
  t.equalCorners = (exact::certainlyEqual(XX, ZZ) ? 1u : 0u) |
                   (exact::certainlyEqual(YY, ZZ) ? 2u : 0u) |
                   (exact::certainlyEqual(XX, YY) ? 4u : 0u);
  return t;
}

Solutions cornerSolutions(const CornerPoints& c) {
  const auto& [A, B, C] = c;
  Ball XX = squaredDistance(A, C), YY = squaredDistance(B, C), ZZ = squaredDistance(A, B);
  Solutions out;
  if (XX.zero() || YY.zero() || ZZ.zero()) {
    out.why = "two of the corners are the same point";
    return out;
  }
  std::optional<TriangleParts> t = partsFromSquares(XX, YY, ZZ, out.why);
  if (!t) return out;
  out.triangles.push_back(*t);
  out.why = "three corners fix one triangle";
  return out;
}

}  // namespace anglewise
