// The overlays of one triangle: heights with the orthocentre, medians with
// the centroid, angle bisectors with the incentre, the incircle, the
// circumcircle with its centre, the excircles and the Euler line.
#include <cmath>
#include <cstdio>
#include <optional>

#include "drawing/figure_builder.h"

namespace anglewise::drawing::detail {
namespace {

constexpr const char* kSubscripts[] = {"", "\u2081", "\u2082"};
constexpr char kSides[] = {'X', 'Y', 'Z'};
constexpr char kCorners[] = {'A', 'B', 'C'};

Point plus(Point a, Point b) {
  return {a.x + b.x, a.y + b.y};
}
Point minus(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}
Point times(Point a, double k) {
  return {a.x * k, a.y * k};
}
double dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}

// Where along p -> q the point lies: 0 at p, 1 at q.
double along(Point at, Point p, Point q) {
  Point d = minus(q, p);
  return dot(minus(at, p), d) / dot(d, d);
}

// The side between two corners.
char sideBetween(char p, char q) {
  return oppositeOf(static_cast<char>('A' + 'B' + 'C' - p - q));
}

Group group(const Placed& t, const std::string& id, Role role, const std::string& name,
            const std::string& value, const std::string& description) {
  Group g;
  g.id = id + t.suffix();
  g.role = role;
  g.triangle = t.number;
  g.name = name + t.of();
  g.value = value;
  g.description = description;
  return g;
}

// A centre's marker and letter, a little up and to the right of it.
void addCentre(Group& g, Point at, Marker marker, const std::string& letter, Labels& labels) {
  g.shapes.push_back(markerShape(at, marker));
  if (!letter.empty()) g.shapes.push_back(labelShape(labels.place({at.x + 10, at.y - 10}), letter));
  g.anchors.push_back({"at", at});
}

class OverlayMaker {
 public:
  OverlayMaker(Figure& figure, const Placed& t, Labels& labels)
      : figure_(figure), t_(t), labels_(labels), centres_(centresOf(t.at, t.parts)) {}

  Point at(Point model) const { return figure_.view.toFigure(model); }
  Point corner(char name) const { return at(t_.at.at(name)); }
  double scale() const { return figure_.view.scale; }

  void heights() {
    Point h = at(centres_.orthocentre);
    Group centre = group(t_, "orthocentre", Role::Height, "Orthocentre", "",
                         "where the three heights meet" + where(centres_.orthocentre));
    for (int i = 0; i < 3; ++i) {
      char side = kSides[i], from = oppositeOf(side);
      auto [p, q] = endsOf(side);
      Point v = corner(from), a = corner(p), b = corner(q);
      Point foot = at(footOn(t_.at.at(from), t_.at.at(p), t_.at.at(q)));
      double k = along(foot, a, b);
      Group g = group(t_, std::string("height-") + side, Role::Height,
                      "Height to " + std::string(1, side), t_.report->heights[i].text,
                      t_.report->heights[i].text + ", from " + t_.letter(from) + " to " +
                          (k < 0 || k > 1 ? "the line of side " : "side ") + t_.letter(side));
      g.shapes.push_back(polyline({v, foot}));
      if (k < 0) g.shapes.push_back(polyline({a, foot}, true));
      if (k > 1) g.shapes.push_back(polyline({b, foot}, true));
      if (std::hypot(v.x - foot.x, v.y - foot.y) > 10 && std::hypot(a.x - b.x, a.y - b.y) > 10) {
        // The mark stands on the side's own stretch, towards its middle.
        Point mid = times(plus(a, b), 0.5);
        Point toward =
            std::hypot(mid.x - foot.x, mid.y - foot.y) > 1 ? unitFrom(foot, mid) : unitFrom(a, b);
        g.shapes.push_back(rightAngleMark(foot, toward, unitFrom(foot, v)));
      }
      g.anchors = {{"from", v}, {"foot", foot}};
      figure_.groups.push_back(std::move(g));
      // Where the orthocentre lies beyond the height, a guide runs on to it.
      double beyond = along(h, v, foot);
      if (beyond > 1) centre.shapes.push_back(polyline({foot, h}, true));
      if (beyond < 0) centre.shapes.push_back(polyline({v, h}, true));
    }
    addCentre(centre, h, Marker::Square, t_.centre("H"), labels_);
    figure_.groups.push_back(std::move(centre));
  }

