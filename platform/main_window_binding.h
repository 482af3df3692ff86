#pragma once
// Binds the real window to the model both ways: a change in the model
// updates its widget with the widget's signals blocked; a user's edit, tick
// or click updates the model and raises the model's own event.
#include <functional>
#include <string_view>

namespace anglewise {

class MainWindow;
class MainWindowWidget;

/// What runs around every command a user gives (a button, a menu item, a
/// click on the figure), by the command's name.
struct CommandHooks {
  std::function<void(std::string_view)> before;
  std::function<void(std::string_view)> after;
};

void bindMainWindow(MainWindowWidget& widget, MainWindow& model, CommandHooks hooks = {});

}  // namespace anglewise
