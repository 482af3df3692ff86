#pragma once
// The stroke alphabet of the figure: each letter drawn from lines and arcs
// around an anchor point, in the pen colour of the drawing.
#include "figure/picture_box.h"
#include "solver/checked_math.h"

namespace anglewise {

/// Draws lines and arcs, rounding every coordinate to single precision.
/// On a surface that keeps no strokes the letters are left out: each
/// letter's anchor lies between points that the figure's lines have already
/// rounded, and its offsets are a few hundred twips, so a letter can
/// neither fail where its lines did not nor leave a mark.
class Pen {
 public:
  Pen(PictureBox& picture, int grey)
      : picture_(picture), colour_{grey, grey, grey}, lettering_(picture.keepsStrokes()) {}
  void line(Num x1, Num y1, Num x2, Num y2);
  void arc(Num cx, Num cy, Num radius, double start, double end);

  /// Z with its bars from x+left to x+right at heights y+low and y+high.
  void letterZ(Num x, Num y, Num left, Num right, Num low, Num high);
  void letterX(Num x, Num baseY);
  void letterY(Num x, Num y);
  void letterA(Num margin, Num baseY);
  void letterB(Num x, Num apexY);
  void letterC(Num x, Num baseY);

 private:
  PictureBox& picture_;
  Rgb colour_;
  bool lettering_;
};

}  // namespace anglewise
