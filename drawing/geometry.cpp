#include "drawing/geometry.h"

#include <cmath>
#include <numbers>

namespace anglewise::drawing {
namespace {

double radians(double degrees) {
  return degrees * (std::numbers::pi / 180);
}

Point plus(Point a, Point b) {
  return {a.x + b.x, a.y + b.y};
}
Point minus(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}
Point times(Point a, double k) {
  return {a.x * k, a.y * k};
}

// The weighted mean of the corners, weights for A, B, C.
Point weighted(const Corners& at, double wa, double wb, double wc) {
  double sum = wa + wb + wc;
  return {(wa * at.A.x + wb * at.B.x + wc * at.C.x) / sum,
          (wa * at.A.y + wb * at.B.y + wc * at.C.y) / sum};
}

}  // namespace

double Parts::side(char name) const {
  return name == 'X' ? X : name == 'Y' ? Y : Z;
}

double Parts::angle(char name) const {
  return name == 'A' ? A : name == 'B' ? B : C;
}

double& Parts::side(char name) {
  return name == 'X' ? X : name == 'Y' ? Y : Z;
}

double& Parts::angle(char name) {
  return name == 'A' ? A : name == 'B' ? B : C;
}

std::array<char, 2> endsOf(char side) {
  if (side == 'X') return {'A', 'C'};
  if (side == 'Y') return {'C', 'B'};
  return {'A', 'B'};
}

Point Corners::at(char corner) const {
  return corner == 'A' ? A : corner == 'B' ? B : C;
}

Point& Corners::at(char corner) {
  return corner == 'A' ? A : corner == 'B' ? B : C;
}

Corners placeCorners(const Parts& t) {
  double a = radians(t.A);
  return {{0, 0}, {t.Z * std::cos(a), t.Z * std::sin(a)}, {t.X, 0}};
}

Point footOn(Point v, Point p, Point q) {
  Point d = minus(q, p);
  double along = ((v.x - p.x) * d.x + (v.y - p.y) * d.y) / (d.x * d.x + d.y * d.y);
  return plus(p, times(d, along));
}

double distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

Centres centresOf(const Corners& at, const Parts& t) {
  Centres c;
  // A corner's weight is the side opposite it: Y for A, X for B, Z for C.
  c.incentre = weighted(at, t.Y, t.X, t.Z);
  c.centroid = weighted(at, 1, 1, 1);
  Point b = minus(at.B, at.A), k = minus(at.C, at.A);
  double d = 2 * (b.x * k.y - b.y * k.x);
  double bb = b.x * b.x + b.y * b.y, kk = k.x * k.x + k.y * k.y;
  c.circumcentre = plus(at.A, {(k.y * bb - b.y * kk) / d, (b.x * kk - k.x * bb) / d});
  // H = A + B + C - 2 O, with O as the origin of the vectors.
  c.orthocentre = plus(plus(at.A, minus(at.B, c.circumcentre)), minus(at.C, c.circumcentre));
  c.ninePoint = times(plus(c.circumcentre, c.orthocentre), 0.5);
  double area = t.X * t.Z * std::sin(radians(t.A)) / 2, s = (t.X + t.Y + t.Z) / 2;
  c.inradius = area / s;
  c.circumradius = t.X / (2 * std::sin(radians(t.B)));
  // The excircle touching a side lies beyond it, opposite that side's corner.
  c.excentres = {weighted(at, t.Y, -t.X, t.Z), weighted(at, -t.Y, t.X, t.Z),
                 weighted(at, t.Y, t.X, -t.Z)};
  c.exradii = {area / (s - t.X), area / (s - t.Y), area / (s - t.Z)};
  return c;
}

char SwingCase::T() const {
  return static_cast<char>('A' + 'B' + 'C' - G - oppositeOf(h));
}

char SwingCase::H() const {
  return oppositeOf(h);
}

char SwingCase::t() const {
  return oppositeOf(T());
}

}  // namespace anglewise::drawing
