// What the report is told about the window: the values Display read and the
// triangle the window shows. Reading only; nothing here changes the window.
#include "mainwindow/main_window.h"

namespace anglewise {

// The ticked rows, as the solvers take them; with too few ticks the
// solvers pick their case from the values present, and so does this.
GivenValues MainWindow::readGiven() const {
  const TriangleState& s = state;
  const double values[] = {s.sideX, s.sideY, s.sideZ, s.angleA, s.angleB};
  GivenValues given;
  given.oblique = optOBL.Value();
  given.obtuse = over90checked.Value() == 1;
  int ticks = 0;
  for (Given row : kGivenRows) ticks += ticked(row) ? 1 : 0;
  bool byTicks = ticks >= (given.oblique ? 3 : 2);
  for (Given row : kGivenRows) {
    int i = static_cast<int>(row) - 1;
    bool present = i < 3 ? values[i] != 0 : !angleTextEmpty(row);
    if (byTicks ? ticked(row) : present) given.values[i] = values[i];
  }
  return given;
}

ReportInput MainWindow::reportInput() const {
  ReportInput input;
  if (lastRead) input.given = *lastRead;
  const TriangleState& s = state;
  if (s.triangleSolved == 1) {
    input.shown = ShownTriangle{s.sideX, s.sideY, s.sideZ, s.angleA, s.angleB, s.angleC};
  }
  input.places = s.decimalPlaces;
  return input;
}

}  // namespace anglewise
