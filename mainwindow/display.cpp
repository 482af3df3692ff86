// The Display command and the controls around it: the obtuse-choice
// enabling, the angle notation switch and the Decimals menu.
#include <algorithm>
#include <iterator>
#include <utility>

#include "mainwindow/main_window.h"
#include "solver/dms.h"
#include "solver/numbers.h"
#include "solver/solvers.h"

namespace anglewise {

void MainWindow::displayit() {
  TriangleState& s = state;
  s.inputError = 0;
  if (opt90D.Value() && Check4.Value() == 1 && Check5.Value() == 1) toomanyangles();
  int checkedCount = 0;
  for (Given row : kGivenRows) checkedCount += ticked(row) ? 1 : 0;
  if (optOBL.Value() && checkedCount > 3) tomany();
  if (opt90D.Value() && checkedCount > 2) tomany();
  if (s.inputError == 1) {
    s.inputError = 0;
    lastRefusal = opt90D.Value() && Check4.Value() == 1 && Check5.Value() == 1
                      ? DisplayRefusal::BothAngles
                      : DisplayRefusal::TooManyTicks;
    return;
  }
  for (Given row : kGivenRows) {
    if (!ticked(row) && s.resultsShown == 1) inputBox(row).setText("");
  }
  if (Val(Text1.Text()) == 0 && Val(Text2.Text()) == 0 && Val(Text3.Text()) == 0) {
    wronginputs();
    lastRefusal = DisplayRefusal::NoSide;
    return;
  }
  lastRefusal = DisplayRefusal::None;
  s.resultsShown = 1;
  s.triangleSolved = 0;
  s.angleA = s.angleB = s.angleC = 0;
  if (Option2.Value()) readAngleBoxesAsDms();
  s.sideX = Val(Text1.Text());
  s.sideY = Val(Text2.Text());
  s.sideZ = Val(Text3.Text());
  if (!Option2.Value()) {
    s.angleA = Val(Text4.Text());
    s.angleB = Val(Text5.Text());
  }
  lastRead = readGiven();
  for (double value : {s.sideX, s.sideY, s.sideZ, s.angleA, s.angleB}) {
    if (value < 0) negerror();
  }
  if (opt90D.Value()) righttriangle(s, *this);
  if (optOBL.Value()) obliquetriangle(s, *this);
  if (s.solveFailed == 1) {
    s.solveFailed = 0;
    notgonadoit();
    return;
  }
  s.triangleSolved = 1;
  // The D/M/S texts are written in place: no string is made for them.
  char dms[kDmsRoom];
  s.angleADms.assign(dms, writeDms(s.angleA, dms));
  s.angleBDms.assign(dms, writeDms(s.angleB, dms));
  // Boxes and captions are cleared to be written again below; where only
  // the end is read, the clearing is skipped, as each caption is written
  // again (the height and width by the figure or after it) and the boxes
  // are not read. The area keeps its caption: the right solver has written
  // it already, and the oblique figure writes it anew.
  if (!endStateOnly) {
    for (Given row : kGivenRows) inputBox(row).setText("");
    for (Label* label : resultLabels()) {
      if (label != &theArea) label->setCaption("");
    }
  }
  s.angleC = 180 - (s.angleB + s.angleA);
  writeBack(std::string_view(dms, writeDms(s.angleC, dms)));
  Picture1_Click();
  captionStaleSize();
}

void MainWindow::readAngleBoxesAsDms() {
  DmsReading a = readdms(Text4.Text());
  if (a.reset) state.angleADms = kResetDms;
  state.angleA = a.degrees;
  DmsReading b = readdms(Text5.Text());
  if (b.reset) state.angleBDms = kResetDms;
  state.angleB = b.degrees;
}

// Boxes always get 14 places; the result labels get the chosen places.
// Each text is written into a buffer of its own and copied into its control.
void MainWindow::writeBack(std::string_view angleCDms) {
  const TriangleState& s = state;
  staleHeight_.reset();  // none left over from a Display that did not finish
  staleWidth_.reset();
  int places = s.decimalPlaces;
  if (!endStateOnly) {
    Text1.setText(RoundedText(s.sideX, 14));
    Text2.setText(RoundedText(s.sideY, 14));
    Text3.setText(RoundedText(s.sideZ, 14));
    Text4.setText(Option2.Value() ? std::string_view(s.angleADms) : RoundedText(s.angleA, 14));
    Text5.setText(Option2.Value() ? std::string_view(s.angleBDms) : RoundedText(s.angleB, 14));
  }
  xlen.setCaption(RoundedText(s.sideX, places));
  yhei.setCaption(RoundedText(s.sideY, places));
  zrad.setCaption(RoundedText(s.sideZ, places));
  adec.setCaption(RoundedText(s.angleA, places));
  adms.setCaption(s.angleADms);
  bdec.setCaption(RoundedText(s.angleB, places));
  bdms.setCaption(s.angleBDms);
  c90dec.setCaption(RoundedText(s.angleC, places));
  c90dms.setCaption(angleCDms);
  if (endStateOnly && optOBL.Value()) {
    staleHeight_ = s.resultHeight;
    staleWidth_ = s.resultWidth;
    return;
  }
  theHeight.setCaption(RoundedText(s.resultHeight, places));
  theWidth.setCaption(RoundedText(s.resultWidth, places));
}

// The captions the oblique figure did not write over, as Display wrote them.
void MainWindow::captionStaleSize() {
  if (staleHeight_) theHeight.setCaption(RoundedText(*staleHeight_, state.decimalPlaces));
  if (staleWidth_) theWidth.setCaption(RoundedText(*staleWidth_, state.decimalPlaces));
  staleHeight_.reset();
  staleWidth_.reset();
}

void MainWindow::Over90ONOFF() {
  // Two sides and an angle that does not lie between them: X Y B, Y Z A,
  // X Y A, X Z B, with every other box clear. Rows X to B are bits 4 to 0.
  // Only an oblique triangle has the choice, so nothing else is looked at
  // for a right one (every check box's click comes here).
  static constexpr unsigned kPatterns[] = {0b11001, 0b01110, 0b11010, 0b10101};
  if (!optOBL.Value()) return over90checked.setEnabled(false);
  // Every check box's click comes here, so the rows' boxes are read
  // unrolled; a value other than 0 or 1 matches no pattern.
  auto bit = [](const CheckBox& box, unsigned weight) {
    int value = box.Value();
    return value == 1 ? weight : value == 0 ? 0u : 0x100u;
  };
  unsigned ticks = [&]<size_t... Row>(std::index_sequence<Row...>) {
    return (bit(this->*kRowChecks[Row], 16u >> Row) | ...);
  }
  (std::make_index_sequence<std::size(kRowChecks)>());
  bool flag = std::find(std::begin(kPatterns), std::end(kPatterns), ticks) != std::end(kPatterns);
  over90checked.setEnabled(flag);
}

void MainWindow::opt90D_Click() {
  over90checked.setEnabled(false);
}

void MainWindow::convertToDecimal(TextBox& box, double& angle, std::string& dms) {
  DmsReading reading = readDmsFields(box.Text());
  if (reading.reset) dms = kResetDms;
  angle = reading.degrees;
  box.setText(RoundStr(angle, 14));
}

void MainWindow::Option1_Click() {
  convertToDecimal(Text4, state.angleA, state.angleADms);
  convertToDecimal(Text5, state.angleB, state.angleBDms);
}

void MainWindow::Option2_Click() {
  state.angleA = Val(Text4.Text());
  state.angleADms = formatDms(state.angleA);
  Text4.setText(state.angleADms);
  state.angleB = Val(Text5.Text());
  state.angleBDms = formatDms(state.angleB);
  Text5.setText(state.angleBDms);
}

void MainWindow::choosePlaces(int places) {
  switch (places) {
    case 4:
      return mnu4places_Click();
    case 8:
      return mnu8places_Click();
    case 14:
      return mnuNone_Click();
    default:
      return mnu12places_Click();
  }
}

std::optional<int> readPlaces(std::string_view text) {
  for (int places : {4, 8, 12, 14}) {
    if (text == std::to_string(places)) return places;
  }
  return std::nullopt;
}

void MainWindow::chooseDecimals(MenuItem& item, int places) {
  for (MenuItem* each : {&mnuNone, &mnu4places, &mnu8places, &mnu12places}) {
    each->setChecked(each == &item);
  }
  state.decimalPlaces = places;
  if (!xlen.Caption().empty()) displayit();
}

}  // namespace anglewise
