#pragma once
// One picture box that draws on two: the window's own, and a recording one
// that keeps the strokes for the figure's files and the clipboard.
#include "figure/picture_box.h"

namespace anglewise {

class TeePictureBox : public PictureBox {
 public:
  /// `first` is the box whose scale counts; `second` gets the same strokes.
  TeePictureBox(PictureBox& first, PictureBox& second) : first_(first), second_(second) {}
  float ScaleWidth() const override { return first_.ScaleWidth(); }
  float ScaleHeight() const override { return first_.ScaleHeight(); }
  void line(float x1, float y1, float x2, float y2, Rgb colour) override {
    first_.line(x1, y1, x2, y2, colour);
    second_.line(x1, y1, x2, y2, colour);
  }
  void fill(float x1, float y1, float x2, float y2, Rgb colour) override {
    first_.fill(x1, y1, x2, y2, colour);
    second_.fill(x1, y1, x2, y2, colour);
  }
  void arc(float cx, float cy, float radius, double start, double end, Rgb colour) override {
    first_.arc(cx, cy, radius, start, end, colour);
    second_.arc(cx, cy, radius, start, end, colour);
  }

 private:
  PictureBox& first_;
  PictureBox& second_;
};

}  // namespace anglewise
