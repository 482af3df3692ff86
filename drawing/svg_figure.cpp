#include "drawing/svg_figure.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>

namespace anglewise::drawing {
namespace {

constexpr double kMarkerSize = 4.5;
constexpr char kGuideDash[] = "1.5 3";

constexpr const char* kRoleClasses[] = {
    "triangle", "other-triangle", "swing",    "shortfall", "height", "median", "bisector",
    "incircle", "circumcircle",   "excircle", "euler",     "note",   "inset"};

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", v);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string hex(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string dashes(const std::vector<double>& dash) {
  std::string out;
  for (double d : dash) out += (out.empty() ? "" : " ") + number(d);
  return out;
}

std::string points(const std::vector<Point>& ps) {
  std::string out;
  for (const Point& p : ps) out += (out.empty() ? "" : " ") + number(p.x) + "," + number(p.y);
  return out;
}

std::string markerElement(Point p, Marker m, const RoleStyle& rs, const Style& style) {
  double s = kMarkerSize;
  std::string fill = "fill=\"" + hex(rs.colour) + "\" stroke=\"" + hex(style.background) +
                     "\" stroke-width=\"1\" stroke-dasharray=\"none\"";
  std::string open = "fill=\"none\" stroke-width=\"1.8\" stroke-dasharray=\"none\"";
  auto poly = [&](std::vector<Point> ps) {
    return "<polygon points=\"" + points(ps) + "\" " + fill + "/>";
  };
  switch (m) {
    case Marker::Dot:
      return "<circle cx=\"" + number(p.x) + "\" cy=\"" + number(p.y) + "\" r=\"" + number(s) +
             "\" " + fill + "/>";
    case Marker::Ring:
      return "<circle cx=\"" + number(p.x) + "\" cy=\"" + number(p.y) + "\" r=\"" + number(s) +
             "\" " + open + "/>";
    case Marker::Square:
      return poly({{p.x - s, p.y - s}, {p.x + s, p.y - s}, {p.x + s, p.y + s}, {p.x - s, p.y + s}});
    case Marker::Diamond:
      return poly(
          {{p.x, p.y - 1.3 * s}, {p.x + 1.3 * s, p.y}, {p.x, p.y + 1.3 * s}, {p.x - 1.3 * s, p.y}});
    case Marker::Triangle:
      return poly(
          {{p.x, p.y - 1.3 * s}, {p.x + 1.2 * s, p.y + 0.9 * s}, {p.x - 1.2 * s, p.y + 0.9 * s}});
    case Marker::Cross:
      return "<path d=\"M" + points({{p.x - s, p.y - s}}) + "L" + points({{p.x + s, p.y + s}}) +
             "M" + points({{p.x + s, p.y - s}}) + "L" + points({{p.x - s, p.y + s}}) + "\" " +
             "fill=\"none\" stroke-width=\"2.2\" stroke-dasharray=\"none\"/>";
    case Marker::Plus:
      return "<path d=\"M" + points({{p.x - 1.3 * s, p.y}}) + "L" + points({{p.x + 1.3 * s, p.y}}) +
             "M" + points({{p.x, p.y - 1.3 * s}}) + "L" + points({{p.x, p.y + 1.3 * s}}) + "\" " +
             "fill=\"none\" stroke-width=\"2.2\" stroke-dasharray=\"none\"/>";
    case Marker::None:
      break;
  }
  return "";
}

std::string text(Point at, const std::string& words, double size, bool centred, Colour colour) {
  return "<text x=\"" + number(at.x) + "\" y=\"" + number(at.y) + "\" font-size=\"" + number(size) +
         "\"" + (centred ? " text-anchor=\"middle\"" : "") +
         " dominant-baseline=\"central\" fill=\"" + hex(colour) + "\" stroke=\"none\">" +
         escaped(words) + "</text>";
}

class Writer {
 public:
  Writer(const Figure& figure, const Style& style) : figure_(figure), style_(style) {}

  std::string all() {
    const Rect& c = figure_.clip;
    out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << number(figure_.width)
         << "\" height=\"" << number(figure_.height) << "\" viewBox=\"0 0 " << number(figure_.width)
         << " " << number(figure_.height)
         << "\" font-family=\"DejaVu Sans, sans-serif\" stroke-linecap=\"round\" "
            "stroke-linejoin=\"round\">\n"
         << "<title>Triangle Report figure</title>\n"
         << "<defs><clipPath id=\"drawing-area\"><rect x=\"" << number(c.x) << "\" y=\""
         << number(c.y) << "\" width=\"" << number(c.w) << "\" height=\"" << number(c.h)
         << "\"/></clipPath></defs>\n"
         << "<rect id=\"background\" width=\"" << number(figure_.width) << "\" height=\""
         << number(figure_.height) << "\" fill=\"" << hex(style_.background) << "\"/>\n";
    for (const Group& g : figure_.groups) group(g);
    closeTo("");
    notes();
    legend();
    out_ << "</svg>\n";
    return out_.str();
  }

 private:
  // Closes open groups until `parent` is the innermost (or none is open).
  void closeTo(const std::string& parent) {
    while (!open_.empty() && open_.back() != parent) {
      out_ << "</g>\n";
      open_.pop_back();
    }
  }

