#include "platform/save_paths.h"

#include <QRegularExpression>
#include <QStringList>

namespace anglewise {
namespace {

// ".png" from "PNG image (*.png)".
QString suffixOf(const QString& filter) {
  static const QRegularExpression pattern(R"(\(\*(\.[A-Za-z0-9]+)\))");
  QRegularExpressionMatch match = pattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

QString withChosenSuffix(const QString& path, const QString& filters, const QString& chosenFilter) {
  QStringList offered = filters.split(";;");
  for (const QString& filter : offered) {
    QString suffix = suffixOf(filter);
    if (!suffix.isEmpty() && path.endsWith(suffix, Qt::CaseInsensitive)) return path;
  }
  QString suffix = suffixOf(chosenFilter.isEmpty() ? offered.value(0) : chosenFilter);
  return path + suffix;
}

}  // namespace anglewise
