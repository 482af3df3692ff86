#include "figure/figure_strokes.h"

namespace anglewise {

void Pen::line(Num x1, Num y1, Num x2, Num y2) {
  picture_.line(toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), colour_);
}

void Pen::arc(Num cx, Num cy, Num radius, double start, double end) {
  picture_.arc(toSingle(cx), toSingle(cy), toSingle(radius), start, end, colour_);
}

void Pen::letterZ(Num x, Num y, Num left, Num right, Num low, Num high) {
  if (!lettering_) return;
  line(x + left, y + low, x + right, y + low);
  line(x + left, y + high, x + right, y + high);
  line(x + left, y + low, x + right, y + high);
}

void Pen::letterX(Num x, Num baseY) {
  if (!lettering_) return;
  line(x - 72, baseY + 150, x + 72, baseY + 300);
  line(x + 72, baseY + 150, x - 72, baseY + 300);
}

void Pen::letterY(Num x, Num y) {
  if (!lettering_) return;
  line(x + 225, y + 72, x + 225, y - 16);
  line(x + 300, y - 72, x + 225, y);
  line(x + 150, y - 72, x + 225, y);
}

void Pen::letterA(Num m, Num baseY) {
  if (!lettering_) return;
  line(m - 100, baseY + 75, m - 175, baseY - 75);
  line(m - 250, baseY + 75, m - 175, baseY - 75);
  line(m - 150, baseY + 25, m - 225, baseY + 25);
}

void Pen::letterB(Num x, Num by) {
  if (!lettering_) return;
  arc(x + 227, by - 36, 37, 5.0, 2.0);
  arc(x + 227, by - 114, 37, 5.0, 2.0);
  line(x + 175, by, x + 175, by - 150);
  line(x + 175, by, x + 227, by);
  line(x + 175, by - 150, x + 227, by - 150);
  line(x + 175, by - 75, x + 226, by - 76);
}

void Pen::letterC(Num x, Num baseY) {
  if (!lettering_) return;
  arc(x, baseY, 75, 0.75, 5.5);
}

}  // namespace anglewise
