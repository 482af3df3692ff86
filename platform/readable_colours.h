#pragma once
// Colours of our own that stay readable on any palette: a colour that reads
// too faintly on the background it stands on is made lighter (on a dark
// background) or darker (on a light one), keeping its hue, until it reaches
// the contrast that readable text needs.
#include <QColor>

class QTextDocument;

namespace anglewise {

/// The contrast that body text needs (WCAG 2 level AA).
inline constexpr double kReadableContrast = 4.5;

/// The contrast ratio of two colours, from 1 (the same) to 21.
double contrastRatio(const QColor& a, const QColor& b);

/// `colour` where it already reads on `background`, else the nearest colour
/// of its hue that does.
QColor readableOn(const QColor& colour, const QColor& background, double least = kReadableContrast);

/// Every coloured run of `document` made readable on `background`.
void makeTextReadable(QTextDocument& document, const QColor& background);

}  // namespace anglewise
