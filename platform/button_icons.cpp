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
  paintTriangle(p, QColor(250, 210, 90));
  p.end();
  return QIcon(pixmap);
}

}  // namespace anglewise
