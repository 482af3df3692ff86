#include "platform/twips.h"

#include <QWidget>
#include <cmath>

namespace anglewise {

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

double logicalDpi(const QWidget* widget) {
  int dpi = widget ? widget->logicalDpiX() : 0;
  return dpi > 0 ? dpi : 96.0;
}

QRect twipsRect(const QWidget* widget, int left, int top, int width, int height) {
  double dpi = logicalDpi(widget);
  return QRect(twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi),
               twipsToPixels(height, dpi));
}

}  // namespace anglewise

namespace anglewise {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(twipsRect(widget, left, top, width, height));
}

void resizeClientTwips(QWidget* window, int width, int height) {
  window->resize(twipsRect(window, 0, 0, width, height).size());
}

}  // namespace anglewise

namespace anglewise {

QFont windowFont() {
  QFont font("Arial");
  font.setPointSizeF(8);
  return font;
}

}  // namespace anglewise
