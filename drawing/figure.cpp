#include "drawing/figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace anglewise::drawing {
namespace {

constexpr double kMarkerSize = 4.5;
constexpr double kLetterWidth = 7, kLetterHeight = 14;

double segmentDistance(Point p, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
  double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double arcDistance(Point p, const Shape& s) {
  Point c = s.points[0];
  double angle = std::atan2(p.y - c.y, p.x - c.x);
  double from = std::remainder(angle - s.start, 2 * std::numbers::pi);
  if (from < 0) from += 2 * std::numbers::pi;
  if (from <= s.end - s.start) return std::fabs(std::hypot(p.x - c.x, p.y - c.y) - s.radius);
  auto end = [&](double a) {
    return std::hypot(p.x - (c.x + s.radius * std::cos(a)), p.y - (c.y + s.radius * std::sin(a)));
  };
  return std::min(end(s.start), end(s.end));
}

bool inside(Point p, const std::vector<Point>& polygon) {
  bool in = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point &a = polygon[i], &b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      in = !in;
    }
  }
  return in;
}

double labelWidth(const std::string& text) {
  size_t letters = 0;  // UTF-8: count the first byte of each character
  for (unsigned char c : text) letters += (c & 0xC0) != 0x80 ? 1 : 0;
  return letters * kLetterWidth;
}

double shapeDistance(Point p, const Shape& s) {
  double nearest = std::numeric_limits<double>::infinity();
  switch (s.kind) {
    case Shape::Kind::Polyline:
    case Shape::Kind::Polygon: {
      if (s.kind == Shape::Kind::Polygon && !s.outline) break;
      size_t n = s.points.size(), edges = s.kind == Shape::Kind::Polygon ? n : n - 1;
      for (size_t i = 0; i < edges && n > 1; ++i) {
        nearest = std::min(nearest, segmentDistance(p, s.points[i], s.points[(i + 1) % n]));
      }
      break;
    }
    case Shape::Kind::Circle:
      nearest = std::fabs(std::hypot(p.x - s.points[0].x, p.y - s.points[0].y) - s.radius);
      break;
    case Shape::Kind::Arc:
      nearest = arcDistance(p, s);
      break;
    case Shape::Kind::Marker:
      nearest = std::max(0.0, std::hypot(p.x - s.points[0].x, p.y - s.points[0].y) - kMarkerSize);
      break;
    case Shape::Kind::Label: {
      double dx = std::fabs(p.x - s.points[0].x) - labelWidth(s.text) / 2;
      double dy = std::fabs(p.y - s.points[0].y) - kLetterHeight / 2;
      nearest = std::hypot(std::max(0.0, dx), std::max(0.0, dy));
      break;
    }
  }
  return nearest;
}

}  // namespace

std::optional<Point> Group::anchor(const std::string& wanted) const {
  for (const Anchor& a : anchors) {
    if (a.name == wanted) return a.at;
  }
  return std::nullopt;
}

std::vector<const Group*> Figure::elements() const {
  std::vector<const Group*> out;
  for (const Group& g : groups) {
    if (!g.name.empty()) out.push_back(&g);
  }
  return out;
}

const Group* Figure::find(const std::string& id) const {
  for (const Group& g : groups) {
    if (g.id == id) return &g;
  }
  return nullptr;
}

Rect boundsOf(const Group& group) {
  double inf = std::numeric_limits<double>::infinity();
  double x0 = inf, y0 = inf, x1 = -inf, y1 = -inf;
  auto add = [&](Point p, double rx, double ry) {
    x0 = std::min(x0, p.x - rx), x1 = std::max(x1, p.x + rx);
    y0 = std::min(y0, p.y - ry), y1 = std::max(y1, p.y + ry);
  };
  for (const Shape& s : group.shapes) {
    switch (s.kind) {
      case Shape::Kind::Circle:
      case Shape::Kind::Arc:
        add(s.points[0], s.radius, s.radius);
        break;
      case Shape::Kind::Marker:
        add(s.points[0], kMarkerSize, kMarkerSize);
        break;
      case Shape::Kind::Label:
        add(s.points[0], labelWidth(s.text) / 2, kLetterHeight / 2);
        break;
      default:
        for (Point p : s.points) add(p, 0, 0);
    }
  }
  if (x0 > x1) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

std::string elementAt(const Figure& figure, Point at, double tolerance) {
  std::string best, within;
  double nearest = tolerance;
  for (const Group& g : figure.groups) {
    std::string id = g.name.empty() ? g.parent : g.id;
    if (id.empty()) continue;
    for (const Shape& s : g.shapes) {
      double d = shapeDistance(at, s);
      // Later groups are drawn on top: within a pixel of the nearest, they win.
      if (d <= tolerance && d <= nearest + 1) nearest = std::min(nearest, d), best = id;
      if (s.kind == Shape::Kind::Polygon && s.points.size() > 2 && inside(at, s.points)) {
        within = id;
      }
    }
  }
  return best.empty() ? within : best;
}

}  // namespace anglewise::drawing
