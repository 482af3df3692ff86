#pragma once
// The main window driven without a screen: the model with ports that answer
// at once and remember (message boxes answered OK, beeps counted, the
// figure's strokes, printed pages). The command line, the tests and the
// benchmarks all drive the window through it.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "figure/recording_picture_box.h"
#include "headless/recording_ports.h"
#include "headless/recording_printing.h"
#include "mainwindow/main_window.h"

namespace anglewise {

/// An action names a control the window does not have, or one that the
/// action cannot reach.
class UnknownControl : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

/// One user action by name, as a person would do it.
struct UserAction {
  std::string verb;       ///< "type", "click", "menu" or "cancel-next-dialog"
  std::string name = {};  ///< the control or menu item
  std::string text = {};  ///< what "type" types
};

/// What a user gives the window for one Display.
struct WindowInputs {
  bool oblique = false;
  bool dms = false;
  bool obtuse = false;
  int places = 12;
  std::array<std::string_view, 5> values{};  ///< X, Y, Z, A, B as typed; "" not given
};

/// A fresh main window as the user first sees it, start-up done.
class HeadlessWindow {
 public:
  /// `strokes` Dropped: a window whose figure nobody looks at (batch
  /// solving); it solves, captions and reports exactly the same.
  explicit HeadlessWindow(Strokes strokes = Strokes::Recorded);
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  /// The user selects all of a text box's text and types `text`.
  void type(std::string_view textBox, const std::string& text);
  /// A click on a check box, an option button, a command button or the
  /// picture; a menu item is chosen, not clicked.
  void click(std::string_view name);
  /// A menu item chosen from the menu bar.
  void choose(std::string_view menuItem);
  /// One triangle as `solve` and `batch` play it: the kind and the
  /// notation chosen, each given value typed and ticked, the obtuse box,
  /// the places, then Display.
  void solve(const WindowInputs& inputs);
  /// The next printer dialog is cancelled instead of accepted.
  void cancelNextDialog() { dialog.cancelNext = true; }
  /// Any of the above by its verb; throws std::invalid_argument (an
  /// UnknownControl for a bad name).
  void apply(const UserAction& action);
  /// Back to the window as it was made: every control, the working record,
  /// the figure and the ports' memories. Much cheaper than a new window.
  void restart();

  RecordingMessages messages;
  CountingBeeper beeper;
  RecordingPictureBox picture;
  BitmapPictureSaver saver{picture};
  ScriptedPrintDialog dialog;
  HiddenWaitWindow waitWindow;
  RecordingPrinter printer;
  PrintDevices devices{saver, dialog, waitWindow, printer};
  MainWindow window;

 private:
  WindowSnapshot fresh_;
  RecordingPictureBox freshPicture_;
};

}  // namespace anglewise
