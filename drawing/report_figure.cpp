// The report's figure: the triangles placed and fitted, the swinging side
// of the ambiguous case, notes, the needle's inset and the legend; the
// overlays come from overlay_groups.cpp.
#include "drawing/report_figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "drawing/figure_builder.h"

namespace anglewise::drawing {
namespace {

using detail::Labels;
using detail::labelShape;
using detail::Placed;
using detail::polyline;
using detail::shortNumber;
using detail::unitFrom;

constexpr double kMargin = 34;       // room for the letters round the drawing
constexpr double kEdge = 14;         // the notes' and the legend's distance from the edge
constexpr double kNeedlePixels = 6;  // a least height below this is a needle
constexpr double kInsetShare = 0.42;
constexpr double kArcMargin = 20 * std::numbers::pi / 180;
constexpr double kInf = std::numeric_limits<double>::infinity();

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
Point unit(Point v) {
  double length = std::hypot(v.x, v.y);
  return length > 0 ? times(v, 1 / length) : Point{1, 0};
}
double radians(double degrees) {
  return degrees * (std::numbers::pi / 180);
}

Parts partsOf(const ReportTriangle& t) {
  return {t.X.value, t.Y.value, t.Z.value, t.A.degrees.value, t.B.degrees.value, t.C.degrees.value};
}

double leastHeight(const Parts& p) {
  double area = p.X * p.Z * std::sin(radians(p.A)) / 2;
  return 2 * area / std::max({p.X, p.Y, p.Z});
}

struct Box {
  double minX = kInf, minY = kInf, maxX = -kInf, maxY = -kInf;
  void add(Point p) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  void addCircle(Point c, double r) {
    add({c.x - r, c.y - r});
    add({c.x + r, c.y + r});
  }
  double w() const { return maxX - minX; }
  double h() const { return maxY - minY; }
};

// The swinging side: the fixed corners G and T, the line from G (along u)
// that the third corner lies on, and where the arc about T meets it.
struct Swing {
  SwingCase c;
  Point G, T, u, foot;
  double footAlong = 0;  // the foot's distance along the line from G
  double reach = 0;      // T's distance from the line
  std::vector<double> meets;
  double arcFrom = 0, arcTo = 0;  // about T, counter-clockwise, radians
  double lineFrom = 0, lineTo = 0;
  bool none = false;
  Point on(double along) const { return plus(G, times(u, along)); }
};

// With no triangle to place, the one the values come nearest to: the side
// at the foot of the height (or, for G of 90 degrees or more, as long as h).
Parts nearestTriangle(const SwingCase& c) {
  Parts p;
  double G = c.angle, h = c.fixed;
  p.angle(c.G) = G;
  p.side(c.h) = h;
  if (G < 90) {
    p.angle(c.H()) = 90, p.angle(c.T()) = 90 - G;
    p.side(c.g) = h * std::sin(radians(G)), p.side(c.t()) = h * std::cos(radians(G));
  } else {
    p.angle(c.H()) = p.angle(c.T()) = (180 - G) / 2;
    p.side(c.t()) = h, p.side(c.g) = 2 * h * std::sin(radians(G / 2));
  }
  return p;
}

Swing planSwing(const SwingCase& c, const std::vector<Parts>& parts) {
  Swing s;
  s.c = c;
  Corners frame = placeCorners(parts.empty() ? nearestTriangle(c) : parts.front());
  s.G = frame.at(c.G), s.T = frame.at(c.T());
  s.u = unit(minus(frame.at(c.H()), s.G));
  s.foot = footOn(s.T, s.G, plus(s.G, s.u));
  s.footAlong = dot(minus(s.foot, s.G), s.u);
  s.reach = distance(s.T, s.foot);
  double g = c.swinging;
  bool touches = parts.size() == 1 && std::fabs(parts.front().angle(c.H()) - 90) < 1e-9;
  if (touches) {
    s.meets = {s.footAlong};
  } else if (g >= s.reach) {
    double half = std::sqrt(g * g - s.reach * s.reach);
    s.meets = {s.footAlong - half, s.footAlong + half};
  }
  s.none = parts.empty();
  Point toFoot = minus(s.foot, s.T);
  double direction = std::atan2(toFoot.y, toFoot.x);
  double spread = g > s.reach ? std::acos(std::min(1.0, s.reach / g)) : 0;
  s.arcFrom = direction - spread - kArcMargin, s.arcTo = direction + spread + kArcMargin;
  s.lineFrom = std::min(0.0, s.footAlong), s.lineTo = std::max(0.0, s.footAlong);
  for (double m : s.meets) s.lineFrom = std::min(s.lineFrom, m), s.lineTo = std::max(s.lineTo, m);
  for (const Parts& p : parts) s.lineTo = std::max(s.lineTo, p.side(c.t()));
  double pad = 0.08 * std::max(c.fixed, g);
  s.lineFrom -= pad, s.lineTo += pad;
  return s;
}

bool nearlyEqual(double a, double b) {
  return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

std::vector<std::string> wrapped(const std::string& text, size_t width) {
  std::vector<std::string> lines;
  std::string line;
  size_t start = 0;
  while (start < text.size()) {
    size_t blank = text.find(' ', start);
    std::string word = text.substr(start, blank == std::string::npos ? blank : blank - start);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

class Builder {
 public:
  Builder(const TriangleReport& report, std::optional<SwingCase> swing,
          const FigureOptions& options)
      : report_(report), options_(options) {
    std::vector<Parts> parts;
    for (const ReportTriangle& t : report.triangles) parts.push_back(partsOf(t));
    if (swing) swing_ = planSwing(*swing, parts);
    for (size_t i = 0; i < parts.size(); ++i) placeTriangle(static_cast<int>(i), parts[i]);
  }

  Figure build() {
    figure_.width = options_.width, figure_.height = options_.height;
    Box box = bounds();
    legend();
    notes(box);
    layOut(box);
    if (swing_) swingGroups();
    // Letters go to the first triangle first; the second is painted under it.
    size_t first = figure_.groups.size(), second = first;
    for (const Placed& t : triangles_) {
      if (t.number == 2) second = figure_.groups.size();
      triangleGroups(t);
    }
    auto begin = figure_.groups.begin();
    if (second != first) std::rotate(begin + first, begin + second, figure_.groups.end());
    for (const Placed& t : triangles_) detail::addOverlays(figure_, t, options_.overlays, labels_);
    for (size_t i = 0; i < needles_.size(); ++i) inset(triangles_[needles_[i]], i);
    return std::move(figure_);
  }

 private:
  Point at(Point model) const { return figure_.view.toFigure(model); }

  void placeTriangle(int index, const Parts& parts) {
    Placed t;
    t.number = index + 1;
    t.parts = parts;
    t.report = &report_.triangles[index];
    t.shown = report_.shown && *report_.shown == index;
    t.ofTwo = report_.triangles.size() == 2;
    t.at = placeCorners(parts);
    if (swing_ && index > 0) {
      // The second triangle keeps the first one's G and T; its third
      // corner lies on the same line from G.
      t.at.at(swing_->c.G) = swing_->G;
      t.at.at(swing_->c.T()) = swing_->T;
      t.at.at(swing_->c.H()) = swing_->on(parts.side(swing_->c.t()));
    }
    if (swing_ && t.ofTwo) {
      t.moving = swing_->c.H();
      t.sharedSide = std::string(1, swing_->c.h);
    }
    triangles_.push_back(t);
  }

  // Triangles and the swing decide the scale; the circumcircle and the
  // orthocentre, when on, widen it unless that would halve the triangles.
  // Excircles always run far out: they are cut off at the edge.
  Box bounds() const {
    Box box;
    for (const Placed& t : triangles_) {
      for (char c : {'A', 'B', 'C'}) box.add(t.at.at(c));
    }
    if (swing_) {
      const Swing& s = *swing_;
      for (Point p : {s.G, s.T, s.foot, s.on(s.lineFrom), s.on(s.lineTo)}) box.add(p);
      for (int i = 0; i <= 8; ++i) {
        double a = s.arcFrom + (s.arcTo - s.arcFrom) * i / 8;
        box.add(plus(s.T, {s.c.swinging * std::cos(a), s.c.swinging * std::sin(a)}));
      }
    }
    if (box.minX > box.maxX) return box;
    double extent = 2 * std::max(box.w(), box.h());
    auto widen = [&](Point c, double r) {
      Box tried = box;
      tried.addCircle(c, r);
      if (tried.w() <= extent && tried.h() <= extent) box = tried;
    };
    const OverlaySet& on = options_.overlays;
    for (const Placed& t : triangles_) {
      Centres c = centresOf(t.at, t.parts);
      if (on.has(Overlay::Circumcircle)) widen(c.circumcentre, c.circumradius);
      if (on.has(Overlay::Heights) || on.has(Overlay::Euler)) widen(c.orthocentre, 0);
    }
    return box;
  }

  void legend() {
    if (swing_) {
      char g = swing_->c.g, T = swing_->c.T();
      figure_.legend.push_back({Role::Swing, std::string("Arc of side ") + g + " about " + T});
      if (swing_->none)
        figure_.legend.push_back(
            {Role::Shortfall, "What side " + std::string(1, g) + " falls short of"});
    }
    for (const Placed& t : triangles_) {
      figure_.legend.push_back(
          {t.number == 1 ? Role::Triangle : Role::OtherTriangle,
           "Triangle " + std::to_string(t.number) + (t.shown ? " (shown)" : "")});
    }
    if (triangles_.empty()) return;
    for (Overlay o : kOverlays) {
      if (options_.overlays.has(o)) figure_.legend.push_back({overlayRole(o), overlayCaption(o)});
    }
  }

  void notes(const Box& box) {
    std::vector<std::string> said;
    if (triangles_.empty()) said.push_back("No triangle: " + report_.why + ".");
    // Needles are judged at the scale the whole figure would give them.
    double scale = std::min((options_.width - 2 * kMargin) / std::max(box.w(), 1e-300),
                            (options_.height - 2 * kMargin) / std::max(box.h(), 1e-300));
    for (size_t i = 0; i < triangles_.size(); ++i) {
      const Placed& t = triangles_[i];
      double least = leastHeight(t.parts);
      if (least * scale < kNeedlePixels) {
        needles_.push_back(i);
        said.push_back("Triangle " + std::to_string(t.number) + " is a needle: its least height, " +
                       shortNumber(least) +
                       ", is too thin to see at this scale; the inset below stretches it.");
      }
      bool equilateral = t.report->bySides == "equilateral";
      if (options_.overlays.has(Overlay::Euler) && equilateral) {
        said.push_back("Triangle " + std::to_string(t.number) +
                       " is equilateral: its centres coincide, so it has no Euler line.");
      }
    }
    size_t width = static_cast<size_t>(std::max(24.0, (options_.width - 2 * kEdge) / 6.4));
    for (const std::string& note : said) {
      for (std::string& line : wrapped(note, width)) figure_.notes.push_back(std::move(line));
    }
  }

  void layOut(const Box& box) {
    double w = options_.width, h = options_.height;
    double legendHeight = 0;
    if (options_.legend && !figure_.legend.empty()) {
      figure_.legendColumns = std::max(1, static_cast<int>((w - 2 * kEdge) / figure_.legendColumn));
      figure_.legendColumn = (w - 2 * kEdge) / figure_.legendColumns;
      size_t rows = (figure_.legend.size() + figure_.legendColumns - 1) / figure_.legendColumns;
      legendHeight = rows * figure_.legendRow + 8;
      figure_.legendAt = Point{kEdge, h - legendHeight + 4};
    }
    double notesHeight = figure_.notes.size() * figure_.noteLine + (figure_.notes.empty() ? 0 : 6);
    double bottom = h - legendHeight - notesHeight;
    figure_.notesAt = {kEdge, bottom + 4};
    insetBox_ = Rect{kEdge, bottom, w - 2 * kEdge, 0};
    if (!needles_.empty()) {
      insetBox_.h = bottom * kInsetShare - 6;
      insetBox_.y = bottom - bottom * kInsetShare;
      bottom = insetBox_.y;
    }
    figure_.area = {kMargin, kMargin, std::max(1.0, w - 2 * kMargin),
                    std::max(1.0, bottom - 2 * kMargin)};
    figure_.clip = {0, 0, w, std::max(1.0, bottom)};
    if (box.minX > box.maxX) return;
    const Rect& a = figure_.area;
    double scale = std::min(a.w / std::max(box.w(), 1e-300), a.h / std::max(box.h(), 1e-300));
    figure_.view.scale = scale;
    figure_.view.origin = {a.x + (a.w - scale * box.w()) / 2 - scale * box.minX,
                           a.y + (a.h - scale * box.h()) / 2 + scale * box.maxY};
  }

  void swingGroups() {
    const Swing& s = *swing_;
    char G = s.c.G, g = s.c.g, h = s.c.h, T = s.c.T(), H = s.c.H(), t = s.c.t();
    std::string gs(1, g), ts(1, t);
    Group arc;
    arc.id = "swing";
    arc.role = Role::Swing;
    arc.name = "Arc of side " + gs + " about " + std::string(1, T);
    arc.value = shortNumber(s.c.swinging);
    arc.description = "side " + gs + " = " + shortNumber(s.c.swinging) + " swings about " + T +
                      " and " + meetingWords(s, t, G, H);
    double scale = figure_.view.scale;
    arc.shapes.push_back(polyline({at(s.on(s.lineFrom)), at(s.on(s.lineTo))}, true));
    arc.shapes.push_back(detail::arcShape(at(s.T), s.c.swinging * scale, -s.arcTo, -s.arcFrom));
    arc.anchors = {{"centre", at(s.T)}, {"G", at(s.G)}};
    for (size_t i = 0; i < s.meets.size(); ++i) {
      arc.shapes.push_back(detail::markerShape(at(s.on(s.meets[i])), Marker::Ring));
      arc.anchors.push_back({"meet-" + std::to_string(i + 1), at(s.on(s.meets[i]))});
    }
    figure_.groups.push_back(std::move(arc));
    if (s.none) {
      givenGroup(s, G, h, T);
      shortfallGroup(s, G, g, h);
    }
  }

  static std::string meetingWords(const Swing& s, char t, char G, char H) {
    std::string line = "the line of side " + std::string(1, t);
    int ahead = 0;
    for (double m : s.meets) ahead += m > 0 ? 1 : 0;
    if (s.meets.empty()) return "falls short of " + line + ": no triangle";
    if (s.meets.size() == 1) return "touches " + line + " once, at " + H + ": one right triangle";
    if (ahead == 2) {
      return "meets " + line + " twice, at " + H + "\u2081 and " + H + "\u2082: two triangles";
    }
    if (ahead == 1) {
      return "meets " + line + " at " + H + ", and again behind " + G +
             ", where no triangle is: one triangle";
    }
    return "meets " + line + " only behind " + G + ": no triangle";
  }

  // With no triangle: the given side and angle still stand.
  void givenGroup(const Swing& s, char G, char h, char T) {
    Group given;
    given.id = "given";
    given.role = Role::Triangle;
    given.name = "Side " + std::string(1, h) + " and angle " + G + ", as given";
    given.value = shortNumber(s.c.fixed);
    given.description = "side " + std::string(1, h) + " = " + shortNumber(s.c.fixed) + " from " +
                        G + " to " + T + ", angle " + G + " = " + shortNumber(s.c.angle) +
                        " degrees";
    Point g = at(s.G), t = at(s.T);
    given.shapes.push_back(polyline({g, t}));
    given.shapes.push_back(cornerArc(g, t, at(s.on(1)), 16));
    Point middle = times(plus(g, t), 0.5), away = unitFrom(at(s.on(s.lineTo)), middle);
    given.shapes.push_back(
        labelShape(labels_.place(plus(middle, times(away, 12))), std::string(1, h)));
    given.shapes.push_back(
        labelShape(labels_.place(plus(g, times(unitFrom(t, g), 13))), std::string(1, G)));
    given.shapes.push_back(
        labelShape(labels_.place(plus(t, times(unitFrom(g, t), 13))), std::string(1, T)));
    given.anchors = {{std::string(1, G), g}, {std::string(1, T), t}};
    figure_.groups.push_back(std::move(given));
  }

  // What the swinging side lacks: the height it cannot reach, or (for an
  // angle of 90 degrees or more) the length of the side it must outdo.
  void shortfallGroup(const Swing& s, char G, char g, char h) {
    Group gap;
    gap.id = "shortfall";
    gap.role = Role::Shortfall;
    double length = s.c.swinging;
    bool belowHeight = length < s.reach;
    Point target = belowHeight ? s.foot : s.G;
    double missing = belowHeight ? s.reach - length : s.c.fixed - length;
    Point reach = plus(s.T, times(unit(minus(target, s.T)), length));
    std::string gs(1, g), hs(1, h), Gs(1, G);
    if (belowHeight) {
      gap.name = "Height " + hs + " sin " + Gs + " that side " + gs + " falls short of";
      gap.value = shortNumber(s.reach);
      gap.description = shortNumber(s.reach) + "; side " + gs + " = " + shortNumber(length) +
                        " is " + shortNumber(missing) + " short of it";
      gap.shapes.push_back(polyline({at(s.T), at(s.foot)}, true));
      gap.shapes.push_back(detail::rightAngleMark(at(s.foot), unitFrom(at(s.foot), at(s.G)),
                                                  unitFrom(at(s.foot), at(s.T))));
    } else {
      gap.name = "Side " + hs + " that side " + gs + " must outreach";
      gap.value = shortNumber(s.c.fixed);
      gap.description = "side " + gs + " = " + shortNumber(length) + " must be longer than side " +
                        hs + " = " + shortNumber(s.c.fixed) + ", for it faces an angle of " +
                        shortNumber(s.c.angle) + " degrees: it is " + shortNumber(missing) +
                        " short";
    }
    gap.shapes.push_back(polyline({at(reach), at(target)}));
    gap.shapes.push_back(detail::markerShape(at(target), Marker::Square));
    Point middle = times(plus(at(reach), at(target)), 0.5);
    Point side = unitFrom(at(s.T), at(target));
    Point across{-side.y, side.x};
    gap.shapes.push_back(labelShape(labels_.place(plus(middle, times(across, 34))),
                                    "missing " + shortNumber(missing)));
    gap.anchors = {{"from", at(s.T)}, {"reach", at(reach)}, {"to", at(target)}};
    figure_.groups.push_back(std::move(gap));
  }

  // The mark of the angle at `corner` between the lines to p and q.
  static Shape cornerArc(Point corner, Point p, Point q, double radius) {
    Point a = unitFrom(corner, p), b = unitFrom(corner, q);
    double from = std::atan2(a.y, a.x), to = std::atan2(b.y, b.x);
    double span = std::remainder(to - from, 2 * std::numbers::pi);
    if (span < 0) std::swap(from, to), span = -span;
    return detail::arcShape(corner, radius, from, from + span);
  }

  void triangleGroups(const Placed& t) {
    Group whole;
    whole.id = "triangle" + t.suffix();
    whole.role = t.number == 1 ? Role::Triangle : Role::OtherTriangle;
    whole.triangle = t.number;
    whole.name = "Triangle " + std::to_string(t.number) + (t.shown ? " (shown)" : "");
    const ReportTriangle& r = *t.report;
    whole.description = "X " + r.X.text + ", Y " + r.Y.text + ", Z " + r.Z.text + ", A " +
                        r.A.degrees.text + ", B " + r.B.degrees.text + ", C " + r.C.degrees.text +
                        " degrees; " + r.byAngles + ", " + r.bySides;
    Shape inside = polyline({at(t.at.A), at(t.at.C), at(t.at.B)});
    inside.kind = Shape::Kind::Polygon;
    inside.outline = false;
    inside.tint = t.shown;
    whole.shapes.push_back(inside);
    Point centroid = at(times(plus(plus(t.at.A, t.at.B), t.at.C), 1.0 / 3));
    whole.anchors = {{"A", at(t.at.A)}, {"B", at(t.at.B)}, {"C", at(t.at.C)}};
    std::string parent = whole.id;
    figure_.groups.push_back(std::move(whole));
    for (char side : {'X', 'Y', 'Z'}) sideGroup(t, side, parent);
    for (char corner : {'A', 'B', 'C'}) angleGroup(t, corner, parent, centroid);
  }

  bool shared(const Placed& t, char name) const {
    if (t.number == 1 || !swing_) return false;
    return name == swing_->c.h || name == swing_->c.G || name == swing_->c.T();
  }

  void sideGroup(const Placed& t, char side, const std::string& parent) {
    const ReportNumber& length = side == 'X'   ? t.report->X
                                 : side == 'Y' ? t.report->Y
                                               : t.report->Z;
    auto [p, q] = endsOf(side);
    Point a = at(t.at.at(p)), b = at(t.at.at(q)), facing = at(t.at.at(oppositeOf(side)));
    Group g;
    g.id = std::string("side-") + side + t.suffix();
    g.parent = parent;
    g.role = t.number == 1 ? Role::Triangle : Role::OtherTriangle;
    g.triangle = t.number;
    g.name = "Side " + std::string(1, side) + t.of();
    g.value = length.text;
    g.description = length.text + ", from " + t.letter(p) + " to " + t.letter(q);
    g.shapes.push_back(polyline({a, b}));
    if (!shared(t, side)) {
      Point middle = times(plus(a, b), 0.5);
      Point along = unitFrom(a, b), across{-along.y, along.x};
      if (dot(across, minus(facing, middle)) > 0) across = times(across, -1);
      g.shapes.push_back(
          labelShape(labels_.place(plus(middle, times(across, 12))), t.letter(side)));
    }
    g.anchors = {{"from", a}, {"to", b}};
    figure_.groups.push_back(std::move(g));
  }

  void angleGroup(const Placed& t, char corner, const std::string& parent, Point centroid) {
    const ReportAngle& angle = corner == 'A'   ? t.report->A
                               : corner == 'B' ? t.report->B
                                               : t.report->C;
    std::string sides;
    for (char side : {'X', 'Y', 'Z'}) {
      auto [p, q] = endsOf(side);
      if (p == corner || q == corner)
        sides += sides.empty() ? std::string(1, side) : " and " + std::string(1, side);
    }
    Group g;
    g.id = std::string("angle-") + corner + t.suffix();
    g.parent = parent;
    g.role = t.number == 1 ? Role::Triangle : Role::OtherTriangle;
    g.triangle = t.number;
    g.name = "Angle " + std::string(1, corner) + t.of();
    g.value = angle.degrees.text;
    g.description = angle.degrees.text + " degrees (" + angle.dms + "), at " + t.letter(corner) +
                    " between sides " + sides;
    Point c = at(t.at.at(corner)), p{}, q{};
    bool first = true;
    for (char other : {'A', 'B', 'C'}) {
      if (other == corner) continue;
      (first ? p : q) = at(t.at.at(other));
      first = false;
    }
    double radius = t.number == 1 ? 16 : 24;
    double shortest = std::min(distance(c, p), distance(c, q));
    if (shortest > 1.5 * radius) {
      if (std::fabs(t.parts.angle(corner) - 90) < 1e-9) {
        g.shapes.push_back(detail::rightAngleMark(c, unitFrom(c, p), unitFrom(c, q), 10));
        g.shapes.back().guide = false;
      } else {
        g.shapes.push_back(cornerArc(c, p, q, radius));
      }
    }
    if (!shared(t, corner)) {
      Point away = unitFrom(centroid, c);
      g.shapes.push_back(labelShape(labels_.place(plus(c, times(away, 14))), t.letter(corner)));
    }
    g.anchors = {{"at", c}};
    figure_.groups.push_back(std::move(g));
  }

  // A needle's shape made visible: its longest side across the inset, its
  // height stretched to fill it.
  void inset(const Placed& t, size_t index) {
    double share = insetBox_.w / needles_.size();
    Rect box{insetBox_.x + share * index, insetBox_.y, share - 8, insetBox_.h};
    char longest = 'X';
    for (char side : {'Y', 'Z'}) {
      if (t.parts.side(side) > t.parts.side(longest)) longest = side;
    }
    auto [p, q] = endsOf(longest);
    Point origin = t.at.at(p), e = unit(minus(t.at.at(q), origin)), n{-e.y, e.x};
    if (dot(minus(t.at.at(oppositeOf(longest)), origin), n) < 0) n = times(n, -1);
    double length = t.parts.side(longest), height = leastHeight(t.parts);
    double pad = 22, caption = 16;
    double sx = (box.w - 2 * pad) / length, sy = (box.h - 2 * pad - caption) / height;
    auto place = [&](Point model) {
      Point d = minus(model, origin);
      return Point{box.x + pad + sx * dot(d, e), box.y + box.h - pad - sy * dot(d, n)};
    };
    Group frame;
    frame.id = "inset" + t.suffix();
    frame.role = Role::Inset;
    frame.triangle = t.number;
    frame.inInset = true;
    frame.name = "Inset of triangle " + std::to_string(t.number);
    frame.value = shortNumber(sy / sx);
    frame.description = "not to scale: triangle " + std::to_string(t.number) +
                        " with its heights stretched " + shortNumber(sy / sx) + " times";
    Shape border = polyline({{box.x, box.y},
                             {box.x + box.w, box.y},
                             {box.x + box.w, box.y + box.h},
                             {box.x, box.y + box.h}});
    border.kind = Shape::Kind::Polygon;
    frame.shapes.push_back(border);
    frame.shapes.push_back(labelShape({box.x + box.w / 2, box.y + 12},
                                      "Triangle " + std::to_string(t.number) + ", heights \u00d7" +
                                          shortNumber(sy / sx) + " (not to scale)"));
    std::string parent = frame.id;
    figure_.groups.push_back(std::move(frame));
    Group shape;
    shape.id = "inset-triangle" + t.suffix();
    shape.parent = parent;
    shape.role = Role::Triangle;
    shape.triangle = t.number;
    shape.inInset = true;
    Point a = place(t.at.A), b = place(t.at.B), c = place(t.at.C);
    Shape outline = polyline({a, c, b});
    outline.kind = Shape::Kind::Polygon;
    outline.tint = t.shown;
    shape.shapes.push_back(outline);
    Point middle = times(plus(plus(a, b), c), 1.0 / 3);
    for (auto [name, corner] : {std::pair{'A', a}, {'B', b}, {'C', c}}) {
      shape.shapes.push_back(
          labelShape(plus(corner, times(unitFrom(middle, corner), 13)), t.letter(name)));
    }
    shape.anchors = {{"A", a}, {"B", b}, {"C", c}};
    figure_.groups.push_back(std::move(shape));
  }

  const TriangleReport& report_;
  FigureOptions options_;
  std::optional<Swing> swing_;
  std::vector<Placed> triangles_;
  std::vector<size_t> needles_;
  Rect insetBox_;
  Labels labels_;
  Figure figure_;
};

}  // namespace

Role overlayRole(Overlay o) {
  switch (o) {
    case Overlay::Heights:
      return Role::Height;
    case Overlay::Medians:
      return Role::Median;
    case Overlay::Bisectors:
      return Role::Bisector;
    case Overlay::Incircle:
      return Role::Incircle;
    case Overlay::Circumcircle:
      return Role::Circumcircle;
    case Overlay::Excircles:
      return Role::Excircle;
    case Overlay::Euler:
      return Role::Euler;
  }
  return Role::Note;
}

bool isOverlayRole(Role role) {
  for (Overlay o : kOverlays) {
    if (overlayRole(o) == role) return true;
  }
  return false;
}

std::optional<SwingCase> swingCaseOf(const GivenValues& given) {
  if (!given.oblique || given.count() != 3) return std::nullopt;
  const auto& v = given.values;  // X, Y, Z, A, B
  if (v[3].has_value() == v[4].has_value()) return std::nullopt;
  SwingCase c;
  c.G = v[3] ? 'A' : 'B';
  c.g = oppositeOf(c.G);
  if (!v[c.g - 'X']) return std::nullopt;  // the angle lies between the two sides
  for (char side : {'X', 'Y', 'Z'}) {
    if (side != c.g && v[side - 'X']) c.h = side;
  }
  c.angle = *v[c.G - 'A' + 3], c.swinging = *v[c.g - 'X'], c.fixed = *v[c.h - 'X'];
  return c;
}

std::optional<SwingCase> swingCaseOf(const TriangleReport& report) {
  if (report.triangles.size() != 2) return std::nullopt;
  Parts one = partsOf(report.triangles[0]), two = partsOf(report.triangles[1]);
  for (char G : {'A', 'B'}) {
    char g = oppositeOf(G);
    if (!nearlyEqual(one.angle(G), two.angle(G)) || !nearlyEqual(one.side(g), two.side(g))) {
      continue;
    }
    for (char h : {'X', 'Y', 'Z'}) {
      if (h == g || !nearlyEqual(one.side(h), two.side(h))) continue;
      return SwingCase{G, g, h, one.angle(G), one.side(g), one.side(h)};
    }
  }
  return std::nullopt;
}

Figure drawReportFigure(const TriangleReport& report, const GivenValues& given,
                        const FigureOptions& options) {
  std::optional<SwingCase> swing = swingCaseOf(given);
  if (!swing) swing = swingCaseOf(report);
  return Builder(report, swing, options).build();
}

Figure drawReportFigure(const TriangleReport& report, OverlaySet overlays) {
  FigureOptions options;
  options.overlays = overlays;
  return Builder(report, swingCaseOf(report), options).build();
}

}  // namespace anglewise::drawing
