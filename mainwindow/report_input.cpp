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
  input.refusal = refusalSentence();
  return input;
}

// What the user sees after a refused Display: the ticks, and the rule they
// broke.
std::string MainWindow::refusalSentence() const {
  if (lastRefusal == DisplayRefusal::None) return "";
  std::vector<std::string> rows;
  for (Given row : kGivenRows) {
    if (ticked(row)) rows.emplace_back(kRowNames[static_cast<int>(row) - 1]);
  }
  std::string ticks;
  for (size_t i = 0; i < rows.size(); ++i) {
    ticks += (i == 0 ? "" : i + 1 == rows.size() ? " and " : ", ") + rows[i];
  }
  std::string boxes = rows.empty()       ? "no box is ticked"
                      : rows.size() == 1 ? ticks + " is ticked"
                                         : ticks + " are ticked";
  switch (lastRefusal) {
    case DisplayRefusal::BothAngles:
      return boxes + ", and a right triangle takes only one of the angles A and B.";
    case DisplayRefusal::TooManyTicks:
      return boxes + ", and " +
             (optOBL.Value() ? "an oblique triangle takes at most three given values."
                             : "a right triangle takes at most two given values.");
    case DisplayRefusal::NoSide:
      return boxes + ", and no side X, Y or Z has a value: every triangle needs a side.";
    case DisplayRefusal::None:
      break;
  }
  return "";
}

}  // namespace anglewise
