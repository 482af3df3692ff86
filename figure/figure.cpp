#include "figure/figure.h"

#include "figure/figure_strokes.h"
#include "solver/angles.h"
#include "solver/numbers.h"

namespace anglewise {
namespace {

void readBox(TriangleState& s, const PictureBox& p) {
  s.figureWidth = p.ScaleWidth();
  s.figureHeight = p.ScaleHeight();
  s.figureBoxHeight = static_cast<std::int32_t>(roundToWhole(p.ScaleHeight()));
}

// The usable area inside the margin, before the fit.
void usableArea(TriangleState& s, const PictureBox& p) {
  Num m = s.figureMargin;
  s.figureWidth = (Num(p.ScaleWidth()) - Num(2) * m).value();
  s.figureHeight = (Num(s.figureBoxHeight) - Num(2) * m).value();
}

// After the fit: extents past the margin, right edge and base line.
void placeAfterFit(TriangleState& s, const PictureBox& p) {
  Num m = s.figureMargin;
  s.figureExtentX = (Num(s.figureExtentX) + m).value();
  s.figureExtentY = (Num(s.figureExtentY) + m).value();
  s.figureWidth = (Num(p.ScaleWidth()) - m).value();
  s.figureHeight = (Num(s.figureBoxHeight) - m).value();
}

// y of the midpoint between the base line and vertex B.
Num midHeightY(const TriangleState& s, Num y0, Num by) {
  return Num(s.figureBoxHeight) - ((y0 - by) / 2 + s.figureMargin);
}

double obliqueMargin(double a, double b, double c) {
  double margin = (a <= 90 && b <= 90 && c <= 90) ? 500 : 600;
  auto any = [&](double limit) { return a > limit || b > limit || c > limit; };
  if (any(110)) margin = 700;
  if (any(130)) margin = 800;
  if (any(150)) margin = 900;
  if (any(170)) margin = 1000;
  return margin;
}

// Steps 3 to 8 of the oblique drawing: the results and their captions.
void obliqueResults(TriangleState& s, FigureCaptions& captions) {
  s.obliqueHeight = (Num(s.sideY) * Sin(rad(s.angleC))).value();
  s.apexOffset = (Num(s.obliqueHeight) / Tan(rad(s.angleC))).value();
  s.obliqueWidth = s.sideX;
  if (s.apexOffset < 0) s.obliqueWidth = (Abs(s.apexOffset) + s.sideX).value();
  if (s.apexOffset > s.sideX) s.obliqueWidth = s.apexOffset;
  s.resultArea = (Num(s.sideZ) * s.sideX * Sin(rad(s.angleA)) / 2).value();
  s.resultHeight = s.obliqueHeight;
  s.resultWidth = s.obliqueWidth;
  captions.setHeightCaption(RoundedText(s.resultHeight, s.decimalPlaces));
  captions.setWidthCaption(RoundedText(s.resultWidth, s.decimalPlaces));
  captions.setAreaCaption(RoundedText(s.resultArea, s.decimalPlaces));
}

}  // namespace

void erasePicture(TriangleState& s, PictureBox& p) {
  s.figureMargin = 0;
  s.figureWidth = p.ScaleWidth();
  s.figureExtentX = s.figureWidth - s.figureMargin;
  s.figureHeight = p.ScaleHeight();
  s.figureExtentY = s.figureHeight - s.figureMargin;
  p.fill(toSingle(s.figureMargin), toSingle(s.figureMargin), toSingle(s.figureExtentX),
         toSingle(s.figureExtentY), kWhite);
}

void Picture1_Click(TriangleState& s, PictureBox& p, bool obliqueSelected,
                    FigureCaptions& captions) {
  erasePicture(s, p);
  if (obliqueSelected) {
    TriangleDisplayoblique(s, p, captions);
  } else {
    TriangleDisplay90(s, p);
  }
}

void TriangleDisplay90(TriangleState& s, PictureBox& p) {
  s.penGrey = 0;
  if (s.sideX == 0 && s.sideY == 0) {
    s.sideX = 500;
    s.sideY = 500;
  }
  readBox(s, p);
  s.figureMargin = 500;
  usableArea(s, p);
  Num X = s.sideX, Y = s.sideY;
  if (s.sideY > s.sideX) {
    s.figureScale = (Num(s.figureHeight) / Y).value();
    s.figureExtentY = (Num(s.figureScale) * Y).value();
    s.figureExtentX = (Num(s.figureScale) * X).value();
  } else {
    s.figureScale = (Num(s.figureWidth) / X).value();
    s.figureExtentX = (Num(s.figureScale) * X).value();
    s.figureExtentY = (Num(s.figureScale) * Y).value();
  }
  placeAfterFit(s, p);

  Pen pen(p, s.penGrey);
  Num m = s.figureMargin, y0 = s.figureHeight, cx = s.figureExtentX;
  Num by = Num(s.figureBoxHeight) - s.figureExtentY;
  pen.line(m, y0, cx, by);
  s.labelX = ((cx - m) / 2 + m).value();
  s.labelY = midHeightY(s, y0, by).value();
  pen.letterZ(s.labelX, s.labelY, -250, -106, -278, -426);
  pen.line(m, y0, cx, y0);
  s.labelX = ((cx - m) / 2 + m).value();
  pen.letterX(s.labelX, y0);
  pen.line(cx, y0, cx, by);
  s.labelY = midHeightY(s, y0, by).value();
  pen.letterY(cx, s.labelY);
  pen.letterA(m, y0);
  pen.letterB(cx, by);
  pen.letterC(cx + 225, y0);
}

void TriangleDisplayoblique(TriangleState& s, PictureBox& p, FigureCaptions& captions) {
  // Without a solved triangle there is nothing to draw: after Clear the
  // record holds the default legs and no angles.
  if (s.triangleSolved != 1) return;
  s.penGrey = 0;
  readBox(s, p);
  obliqueResults(s, captions);
  s.figureMargin = obliqueMargin(s.angleA, s.angleB, s.angleC);
  usableArea(s, p);
  if (s.obliqueHeight > s.obliqueWidth) {
    s.figureScale = (Num(s.figureHeight) / s.obliqueHeight).value();
    s.figureExtentY = (Num(s.figureScale) * s.obliqueHeight).value();
    s.figureExtentX = (Num(s.figureScale) * s.sideX).value();
  } else {
    s.figureScale = (Num(s.figureWidth) / s.obliqueWidth).value();
    s.figureExtentX = (Num(s.figureScale) * s.sideX).value();
    s.figureExtentY = (Num(s.figureScale) * s.obliqueHeight).value();
  }
  placeAfterFit(s, p);
  Num m = s.figureMargin, y0 = s.figureHeight, cx = s.figureExtentX;
  Num by = Num(s.figureBoxHeight) - s.figureExtentY;
  s.obliqueHeight = (y0 - by).value();
  s.apexX = (cx - Num(s.obliqueHeight) / Tan(rad(s.angleC))).value();
  Num bx = s.apexX;

  Pen pen(p, s.penGrey);
  pen.line(m, y0, bx, by);
  s.slantLabelX = ((bx - m) / 2 + m).value();
  s.labelY = midHeightY(s, y0, by).value();
  pen.letterZ(s.slantLabelX, s.labelY, -270, -126, -238, -386);
  pen.line(m, y0, cx, y0);
  s.labelX = ((cx - m) / 2 + m).value();
  pen.letterX(s.labelX, y0);
  s.slantLabelX = ((cx - bx) / 2 + bx).value();
  pen.line(cx, y0, bx, by);
  s.labelY = (midHeightY(s, y0, by) + 20).value();
  pen.letterY(s.slantLabelX, s.labelY);
  pen.letterA(m, y0);
  s.slantLabelX = (bx - 25).value();
  pen.letterB(s.slantLabelX, by);
  pen.letterC(cx + 250, y0);
}

}  // namespace anglewise
