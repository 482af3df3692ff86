#pragma once
// The names the Save dialogs give: the filter the user chose decides the
// format of a name that names none, and adds its suffix.
#include <QString>

namespace anglewise {

/// `path` as it will be written: unchanged when it ends with one of the
/// suffixes `filters` offers ("SVG drawing (*.svg);;PNG image (*.png)"),
/// else with the suffix of `chosenFilter` (the first filter's when none).
QString withChosenSuffix(const QString& path, const QString& filters, const QString& chosenFilter);

}  // namespace anglewise
