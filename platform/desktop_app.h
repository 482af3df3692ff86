#pragma once
// The desktop program put together: Qt ports, the real main window and the
// model of it, bound to each other, with start-up done.
#include <memory>

#include "mainwindow/main_window.h"
#include "platform/main_window_widget.h"
#include "platform/qt_ports.h"

namespace anglewise {

class DesktopApp {
 public:
  DesktopApp();
  MainWindowWidget& widget() { return *widget_; }
  MainWindow& model() { return *model_; }
  QtMessageBox& messages() { return messages_; }

 private:
  QtMessageBox messages_;
  QtBeep beep_;
  std::unique_ptr<MainWindowWidget> widget_;
  std::unique_ptr<MainWindow> model_;
};

}  // namespace anglewise
