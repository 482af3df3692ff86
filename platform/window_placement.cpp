#include "platform/window_placement.h"

#include <algorithm>
#include <limits>

namespace anglewise {
namespace {

constexpr int kGap = 8;

QPoint clampedInto(QPoint corner, QSize size, const QRect& area) {
  return {std::clamp(corner.x(), area.left(), area.right() + 1 - size.width()),
          std::clamp(corner.y(), area.top(), area.bottom() + 1 - size.height())};
}

qint64 overlap(const QRect& a, const QRect& b) {
  QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

int covered(const QRect& place, const QList<QRect>& controls) {
  return static_cast<int>(std::count_if(controls.begin(), controls.end(),
                                        [&](const QRect& c) { return place.intersects(c); }));
}

}  // namespace

QRect placeBeside(QSize size, const QRect& owner, const QRect& area, const QList<QRect>& controls) {
  size = size.boundedTo(area.size());
  const QPoint beside[] = {
      {owner.right() + 1 + kGap, owner.top()},
      {owner.left() - kGap - size.width(), owner.top()},
      {owner.left(), owner.bottom() + 1 + kGap},
      {owner.left(), owner.top() - kGap - size.height()},
  };
  for (QPoint corner : beside) {
    QRect place(corner, size);
    if (area.contains(place) && !place.intersects(owner)) return place;
  }
  // No room beside: the candidates are the four places above pushed onto
  // the area, and the area's corners.
  QList<QPoint> corners;
  for (QPoint corner : beside) corners << clampedInto(corner, size, area);
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

}  // namespace anglewise
