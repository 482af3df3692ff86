#pragma once
// A main window with recording ports, driven by the actions of a window
// script, and the answer that describes the state it is left in.
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/recording_ports.h"
#include "cli/recording_printing.h"
#include "figure/recording_picture_box.h"
#include "mainwindow/main_window.h"

namespace anglewise {

/// A session that cannot be played: bad JSON, an unknown action or control.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A fresh main window as the user first sees it, start-up done.
class ScriptedWindow {
 public:
  ScriptedWindow();
  /// Applies one action such as ["click", "Check1"]; throws ScriptError.
  void apply(const nlohmann::json& action);
  /// Writes the members of the answer that describe the window's state:
  /// controls, messages, beeps, record, figure, pages, and a null error.
  void writeAnswer(class JsonWriter& out);

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
  void click(const std::string& name);
};

}  // namespace anglewise
