#pragma once
// Twips (1/1440 inch) to device-independent pixels by the screen's logical
// DPI: 15 twips a pixel at 96 DPI.
#include <QRect>

class QFont;
class QWidget;

namespace anglewise {

/// Pixels for `twips` at `dpi` dots per inch, rounded to the nearest pixel.
int twipsToPixels(int twips, double dpi);

/// A designed rectangle in twips as pixels for the widget's screen.
QRect twipsRect(const QWidget* widget, int left, int top, int width, int height);

/// The logical DPI of the widget's screen (96 when it has none).
double logicalDpi(const QWidget* widget);

}  // namespace anglewise

namespace anglewise {

/// Places a child widget at a designed rectangle in twips.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

/// Sets a window's client area to a designed size in twips.
void resizeClientTwips(QWidget* window, int width, int height);

}  // namespace anglewise

namespace anglewise {

/// The font of every window's controls that name no font of their own.
QFont windowFont();

}  // namespace anglewise
