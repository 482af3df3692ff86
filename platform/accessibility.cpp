#include "platform/accessibility.h"

#include <QWidget>

#include "mainwindow/main_window.h"
#include "mainwindow/main_window_design.h"
#include "platform/main_window_widget.h"

namespace anglewise {
// The names and descriptions come from the window's design table, so a
// control added there is named there.
void nameMainWindowControls(MainWindowWidget& window) {
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.accessibleName.empty()) continue;
    QWidget* widget = window.control(QString::fromStdString(d.name));
    widget->setAccessibleName(QString::fromStdString(d.accessibleName));
    if (!d.accessibleDescription.empty()) {
      widget->setAccessibleDescription(QString::fromStdString(d.accessibleDescription));
    }
  }
}

void describeFigure(MainWindowWidget& window, const MainWindow& model) {
  QWidget* figure = window.control("Picture1");
  if (!figure) return;
  if (model.state.triangleSolved != 1) {
    figure->setAccessibleDescription("The default right triangle; nothing solved yet");
    return;
  }
  QString text = model.optOBL.Value() ? "Oblique triangle" : "Right triangle";
  const std::pair<const char*, const Label*> parts[] = {{"X", &model.xlen}, {"Y", &model.yhei},
                                                        {"Z", &model.zrad}, {"A", &model.adec},
                                                        {"B", &model.bdec}, {"C", &model.c90dec}};
  for (const auto& [name, label] : parts) {
    text += QString(", %1 %2").arg(name, QString::fromStdString(label->Caption()).trimmed());
  }
  figure->setAccessibleDescription(text);
}

}  // namespace anglewise
