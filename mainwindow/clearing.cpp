// Clear, the clearing of the check boxes, and the fixed error messages.
#include "figure/figure.h"
#include "mainwindow/main_window.h"
#include "solver/checked_math.h"

namespace anglewise {

void MainWindow::clrchkboxes() {
  for (Given row : kGivenRows) checkBox(row).setValue(0);
}

void MainWindow::clearall() {
  for (Given row : kGivenRows) inputBox(row).setText("");
  for (Label* label : resultLabels()) label->setCaption("");
  clrchkboxes();
  state.resultsShown = 0;
  state.triangleSolved = 0;
  state.inputError = 1;
  state.angleA = state.angleB = state.angleC = 0;
  state.sideX = state.sideY = state.sideZ = 0;
  state.resultHeight = state.resultWidth = state.resultArea = 0;
  state.figureMargin = 0;
  try {
    erasePicture(state, ports_.picture);
    TriangleDisplay90(state, ports_.picture);
  } catch (const RuntimeError&) {
    // Clear always completes; a figure that cannot be drawn is left out.
  }
}

void MainWindow::report(const std::string& text, const std::string& title, bool setsInputError) {
  int answer = ports_.messages.show(text, kStyleExclamation, title);
  if (setsInputError && answer == 1) state.inputError = 1;
}

void MainWindow::tohigh() {
  report(
      "Invalid Angle \r\rAngle must be less than 90 degrees for a right triangle \r\r"
      "and less than 180 degrees for an oblique triangle. ",
      "Angle out of range ", true);
}

void MainWindow::wronginputs() {
  report("Invalid Number of Inputs !\r\rThe number of input values are incorrect.",
         "Value of Inputs Incorrect", true);
}

void MainWindow::Ztoosmall() {
  report("Z Value Out of Range !\r\rZ Must Be Greater Than X or Y. ", "Impossable calculation ",
         true);
}

void MainWindow::tomany() {
  report(
      "Invalid Number Boxes Checked !\r\rThe number of boxes checked can be no greater than 3 "
      "for an\roblique angle triangle and no greater than 2 for a right angle triangle.",
      "Number of boxes checked out of range ", true);
}

void MainWindow::negerror() {
  report("Invalid Negative Number !\r\rValid number range must be greater than 0. ",
         "Negative number out of range ", true);
}

void MainWindow::toomanyangles() {
  report("Invalid Number of Inputs !\r\rPlease select only one angle for a right angle triangle.",
         "Value of Inputs Incorrect", true);
}

void MainWindow::notgonadoit() {
  report("Invalid Selection\r\rPlease select or check valid inputs.",
         "Selection of Inputs Incorrect", false);
}

void MainWindow::cantdoit() {
  report("Can not solve this problem with opposite angle > 90", "Unsolvable Problem", false);
}

}  // namespace anglewise
