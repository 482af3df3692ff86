#pragma once
// What the report's figure and its overlays share while they are built:
// one triangle placed in the plane, shape makers, and the labels already
// placed (so that no two letters land on each other).
#include <string>
#include <vector>

#include "drawing/figure.h"
#include "drawing/geometry.h"
#include "drawing/overlays.h"
#include "report/triangle_report.h"

namespace anglewise::drawing::detail {

/// One triangle of the report, placed in the plane.
struct Placed {
  int number = 1;  ///< 1 or 2
  Parts parts;
  Corners at;
  const ReportTriangle* report = nullptr;
  bool shown = false;
  bool ofTwo = false;      ///< one of two triangles in the same drawing
  char moving = 0;         ///< the corner that differs between the two, or 0
  std::string sharedSide;  ///< the sides both triangles share (not lettered twice)

  /// " of triangle 1" when the drawing holds two, else "".
  std::string of() const;
  /// "-1", for ids.
  std::string suffix() const { return "-" + std::to_string(number); }
  /// A corner's or side's letter, numbered where the two triangles differ.
  std::string letter(char name) const;
  /// A centre's letter (H, G, I, O), numbered when there are two triangles.
  std::string centre(const std::string& name) const;
};

/// Letters placed so far, kept apart by about a letter's size.
class Labels {
 public:
  /// `wanted`, or the nearest free place above or below it.
  Point place(Point wanted);

 private:
  std::vector<Point> placed_;
};

Shape polyline(std::vector<Point> points, bool guide = false);
Shape circleShape(Point centre, double radius);
/// From `start` to `end` radians, clockwise on the screen.
Shape arcShape(Point centre, double radius, double start, double end);
Shape markerShape(Point at, Marker marker);
Shape labelShape(Point at, std::string text);
/// A small square in the corner between `along` and `up` (unit vectors).
Shape rightAngleMark(Point at, Point along, Point up, double size = 7);

/// A number as a note writes it: six significant digits.
std::string shortNumber(double value);
/// The unit vector from a to b in the figure; (1, 0) when they meet.
Point unitFrom(Point a, Point b);

/// The overlay groups of one triangle, in figure space through `view`;
/// lines that run on without end (the Euler line) stop at `area`.
void addOverlays(Figure& figure, const Placed& t, OverlaySet overlays, Labels& labels);

}  // namespace anglewise::drawing::detail
