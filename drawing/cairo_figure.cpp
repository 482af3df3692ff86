#include "drawing/cairo_figure.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace anglewise::drawing {
namespace {

constexpr double kMarkerSize = 4.5;
constexpr double kLetterSize = 13, kSmallSize = 11;
constexpr double kTint = 0.10, kHalo = 0.35;
constexpr double kGuideDash[] = {1.5, 3};
constexpr char kFont[] = "DejaVu Sans";

void setColour(cairo_t* cr, Colour c, double alpha = 1) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void setLine(cairo_t* cr, const RoleStyle& rs, bool guide, double extra = 0) {
  double width = std::max(1.0, guide ? rs.width * 0.6 : rs.width) + extra;
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (extra > 0) {
    cairo_set_dash(cr, nullptr, 0, 0);  // a halo is whole
  } else if (guide) {
    cairo_set_dash(cr, kGuideDash, 2, 0);
  } else {
    cairo_set_dash(cr, rs.dash.data(), static_cast<int>(rs.dash.size()), 0);
  }
}

void markerPath(cairo_t* cr, Point p, Marker marker, double size) {
  switch (marker) {
    case Marker::Dot:
    case Marker::Ring:
      cairo_new_sub_path(cr);
      cairo_arc(cr, p.x, p.y, size, 0, 2 * std::numbers::pi);
      break;
    case Marker::Square:
      cairo_rectangle(cr, p.x - size, p.y - size, 2 * size, 2 * size);
      break;
    case Marker::Diamond:
      cairo_move_to(cr, p.x, p.y - size * 1.3);
      cairo_line_to(cr, p.x + size * 1.3, p.y);
      cairo_line_to(cr, p.x, p.y + size * 1.3);
      cairo_line_to(cr, p.x - size * 1.3, p.y);
      cairo_close_path(cr);
      break;
    case Marker::Triangle:
      cairo_move_to(cr, p.x, p.y - size * 1.3);
      cairo_line_to(cr, p.x + size * 1.2, p.y + size * 0.9);
      cairo_line_to(cr, p.x - size * 1.2, p.y + size * 0.9);
      cairo_close_path(cr);
      break;
    case Marker::Plus:
      cairo_move_to(cr, p.x - size * 1.3, p.y);
      cairo_line_to(cr, p.x + size * 1.3, p.y);
      cairo_move_to(cr, p.x, p.y - size * 1.3);
      cairo_line_to(cr, p.x, p.y + size * 1.3);
      break;
    case Marker::Cross:
      cairo_move_to(cr, p.x - size, p.y - size);
      cairo_line_to(cr, p.x + size, p.y + size);
      cairo_move_to(cr, p.x + size, p.y - size);
      cairo_line_to(cr, p.x - size, p.y + size);
      break;
    case Marker::None:
      break;
  }
}

// Filled markers get a rim of the background, so they stand out on lines.
void drawMarker(cairo_t* cr, Point p, Marker marker, const RoleStyle& rs, const Style& style) {
  cairo_set_dash(cr, nullptr, 0, 0);
  markerPath(cr, p, marker, kMarkerSize);
  bool filled = marker != Marker::Ring && marker != Marker::Cross && marker != Marker::Plus;
  if (filled) {
    setColour(cr, rs.colour);
    cairo_fill_preserve(cr);
    setColour(cr, style.background);
    cairo_set_line_width(cr, 1);
  } else {
    setColour(cr, rs.colour);
    cairo_set_line_width(cr, marker == Marker::Ring ? 1.8 : 2.2);
  }
  cairo_stroke(cr);
}

void drawText(cairo_t* cr, const std::string& text, Point at, double size, bool centred) {
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_font_extents_t f;
  cairo_font_extents(cr, &f);
  double x = centred ? at.x - (e.width / 2 + e.x_bearing) : at.x;
  cairo_move_to(cr, x, at.y + (f.ascent - f.descent) / 2);
  cairo_show_text(cr, text.c_str());
}

void shapePath(cairo_t* cr, const Shape& s) {
  cairo_new_path(cr);
  switch (s.kind) {
    case Shape::Kind::Polyline:
    case Shape::Kind::Polygon:
      for (size_t i = 0; i < s.points.size(); ++i) {
        (i ? cairo_line_to : cairo_move_to)(cr, s.points[i].x, s.points[i].y);
      }
      if (s.kind == Shape::Kind::Polygon) cairo_close_path(cr);
      break;
    case Shape::Kind::Circle:
      cairo_arc(cr, s.points[0].x, s.points[0].y, s.radius, 0, 2 * std::numbers::pi);
      break;
    case Shape::Kind::Arc:
      cairo_arc(cr, s.points[0].x, s.points[0].y, s.radius, s.start, s.end);
      break;
    default:
      break;
  }
}

class Painter {
 public:
  Painter(cairo_t* cr, const Figure& figure, const Style& style, const Paint& paint)
      : cr_(cr), figure_(figure), style_(style), paint_(paint) {}

