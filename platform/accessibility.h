#pragma once
// Names and descriptions for screen readers: every control of the main
// window gets an accessible name, and where its caption alone is unclear
// (the input check boxes, the figure, the picture buttons) a description.
class QWidget;

namespace anglewise {

class MainWindow;
class MainWindowWidget;

/// Names every designed control of `window`.
void nameMainWindowControls(MainWindowWidget& window);

/// The figure's description from what the window shows now, such as
/// "Right triangle, X 3, Y 4, Z 5".
void describeFigure(MainWindowWidget& window, const MainWindow& model);

}  // namespace anglewise
