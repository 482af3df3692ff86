#include "platform/picture_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace anglewise {

namespace {

QColor toColour(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

QRectF PictureWidget::innerRect() const {
  return QRectF(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
}

double PictureWidget::unitsToPixels() const {
  return innerRect().width() * devicePixelRatioF() / kPictureScale;
}

void PictureWidget::ensureImage() {
  QSize wanted = (innerRect().size() * devicePixelRatioF()).toSize();
  if (!wanted.isValid() || wanted.isEmpty() || image_.size() == wanted) return;
  QImage fresh(wanted, QImage::Format_RGB32);
  fresh.fill(Qt::white);
  if (!image_.isNull()) {
    QPainter painter(&fresh);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fresh.rect(), image_);
  }
  image_ = fresh;
}

void PictureWidget::line(float x1, float y1, float x2, float y2, Rgb colour) {
  ensureImage();
  double k = unitsToPixels();
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(toColour(colour), std::max(1.0, devicePixelRatioF())));
  painter.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
  update();
}

void PictureWidget::fill(float x1, float y1, float x2, float y2, Rgb colour) {
  ensureImage();
  double k = unitsToPixels();
  QPainter painter(&image_);
  QRectF box(QPointF(std::min(x1, x2) * k, std::min(y1, y2) * k),
             QPointF(std::max(x1, x2) * k, std::max(y1, y2) * k));
  painter.fillRect(box, toColour(colour));
  update();
}

void PictureWidget::arc(float cx, float cy, float radius, double start, double end, Rgb colour) {
  ensureImage();
  double k = unitsToPixels();
  double span = end - start;
  while (span <= 0) span += kFullTurn;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(toColour(colour), std::max(1.0, devicePixelRatioF())));
  QRectF box((cx - radius) * k, (cy - radius) * k, 2 * radius * k, 2 * radius * k);
  // Qt counts sixteenths of a degree, counter-clockwise from three o'clock.
  painter.drawArc(box, static_cast<int>(std::lround(start * 360 / kFullTurn * 16)),
                  static_cast<int>(std::lround(span * 360 / kFullTurn * 16)));
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  ensureImage();
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  // A sunken border of two pixels, as the classic picture box has.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.drawLine(0, 0, 0, height() - 1);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawLine(1, 1, width() - 2, 1);
  painter.drawLine(1, 1, 1, height() - 2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(0, height() - 1, width() - 1, height() - 1);
  painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
  painter.drawImage(innerRect(), image_);
  // The focus mark stands on the screen only, never in the saved picture.
  if (hasFocus()) {
    // Drawn whatever the style: some styles mark focus only after a Tab.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    painter.drawRect(innerRect().toAlignedRect().adjusted(2, 2, -3, -3));
  }
}

void PictureWidget::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

// Space or Enter on the focused figure does what a click does.
void PictureWidget::keyPressEvent(QKeyEvent* event) {
  bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
               event->key() == Qt::Key_Enter;
  if (press && clicked) {
    clicked();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && clicked) clicked();
}

void PictureWidget::resizeEvent(QResizeEvent*) {
  ensureImage();
}

}  // namespace anglewise
