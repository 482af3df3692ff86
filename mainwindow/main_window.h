#pragma once
// frmMain as a plain model. Data flow of one Display:
//   displaynow_Click -> displayit: count the ticks, read the five boxes into
//   TriangleState -> righttriangle / obliquetriangle (solver/), which tick
//   the boxes they used and report through the reporters here -> write the
//   boxes and result labels back -> Picture1_Click draws the figure (figure/).
// The Qt window (platform/) and the command line (cli/) drive this model
// through the controls and the handlers below; nothing here knows Qt.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "figure/figure.h"
#include "figure/picture_box.h"
#include "figure/printing.h"
#include "mainwindow/controls.h"
#include "mainwindow/lifecycle.h"
#include "ports/ports.h"
#include "report/triangle_report.h"
#include "solver/solver_window.h"
#include "solver/triangle_state.h"

namespace anglewise {

class MainWindow;

/// A control of the main window whose state can change, by name. The
/// window's one table of them is what Clear, lookups by name, printing, the
/// Qt binding, the script answer and `solve` all read.
struct NamedControl {
  using Ref = std::variant<TextBox*, CheckBox*, OptionButton*, Label*, MenuItem*>;
  std::string_view name;
  Ref control;
  std::string_view printedAs = {};  ///< a result label's text on the printed page
  bool enabling = false;            ///< the window enables and disables it
};

/// A command button, the picture or a menu item, with its click handler.
struct NamedCommand {
  std::string_view name;
  void (MainWindow::*handler)();
  bool menuItem = false;
};

/// Why the last Display stopped before reading any value, if it did.
enum class DisplayRefusal { None, BothAngles, TooManyTicks, NoSide };

/// Everything about the main window that can change: each control's state
/// in the order of the control table, the working record and what Display
/// last read.
class WindowSnapshot {
 public:
  friend bool operator==(const WindowSnapshot&, const WindowSnapshot&) = default;

 private:
  friend class MainWindow;
  // Kept by kind, each in table order: text boxes' texts and then labels'
  // captions; check boxes; option buttons' and then menu items' flags.
  std::vector<std::string> texts_;
  std::vector<CheckBox::Saved> boxes_;
  std::vector<bool> flags_;
  TriangleState state_;
  std::optional<GivenValues> lastRead_;
  DisplayRefusal lastRefusal_ = DisplayRefusal::None;
};

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
  /// True where only what a Display leaves behind is read: the captions
  /// and messages as they stand when it returns, and no Display follows on
  /// the same window (a batch row, each on a fresh window). Display then
  /// skips what no one would see: clearing the five boxes and writing the
  /// values back into them, clearing the captions it writes again, and the
  /// record's stale height and width captions, which the oblique figure
  /// writes over (they are still written where the figure fails before it
  /// gets there).
  bool endStateOnly = false;
  /// What the last Display read, for the report: the kind, the given rows'
  /// values and the obtuse choice. None before a Display read any, and
  /// after Clear.
  std::optional<GivenValues> lastRead;
  /// Whether the last Display was refused before reading, and why; None
  /// after one that read its values, and after Clear.
  DisplayRefusal lastRefusal = DisplayRefusal::None;
  /// The report's input: what Display read, and the triangle shown.
  ReportInput reportInput() const;

  /// All that can change (a member added to the window that can change
  /// belongs in the control table or the record, or it is not kept here).
  WindowSnapshot snapshot() const;
  /// Back to `snapshot` without running any handler; observers hear of
  /// every control that changes.
  void restore(const WindowSnapshot& snapshot);

  TextBox Text1, Text2, Text3, Text4, Text5;
  CheckBox Check1, Check2, Check3, Check4, Check5, over90checked;
  OptionButton opt90D, optOBL, Option1, Option2;
  Label xlen, yhei, zrad, adec, adms, bdec, bdms, c90dec, c90dms, theHeight, theWidth, theArea;
  MenuItem mnuNone, mnu4places, mnu8places, mnu12places;

