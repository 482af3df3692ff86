#include "mainwindow/main_window.h"

#include <type_traits>

#include "solver/checked_math.h"

namespace anglewise {

MainWindow::MainWindow(MainWindowPorts ports)
    : ports_(ports),
      controls_{{"Text1", &Text1},
                {"Text2", &Text2},
                {"Text3", &Text3},
                {"Text4", &Text4},
                {"Text5", &Text5},
                {"Check1", &Check1},
                {"Check2", &Check2},
                {"Check3", &Check3},
                {"Check4", &Check4},
                {"Check5", &Check5},
                {"over90checked", &over90checked, {}, true},
                {"opt90D", &opt90D},
                {"optOBL", &optOBL},
                {"Option1", &Option1},
                {"Option2", &Option2},
                {"xlen", &xlen, "                       X ="},
                {"yhei", &yhei, "                       Y ="},
                {"zrad", &zrad, "                       Z ="},
                {"adec", &adec, "                 A Angle ="},
                {"adms", &adms, "                 A Angle ="},
                {"bdec", &bdec, "                 B Angle ="},
                {"bdms", &bdms, "                 B Angle ="},
                {"c90dec", &c90dec, "                 C Angle ="},
                {"c90dms", &c90dms, "                 C Angle ="},
                {"theHeight", &theHeight, "                  Height ="},
                {"theWidth", &theWidth, "                   Width ="},
                {"theArea", &theArea, "                    Area ="},
                {"mnuNone", &mnuNone},
                {"mnu4places", &mnu4places},
                {"mnu8places", &mnu8places},
                {"mnu12places", &mnu12places}} {
  for (const NamedControl& c : controls_) {
    std::visit(
        [this](auto* control) {
          using Kind = std::remove_pointer_t<decltype(control)>;
          if constexpr (std::is_same_v<Kind, TextBox>) {
            textBoxes_.push_back(control);
          } else if constexpr (std::is_same_v<Kind, CheckBox>) {
            checkBoxes_.push_back(control);
          } else if constexpr (std::is_same_v<Kind, OptionButton>) {
            optionButtons_.push_back(control);
          } else if constexpr (std::is_same_v<Kind, Label>) {
            resultLabels_.push_back(control);
          } else {
            // A kind of control added to the table needs a list here, or
            // snapshots would leave it out.
            static_assert(std::is_same_v<Kind, MenuItem>);
            menuItems_.push_back(control);
          }
        },
        c.control);
  }
  for (Given row : kGivenRows) checkBox(row).Click = [this] { Over90ONOFF(); };
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

PrintedValues MainWindow::printedValues() const {
  PrintedValues values;
  for (const NamedControl& c : controls_) {
    if (Label* const* label = std::get_if<Label*>(&c.control)) {
      values.push_back({std::string(c.printedAs), (*label)->Caption()});
    }
  }
  return values;
}

const std::vector<NamedCommand>& MainWindow::commands() {
  static const std::vector<NamedCommand> table = {
      {"displaynow", &MainWindow::displaynow_Click},
      {"Clearthebaord", &MainWindow::Clearthebaord_Click},
      {"Printitnow", &MainWindow::Printitnow_Click},
      {"Picture1", &MainWindow::Picture1_Click},
      {"mnuPrintDisplay", &MainWindow::mnuPrintDisplay_Click, true},
      {"mnuNone", &MainWindow::mnuNone_Click, true},
      {"mnu4places", &MainWindow::mnu4places_Click, true},
      {"mnu8places", &MainWindow::mnu8places_Click, true},
      {"mnu12places", &MainWindow::mnu12places_Click, true}};
  return table;
}

bool MainWindow::clickCommand(std::string_view name) {
  for (const NamedCommand& command : commands()) {
    if (command.name == name) {
      (this->*command.handler)();
      return true;
    }
  }
  return false;
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
  anglewise::FilePrint(state, *ports_.print, *this, printedValues());
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

void MainWindow::tick(Given row) {
  checkBox(row).setValue(1);
}

bool MainWindow::angleTextEmpty(Given row) const {
  return (row == Given::A ? Text4 : Text5).Text().empty();
}

void MainWindow::showRuntimeError(const std::string& text) {
  ports_.messages.show(text, kStyleExclamation, "Error");
}

}  // namespace anglewise
