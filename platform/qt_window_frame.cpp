#include "platform/qt_window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace anglewise {
namespace {

// Far beyond any desktop, yet safe from integer overflow in Qt's geometry.
constexpr int kMaxCoordinate = 1 << 20;
constexpr int kMinExtent = 120;
constexpr int kMaxExtent = 1 << 15;

// The screen showing most of `rect`, or none when no screen shows any.
QScreen* screenShowing(const QRect& rect) {
  QScreen* best = nullptr;
  qint64 bestArea = 0;
  for (QScreen* screen : QGuiApplication::screens()) {
    QRect common = screen->availableGeometry().intersected(rect);
    qint64 area = qint64(common.width()) * common.height();
    if (area > bestArea) best = screen, bestArea = area;
  }
  return best;
}

}  // namespace

QtWindowFrame::QtWindowFrame(QWidget* window) : window_(window) {
  window_->installEventFilter(this);
}

int QtWindowFrame::toPixels(float twips) const {
  double pixels = std::round(twips * logicalDpi(window_) / 1440.0);
  return static_cast<int>(std::clamp(pixels, -double(kMaxCoordinate), double(kMaxCoordinate)));
}

float QtWindowFrame::toTwips(int pixels) const {
  return static_cast<float>(pixels * 1440.0 / logicalDpi(window_));
}

QMargins QtWindowFrame::margins() const {
  QWindow* handle = window_->windowHandle();
  return handle && window_->isVisible() ? handle->frameMargins() : QMargins();
}

// Until it is shown the window has no frame of its own: what was asked for
// is what it will get, and without a request, the geometry it has now.
// The client's geometry with the frame margins as the platform tells them
// now: QWidget keeps the margins it saw at the last move or resize, and the
// window manager may change them without either (openbox does on
// maximizing).
QRect QtWindowFrame::outer() const {
  if (window_->isVisible()) return window_->geometry().marginsAdded(margins());
  return wanted_.value_or(window_->geometry());
}

float QtWindowFrame::Left() const {
  return toTwips(outer().x());
}
float QtWindowFrame::Top() const {
  return toTwips(outer().y());
}
float QtWindowFrame::Width() const {
  return toTwips(outer().width());
}
float QtWindowFrame::Height() const {
  return toTwips(outer().height());
}

void QtWindowFrame::setLeft(float twips) {
  wanted_ = outer();
  wanted_->moveLeft(toPixels(twips));
  apply();
}
void QtWindowFrame::setTop(float twips) {
  wanted_ = outer();
  wanted_->moveTop(toPixels(twips));
  apply();
}
void QtWindowFrame::setWidth(float twips) {
  wanted_ = outer();
  wanted_->setWidth(std::clamp(toPixels(twips), kMinExtent, kMaxExtent));
  apply();
}
void QtWindowFrame::setHeight(float twips) {
  wanted_ = outer();
  wanted_->setHeight(std::clamp(toPixels(twips), kMinExtent, kMaxExtent));
  apply();
}

bool QtWindowFrame::minimized() const {
  return window_->isMinimized();
}

// The client gets the outer size less the frame known now. A shown window
// gets its client rectangle inside that frame; one not yet mapped has no
// frame to offset by, so the window manager is asked to put the frame's
// corner, not the client's, at the point.
void QtWindowFrame::apply() {
  if (!wanted_) return;
  const QRect wanted = *wanted_;
  applied_ = margins();
  QSize client = wanted.size().shrunkBy(applied_).expandedTo(QSize(1, 1));
  if (window_->isVisible()) {
    window_->setGeometry(QRect(wanted.topLeft() + QPoint(applied_.left(), applied_.top()), client));
    return;
  }
  window_->resize(client);
  window_->move(wanted.topLeft());
  if (QWindow* handle = window_->windowHandle()) handle->setFramePosition(wanted.topLeft());
}

void QtWindowFrame::fitToScreen() {
  QRect wanted = outer();
  QScreen* screen = screenShowing(wanted);
  if (!screen) {
    screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    wanted.moveTopLeft(screen->availableGeometry().topLeft());
  }
  QRect area = screen->availableGeometry();
  wanted.setSize(wanted.size().boundedTo(area.size()));
  wanted.moveLeft(std::clamp(wanted.left(), area.left(), area.right() + 1 - wanted.width()));
  wanted.moveTop(std::clamp(wanted.top(), area.top(), area.bottom() + 1 - wanted.height()));
  wanted_ = wanted;
  apply();
}

// Once the window manager has framed the shown window, the frame margins
// are known and the placement asked for is applied again, exactly once.
bool QtWindowFrame::eventFilter(QObject* watched, QEvent* event) {
  bool geometryEvent = event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                       event->type() == QEvent::Show;
  if (settling_ && wanted_ && watched == window_ && geometryEvent &&
      window_->windowState() == Qt::WindowNoState) {
    QMargins now = margins();
    if (now != applied_) {
      settling_ = now.isNull();
      apply();
    }
  }
  return QObject::eventFilter(watched, event);
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
