#include "platform/accessibility.h"

#include <QWidget>

#include "mainwindow/main_window.h"
#include "platform/main_window_widget.h"

namespace anglewise {
namespace {

struct Spoken {
  const char* control;
  const char* name;
  const char* description;  ///< "" where the name says it all
};

// The rows' boxes, the figure, the buttons with pictures, and the result
// labels: named after the value they show, which is their description
// (screen readers read both; a label offers no text of its own).
constexpr Spoken kSpoken[] = {
    {"Text1", "Side X", "The length of side X, between corners A and C"},
    {"Text2", "Side Y", "The length of side Y, between corners C and B"},
    {"Text3", "Side Z", "The length of side Z, between corners A and B"},
    {"Text4", "Angle A", "Angle A, between sides X and Z, in the chosen notation"},
    {"Text5", "Angle B", "Angle B, between sides Y and Z, in the chosen notation"},
    {"Check1", "X given", "Side X is given"},
    {"Check2", "Y given", "Side Y is given"},
    {"Check3", "Z given", "Side Z is given"},
    {"Check4", "A given", "Angle A is given"},
    {"Check5", "B given", "Angle B is given"},
    {"over90checked", "Opposite angle greater than 90 degrees",
     "With two sides and an angle opposite one of them, choose the obtuse triangle"},
    {"Picture1", "Figure", ""},
    {"Frame1", "Display area", "The figure of the solved triangle"},
    {"displaynow", "Display", "Check the given values, solve the triangle and draw it"},
    {"Printitnow", "Print", "Print one page with the title, the figure and the results"},
    {"Clearthebaord", "Clear", "Empty every box and result"},
    {"exitnow", "Exit", "Close Anglewise"},
    {"xlen", "X result", ""},
    {"yhei", "Y result", ""},
    {"zrad", "Z result", ""},
    {"adec", "A in degrees", ""},
    {"adms", "A in degrees, minutes and seconds", ""},
    {"bdec", "B in degrees", ""},
    {"bdms", "B in degrees, minutes and seconds", ""},
    {"c90dec", "C in degrees", ""},
    {"c90dms", "C in degrees, minutes and seconds", ""},
    {"theHeight", "Height result", ""},
    {"theWidth", "Width result", ""},
    {"theArea", "Area result", ""},
};

}  // namespace

void nameMainWindowControls(MainWindowWidget& window) {
  for (const Spoken& spoken : kSpoken) {
    QWidget* widget = window.control(spoken.control);
    if (!widget) continue;
    widget->setAccessibleName(spoken.name);
    if (*spoken.description) widget->setAccessibleDescription(spoken.description);
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
