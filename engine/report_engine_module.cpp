// The module's side of the engine: each call goes straight to the library
// that does the work. Only the entry point is exported.
#include <cairo.h>

#include "drawing/cairo_figure.h"
#include "engine/report_engine.h"
#include "exact/ball.h"
#include "report/given_measures.h"

namespace anglewise {
namespace {

// A cairo context on the canvas, scaled to its device pixels.
class CanvasContext {
 public:
  explicit CanvasContext(const PixelCanvas& canvas)
      : surface_(cairo_image_surface_create_for_data(canvas.bits, CAIRO_FORMAT_ARGB32, canvas.width,
                                                     canvas.height, canvas.bytesPerLine)),
        cr_(cairo_create(surface_)) {
    cairo_scale(cr_, canvas.scale, canvas.scale);
  }
  ~CanvasContext() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  CanvasContext(const CanvasContext&) = delete;
  CanvasContext& operator=(const CanvasContext&) = delete;
  cairo_t* get() const { return cr_; }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

class LinkedEngine final : public ReportEngine {
 public:
  TriangleReport makeReport(const ReportInput& input) const override {
    return anglewise::makeReport(input);
  }
  std::string reportText(const TriangleReport& report) const override {
    return anglewise::reportText(report);
  }
  std::string reportHtml(const TriangleReport& report) const override {
    return anglewise::reportHtml(report);
  }
  std::string reportHeadline(const TriangleReport& report) const override {
    return anglewise::reportHeadline(report);
  }
  std::optional<ReportInput> givenReportInput(
      const std::vector<std::pair<std::string, std::string>>& measures, int places,
      std::string& refusal) const override {
    return anglewise::givenReportInput(measures, places, refusal);
  }
  const std::vector<anysolve::MeasureInfo>& measures() const override {
    return anysolve::measures();
  }
  void releaseThreadCaches() const override { exact::releaseThreadCaches(); }

  FigureFormat formatOfPath(const std::string& path) const override {
    return anglewise::formatOfPath(path);
  }
  std::string writeFigureFile(const std::string& path, const std::vector<FigureOp>& ops,
                              FigureFormat format) const override {
    return anglewise::writeFigureFile(path, ops, format);
  }
  std::string writeDrawingFile(const std::string& path, const drawing::Figure& figure,
                               FigureFormat format) const override {
    return anglewise::writeDrawingFile(path, figure, format);
  }
  std::string writeReportPdf(const std::string& path, const ReportPage& page) const override {
    return anglewise::writeReportPdf(path, page);
  }

  void paintFigure(const PixelCanvas& canvas, const drawing::Figure& figure, drawing::Rect into,
                   const drawing::Style& style, const drawing::Paint& paint) const override {
    drawing::paintFigure(CanvasContext(canvas).get(), figure, into, style, paint);
  }
  void paintSwatch(const PixelCanvas& canvas, drawing::Role role, drawing::Rect into,
                   const drawing::Style& style) const override {
    drawing::paintSwatch(CanvasContext(canvas).get(), role, into, style);
  }
};

}  // namespace
}  // namespace anglewise

extern "C" __attribute__((visibility("default"))) const anglewise::ReportEngine*
anglewise_report_engine() {
  static const anglewise::LinkedEngine engine;
  return &engine;
}
