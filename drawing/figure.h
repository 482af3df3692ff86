#pragma once
// A figure as plain data: shapes in figure space (pixels at 1:1, y down),
// gathered in named groups (one a triangle, a side, a height, a circle...)
// with what a screen reader says of each. Renderers (cairo for images and
// PDF pages, our own SVG writer) and the tests read the same data.
#include <optional>
#include <string>
#include <vector>

namespace anglewise::drawing {

struct Point {
  double x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

/// How a group is styled; the style gives each role its colour, dash,
/// width and marker.
enum class Role {
  Triangle,       ///< the first (or only) triangle
  OtherTriangle,  ///< the second triangle of the ambiguous case
  Swing,          ///< the arc of the swinging side and its meeting points
  Shortfall,      ///< the height a too short side fails to reach
  Height,
  Median,
  Bisector,
  Incircle,
  Circumcircle,
  Excircle,
  Euler,
  Note,
  Inset,
};
inline constexpr int kRoleCount = static_cast<int>(Role::Inset) + 1;

enum class Marker { None, Dot, Ring, Square, Diamond, Cross, Plus, Triangle };

struct Shape {
  enum class Kind {
    Polyline,  ///< points joined
    Polygon,   ///< points joined and closed, tinted inside
    Circle,    ///< points[0] the centre
    Arc,       ///< points[0] the centre, from `start` to `end` radians, clockwise on screen
    Marker,    ///< points[0]
    Label,     ///< `text` centred on points[0]
  };
  Kind kind = Kind::Polyline;
  std::vector<Point> points;
  double radius = 0, start = 0, end = 0;
  Marker marker = Marker::None;
  std::string text;
  /// A guide (a side's extension, a right-angle mark): thin and dotted.
  bool guide = false;
  /// A polygon's outline is stroked unless this is false; `tint` shades it.
  bool outline = true;
  bool tint = false;
};

/// A point of the group worth naming: a corner, a centre, a foot.
struct Anchor {
  std::string name;
  Point at;
};

struct Group {
  std::string id;      ///< "triangle-1", "height-X-1", "incircle-2", "swing"
  std::string parent;  ///< the group it belongs to, or ""
  Role role = Role::Triangle;
  int triangle = 0;         ///< 1 or 2, or 0 for none
  std::string name;         ///< what a screen reader calls it
  std::string description;  ///< what it shows, with its value
  std::string value;        ///< the report's value of it, or ""
  std::vector<Shape> shapes;
  std::vector<Anchor> anchors;
  /// Drawn in the needle's inset, outside the figure's clip.
  bool inInset = false;
  std::optional<Point> anchor(const std::string& name) const;
};

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  bool contains(Point p) const { return p.x >= x && p.x <= x + w && p.y >= y && p.y <= y + h; }
};

/// From the triangles' own plane (units of the given sides, y up) to the
/// figure: x' = origin.x + scale x, y' = origin.y - scale y.
struct View {
  double scale = 1;
  Point origin;
  Point toFigure(Point p) const { return {origin.x + scale * p.x, origin.y - scale * p.y}; }
};

struct LegendEntry {
  Role role;
  std::string text;
};

struct Figure {
  double width = 0, height = 0;
  View view;
  /// Where the triangles are drawn to scale; everything else there is
  /// clipped to it.
  Rect area;
  /// What the drawing may cover: the area with its letters, above the
  /// inset, the notes and the legend.
  Rect clip;
  std::vector<Group> groups;  ///< in painting order, a parent before its children
  std::vector<LegendEntry> legend;
  /// Where the legend is drawn, or none (the window shows it beside).
  std::optional<Point> legendAt;
  std::vector<std::string> notes;  ///< lines, left-aligned from notesAt down
  Point notesAt;
  double noteLine = 15;       ///< pixels from one note line to the next
  double legendRow = 18;      ///< pixels from one legend row to the next
  double legendColumn = 300;  ///< pixels from one legend column to the next (at least)
  int legendColumns = 1;
  /// The groups a reader can point at: every group with a name.
  std::vector<const Group*> elements() const;
  const Group* find(const std::string& id) const;
};

/// The smallest rectangle round a group's shapes (a label counted as its
/// letters' likely size).
Rect boundsOf(const Group& group);
/// The id of the element drawn nearest `at`, within `tolerance` pixels, or
/// of the triangle `at` lies in; "" for none. A part without a name (the
/// inset's triangle) answers for the element it belongs to.
std::string elementAt(const Figure& figure, Point at, double tolerance = 5);

}  // namespace anglewise::drawing