  void group(const Group& g) {
    closeTo(g.parent);
    const RoleStyle& rs = style_.of(g.role);
    out_ << "<g id=\"" << escaped(g.id) << "\" class=\"" << kRoleClasses[static_cast<int>(g.role)]
         << "\" stroke=\"" << hex(rs.colour) << "\" stroke-width=\""
         << number(std::max(1.0, rs.width)) << "\" stroke-dasharray=\""
         << (rs.dash.empty() ? "none" : dashes(rs.dash)) << "\" fill=\"none\"";
    if (g.parent.empty() && !g.inInset) out_ << " clip-path=\"url(#drawing-area)\"";
    out_ << ">\n";
    if (!g.name.empty()) out_ << "<title>" << escaped(g.name) << "</title>\n";
    if (!g.description.empty()) out_ << "<desc>" << escaped(g.description) << "</desc>\n";
    for (const Shape& s : g.shapes) shape(s, rs);
    open_.push_back(g.id);
  }

  void shape(const Shape& s, const RoleStyle& rs) {
    std::string guide = s.guide ? " stroke-width=\"" + number(std::max(1.0, rs.width * 0.6)) +
                                      "\" stroke-dasharray=\"" + kGuideDash + "\""
                                : "";
    switch (s.kind) {
      case Shape::Kind::Polyline:
        out_ << "<polyline points=\"" << points(s.points) << "\"" << guide << "/>\n";
        break;
      case Shape::Kind::Polygon:
        out_ << "<polygon points=\"" << points(s.points) << "\"" << guide;
        if (s.tint) out_ << " fill=\"" << hex(rs.colour) << "\" fill-opacity=\"0.1\"";
        if (!s.outline) out_ << " stroke=\"none\"";
        out_ << "/>\n";
        break;
      case Shape::Kind::Circle:
        out_ << "<circle cx=\"" << number(s.points[0].x) << "\" cy=\"" << number(s.points[0].y)
             << "\" r=\"" << number(s.radius) << "\"" << guide << "/>\n";
        break;
      case Shape::Kind::Arc:
        arc(s, guide);
        break;
      case Shape::Kind::Marker:
        out_ << markerElement(s.points[0], s.marker, rs, style_) << "\n";
        break;
      case Shape::Kind::Label:
        out_ << text(s.points[0], s.text, 13, true,
                     readableOn(rs.colour, style_.background, kTextContrast))
             << "\n";
        break;
    }
  }

  // From `start` to `end`, clockwise on the screen: SVG's positive sweep.
  void arc(const Shape& s, const std::string& guide) {
    Point c = s.points[0];
    auto on = [&](double a) {
      return Point{c.x + s.radius * std::cos(a), c.y + s.radius * std::sin(a)};
    };
    bool large = s.end - s.start > std::numbers::pi;
    out_ << "<path d=\"M" << points({on(s.start)}) << " A" << number(s.radius) << ","
         << number(s.radius) << " 0 " << (large ? 1 : 0) << " 1 " << points({on(s.end)}) << "\""
         << guide << "/>\n";
  }

  void notes() {
    if (figure_.notes.empty()) return;
    out_ << "<g id=\"notes\">\n";
    for (size_t i = 0; i < figure_.notes.size(); ++i) {
      Point at{figure_.notesAt.x, figure_.notesAt.y + (i + 0.5) * figure_.noteLine};
      out_ << text(at, figure_.notes[i], 11, false, style_.foreground) << "\n";
    }
    out_ << "</g>\n";
  }

  void legend() {
    if (!figure_.legendAt) return;
    out_ << "<g id=\"legend\">\n";
    for (size_t i = 0; i < figure_.legend.size(); ++i) {
      const LegendEntry& entry = figure_.legend[i];
      const RoleStyle& rs = style_.of(entry.role);
      double x = figure_.legendAt->x + (i % figure_.legendColumns) * figure_.legendColumn;
      double y = figure_.legendAt->y + (i / figure_.legendColumns + 0.5) * figure_.legendRow;
      out_ << "<g class=\"" << kRoleClasses[static_cast<int>(entry.role)] << "\" stroke=\""
           << hex(rs.colour) << "\" stroke-width=\"" << number(std::max(1.0, rs.width))
           << "\" stroke-dasharray=\"" << (rs.dash.empty() ? "none" : dashes(rs.dash)) << "\">"
           << "<line x1=\"" << number(x + 1) << "\" y1=\"" << number(y) << "\" x2=\""
           << number(x + 29) << "\" y2=\"" << number(y) << "\"/>";
      bool overlay = entry.role != Role::Triangle && entry.role != Role::OtherTriangle;
      if (overlay && rs.marker != Marker::None) {
        out_ << markerElement({x + 15, y}, rs.marker, rs, style_);
      }
      out_ << text({x + 38, y}, entry.text, 11, false, style_.foreground) << "</g>\n";
    }
    out_ << "</g>\n";
  }

  const Figure& figure_;
  const Style& style_;
  std::ostringstream out_;
  std::vector<std::string> open_;
};

}  // namespace

std::string figureSvg(const Figure& figure, const Style& style) {
  return Writer(figure, style).all();
}

}  // namespace anglewise::drawing
