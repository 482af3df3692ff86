#include "export/figure_files.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

namespace anglewise {
namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kFigureTwips = kPictureScale;
constexpr double kPngPixelsPerTwip = 2 / kTwipsPerPixel;  // twice the classic screen

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

void setColour(cairo_t* cr, Rgb c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// The strokes in twips: y grows downward, and an arc runs counter-clockwise
// on screen from its start to its end angle, which in cairo's y-down space
// is the negative direction.
void drawFigure(cairo_t* cr, const std::vector<FigureOp>& ops) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kFigureTwips, kFigureTwips);
  cairo_clip(cr);
  cairo_set_line_width(cr, kTwipsPerPixel);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const FigureOp& op : ops) {
    setColour(cr, op.colour);
    switch (op.kind) {
      case FigureOp::Kind::Fill:
        cairo_rectangle(cr, std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::abs(op.x2 - op.x1),
                        std::abs(op.y2 - op.y1));
        cairo_fill(cr);
        break;
      case FigureOp::Kind::Line:
        cairo_move_to(cr, op.x1, op.y1);
        cairo_line_to(cr, op.x2, op.y2);
        cairo_stroke(cr);
        break;
      case FigureOp::Kind::Arc: {
        double span = op.end - op.start;
        while (span <= 0) span += kFullTurn;
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, op.cx, op.cy, op.radius, -op.start, -op.start - span);
        cairo_stroke(cr);
        break;
      }
    }
  }
  cairo_restore(cr);
}

std::string surfaceError(cairo_surface_t* surface) {
  cairo_status_t status = cairo_surface_status(surface);
  return status == CAIRO_STATUS_SUCCESS ? "" : cairo_status_to_string(status);
}

// Finishes a surface and says whether all of it reached the file.
std::string finish(cairo_surface_t* surface) {
  cairo_surface_finish(surface);
  return surfaceError(surface);
}

// Cairo names a failed write only as a stream error: open the file first
// so the reason is the system's own ("No such file or directory").
std::string unwritable(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return std::strerror(errno);
  std::fclose(file);
  return "";
}

}  // namespace

FigureFormat formatOfPath(const std::string& path) {
  auto endsWith = [&path](const char* ending) {
    std::string e(ending);
    if (path.size() < e.size()) return false;
    std::string tail = path.substr(path.size() - e.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == e;
  };
  if (endsWith(".png")) return FigureFormat::Png;
  if (endsWith(".pdf")) return FigureFormat::Pdf;
  return FigureFormat::Svg;
}

std::string writeFigureFile(const std::string& path, const std::vector<FigureOp>& ops,
                            FigureFormat format) {
  if (std::string error = unwritable(path); !error.empty()) return error;
  double points = kFigureTwips / kTwipsPerPoint;
  if (format == FigureFormat::Png) {
    int pixels = static_cast<int>(kFigureTwips * kPngPixelsPerTwip + 0.5);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels, pixels),
                    cairo_surface_destroy);
    Context cr(cairo_create(surface.get()), cairo_destroy);
    cairo_scale(cr.get(), kPngPixelsPerTwip, kPngPixelsPerTwip);
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    drawFigure(cr.get(), ops);
    cairo_surface_flush(surface.get());
    cairo_status_t status = cairo_surface_write_to_png(surface.get(), path.c_str());
    return status == CAIRO_STATUS_SUCCESS ? "" : cairo_status_to_string(status);
  }
  Surface surface(format == FigureFormat::Pdf
                      ? cairo_pdf_surface_create(path.c_str(), points, points)
                      : cairo_svg_surface_create(path.c_str(), points, points),
                  cairo_surface_destroy);
  if (std::string error = surfaceError(surface.get()); !error.empty()) return error;
  Context cr(cairo_create(surface.get()), cairo_destroy);
  cairo_scale(cr.get(), 1 / kTwipsPerPoint, 1 / kTwipsPerPoint);
  drawFigure(cr.get(), ops);
  cr.reset();
  return finish(surface.get());
}

namespace {

// Lines of text down an A4 page in points, a new page when one is full.
class PageWriter {
 public:
  static constexpr double kWidth = 595.28, kHeight = 841.89, kMargin = 50;

  explicit PageWriter(cairo_t* cr) : cr_(cr) {}
  void font(double points, bool bold = false) {
    cairo_select_font_face(cr_, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, points);
    lineHeight_ = points * 1.35;
  }
  void line(const std::string& text) {
    if (y_ + lineHeight_ > kHeight - kMargin) {
      cairo_show_page(cr_);
      y_ = kMargin;
    }
    y_ += lineHeight_;
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, kMargin, y_);
    cairo_show_text(cr_, text.c_str());
  }
  void skip(double points) { y_ += points; }
  double y() const { return y_; }

 private:
  cairo_t* cr_;
  double y_ = kMargin;
  double lineHeight_ = 12;
};

}  // namespace

std::string writeReportPdf(const std::string& path, const ReportPage& page) {
  if (std::string error = unwritable(path); !error.empty()) return error;
  Surface surface(cairo_pdf_surface_create(path.c_str(), PageWriter::kWidth, PageWriter::kHeight),
                  cairo_surface_destroy);
  if (std::string error = surfaceError(surface.get()); !error.empty()) return error;
  Context cr(cairo_create(surface.get()), cairo_destroy);
  PageWriter writer(cr.get());
  writer.font(16, true);
  writer.line("Anglewise");
  writer.skip(10);
  // The figure as vector strokes, 3072 twips square.
  cairo_save(cr.get());
  cairo_translate(cr.get(), PageWriter::kMargin, writer.y());
  cairo_scale(cr.get(), 1 / kTwipsPerPoint, 1 / kTwipsPerPoint);
  drawFigure(cr.get(), page.figure);
  cairo_restore(cr.get());
  writer.skip(kFigureTwips / kTwipsPerPoint + 10);
  writer.font(9);
  for (const PrintedValue& value : page.values) writer.line(value.label + value.caption);
  writer.skip(8);
  std::istringstream report(reportText(page.report));
  for (std::string text; std::getline(report, text);) writer.line(text);
  cr.reset();
  return finish(surface.get());
}

}  // namespace anglewise
