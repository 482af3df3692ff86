#pragma once
// The program's own pictures, drawn in code: the four command buttons'
// icons and the window icon.
#include <QIcon>
#include <QString>

namespace anglewise {

/// The icon of a command button by its control name ("displaynow", ...).
QIcon buttonIcon(const QString& controlName);

/// The program's window icon: a lettered triangle.
QIcon windowIcon();

}  // namespace anglewise
