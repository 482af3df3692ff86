#include "platform/button_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace anglewise {
namespace {

constexpr int kSize = 64;

QPixmap blank() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void paintTriangle(QPainter& p, QColor fill) {
  QPainterPath path;
  path.moveTo(8, 54);
  path.lineTo(56, 54);
  path.lineTo(56, 10);
  path.closeSubpath();
  p.setBrush(fill);
  p.setPen(QPen(QColor(20, 40, 90), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setBrush(Qt::NoBrush);
  p.drawRect(46, 44, 10, 10);  // the right-angle mark
}

void paintPrinter(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 3));
  p.setBrush(Qt::white);
  p.drawRect(18, 6, 28, 22);  // paper
  p.setBrush(QColor(110, 120, 135));
  p.drawRoundedRect(6, 24, 52, 24, 4, 4);  // body
  p.setBrush(Qt::white);
  p.drawRect(16, 40, 32, 18);  // printed sheet
  p.drawLine(21, 47, 43, 47);
  p.drawLine(21, 52, 37, 52);
}

void paintEraser(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.translate(32, 32);
  p.rotate(-35);
  p.setBrush(QColor(235, 120, 140));
  p.drawRoundedRect(-24, -12, 30, 24, 3, 3);
  p.setBrush(QColor(90, 140, 220));
  p.drawRoundedRect(6, -12, 18, 24, 3, 3);
  p.resetTransform();
  p.drawLine(10, 58, 54, 58);
}

void paintExit(QPainter& p) {
  p.setPen(QPen(QColor(60, 40, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(160, 110, 60));
  p.drawRect(10, 6, 30, 52);  // door
  p.setBrush(QColor(200, 40, 40));
  p.setPen(QPen(QColor(200, 40, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(34, 32, 58, 32);  // arrow out
  p.drawLine(48, 22, 58, 32);
  p.drawLine(48, 42, 58, 32);
}

// Stroke for stroke the launcher's app/anglewise.svg, so the desktop and
// the window show one picture; the letters are strokes, not a font's text.
void paintLetteredTriangle(QPainter& p) {
  const QColor ink(20, 40, 90);
  p.setPen(QPen(QColor(43, 74, 122), 2));
  p.setBrush(QColor(244, 241, 230));
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);  // the border

  QPainterPath triangle;
  triangle.moveTo(10, 45);
  triangle.lineTo(46, 45);
  triangle.lineTo(46, 11);
  triangle.closeSubpath();
  p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setBrush(QColor(250, 210, 90));
  p.drawPath(triangle);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawRect(QRectF(39, 38, 7, 7));  // the right-angle mark

  QPainterPath arc;  // angle A, 9 units round its corner up to the hypotenuse
  arc.moveTo(19, 45);
  arc.arcTo(QRectF(1, 36, 18, 18), 0, 43.363);
  p.setPen(QPen(QColor(178, 34, 34), 2, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(arc);

  p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF x1[] = {{25, 50}, {31, 57}}, x2[] = {{31, 50}, {25, 57}};
  const QPointF y1[] = {{50, 24}, {53, 28}, {56, 24}}, y2[] = {{53, 28}, {53, 32}};
  const QPointF z[] = {{17, 17}, {23, 17}, {17, 24}, {23, 24}};
  p.drawPolyline(x1, 2);
  p.drawPolyline(x2, 2);
  p.drawPolyline(y1, 3);
  p.drawPolyline(y2, 2);
  p.drawPolyline(z, 4);
}

}  // namespace

QIcon buttonIcon(const QString& controlName) {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (controlName == "displaynow") {
    paintTriangle(p, QColor(120, 200, 120));
  } else if (controlName == "Printitnow") {
    paintPrinter(p);
  } else if (controlName == "Clearthebaord") {
    paintEraser(p);
  } else if (controlName == "exitnow") {
    paintExit(p);
  }
  p.end();
  return QIcon(pixmap);
}

QIcon windowIcon() {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paintLetteredTriangle(p);
  p.end();
  return QIcon(pixmap);
}

}  // namespace anglewise
