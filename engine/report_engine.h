#pragma once
// The report's proven arithmetic (Arb, FLINT, Calcium) and cairo's drawing
// and files, behind one table of calls in a module of their own. The window
// loads the module the first time it needs one of them, so a start that
// never makes a report or a file maps none of those libraries.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "anysolve/measure.h"
#include "drawing/figure.h"
#include "drawing/paint.h"
#include "drawing/style.h"
#include "export/figure_files.h"
#include "report/triangle_report.h"

namespace anglewise {

/// Pixels to paint on: 32-bit premultiplied ARGB in the machine's byte
/// order, `scale` device pixels to a unit of the rectangle painted into.
struct PixelCanvas {
  unsigned char* bits = nullptr;
  int width = 0, height = 0, bytesPerLine = 0;
  double scale = 1;
};

class ReportEngine {
 public:
  virtual TriangleReport makeReport(const ReportInput& input) const = 0;
  virtual std::string reportText(const TriangleReport& report) const = 0;
  virtual std::string reportHtml(const TriangleReport& report) const = 0;
  virtual std::string reportHeadline(const TriangleReport& report) const = 0;
  virtual std::optional<ReportInput> givenReportInput(
      const std::vector<std::pair<std::string, std::string>>& measures, int places,
      std::string& refusal) const = 0;
  virtual const std::vector<anysolve::MeasureInfo>& measures() const = 0;
  /// Frees the arithmetic's caches of the calling thread.
  virtual void releaseThreadCaches() const = 0;

  virtual FigureFormat formatOfPath(const std::string& path) const = 0;
  virtual std::string writeFigureFile(const std::string& path, const std::vector<FigureOp>& ops,
                                      FigureFormat format) const = 0;
  virtual std::string writeDrawingFile(const std::string& path, const drawing::Figure& figure,
                                       FigureFormat format) const = 0;
  virtual std::string writeReportPdf(const std::string& path, const ReportPage& page) const = 0;

  virtual void paintFigure(const PixelCanvas& canvas, const drawing::Figure& figure,
                           drawing::Rect into, const drawing::Style& style,
                           const drawing::Paint& paint) const = 0;
  virtual void paintSwatch(const PixelCanvas& canvas, drawing::Role role, drawing::Rect into,
                           const drawing::Style& style) const = 0;

 protected:
  ~ReportEngine() = default;
};

/// The engine: the one linked into this program if there is one (tests),
/// else the module beside the program, loaded on the first call. Throws
/// std::runtime_error saying which file could not be loaded and why.
const ReportEngine& reportEngine();

}  // namespace anglewise

/// The module's one entry point.
extern "C" const anglewise::ReportEngine* anglewise_report_engine();