  void medians() {
    for (int i = 0; i < 3; ++i) {
      char side = kSides[i], from = oppositeOf(side);
      auto [p, q] = endsOf(side);
      Point v = corner(from), mid = times(plus(corner(p), corner(q)), 0.5);
      Group g = group(t_, std::string("median-") + side, Role::Median,
                      "Median to " + std::string(1, side), t_.report->medians[i].text,
                      t_.report->medians[i].text + ", from " + t_.letter(from) +
                          " to the middle of side " + t_.letter(side));
      g.shapes.push_back(polyline({v, mid}));
      g.anchors = {{"from", v}, {"mid", mid}};
      figure_.groups.push_back(std::move(g));
    }
    Group centre = group(t_, "centroid", Role::Median, "Centroid", "",
                         "where the three medians meet, two thirds of the way along each");
    addCentre(centre, at(centres_.centroid), Marker::Diamond, t_.centre("G"), labels_);
    figure_.groups.push_back(std::move(centre));
  }

  void bisectors() {
    for (int i = 0; i < 3; ++i) {
      char from = kCorners[i], side = oppositeOf(from);
      auto [p, q] = endsOf(side);
      // The bisector divides the opposite side as the sides beside it.
      double toP = t_.parts.side(sideBetween(from, p)), toQ = t_.parts.side(sideBetween(from, q));
      Point v = corner(from), a = corner(p), b = corner(q);
      Point end = plus(a, times(minus(b, a), toP / (toP + toQ)));
      Group g = group(t_, std::string("bisector-") + from, Role::Bisector,
                      "Bisector of " + std::string(1, from), t_.report->bisectors[i].text,
                      t_.report->bisectors[i].text + ", halving angle " + t_.letter(from) +
                          ", to side " + t_.letter(side));
      g.shapes.push_back(polyline({v, end}));
      g.anchors = {{"from", v}, {"to", end}};
      figure_.groups.push_back(std::move(g));
    }
    Group centre = group(t_, "incentre", Role::Bisector, "Incentre", "",
                         "where the three angle bisectors meet, the centre of the incircle");
    addCentre(centre, at(centres_.incentre), Marker::Dot, t_.centre("I"), labels_);
    figure_.groups.push_back(std::move(centre));
  }

  void incircle(bool letterIt) {
    const std::string& r = t_.report->inradius.text;
    Group g = group(t_, "incircle", Role::Incircle, "Incircle", r,
                    "radius " + r + " (the inradius), touching all three sides from inside");
    Point c = at(centres_.incentre);
    g.shapes.push_back(circleShape(c, centres_.inradius * scale()));
    addCentre(g, c, Marker::Ring, letterIt ? t_.centre("I") : "", labels_);
    g.anchors = {{"centre", c}};
    figure_.groups.push_back(std::move(g));
  }

  void circumcircle() {
    const std::string& r = t_.report->circumradius.text;
    Point c = at(centres_.circumcentre);
    Group g = group(t_, "circumcircle", Role::Circumcircle, "Circumcircle", r,
                    "radius " + r + " (the circumradius), through the three corners");
    g.shapes.push_back(circleShape(c, centres_.circumradius * scale()));
    g.anchors = {{"centre", c}};
    figure_.groups.push_back(std::move(g));
    Group centre = group(t_, "circumcentre", Role::Circumcircle, "Circumcentre", "",
                         "the centre of the circumcircle, where the sides' perpendicular "
                         "bisectors meet" +
                             where(centres_.circumcentre));
    addCentre(centre, c, Marker::Cross, t_.centre("O"), labels_);
    figure_.groups.push_back(std::move(centre));
  }

