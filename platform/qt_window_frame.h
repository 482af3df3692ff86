#pragma once
// A top-level window's outer placement in twips. The four stored values are
// the outer frame; on X11 the frame's size is known only once the window
// manager has decorated the mapped window, so the placement asked for is
// kept and applied again when the frame margins become known. A window
// whose placement nobody asked for keeps the size and place it was given.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

#include "mainwindow/lifecycle.h"

namespace anglewise {

class QtWindowFrame : public QObject, public WindowFrame {
 public:
  explicit QtWindowFrame(QWidget* window);
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void setWidth(float twips) override;
  void setHeight(float twips) override;
  bool minimized() const override;
  /// Fits the placement asked for to the screen it lands on: no larger than
  /// that screen's available area and wholly on it; a placement off every
  /// screen goes to the top-left corner of the primary screen.
  void fitToScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int toPixels(float twips) const;
  float toTwips(int pixels) const;
  QRect outer() const;
  QMargins margins() const;
  void apply();

  QPointer<QWidget> window_;
  std::optional<QRect> wanted_;  // the outer frame asked for, in pixels
  QMargins applied_;             // the frame margins `wanted_` was last applied with
  bool settling_ = true;         // until the window manager's frame is known
};

}  // namespace anglewise

namespace anglewise {

/// Centres a secondary window on its owner, keeping its top edge on the
/// owner's screen so the title bar can be reached.
void centreOnOwner(QWidget* window, const QWidget* owner);

}  // namespace anglewise
