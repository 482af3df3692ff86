#include "figure/recording_picture_box.h"

#include <cmath>
#include <cstdio>

namespace anglewise {

void RecordingPictureBox::line(float x1, float y1, float x2, float y2, Rgb colour) {
  FigureOp op;
  op.kind = FigureOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
  ops_.push_back(op);
}

void RecordingPictureBox::fill(float x1, float y1, float x2, float y2, Rgb colour) {
  bool erasesAll = colour == kWhite && x1 <= 0 && y1 <= 0 && x2 >= scale_ && y2 >= scale_;
  if (erasesAll) ops_.clear();
  FigureOp op;
  op.kind = FigureOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
  ops_.push_back(op);
}

void RecordingPictureBox::arc(float cx, float cy, float radius, double start, double end,
                              Rgb colour) {
  FigureOp op;
  op.kind = FigureOp::Kind::Arc;
  op.cx = cx, op.cy = cy, op.radius = radius, op.start = start, op.end = end;
  op.colour = colour;
  ops_.push_back(op);
}

namespace {

std::string rgbText(Rgb c) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "rgb(%d,%d,%d)", c.r, c.g, c.b);
  return buf;
}

// An arc runs counter-clockwise on screen (y grows downward), which SVG
// draws with sweep flag 0.
std::string arcPath(const FigureOp& op) {
  double span = op.end - op.start;
  while (span <= 0) span += kFullTurn;
  double x1 = op.cx + op.radius * std::cos(op.start), y1 = op.cy - op.radius * std::sin(op.start);
  double x2 = op.cx + op.radius * std::cos(op.end), y2 = op.cy - op.radius * std::sin(op.end);
  char buf[200];
  std::snprintf(buf, sizeof buf, "M %.3f %.3f A %g %g 0 %d 0 %.3f %.3f", x1, y1, op.radius,
                op.radius, span > kFullTurn / 2 ? 1 : 0, x2, y2);
  return buf;
}

}  // namespace

std::string toSvg(const std::vector<FigureOp>& ops, float scale) {
  char head[200];
  std::snprintf(head, sizeof head,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %g %g\" "
                "width=\"%g\" height=\"%g\">\n",
                scale, scale, scale / kTwipsPerPixel, scale / kTwipsPerPixel);
  std::string svg = head;
  char buf[300];
  for (const FigureOp& op : ops) {
    std::string colour = rgbText(op.colour);
    if (op.kind == FigureOp::Kind::Fill) {
      std::snprintf(buf, sizeof buf,
                    "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"%s\"/>\n",
                    std::fmin(op.x1, op.x2), std::fmin(op.y1, op.y2), std::fabs(op.x2 - op.x1),
                    std::fabs(op.y2 - op.y1), colour.c_str());
    } else if (op.kind == FigureOp::Kind::Line) {
      std::snprintf(
          buf, sizeof buf,
          "<line x1=\"%g\" y1=\"%g\" x2=\"%g\" y2=\"%g\" stroke=\"%s\" stroke-width=\"15\"/>\n",
          op.x1, op.y1, op.x2, op.y2, colour.c_str());
    } else {
      std::snprintf(buf, sizeof buf,
                    "<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"15\"/>\n",
                    arcPath(op).c_str(), colour.c_str());
    }
    svg += buf;
  }
  return svg + "</svg>\n";
}

}  // namespace anglewise
