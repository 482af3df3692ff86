#include "platform/readable_colours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cmath>

namespace anglewise {
namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background, double least) {
  if (contrastRatio(colour, background) >= least) return colour;
  bool lighten = luminance(background) < 0.18;  // darker than mid grey
  QColor hsl = colour.toHsl();
  for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255;
       lightness += lighten ? 5 : -5) {
    QColor tried = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
    if (contrastRatio(tried, background) >= least) return tried;
  }
  return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

void makeTextReadable(QTextDocument& document, const QColor& background) {
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      if (!format.hasProperty(QTextFormat::ForegroundBrush)) continue;
      QColor colour = format.foreground().color();
      QColor readable = readableOn(colour, background);
      if (readable == colour) continue;
      QTextCharFormat change;
      change.setForeground(readable);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.mergeCharFormat(change);
    }
  }
  cursor.endEditBlock();
}

}  // namespace anglewise
