#pragma once
// The triangles' own plane: corners placed as the window's figure places
// them (A at the origin, side X along the x axis to C, B above), and the
// centres and lines of the overlays, from sides and angles alone.
#include <array>
#include <optional>

#include "drawing/figure.h"
#include "report/true_triangle.h"  // oppositeOf

namespace anglewise::drawing {

/// Sides X, Y, Z and angles A, B, C in degrees. X lies between A and C and
/// is opposite B; Y between C and B, opposite A; Z between A and B,
/// opposite C.
struct Parts {
  double X = 0, Y = 0, Z = 0, A = 0, B = 0, C = 0;
  double side(char name) const;
  double angle(char name) const;
  double& side(char name);
  double& angle(char name);
};

/// The two corners at the ends of a side, in the order A-C, C-B, A-B.
std::array<char, 2> endsOf(char side);

struct Corners {
  Point A, B, C;
  Point at(char corner) const;
  Point& at(char corner);
};

/// A at the origin, C at (X, 0), B above the x axis.
Corners placeCorners(const Parts& t);

/// The foot of the perpendicular from v on the line through p and q.
Point footOn(Point v, Point p, Point q);
double distance(Point a, Point b);

struct Centres {
  Point incentre, circumcentre, centroid, orthocentre, ninePoint;
  double inradius = 0, circumradius = 0;
  std::array<Point, 3> excentres;  ///< of the excircles touching X, Y, Z
  std::array<double, 3> exradii;   ///< opposite X, Y, Z
};
Centres centresOf(const Corners& at, const Parts& t);

/// Two sides and an angle opposite one of them: the angle's corner G, the
/// side g opposite it (the side that swings), the other side h (from G to
/// the corner T that g swings around), and the unknown side t along the
/// line from G on which the third corner H lies.
struct SwingCase {
  char G = 'A', g = 'Y', h = 'X';
  double angle = 0, swinging = 0, fixed = 0;  ///< G in degrees, g and h
  char T() const;                             ///< the corner g swings around
  char H() const;                             ///< the corner that moves
  char t() const;                             ///< the side along the line from G
};

}  // namespace anglewise::drawing