  void all() {
    if (paint_.background) {
      setColour(cr_, style_.background);
      cairo_rectangle(cr_, 0, 0, figure_.width, figure_.height);
      cairo_fill(cr_);
    }
    for (const Group& g : figure_.groups) group(g);
    notes();
    legend();
    callout();
  }

 private:
  // An element's parts (a triangle's sides and angles) light up with it.
  bool highlighted(const Group& g) const {
    return !paint_.highlight.empty() && (g.id == paint_.highlight || g.parent == paint_.highlight);
  }

  void group(const Group& g) {
    cairo_save(cr_);
    if (!g.inInset) {
      const Rect& c = figure_.clip;
      cairo_rectangle(cr_, c.x, c.y, c.w, c.h);
      cairo_clip(cr_);
    }
    const RoleStyle& rs = style_.of(g.role);
    if (highlighted(g)) {
      for (const Shape& s : g.shapes) halo(s, rs);
    }
    for (const Shape& s : g.shapes) shape(s, rs);
    cairo_restore(cr_);
  }

  void halo(const Shape& s, const RoleStyle& rs) {
    setColour(cr_, style_.highlight, kHalo);
    if (s.kind == Shape::Kind::Marker) {
      cairo_new_path(cr_);
      cairo_arc(cr_, s.points[0].x, s.points[0].y, kMarkerSize + 4, 0, 2 * std::numbers::pi);
      cairo_fill(cr_);
      return;
    }
    if (s.kind == Shape::Kind::Label) return;
    if (s.kind == Shape::Kind::Polygon && !s.outline) {
      shapePath(cr_, s);
      cairo_fill(cr_);
      return;
    }
    setLine(cr_, rs, s.guide, 6);
    shapePath(cr_, s);
    cairo_stroke(cr_);
  }

  void shape(const Shape& s, const RoleStyle& rs) {
    switch (s.kind) {
      case Shape::Kind::Marker:
        drawMarker(cr_, s.points[0], s.marker, rs, style_);
        return;
      case Shape::Kind::Label:
        setColour(cr_, textColour(rs));
        drawText(cr_, s.text, s.points[0], kLetterSize, true);
        return;
      case Shape::Kind::Polygon:
        if (s.tint) {
          shapePath(cr_, s);
          setColour(cr_, rs.colour, kTint);
          cairo_fill(cr_);
        }
        if (!s.outline) return;
        break;
      default:
        break;
    }
    setColour(cr_, rs.colour);
    setLine(cr_, rs, s.guide);
    shapePath(cr_, s);
    cairo_stroke(cr_);
  }

  // Letters are text: they need text's contrast, not a line's.
  Colour textColour(const RoleStyle& rs) const {
    return readableOn(rs.colour, style_.background, kTextContrast);
  }

  void notes() {
    setColour(cr_, style_.foreground);
    for (size_t i = 0; i < figure_.notes.size(); ++i) {
      Point at{figure_.notesAt.x, figure_.notesAt.y + (i + 0.5) * figure_.noteLine};
      drawText(cr_, figure_.notes[i], at, kSmallSize, false);
    }
  }

