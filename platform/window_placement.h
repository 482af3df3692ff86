#pragma once
// Where a window of ours opens beside the main window: wholly on the
// screen's available area, never larger than it, beside the main window
// where there is room and otherwise where it hides the fewest controls.
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace anglewise {

/// The outer frame for a window of outer size `size` next to `owner` (its
/// outer frame) on `area`: right of the owner, else left, below or above,
/// each wholly on the area and clear of the owner, at the size asked for
/// or else smaller (down to a useful least size); where none has room, the
/// place on the area that covers the fewest of `controls` (then the least
/// of the owner). The size is bounded by the area.
QRect placeBeside(QSize size, const QRect& owner, const QRect& area, const QList<QRect>& controls);

/// Moves and sizes `window` (of inner size `size`) beside the main window
/// `owner` on the owner's screen, as above.
void placeWindowBeside(QWidget& window, QSize size, const QWidget& owner);

}  // namespace anglewise
