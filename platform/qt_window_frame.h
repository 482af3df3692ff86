#pragma once
// A top-level window's outer placement in twips. Sizes are kept within
// what a screen can show, and a placement entirely off every screen is
// brought back into view by bringIntoView().
#include <QPointer>
#include <QWidget>

#include "mainwindow/lifecycle.h"

namespace anglewise {

class QtWindowFrame : public WindowFrame {
 public:
  explicit QtWindowFrame(QWidget* window) : window_(window) {}
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void setWidth(float twips) override;
  void setHeight(float twips) override;
  bool minimized() const override;
  /// Moves the window onto the primary screen when no part of it is on any.
  void bringIntoView();

 private:
  int toPixels(float twips) const;
  float toTwips(int pixels) const;
  QSize decoration() const;  // frame size less client size
  QPointer<QWidget> window_;
};

}  // namespace anglewise

namespace anglewise {

/// Centres a secondary window on its owner, keeping its top edge on the
/// owner's screen so the title bar can be reached.
void centreOnOwner(QWidget* window, const QWidget* owner);

}  // namespace anglewise
