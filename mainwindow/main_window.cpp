#include "mainwindow/main_window.h"

#include <array>
#include <utility>

#include "solver/checked_math.h"

namespace anglewise {

MainWindow::MainWindow(MainWindowPorts ports) : ports_(ports) {
  for (CheckBox* box : {&Check1, &Check2, &Check3, &Check4, &Check5}) {
    box->Click = [this] { Over90ONOFF(); };
  }
  over90checked.setEnabled(false);
  opt90D.partner = &optOBL;
  optOBL.partner = &opt90D;
  Option1.partner = &Option2;
  Option2.partner = &Option1;
  Option1.select();  // "Decimal" as designed, before any handler is attached
  opt90D.Click = [this] { opt90D_Click(); };
  optOBL.Click = [this] { optOBL_Click(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  mnu12places.setChecked(true);
}

namespace {

template <typename T, size_t N>
T* lookup(const std::array<std::pair<std::string_view, T*>, N>& table, std::string_view name) {
  for (const auto& [key, control] : table) {
    if (key == name) return control;
  }
  return nullptr;
}

}  // namespace

TextBox* MainWindow::findTextBox(std::string_view name) {
  const std::array<std::pair<std::string_view, TextBox*>, 5> table{{{"Text1", &Text1},
                                                                    {"Text2", &Text2},
                                                                    {"Text3", &Text3},
                                                                    {"Text4", &Text4},
                                                                    {"Text5", &Text5}}};
  return lookup(table, name);
}

CheckBox* MainWindow::findCheckBox(std::string_view name) {
  const std::array<std::pair<std::string_view, CheckBox*>, 6> table{
      {{"Check1", &Check1},
       {"Check2", &Check2},
       {"Check3", &Check3},
       {"Check4", &Check4},
       {"Check5", &Check5},
       {"over90checked", &over90checked}}};
  return lookup(table, name);
}

OptionButton* MainWindow::findOption(std::string_view name) {
  const std::array<std::pair<std::string_view, OptionButton*>, 4> table{
      {{"opt90D", &opt90D}, {"optOBL", &optOBL}, {"Option1", &Option1}, {"Option2", &Option2}}};
  return lookup(table, name);
}

Label* MainWindow::findLabel(std::string_view name) {
  const std::array<std::pair<std::string_view, Label*>, 12> table{{{"xlen", &xlen},
                                                                   {"yhei", &yhei},
                                                                   {"zrad", &zrad},
                                                                   {"adec", &adec},
                                                                   {"adms", &adms},
                                                                   {"bdec", &bdec},
                                                                   {"bdms", &bdms},
                                                                   {"c90dec", &c90dec},
                                                                   {"c90dms", &c90dms},
                                                                   {"theHeight", &theHeight},
                                                                   {"theWidth", &theWidth},
                                                                   {"theArea", &theArea}}};
  return lookup(table, name);
}

MenuItem* MainWindow::findMenuItem(std::string_view name) {
  const std::array<std::pair<std::string_view, MenuItem*>, 4> table{
      {{"mnuNone", &mnuNone},
       {"mnu4places", &mnu4places},
       {"mnu8places", &mnu8places},
       {"mnu12places", &mnu12places}}};
  return lookup(table, name);
}

bool MainWindow::clickCommand(std::string_view name) {
  if (name == "displaynow") {
    displaynow_Click();
  } else if (name == "Clearthebaord") {
    Clearthebaord_Click();
  } else if (name == "Picture1") {
    Picture1_Click();
  } else if (name == "Printitnow") {
    Printitnow_Click();
  } else if (name == "mnuPrintDisplay") {
    mnuPrintDisplay_Click();
  } else if (name == "mnuNone") {
    mnuNone_Click();
  } else if (name == "mnu4places") {
    mnu4places_Click();
  } else if (name == "mnu8places") {
    mnu8places_Click();
  } else if (name == "mnu12places") {
    mnu12places_Click();
  } else {
    return false;
  }
  return true;
}

void MainWindow::Form_Load() {
  if (ports_.settings && ports_.frame) restorePlacement(*ports_.settings, *ports_.frame);
  Picture1_Click();
  state.decimalPlaces = 12;
}

void MainWindow::Form_Unload() {
  if (ports_.settings && ports_.frame) savePlacement(*ports_.settings, *ports_.frame);
}

void MainWindow::FilePrint() {
  if (!ports_.print) return;
  PrintedValues values;
  const Label* labels[] = {&xlen, &yhei,   &zrad,   &adec,      &adms,     &bdec,
                           &bdms, &c90dec, &c90dms, &theHeight, &theWidth, &theArea};
  for (size_t i = 0; i < values.size(); ++i) values[i] = labels[i]->Caption();
  anglewise::FilePrint(state, *ports_.print, *this, values);
}

void MainWindow::showPrintError(const std::string& text) {
  ports_.messages.show(text, kStyleExclamation, "Error");
}

void MainWindow::Picture1_Click() {
  try {
    anglewise::Picture1_Click(state, ports_.picture, optOBL.Value(), *this);
  } catch (const RuntimeError& error) {
    // The figure stops where the fault arose; the program goes on.
    ports_.messages.show(errorFoundText(error.number()), kStyleExclamation, "Error");
  }
}

CheckBox& MainWindow::checkBox(int box) {
  std::array<CheckBox*, 5> boxes{&Check1, &Check2, &Check3, &Check4, &Check5};
  return *boxes.at(static_cast<size_t>(box - 1));
}

TextBox& MainWindow::inputBox(int box) {
  std::array<TextBox*, 5> boxes{&Text1, &Text2, &Text3, &Text4, &Text5};
  return *boxes.at(static_cast<size_t>(box - 1));
}

bool MainWindow::ticked(int box) const {
  std::array<const CheckBox*, 5> boxes{&Check1, &Check2, &Check3, &Check4, &Check5};
  return boxes.at(static_cast<size_t>(box - 1))->Value() == 1;
}

void MainWindow::tick(int box) {
  checkBox(box).setValue(1);
}

bool MainWindow::angleTextEmpty(int box) const {
  return (box == 4 ? Text4 : Text5).Text().empty();
}

void MainWindow::showRuntimeError(const std::string& text) {
  ports_.messages.show(text, kStyleExclamation, "Error");
}

}  // namespace anglewise
