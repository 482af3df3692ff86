#include "export/cairo_drawing.h"

#include <algorithm>
#include <cmath>

namespace anglewise {
namespace {

void setColour(cairo_t* cr, Rgb c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

}  // namespace

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

cairo_status_t writeToFile(void* file, const unsigned char* data, unsigned int length) {
  std::string_view bytes(reinterpret_cast<const char*>(data), length);
  return static_cast<WholeFile*>(file)->write(bytes) ? CAIRO_STATUS_SUCCESS
                                                     : CAIRO_STATUS_WRITE_ERROR;
}

// cairo 1.16 can report success after a write failed, so the file's own
// record of its writes decides; cairo's status only adds its own failures.
std::string finishInto(Surface& surface, WholeFile& file) {
  cairo_surface_finish(surface.get());
  std::string drawing = surfaceError(surface.get());
  surface.reset();
  if (!file.error().empty()) return file.error();
  if (!drawing.empty()) return drawing;
  return file.commit();
}

}  // namespace anglewise
