#pragma once
// frmMain as a plain model. Data flow of one Display:
//   displaynow_Click -> displayit: count the ticks, read the five boxes into
//   TriangleState -> righttriangle / obliquetriangle (solver/), which tick
//   the boxes they used and report through the reporters here -> write the
//   boxes and result labels back -> Picture1_Click draws the figure (figure/).
// The Qt window (platform/) and the command line (cli/) drive this model
// through the controls and the handlers below; nothing here knows Qt.
#include <string>
#include <string_view>

#include "figure/figure.h"
#include "figure/picture_box.h"
#include "figure/printing.h"
#include "mainwindow/controls.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/ports.h"
#include "solver/solver_window.h"
#include "solver/triangle_state.h"

namespace anglewise {

/// The outside world the main window talks to.
struct MainWindowPorts {
  MessageBoxPort& messages;
  BeepPort& beeper;
  PictureBox& picture;
  PrintDevices* print = nullptr;      ///< none: printing does nothing
  SettingsStore* settings = nullptr;  ///< none: the placement is not kept
  WindowFrame* frame = nullptr;
};

/// The main window: its controls, the working record and the handlers.
class MainWindow : public SolverWindow, public FigureCaptions, public PrintFeedback {
 public:
  explicit MainWindow(MainWindowPorts ports);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  TriangleState state;

  TextBox Text1, Text2, Text3, Text4, Text5;
  CheckBox Check1, Check2, Check3, Check4, Check5, over90checked;
  OptionButton opt90D, optOBL, Option1, Option2;
  Label xlen, yhei, zrad, adec, adms, bdec, bdms, c90dec, c90dms, theHeight, theWidth, theArea;
  MenuItem mnuNone, mnu4places, mnu8places, mnu12places;

  // Lookup by control name, for the command line and the real window.
  TextBox* findTextBox(std::string_view name);
  CheckBox* findCheckBox(std::string_view name);
  OptionButton* findOption(std::string_view name);
  Label* findLabel(std::string_view name);
  MenuItem* findMenuItem(std::string_view name);
  /// Runs the click handler of a command button or menu item by name;
  /// false when there is no such control.
  bool clickCommand(std::string_view name);

  /// Loading: restores the placement, draws the first figure, 12 places.
  void Form_Load();
  /// Closing: saves the placement unless the window is minimized.
  void Form_Unload();

  void displaynow_Click() { displayit(); }
  void displayit();
  void Over90ONOFF();
  void opt90D_Click();
  void optOBL_Click() { Over90ONOFF(); }
  void Option1_Click();
  void Option2_Click();
  void mnuNone_Click() { chooseDecimals(mnuNone, 14); }
  void mnu4places_Click() { chooseDecimals(mnu4places, 4); }
  void mnu8places_Click() { chooseDecimals(mnu8places, 8); }
  void mnu12places_Click() { chooseDecimals(mnu12places, 12); }
  void Clearthebaord_Click() { clearall(); }
  void Printitnow_Click() { FilePrint(); }
  void mnuPrintDisplay_Click() { FilePrint(); }
  void FilePrint();
  void Picture1_Click();

  // Clearing and the reporters, shared with the solvers.
  void clrchkboxes() override;
  void clearall() override;
  void tohigh() override;
  void wronginputs();
  void Ztoosmall() override;
  void tomany();
  void negerror() override;
  void toomanyangles();
  void notgonadoit();
  void cantdoit() override;

  // The rest of what the solvers and the figure reach.
  bool ticked(int box) const override;
  void tick(int box) override;
  bool angleTextEmpty(int box) const override;
  bool obtuseTicked() const override { return over90checked.Value() == 1; }
  void untickObtuse() override { over90checked.setValue(0); }
  void setAreaCaption(const std::string& caption) override { theArea.setCaption(caption); }
  void setHeightCaption(const std::string& caption) override { theHeight.setCaption(caption); }
  void setWidthCaption(const std::string& caption) override { theWidth.setCaption(caption); }
  void showRuntimeError(const std::string& text) override;
  void beep() override { ports_.beeper.beep(); }
  void showPrintError(const std::string& text) override;
  void printBeep() override { ports_.beeper.beep(); }

  CheckBox& checkBox(int box);
  TextBox& inputBox(int box);

 private:
  void report(const std::string& text, const std::string& title, bool setsInputError);
  void chooseDecimals(MenuItem& item, int places);
  void readAngleBoxesAsDms();
  void writeBack(const std::string& angleCDms);
  void convertToDecimal(TextBox& box, double& angle, std::string& dms);

  MainWindowPorts ports_;
};

}  // namespace anglewise
