#pragma once
// One-line captions keep their designed boxes. Where this screen's font is
// wider than the designed one, the captions of one column are fitted alike:
// first their padding runs of blanks are shortened, then, if that is not
// enough, the whole column's font shrinks until every caption fits.
#include <QList>

class QLabel;

namespace anglewise {

/// Fits every label of one column in the same way.
void fitCaptionColumn(const QList<QLabel*>& column);

/// A column of one label.
inline void fitLabel(QLabel* label) {
  fitCaptionColumn({label});
}

/// `text` with every run of blanks longer than `longest` cut to `longest`.
QString shortenBlankRuns(const QString& text, int longest);

}  // namespace anglewise
