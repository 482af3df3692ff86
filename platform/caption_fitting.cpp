#include "platform/caption_fitting.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

namespace anglewise {
namespace {

constexpr double kSmallestPoints = 6;
// Values shrink further than captions: a hidden digit would be a wrong number.
constexpr double kSmallestValuePoints = 2;
constexpr double kStepPoints = 0.25;

int longestBlankRun(const QString& text) {
  int longest = 0, run = 0;
  for (QChar c : text) {
    run = c == ' ' ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

bool allFit(const QList<QLabel*>& column, const QStringList& texts, const QFont& font) {
  QFontMetrics metrics(font);
  for (qsizetype i = 0; i < column.size(); ++i) {
    if (metrics.horizontalAdvance(texts[i]) > column[i]->contentsRect().width()) return false;
  }
  return true;
}

}  // namespace

QString shortenBlankRuns(const QString& text, int longest) {
  QString out;
  int run = 0;
  for (QChar c : text) {
    run = c == ' ' ? run + 1 : 0;
    if (run <= longest) out += c;
  }
  return out;
}

void fitCaptionColumn(const QList<QLabel*>& column) {
  if (column.isEmpty()) return;
  QStringList designed;
  int longest = 0;
  for (QLabel* label : column) {
    designed << label->text();
    longest = std::max(longest, longestBlankRun(label->text()));
  }
  QFont font = column.front()->font();
  QStringList texts = designed;
  for (int run = longest - 1; run >= 1 && !allFit(column, texts, font); --run) {
    texts.clear();
    for (const QString& text : designed) texts << shortenBlankRuns(text, run);
  }
  while (font.pointSizeF() > kSmallestPoints && !allFit(column, texts, font)) {
    font.setPointSizeF(font.pointSizeF() - kStepPoints);
  }
  for (qsizetype i = 0; i < column.size(); ++i) {
    QLabel* label = column[i];
    if (texts[i] != designed[i]) label->setAccessibleName(designed[i]);
    label->setText(texts[i]);
    label->setFont(font);
  }
}

}  // namespace anglewise

namespace anglewise {

void fitValueColumn(const QList<QLabel*>& column, const QFont& designed) {
  QStringList texts;
  for (QLabel* label : column) texts << label->text();
  QFont font = designed;
  while (font.pointSizeF() > kSmallestValuePoints && !allFit(column, texts, font)) {
    font.setPointSizeF(font.pointSizeF() - kStepPoints);
  }
  for (QLabel* label : column) {
    if (label->font() != font) label->setFont(font);
  }
}

}  // namespace anglewise
