// The report page as PDF: one A4 page whatever the report holds. The
// title, the figure with the twelve values beside it, then the report and
// its working in a monospaced font as large as still fits: lines too wide
// are broken at blanks, and the font shrinks until every line is on the
// page.
#include <cairo-pdf.h>

#include <algorithm>
#include <sstream>

#include "drawing/cairo_figure.h"
#include "drawing/report_figure.h"
#include "export/cairo_drawing.h"
#include "export/figure_files.h"

namespace anglewise {
namespace {

// The height of the report's drawing on the page.
constexpr double kDrawingPoints = 190;

constexpr double kPageWidth = 595.28, kPageHeight = 841.89;  // A4 in points
constexpr double kMargin = 40;
constexpr double kTextWidth = kPageWidth - 2 * kMargin;
constexpr double kFigurePoints = kFigureTwips / kTwipsPerPoint;
constexpr double kLeading = 1.25;  // line height for a font size
constexpr double kTitleSize = 16, kValuesSize = 9;
constexpr double kLargestReportSize = 9, kSmallestReportSize = 4, kSizeStep = 0.25;

void useFont(cairo_t* cr, double size, bool bold = false) {
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

double widthOf(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  return extents.x_advance;
}

// Breaks a line wider than `width` at blanks outside its indent, the
// continuations indented two more; the columns of a line that fits keep
// their blanks. A word wider than `width` is left whole.
void wrapInto(cairo_t* cr, const std::string& line, double width, std::vector<std::string>& out) {
  size_t indent = std::min(line.find_first_not_of(' '), line.size());
  std::string lead, rest = line;
  size_t from = indent;
  while (widthOf(cr, lead + rest) > width) {
    size_t cut = std::string::npos;
    for (size_t blank = rest.find(' ', from); blank != std::string::npos;
         blank = rest.find(' ', blank + 1)) {
      if (widthOf(cr, lead + rest.substr(0, blank)) > width) break;
      cut = blank;
    }
    size_t next = cut == std::string::npos ? cut : rest.find_first_not_of(' ', cut);
    if (next == std::string::npos) break;
    std::string head = rest.substr(0, cut);
    out.push_back(lead + head.substr(0, head.find_last_not_of(' ') + 1));
    rest = rest.substr(next);
    lead = std::string(indent + 2, ' ');
    from = 0;
  }
  out.push_back(lead + rest);
}

struct FittedText {
  double size = kSmallestReportSize;
  std::vector<std::string> lines;
};

// The largest font size at which the wrapped lines fit `height`.
FittedText fit(cairo_t* cr, const std::vector<std::string>& text, double height) {
  FittedText fitted;
  for (double size = kLargestReportSize; size >= kSmallestReportSize; size -= kSizeStep) {
    useFont(cr, size);
    fitted = {size, {}};
    for (const std::string& line : text) wrapInto(cr, line, kTextWidth, fitted.lines);
    bool narrow = std::all_of(fitted.lines.begin(), fitted.lines.end(),
                              [&](const std::string& l) { return widthOf(cr, l) <= kTextWidth; });
    // The last line's descenders stay above the bottom margin too.
    double tall = (static_cast<double>(fitted.lines.size()) * kLeading + 0.3) * size;
    if (narrow && tall <= height) break;
  }
  return fitted;
}

// Lines down from `top`, each a line height below the one before.
void showLines(cairo_t* cr, double x, double top, double size,
               const std::vector<std::string>& lines) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  double y = top;
  for (const std::string& line : lines) {
    y += size * kLeading;
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, line.c_str());
  }
}

}  // namespace

std::string writeReportPdf(const std::string& path, const ReportPage& page) {
  WholeFile file(path);
  if (!file.open()) return file.error();
  Surface surface(cairo_pdf_surface_create_for_stream(writeToFile, &file, kPageWidth, kPageHeight),
                  cairo_surface_destroy);
  if (std::string error = surfaceError(surface.get()); !error.empty()) return error;
  Context context(cairo_create(surface.get()), cairo_destroy);
  cairo_t* cr = context.get();

  useFont(cr, kTitleSize, true);
  cairo_move_to(cr, kMargin, kMargin + kTitleSize);
  cairo_show_text(cr, "Anglewise");
  double top = kMargin + kTitleSize + 12;

  // The figure as vector strokes, the twelve values beside it.
  cairo_save(cr);
  cairo_translate(cr, kMargin, top);
  cairo_scale(cr, 1 / kTwipsPerPoint, 1 / kTwipsPerPoint);
  drawFigure(cr, page.figure);
  cairo_restore(cr);
  std::vector<std::string> values;
  for (const PrintedValue& value : page.values) values.push_back(value.label + value.caption);
  useFont(cr, kValuesSize);
  showLines(cr, kMargin + kFigurePoints + 18, top, kValuesSize, values);
  top += std::max(kFigurePoints, static_cast<double>(values.size()) * kValuesSize * kLeading) + 14;

  // The report's drawing of every true triangle, as vectors, across the page.
  drawing::Figure figure = drawing::drawReportFigure(
      page.report, page.given, {page.overlays, kPageWidth - 2 * kMargin, kDrawingPoints, true});
  drawing::paintFigure(cr, figure, {kMargin, top, kPageWidth - 2 * kMargin, kDrawingPoints},
                       drawing::lightStyle(), {"", false, false});
  top += kDrawingPoints + 10;

  std::vector<std::string> report;
  std::istringstream text(reportText(page.report));
  for (std::string line; std::getline(text, line);) report.push_back(line);
  FittedText fitted = fit(cr, report, kPageHeight - kMargin - top);
  useFont(cr, fitted.size);
  showLines(cr, kMargin, top, fitted.size, fitted.lines);
  context.reset();
  return finishInto(surface, file);
}

}  // namespace anglewise