  void legend() {
    if (!figure_.legendAt) return;
    for (size_t i = 0; i < figure_.legend.size(); ++i) {
      const LegendEntry& entry = figure_.legend[i];
      int column = static_cast<int>(i) % figure_.legendColumns;
      int row = static_cast<int>(i) / figure_.legendColumns;
      double x = figure_.legendAt->x + column * figure_.legendColumn;
      double y = figure_.legendAt->y + row * figure_.legendRow;
      paintSwatch(cr_, entry.role, {x, y, 30, figure_.legendRow}, style_);
      setColour(cr_, style_.foreground);
      drawText(cr_, entry.text, {x + 38, y + figure_.legendRow / 2}, kSmallSize, false);
    }
  }

  void callout() {
    if (paint_.highlight.empty() || !paint_.callout) return;
    const Group* g = figure_.find(paint_.highlight);
    if (!g || g->name.empty()) return;
    std::string text = g->name + ": " + g->description;
    cairo_select_font_face(cr_, kFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    double size = 12;
    cairo_text_extents_t e;
    for (;; size -= 0.5) {
      cairo_set_font_size(cr_, size);
      cairo_text_extents(cr_, text.c_str(), &e);
      if (e.x_advance <= figure_.width - 20 || size <= 7) break;
    }
    cairo_rectangle(cr_, 4, 4, std::min(e.x_advance + 12, figure_.width - 8), size + 10);
    setColour(cr_, style_.background);
    cairo_fill_preserve(cr_);
    setColour(cr_, style_.highlight);
    cairo_set_line_width(cr_, 1.5);
    cairo_set_dash(cr_, nullptr, 0, 0);
    cairo_stroke(cr_);
    setColour(cr_, style_.foreground);
    drawText(cr_, text, {10, 9 + size / 2}, size, false);
  }

  cairo_t* cr_;
  const Figure& figure_;
  const Style& style_;
  const Paint& paint_;
};

cairo_status_t appendBytes(void* out, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void paintFigure(cairo_t* cr, const Figure& figure, Rect into, const Style& style,
                 const Paint& paint) {
  if (!(figure.width > 0) || !(figure.height > 0)) return;
  double scale = std::min(into.w / figure.width, into.h / figure.height);
  cairo_save(cr);
  cairo_translate(cr, into.x + (into.w - scale * figure.width) / 2,
                  into.y + (into.h - scale * figure.height) / 2);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, figure.width, figure.height);
  cairo_clip(cr);
  Painter(cr, figure, style, paint).all();
  cairo_restore(cr);
}

void paintSwatch(cairo_t* cr, Role role, Rect into, const Style& style) {
  const RoleStyle& rs = style.of(role);
  cairo_save(cr);
  double y = into.y + into.h / 2;
  setColour(cr, rs.colour);
  setLine(cr, rs, false);
  cairo_move_to(cr, into.x + 1, y);
  cairo_line_to(cr, into.x + into.w - 1, y);
  cairo_stroke(cr);
  bool overlay = role != Role::Triangle && role != Role::OtherTriangle && role != Role::Note &&
                 role != Role::Inset;
  if (overlay && rs.marker != Marker::None) {
    drawMarker(cr, {into.x + into.w / 2, y}, rs.marker, rs, style);
  }
  cairo_restore(cr);
}

std::string figurePng(const Figure& figure, const Style& style, double pixelRatio,
                      std::string* error) {
  int w = static_cast<int>(std::ceil(figure.width * pixelRatio));
  int h = static_cast<int>(std::ceil(figure.height * pixelRatio));
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, w), std::max(1, h)),
      cairo_surface_destroy);
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
  paintFigure(cr.get(), figure, {0, 0, w * 1.0, h * 1.0}, style);
  cairo_surface_flush(surface.get());
  std::string bytes;
  cairo_status_t status = cairo_status(cr.get());
  if (status == CAIRO_STATUS_SUCCESS) {
    status = cairo_surface_write_to_png_stream(surface.get(), appendBytes, &bytes);
  }
  if (status != CAIRO_STATUS_SUCCESS) {
    if (error) *error = cairo_status_to_string(status);
    return "";
  }
  return bytes;
}

}  // namespace anglewise::drawing
