#include "platform/desktop_app.h"

#include <QRadioButton>

#include "platform/main_window_binding.h"

namespace anglewise {

DesktopApp::DesktopApp()
    : widget_(std::make_unique<MainWindowWidget>()),
      model_(std::make_unique<MainWindow>(MainWindowPorts{messages_, beep_, *widget_->picture()})) {
  messages_.owner = widget_.get();
  bindMainWindow(*widget_, *model_);
  model_->Form_Load();
  widget_->control<QRadioButton>("opt90D")->setFocus();
}

}  // namespace anglewise