  /// Every control whose state can change, in the order the window lists
  /// them: text boxes, check boxes, option buttons, result labels, menu items.
  const std::vector<NamedControl>& controls() const { return controls_; }
  /// The control of kind T named `name`, or nullptr.
  template <typename T>
  T* find(std::string_view name) const {
    for (const NamedControl& c : controls_) {
      if (T* const* control = std::get_if<T*>(&c.control); control && c.name == name) {
        return *control;
      }
    }
    return nullptr;
  }
  /// The result labels, in the order of the printed page.
  const std::vector<Label*>& resultLabels() const { return resultLabels_; }
  /// The printed page's value lines: each result's label text and caption.
  PrintedValues printedValues() const;
  /// The command buttons, the picture and the menu items with handlers.
  static const std::vector<NamedCommand>& commands();
  /// Runs the click handler of a command by name; false when there is none.
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
  /// The Decimals menu's item for `places` (4, 8, 12 or 14; 14 is "No
  /// Rounding") chosen, as the user would choose it.
  void choosePlaces(int places);
  void Clearthebaord_Click() {
    lastRead.reset();
    lastRefusal = DisplayRefusal::None;
    clearall();
  }
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
  bool ticked(Given row) const override;
  void tick(Given row) override;
  bool angleTextEmpty(Given row) const override;
  bool obtuseTicked() const override { return over90checked.Value() == 1; }
  void untickObtuse() override { over90checked.setValue(0); }
  void setAreaCaption(std::string_view caption) override { theArea.setCaption(caption); }
  void setHeightCaption(std::string_view caption) override {
    staleHeight_.reset();
    theHeight.setCaption(caption);
  }
  void setWidthCaption(std::string_view caption) override {
    staleWidth_.reset();
    theWidth.setCaption(caption);
  }
  void showRuntimeError(const std::string& text) override;
  void beep() override { ports_.beeper.beep(); }
  void showPrintError(const std::string& text) override;
  void printBeep() override { ports_.beeper.beep(); }

  CheckBox& checkBox(Given row);
  TextBox& inputBox(Given row);

 private:
  void report(const std::string& text, const std::string& title, bool setsInputError);
  void chooseDecimals(MenuItem& item, int places);
  void readAngleBoxesAsDms();
  GivenValues readGiven() const;
  std::string refusalSentence() const;
  void writeBack(std::string_view angleCDms);
  void captionStaleSize();
  void convertToDecimal(TextBox& box, double& angle, std::string& dms);

  MainWindowPorts ports_;
  std::vector<NamedControl> controls_;
  // The controls of controls_ by kind, each in its order: a snapshot is
  // taken and restored kind by kind, with no dispatch on each control.
  std::vector<TextBox*> textBoxes_;
  std::vector<CheckBox*> checkBoxes_;
  std::vector<OptionButton*> optionButtons_;
  std::vector<Label*> resultLabels_;
  std::vector<MenuItem*> menuItems_;
  // The height and width that Display left for the oblique figure to
  // caption anew (end state only).
  std::optional<double> staleHeight_, staleWidth_;
};

/// The places a text names: "4", "8", "12" or "14"; nothing otherwise.
std::optional<int> readPlaces(std::string_view text);

// The check box and the text box of each input row, X to B.
inline constexpr CheckBox MainWindow::*kRowChecks[] = {&MainWindow::Check1, &MainWindow::Check2,
                                                       &MainWindow::Check3, &MainWindow::Check4,
                                                       &MainWindow::Check5};
inline constexpr TextBox MainWindow::*kRowTexts[] = {&MainWindow::Text1, &MainWindow::Text2,
                                                     &MainWindow::Text3, &MainWindow::Text4,
                                                     &MainWindow::Text5};

inline CheckBox& MainWindow::checkBox(Given row) {
  return this->*kRowChecks[static_cast<int>(row) - 1];
}

inline TextBox& MainWindow::inputBox(Given row) {
  return this->*kRowTexts[static_cast<int>(row) - 1];
}

inline bool MainWindow::ticked(Given row) const {
  return (this->*kRowChecks[static_cast<int>(row) - 1]).Value() == 1;
}

}  // namespace anglewise
