#include "platform/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace anglewise {
namespace {

constexpr int kGap = 8;
// Smaller than this, a report beside the owner is no use: it goes over it.
constexpr QSize kSmallest(360, 300);

QPoint clampedInto(QPoint corner, QSize size, const QRect& area) {
  return {std::clamp(corner.x(), area.left(), area.right() + 1 - size.width()),
          std::clamp(corner.y(), area.top(), area.bottom() + 1 - size.height())};
}

// The frame the window manager puts round a window, taken from the main
// window (a new window's is not known before it is shown).
QMargins frameMargins(const QWidget& window) {
  QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// The main window's leaf controls, on the screen.
QList<QRect> controlsOf(const QWidget& window) {
  QList<QRect> rects;
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isVisible() || !child->findChildren<QWidget*>().isEmpty()) continue;
    rects << QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
  }
  return rects;
}

qint64 overlap(const QRect& a, const QRect& b) {
  QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

int covered(const QRect& place, const QList<QRect>& controls) {
  return static_cast<int>(std::count_if(controls.begin(), controls.end(),
                                        [&](const QRect& c) { return place.intersects(c); }));
}

// The part of `area` on one side of `owner`, beyond the gap.
QRect freeSide(int side, const QRect& owner, const QRect& area) {
  QRect free = area;
  switch (side) {
    case 0:
      free.setLeft(owner.right() + 1 + kGap);
      break;
    case 1:
      free.setRight(owner.left() - 1 - kGap);
      break;
    case 2:
      free.setTop(owner.bottom() + 1 + kGap);
      break;
    default:
      free.setBottom(owner.top() - 1 - kGap);
      break;
  }
  return free;
}

// Where a window of `size` goes in `free`: as near the owner's top (or
// left) edge as the free part allows, touching the owner's side.
QRect inFree(int side, QSize size, const QRect& owner, const QRect& free) {
  QPoint corner = side == 0   ? QPoint(free.left(), owner.top())
                  : side == 1 ? QPoint(free.right() + 1 - size.width(), owner.top())
                  : side == 2 ? QPoint(owner.left(), free.top())
                              : QPoint(owner.left(), free.bottom() + 1 - size.height());
  return QRect(clampedInto(corner, size, free), size);
}

}  // namespace

QRect placeBeside(QSize size, const QRect& owner, const QRect& area, const QList<QRect>& controls) {
  size = size.boundedTo(area.size());
  // Beside the owner at the size asked for; else beside it, made smaller.
  for (bool shrink : {false, true}) {
    for (int side = 0; side < 4; ++side) {
      QRect free = freeSide(side, owner, area);
      if (free.isEmpty()) continue;
      QSize fitted = shrink ? size.boundedTo(free.size()) : size;
      if (fitted.width() < kSmallest.width() || fitted.height() < kSmallest.height()) continue;
      if (free.width() >= fitted.width() && free.height() >= fitted.height()) {
        return inFree(side, fitted, owner, free);
      }
    }
  }
  // No room beside: the candidates are the area's corners and the places
  // beside the owner pushed onto the area.
  QList<QPoint> corners;
  for (int side = 0; side < 4; ++side) {
    corners << clampedInto(inFree(side, size, owner, area).topLeft(), size, area);
  }
  corners << area.topLeft() << QPoint(area.right() + 1 - size.width(), area.top())
          << QPoint(area.left(), area.bottom() + 1 - size.height())
          << QPoint(area.right() + 1 - size.width(), area.bottom() + 1 - size.height());
  QRect best;
  int fewest = std::numeric_limits<int>::max();
  qint64 least = std::numeric_limits<qint64>::max();
  for (QPoint corner : corners) {
    QRect place(corner, size);
    int hidden = covered(place, controls);
    qint64 over = overlap(place, owner);
    if (hidden < fewest || (hidden == fewest && over < least)) {
      best = place, fewest = hidden, least = over;
    }
  }
  return best;
}

void placeWindowBeside(QWidget& window, QSize size, const QWidget& owner) {
  window.resize(size);
  QScreen* screen = owner.screen();
  if (!screen) return;
  QMargins margins = frameMargins(owner);
  QRect place = placeBeside(size.grownBy(margins), owner.frameGeometry(),
                            screen->availableGeometry(), controlsOf(owner));
  window.resize(place.size().shrunkBy(margins));
  window.move(place.topLeft());  // a window's position is its frame's
}

}  // namespace anglewise
