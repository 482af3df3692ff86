#pragma once
// The desktop program put together: Qt ports, the real main window and the
// model of it, bound to each other, with loading done; printing, the help
// window, the About box and closing wired to the model.
#include <QPrinter>
#include <memory>

#include "figure/tee_picture_box.h"
#include "help/linux_system_info.h"
#include "mainwindow/main_window.h"
#include "platform/history_keeper.h"
#include "platform/main_window_widget.h"
#include "platform/qt_ports.h"
#include "platform/qt_printing.h"
#include "platform/qt_settings.h"
#include "platform/qt_window_frame.h"
#include "platform/report_actions.h"

namespace anglewise {

class HelpWindow;
class AboutWindow;

class DesktopApp {
 public:
  /// Later: the windows are built but not loaded until load(), so they can
  /// be built while the splash is up and loaded after it, in order.
  enum class Loading { Now, Later };
  explicit DesktopApp(Loading loading = Loading::Now);
  /// Form_Load and what follows it: the placement read, the figure named,
  /// the window fitted to the screen, the first option focused.
  void load();
  ~DesktopApp();
  MainWindowWidget& widget() { return *widget_; }
  MainWindow& model() { return *model_; }
  QtMessageBox& messages() { return messages_; }
  QPrinter& printer() { return printer_.get(); }
  QtPrintWaitWindow& printWait() { return wait_; }
  QtWindowFrame& frame() { return frame_; }
  ReportActions& reports() { return *reports_; }
  HistoryKeeper& history() { return *history_; }

  /// frmHelp created and loaded (the help file read, or the message shown).
  std::unique_ptr<HelpWindow> loadHelpWindow();
  /// "&Contents": the help window, modal over the main window.
  void mnuHelpContents_Click();
  /// "&About ": the About box, modal over the main window.
  void mnuHelpAbout_Click();

 private:
  void closing();

  QtMessageBox messages_;
  QtBeep beep_;
  std::unique_ptr<MainWindowWidget> widget_;
  RecordingPictureBox recorded_;  // the figure's strokes, for its files
  TeePictureBox picture_;
  QtSettingsStore settings_;
  QtWindowFrame frame_;
  LazyPrinter printer_;
  QtPictureSaver saver_;
  QtPrintSetupDialog dialog_;
  QtPrintWaitWindow wait_;
  QtPrinter qtPrinter_;
  PrintDevices devices_;
  std::unique_ptr<MainWindow> model_;
  LinuxSystemInformation systemInfo_;
  ReportActions* reports_ = nullptr;  // owned by the main window widget
  HistoryKeeper* history_ = nullptr;  // owned by the main window widget
};

/// The folder of the running executable, links resolved, ending with "/".
std::string applicationFolder();
/// The folder the program keeps its files in: the executable's own, or for
/// an installed program the user's own stand-in for it.
std::string programFolder();

}  // namespace anglewise
