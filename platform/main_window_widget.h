#pragma once
// The real main window, built from the designed control and menu tables:
// frames, boxes, labels, picture buttons, the picture box, the menu bar and
// the status bar, placed in twips at the screen's DPI. It holds no logic;
// the binding connects it to the model.
#include <QHash>
#include <QMainWindow>
#include <functional>

#include "platform/picture_widget.h"

class QAction;
class QLabel;
class QStatusBar;

namespace anglewise {

class MainWindowWidget : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindowWidget(QWidget* parent = nullptr);

  /// The widget of a designed control by name, or nullptr.
  QWidget* control(const QString& name) const { return controls_.value(name); }
  template <typename T>
  T* control(const QString& name) const {
    return qobject_cast<T*>(control(name));
  }
  PictureWidget* picture() const { return control<PictureWidget>("Picture1"); }
  /// The status bar with its four panels.
  QStatusBar* statusPanels() const { return statusBar_; }
  /// The action of a menu item by name, or nullptr.
  QAction* menuAction(const QString& name) const { return actions_.value(name); }

  /// Fits the column of result values that `label` stands in to its
  /// values, after one of them changed.
  void fitValueColumn(QLabel* label);

  /// Runs when the window is about to close, by any path.
  std::function<void()> aboutToClose;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls(QWidget* client);
  void buildMenus();
  void setTabOrder();
  void placeStatusBar();
  void fitCaptionColumns();

  QHash<QString, QWidget*> controls_;
  QHash<QString, QAction*> actions_;
  QHash<QLabel*, QList<QLabel*>> valueColumns_;  // each result label's column
  QStatusBar* statusBar_ = nullptr;
};

}  // namespace anglewise
