#pragma once
// One-line captions keep their designed boxes. Where this screen's font is
// wider than the designed one, the captions of one column are fitted alike:
// first their padding runs of blanks are shortened, then, if that is not
// enough, the whole column's font shrinks until every caption fits.
#include <QList>

class QFont;
class QLabel;

namespace anglewise {

/// Fits every label of one column in the same way.
void fitCaptionColumn(const QList<QLabel*>& column);

/// Fits a column of result values: each value is shown whole, so where one
/// does not fit at `designed`, the whole column takes the largest smaller
/// size at which every value fits. Values are never shortened.
void fitValueColumn(const QList<QLabel*>& column, const QFont& designed);

/// A column of one label.
inline void fitLabel(QLabel* label) {
  fitCaptionColumn({label});
}

/// `text` with every run of blanks longer than `longest` cut to `longest`.
QString shortenBlankRuns(const QString& text, int longest);

}  // namespace anglewise