  void excircles() {
    for (int i = 0; i < 3; ++i) {
      char side = kSides[i];
      const std::string& r = t_.report->exradii[i].text;
      Point c = at(centres_.excentres[i]);
      Group g = group(t_, std::string("excircle-") + side, Role::Excircle,
                      "Excircle opposite " + std::string(1, side), r,
                      "radius " + r + ", touching side " + t_.letter(side) +
                          " from outside and the lines of the other two sides");
      g.shapes.push_back(circleShape(c, centres_.exradii[i] * scale()));
      auto [p, q] = endsOf(side);
      g.anchors = {{"centre", c},
                   {"touch", at(footOn(centres_.excentres[i], t_.at.at(p), t_.at.at(q)))}};
      // The other two sides run on past this side's ends to touch it.
      for (char other : kSides) {
        if (other == side) continue;
        auto [r1, r2] = endsOf(other);
        char end = (r1 == p || r1 == q) ? r1 : r2;
        Point touch = at(footOn(centres_.excentres[i], t_.at.at(r1), t_.at.at(r2)));
        g.shapes.push_back(polyline({corner(end), touch}, true));
        g.anchors.push_back({std::string("touch-") + other, touch});
      }
      std::string letter = t_.centre(std::string("J") + static_cast<char>(side - 'X' + 'x'));
      g.shapes.push_back(markerShape(c, Marker::Triangle));
      g.shapes.push_back(labelShape(labels_.place({c.x + 12, c.y - 10}), letter));
      figure_.groups.push_back(std::move(g));
    }
  }

  void euler() {
    Point o = at(centres_.circumcentre), h = at(centres_.orthocentre);
    if (std::hypot(o.x - h.x, o.y - h.y) < 1e-9 * scale() * t_.parts.X) return;  // equilateral
    Group g = group(t_, "euler", Role::Euler, "Euler line", "",
                    "through the circumcentre O, the centroid G, the nine-point centre N and "
                    "the orthocentre H");
    if (auto ends = clipped(o, unitFrom(o, h), figure_.area)) {
      g.shapes.push_back(polyline({ends->first, ends->second}));
    }
    Point centroid = at(centres_.centroid), nine = at(centres_.ninePoint);
    for (Point p : {o, centroid, nine, h}) g.shapes.push_back(markerShape(p, Marker::Plus));
    g.shapes.push_back(labelShape(labels_.place({nine.x + 10, nine.y + 12}), t_.centre("N")));
    g.anchors = {{"O", o}, {"G", centroid}, {"N", nine}, {"H", h}};
    figure_.groups.push_back(std::move(g));
  }

