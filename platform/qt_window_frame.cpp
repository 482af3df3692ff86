#include "platform/qt_window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace anglewise {
namespace {

// Far beyond any desktop, yet safe from integer overflow in Qt's geometry.
constexpr int kMaxCoordinate = 1 << 20;
constexpr int kMinExtent = 120;
constexpr int kMaxExtent = 1 << 15;

}  // namespace

int QtWindowFrame::toPixels(float twips) const {
  double pixels = std::round(twips * logicalDpi(window_) / 1440.0);
  return static_cast<int>(std::clamp(pixels, -double(kMaxCoordinate), double(kMaxCoordinate)));
}

float QtWindowFrame::toTwips(int pixels) const {
  return static_cast<float>(pixels * 1440.0 / logicalDpi(window_));
}

QSize QtWindowFrame::decoration() const {
  return window_->frameGeometry().size() - window_->geometry().size();
}

float QtWindowFrame::Left() const {
  return toTwips(window_->frameGeometry().x());
}
float QtWindowFrame::Top() const {
  return toTwips(window_->frameGeometry().y());
}
float QtWindowFrame::Width() const {
  return toTwips(window_->frameGeometry().width());
}
float QtWindowFrame::Height() const {
  return toTwips(window_->frameGeometry().height());
}

void QtWindowFrame::setLeft(float twips) {
  window_->move(toPixels(twips), window_->y());
}
void QtWindowFrame::setTop(float twips) {
  window_->move(window_->x(), toPixels(twips));
}

void QtWindowFrame::setWidth(float twips) {
  int outer = std::clamp(toPixels(twips), kMinExtent, kMaxExtent);
  window_->resize(std::max(outer - decoration().width(), 1), window_->height());
}

void QtWindowFrame::setHeight(float twips) {
  int outer = std::clamp(toPixels(twips), kMinExtent, kMaxExtent);
  window_->resize(window_->width(), std::max(outer - decoration().height(), 1));
}

bool QtWindowFrame::minimized() const {
  return window_->isMinimized();
}

void QtWindowFrame::bringIntoView() {
  QRect frame = window_->frameGeometry();
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(frame)) return;
  }
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    window_->move(primary->availableGeometry().topLeft());
  }
}

}  // namespace anglewise

namespace anglewise {

void centreOnOwner(QWidget* window, const QWidget* owner) {
  if (!owner) return;
  QPoint topLeft = owner->frameGeometry().center() - window->rect().center();
  if (QScreen* screen = owner->screen()) {
    QRect area = screen->availableGeometry();
    topLeft.setY(std::max(topLeft.y(), area.top()));
    topLeft.setX(std::max(topLeft.x(), area.left()));
  }
  window->move(topLeft);
}

}  // namespace anglewise
