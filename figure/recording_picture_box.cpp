#include "figure/recording_picture_box.h"

#include <cmath>
#include <cstdio>

namespace anglewise {

void RecordingPictureBox::line(float x1, float y1, float x2, float y2, Rgb colour) {
  if (!records_) return;
  FigureOp op;
  op.kind = FigureOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
  ops_.push_back(op);
}

void RecordingPictureBox::fill(float x1, float y1, float x2, float y2, Rgb colour) {
  if (!records_) return;
  bool erasesAll = colour == kWhite && x1 <= 0 && y1 <= 0 && x2 >= scale_ && y2 >= scale_;
  if (erasesAll) ops_.clear();
  FigureOp op;
  op.kind = FigureOp::Kind::Fill;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
  ops_.push_back(op);
}

void RecordingPictureBox::arc(float cx, float cy, float radius, double start, double end,
                              Rgb colour) {
  if (!records_) return;
  FigureOp op;
  op.kind = FigureOp::Kind::Arc;
  op.cx = cx, op.cy = cy, op.radius = radius, op.start = start, op.end = end;
  op.colour = colour;
  ops_.push_back(op);
}

}  // namespace anglewise