 private:
  // ", outside the triangle" and the like, for a centre.
  std::string where(Point p) const {
    const Corners& c = t_.at;
    auto cross = [](Point a, Point b, Point q) {
      return (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
    };
    double d1 = cross(c.A, c.C, p), d2 = cross(c.C, c.B, p), d3 = cross(c.B, c.A, p);
    double size = t_.parts.X * t_.parts.X + t_.parts.Y * t_.parts.Y + t_.parts.Z * t_.parts.Z;
    double tiny = 1e-9 * size;
    if (std::fabs(d1) < tiny || std::fabs(d2) < tiny || std::fabs(d3) < tiny) {
      return ", on the triangle's edge";
    }
    bool inside = (d1 > 0 && d2 > 0 && d3 > 0) || (d1 < 0 && d2 < 0 && d3 < 0);
    return inside ? ", inside the triangle" : ", outside the triangle";
  }

  // The stretch of the line through p along d that lies in r.
  static std::optional<std::pair<Point, Point>> clipped(Point p, Point d, Rect r) {
    double low = -1e300, high = 1e300;
    auto edge = [&](double start, double step, double min, double max) {
      if (std::fabs(step) < 1e-300) return start >= min && start <= max;
      double t1 = (min - start) / step, t2 = (max - start) / step;
      low = std::max(low, std::min(t1, t2));
      high = std::min(high, std::max(t1, t2));
      return true;
    };
    if (!edge(p.x, d.x, r.x, r.x + r.w) || !edge(p.y, d.y, r.y, r.y + r.h) || low > high) {
      return std::nullopt;
    }
    return std::make_pair(plus(p, times(d, low)), plus(p, times(d, high)));
  }

  Figure& figure_;
  const Placed& t_;
  Labels& labels_;
  Centres centres_;
};

}  // namespace

std::string Placed::of() const {
  return ofTwo ? " of triangle " + std::to_string(number) : "";
}

std::string Placed::letter(char name) const {
  std::string plain(1, name);
  if (!ofTwo || !moving) return plain;
  bool isSide = name >= 'X';
  bool differs = isSide ? sharedSide.find(name) == std::string::npos : name == moving;
  return differs ? plain + kSubscripts[number] : plain;
}

std::string Placed::centre(const std::string& name) const {
  return ofTwo ? name + kSubscripts[number] : name;
}

Point Labels::place(Point wanted) {
  for (int step = 0; step < 9; ++step) {
    double shift = ((step + 1) / 2) * 14.0 * (step % 2 ? -1 : 1);
    Point tried{wanted.x, wanted.y + shift};
    bool free = true;
    for (Point p : placed_) free = free && std::hypot(p.x - tried.x, p.y - tried.y) >= 13;
    if (free) {
      placed_.push_back(tried);
      return tried;
    }
  }
  placed_.push_back(wanted);
  return wanted;
}

Shape polyline(std::vector<Point> points, bool guide) {
  Shape s;
  s.kind = Shape::Kind::Polyline;
  s.points = std::move(points);
  s.guide = guide;
  return s;
}

Shape circleShape(Point centre, double radius) {
  Shape s;
  s.kind = Shape::Kind::Circle;
  s.points = {centre};
  s.radius = radius;
  return s;
}

Shape arcShape(Point centre, double radius, double start, double end) {
  Shape s = circleShape(centre, radius);
  s.kind = Shape::Kind::Arc;
  s.start = start;
  s.end = end;
  return s;
}

Shape markerShape(Point at, Marker marker) {
  Shape s;
  s.kind = Shape::Kind::Marker;
  s.points = {at};
  s.marker = marker;
  return s;
}

Shape labelShape(Point at, std::string text) {
  Shape s;
  s.kind = Shape::Kind::Label;
  s.points = {at};
  s.text = std::move(text);
  return s;
}

Shape rightAngleMark(Point at, Point alongDir, Point up, double size) {
  Point a = plus(at, times(alongDir, size));
  Point b = plus(a, times(up, size)), c = plus(at, times(up, size));
  return polyline({a, b, c}, true);
}

std::string shortNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

Point unitFrom(Point a, Point b) {
  double length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(length > 0)) return {1, 0};
  return {(b.x - a.x) / length, (b.y - a.y) / length};
}

void addOverlays(Figure& figure, const Placed& t, OverlaySet overlays, Labels& labels) {
  OverlayMaker make(figure, t, labels);
  if (overlays.has(Overlay::Circumcircle)) make.circumcircle();
  if (overlays.has(Overlay::Excircles)) make.excircles();
  if (overlays.has(Overlay::Incircle)) make.incircle(!overlays.has(Overlay::Bisectors));
  if (overlays.has(Overlay::Euler)) make.euler();
  if (overlays.has(Overlay::Heights)) make.heights();
  if (overlays.has(Overlay::Medians)) make.medians();
  if (overlays.has(Overlay::Bisectors)) make.bisectors();
}

}  // namespace anglewise::drawing::detail
