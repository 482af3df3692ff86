#pragma once
// Binds the real window to the model both ways: a change in the model
// updates its widget with the widget's signals blocked; a user's edit, tick
// or click updates the model and raises the model's own event.
#include <functional>

namespace anglewise {

class MainWindow;
class MainWindowWidget;

void bindMainWindow(MainWindowWidget& widget, MainWindow& model,
                    std::function<void()> afterCommand = {});

}  // namespace anglewise
