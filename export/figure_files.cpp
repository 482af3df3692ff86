#include "export/figure_files.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <cctype>

#include "drawing/cairo_figure.h"
#include "drawing/svg_figure.h"
#include "export/cairo_drawing.h"
#include "files/whole_file.h"

namespace anglewise {
namespace {

constexpr double kPngPixelsPerTwip = 2 / kTwipsPerPixel;  // twice the classic screen

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

std::string writeDrawingFile(const std::string& path, const drawing::Figure& figure,
                             FigureFormat format) {
  std::string error;
  std::string bytes = format == FigureFormat::Png
                          ? drawing::figurePng(figure, drawing::lightStyle(), 1, &error)
                          : drawing::figureSvg(figure);
  if (!error.empty()) return error;
  return writeWholeFile(path, bytes);
}

std::string writeFigureFile(const std::string& path, const std::vector<FigureOp>& ops,
                            FigureFormat format) {
  WholeFile file(path);
  if (!file.open()) return file.error();
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
    cr.reset();
    cairo_surface_flush(surface.get());
    cairo_status_t status = cairo_surface_write_to_png_stream(surface.get(), writeToFile, &file);
    if (status != CAIRO_STATUS_SUCCESS && file.error().empty()) {
      return cairo_status_to_string(status);
    }
    return finishInto(surface, file);
  }
  Surface surface(format == FigureFormat::Pdf
                      ? cairo_pdf_surface_create_for_stream(writeToFile, &file, points, points)
                      : cairo_svg_surface_create_for_stream(writeToFile, &file, points, points),
                  cairo_surface_destroy);
  if (std::string error = surfaceError(surface.get()); !error.empty()) return error;
  Context cr(cairo_create(surface.get()), cairo_destroy);
  cairo_scale(cr.get(), 1 / kTwipsPerPoint, 1 / kTwipsPerPoint);
  drawFigure(cr.get(), ops);
  cr.reset();
  return finishInto(surface, file);
}

}  // namespace anglewise
